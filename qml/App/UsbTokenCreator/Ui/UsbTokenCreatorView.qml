import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import QtQuickX 1.0
import Ostrel 1.0
import App.Constants 1.0
import App.Controls 1.0
import App.Controls.DateTimePicker 1.0
import App.Managers 1.0
import App.UsbTokenCreator 1.0
import EntitiesUi 1.0

// Creates a time-limited session of a role and saves its token into a folder the operator
// picks, such as a flash drive.
QQC2.Pane {
    id: view
    objectName: "usbTokenCreatorView"

    property var navigator: null
    readonly property string title: Strings.usbTokenTitle
    property UsbTokenManager manager: UsbTokenManager {}
    // The window offered at first: a day from the moment the view opened.
    readonly property date openedAt: new Date()

    readonly property alias roleBox: roleBox
    readonly property alias fromPicker: fromPicker
    readonly property alias tillPicker: tillPicker
    readonly property alias errorDialog: errorDialog
    // Set while the folder dialog for a new token may still write its file.
    property bool __awaitingFile: false
    // The last token file written, shown so the operator knows where the credential lies.
    property string writtenFile: ""

    function createToken() {
        var call = manager.createRoleSession
        call.role = roleBox.currentValue
        call.from = fromPicker.value
        call.till = tillPicker.value
        call.invoke()
    }

    function showError(reason) {
        errorDialog.reason = reason
        errorDialog.open()
    }

    Connections {
        target: view.manager

        function onTokenCreationFailed() {
            view.showError(Strings.accessDeniedError)
        }
        function onTokenCreationError(reason) {
            view.showError(reason)
        }
        function onTokenAccepted() {
            view.__awaitingFile = true
        }
    }

    Connections {
        target: DataManager

        function onSaved(fileUrl, ok) {
            if (!view.__awaitingFile)
                return
            view.__awaitingFile = false
            view.writtenFile = ok ? LocalIO.toNativeSeparators(fileUrl) : ""
            if (!ok) {
                view.showError(Strings.fileWriteError)
                return
            }
            var till = view.manager.createRoleSession.till
            Feedback.confirm(qsTr("Token written to %1, valid till %2.").arg(view.writtenFile)
                             .arg(till ? till.toLocaleString(Qt.locale(), Locale.ShortFormat) : ""))
        }
    }

    GridLayout {
        anchors.centerIn: parent
        columns: 2
        columnSpacing: 12
        rowSpacing: 12

        Label {
            text: qsTr("Role:")
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
        }
        QQC2.ComboBox {
            id: roleBox
            objectName: "roleBox"

            Layout.fillWidth: true
            textRole: "text"
            valueRole: "value"
            model: [
                { "text": qsTr("Technician"), "value": Role.Technician },
                { "text": qsTr("Administrator"), "value": Role.Administrator }
            ]
        }

        Label {
            text: Strings.validFrom
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
        }
        DateTimePicker {
            id: fromPicker
            objectName: "validFromPicker"
            Layout.fillWidth: true
            Layout.preferredWidth: 280
            value: view.openedAt
        }

        Label {
            text: Strings.validTo
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
        }
        DateTimePicker {
            id: tillPicker
            objectName: "validTillPicker"
            Layout.fillWidth: true
            value: new Date(view.openedAt.getTime() + 24 * 3600 * 1000)
        }

        Button {
            objectName: "createTokenButton"
            Layout.columnSpan: 2
            Layout.fillWidth: true
            text: Strings.createButton
            enabled: !view.manager.createRoleSession.isLoading

            onClicked: view.createToken()
        }

        Label {
            objectName: "tokenFileLabel"
            Layout.columnSpan: 2
            Layout.fillWidth: true
            Layout.maximumWidth: 480
            visible: view.writtenFile !== ""
            text: qsTr("Token written to %1").arg(view.writtenFile)
            textFormat: Text.PlainText
            wrapMode: Text.WrapAnywhere
        }

        QQC2.BusyIndicator {
            objectName: "usbTokenBusyIndicator"
            Layout.columnSpan: 2
            Layout.alignment: Qt.AlignHCenter
            running: view.manager.createRoleSession.isLoading
            visible: running
        }
    }

    ErrorEntityDialog {
        id: errorDialog
        objectName: "usbTokenErrorDialog"
        entityTypeName: Strings.usbToken
    }
}
