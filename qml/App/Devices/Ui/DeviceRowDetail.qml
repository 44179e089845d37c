import QtQuick 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0

// A line of small type under a device's name.
Label {
    Layout.fillWidth: true
    textFormat: Text.PlainText
    elide: Text.ElideRight
    font.pixelSize: 11
}
