import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0

Item {
    width: 100
    height: 60

    ImageColorOverlay {
        id: overlay
        source: Qt.resolvedUrl("data/halfmask.svg")
        color: "#800000ff"
    }

    TestCase {
        name: "ImageColorOverlay"
        when: windowShown

        function pixelIs(x, y, color) {
            return Qt.colorEqual(grabImage(overlay).pixel(x, y), color)
        }

        function test_paintsMaskInOpaqueColour() {
            tryCompare(overlay, "width", 40)
            // The colour's own alpha is ignored: the mask is painted opaque.
            tryVerify(function() { return pixelIs(5, 10, "#0000ff") })
            verify(!pixelIs(35, 10, "#0000ff"))
            verify(!pixelIs(35, 10, "#ff8000"))

            overlay.color = "red"
            tryVerify(function() { return pixelIs(5, 10, "#ff0000") })
        }
    }
}
