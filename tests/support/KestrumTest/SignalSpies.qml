import QtQml 2.15
import QtTest 1.15

// Hands out signal spies and lets go of them together. A spy on a singleton outlives the test
// function unless its target is cleared, and the singleton's next emission would then reach a
// destroyed spy: call clear() from the test case's cleanup().
QtObject {
    id: spies

    property Component spyComponent: Component {
        SignalSpy {}
    }
    property var handedOut: []

    function spyOn(target, signalName) {
        var spy = spyComponent.createObject(spies, { "target": target, "signalName": signalName })
        handedOut.push(spy)
        return spy
    }

    function clear() {
        for (var i = 0; i < handedOut.length; ++i) {
            handedOut[i].target = null
            handedOut[i].destroy()
        }
        handedOut = []
    }
}
