import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0
import App.Devices 1.0

// The device's name, editable, and what the service knows of it. The name shown is the owner's
// draft; typing reports the new name instead of writing it into the device.
QQC2.Pane {
    id: editor

    signal titleEdited(string title)

    property Device entity: null
    property string title: entity ? entity.title : ""
    readonly property alias nameField: nameField

    function __orNA(text) {
        return text ? String(text) : Strings.notAvailable
    }

    function __dateText(date) {
        return date instanceof Date && !isNaN(date.getTime())
               ? date.toLocaleString(Qt.locale(), Locale.ShortFormat) : Strings.notAvailable
    }

    GridLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        columns: 2
        columnSpacing: 12

        Label { text: Strings.deviceName }
        TextField {
            id: nameField
            objectName: "deviceNameField"
            Layout.fillWidth: true
            text: editor.title
            onTextEdited: {
                if (editor.entity)
                    editor.titleEdited(text)
            }
        }

        Label { text: qsTr("Location:") }
        Label {
            objectName: "deviceLocationLabel"
            Layout.fillWidth: true
            text: editor.entity ? editor.locationNameOf(editor.entity.customerId) : Strings.notAvailable
            textFormat: Text.PlainText
            elide: Text.ElideRight
        }

        Label { text: qsTr("Type:") }
        Label {
            Layout.fillWidth: true
            text: editor.__orNA(editor.entity ? editor.entity.deviceModel : "")
            textFormat: Text.PlainText
            elide: Text.ElideRight
        }

        Label { text: qsTr("Firmware:") }
        Label {
            Layout.fillWidth: true
            text: editor.__orNA(editor.entity ? editor.entity.firmwareVersionNumber : "")
            textFormat: Text.PlainText
            elide: Text.ElideRight
        }

        Label { text: qsTr("IP:") }
        Label {
            Layout.fillWidth: true
            text: editor.__orNA(editor.entity && editor.entity.ipAddresses ? editor.entity.ipAddresses.join(", ") : "")
            textFormat: Text.PlainText
            elide: Text.ElideRight
        }

        Label { text: qsTr("Registred:") }
        Label {
            textFormat: Text.PlainText
            Layout.fillWidth: true
            text: editor.__dateText(editor.entity ? editor.entity.registered : null)
            elide: Text.ElideRight
        }

        Label { text: qsTr("Mac:") }
        Label {
            Layout.fillWidth: true
            text: editor.__orNA(editor.entity && editor.entity.macAddresses ? editor.entity.macAddresses.join(", ") : "")
            textFormat: Text.PlainText
            elide: Text.ElideRight
        }
    }

    // Names a location by id; the screen gives its lookup.
    property var locationNameOf: function (customerId) { return Strings.notAvailable }
}
