import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import QtQuickX 1.0

Item {
    id: root
    width: 200
    height: 200

    Rectangle {
        id: box
        width: 20
        height: 20
    }

    FrameWatcher {
        id: watcher
        window: root.Window.window
    }

    SignalSpy {
        id: shown
        target: watcher
        signalName: "frameShown"
    }

    TestCase {
        name: "FrameWatcher"
        when: windowShown

        // Reported once per arming, after a frame that holds the change, and never unarmed.
        function test_onceAfterTheNextFrame() {
            box.x += 10
            watcher.arm()
            verify(watcher.armed)
            shown.wait(5000)
            verify(!watcher.armed)
            box.x += 10
            wait(300)
            compare(shown.count, 1)
            watcher.arm()
            watcher.disarm()
            box.x += 10
            wait(300)
            compare(shown.count, 1)
        }
    }
}
