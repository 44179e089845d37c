import QtQuick 2.15
import QtQuickX 1.0

// Paints the alpha mask of an image in one opaque colour.
ShaderEffect {
    id: overlay

    property color color: "#000000"
    property alias source: image.source

    readonly property color _color: Dye.setColorAlpha(color, 1.0)
    // Captured once per change of the picture or the colour, not every frame.
    readonly property ShaderEffectSource _bitmap: ShaderEffectSource {
        sourceItem: image
        hideSource: true
        live: false
    }

    implicitWidth: image.implicitWidth
    implicitHeight: image.implicitHeight

    onColorChanged: _bitmap.scheduleUpdate()

    Image {
        id: image
        anchors.fill: parent
        onStatusChanged: overlay._bitmap.scheduleUpdate()
    }

    fragmentShader: "
        varying highp vec2 qt_TexCoord0;
        uniform lowp float qt_Opacity;
        uniform sampler2D _bitmap;
        uniform lowp vec4 _color;
        void main() {
            gl_FragColor = _color * texture2D(_bitmap, qt_TexCoord0).a * qt_Opacity;
        }"
}
