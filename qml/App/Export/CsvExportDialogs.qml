import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Dialogs 1.3 as Dialogs
import QtQuick.Layouts 1.15
import QtQuickX 1.0
import Ostrel 1.0
import App.Controls 1.0
import EntitiesUi 1.0

// What an export shows the operator: the file dialog, then the progress of the export and how
// it ended. Fills the screen that holds it, so that the progress is centred on that screen.
Item {
    id: dialogs

    property PagedCsvExport exporter: null
    property string title: qsTr("Export CSV")

    // The operator chose where to write; the screen starts the export with its filter.
    signal fileChosen(url fileUrl)

    function chooseFile() {
        fileDialog.active = true
    }

    // Starts the export with the dialog open, so that the operator sees it run and end.
    function exportTo(fileUrl, filterJson) {
        progress.message = ""
        progress.fileUrl = fileUrl
        progress.open()
        exporter.start(fileUrl, filterJson)
    }

    anchors.fill: parent

    Connections {
        target: dialogs.exporter
        function onFinished(ok, message) {
            // A finished export needs no answer: the notice says where the file went.
            if (ok) {
                Feedback.confirm(dialogs.exporter.savedText.arg(dialogs.exporter.exportedText)
                                 .arg(LocalIO.toNativeSeparators(progress.fileUrl)))
                progress.close()
            }
            progress.message = message
            if (!ok && progress.visible && !progress.cancelling)
                progress.failed = true
            progress.cancelling = false
        }
    }

    // Made when first asked for: the file dialog is costly to create with the screen.
    Loader {
        id: fileDialog

        active: false
        sourceComponent: Dialogs.FileDialog {
            title: dialogs.title
            selectExisting: false
            defaultSuffix: "csv"
            nameFilters: [qsTr("CSV files (*.csv)"), qsTr("All files (*)")]
            folder: DialogFolders.startFolder("csvExport")
            onAccepted: {
                DialogFolders.remember("csvExport", fileUrl)
                dialogs.fileChosen(fileUrl)
                Qt.callLater(function () { fileDialog.active = false })
            }
            onRejected: Qt.callLater(function () { fileDialog.active = false })
            Component.onCompleted: open()
        }
    }

    EntityDialog {
        id: progress
        objectName: "exportProgressDialog"

        property string message: ""
        property url fileUrl
        property bool failed: false
        property bool cancelling: false

        closePolicy: QQC2.Popup.NoAutoClose
        title: dialogs.title
        standardButtons: dialogs.exporter && dialogs.exporter.running ? QQC2.Dialog.Cancel : QQC2.Dialog.Ok

        // Not onOpened: an export may fail before the dialog has finished animating in.
        onAboutToShow: failed = false
        onRejected: {
            if (dialogs.exporter.running) {
                cancelling = true
                dialogs.exporter.cancel()
            }
        }

        ColumnLayout {
            implicitWidth: 360

            QQC2.ProgressBar {
                objectName: "exportProgressBar"
                Layout.fillWidth: true
                visible: dialogs.exporter.running
                indeterminate: dialogs.exporter.total === 0
                value: dialogs.exporter.total ? dialogs.exporter.exported / dialogs.exporter.total : 0
            }
            Label {
                textFormat: Text.PlainText
                objectName: "exportMessage"
                Layout.fillWidth: true
                wrapMode: Text.Wrap
                text: dialogs.exporter.running ? dialogs.exporter.progressText : progress.message
                color: progress.failed ? "#a00000" : palette.windowText
            }
        }
    }
}
