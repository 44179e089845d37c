import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Controls 1.0 as Controls

// Above a list: why its last reading failed, with a retry, and whether the list shown was cut.
// A refusal by the service reads differently from a service that could not be reached or read.
// Hidden while the list is fine; the rows the list kept stay below it.
QQC2.Pane {
    id: banner
    objectName: "listStatusBanner"

    // The collection service of the list.
    property var service: null
    readonly property bool failed: !!service && service.lastFailure !== ""
    readonly property bool refused: failed && d.isRefusal(service)
    readonly property int droppedItems: service ? service.droppedItems : 0
    readonly property string failureText: !failed ? ""
                                          : refused ? qsTr("The service refused the list: %1").arg(service.lastFailure)
                                                    : qsTr("The list could not be read: %1").arg(service.lastFailure)
    readonly property string cutText: droppedItems <= 0 ? ""
                                      : droppedItems === 1 ? qsTr("The list was cut: 1 item left out.")
                                      : qsTr("The list was cut: %1 items left out.")
                                        .arg(Number(droppedItems).toLocaleString(Qt.locale(), "f", 0))

    function retry() {
        if (service)
            service.invoke()
    }

    visible: failed || droppedItems > 0
    height: visible ? implicitHeight : 0
    padding: 8
    // Follows what is shown now: the texts and the button come and go.
    contentHeight: content.implicitHeight

    background: Rectangle {
        color: "#fff4e5"
        border.color: "#e0b070"
    }

    RowLayout {
        id: content
        anchors.fill: parent
        spacing: 8

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            Controls.Label {
                objectName: "listFailureText"
                Layout.fillWidth: true
                visible: banner.failed
                text: banner.failureText
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                maximumLineCount: 3
                elide: Text.ElideRight
                color: "#a00000"
            }
            Controls.Label {
                objectName: "listCutText"
                Layout.fillWidth: true
                visible: banner.droppedItems > 0
                text: banner.cutText
                textFormat: Text.PlainText
                elide: Text.ElideRight
            }
        }

        Controls.Button {
            objectName: "listRetryButton"
            visible: banner.failed
            enabled: !!banner.service && !banner.service.isLoading
            text: qsTr("Retry")
            onClicked: banner.retry()
        }
    }

    QtObject {
        id: d

        // The service understood the call and said no: an answer with a status of its own.
        function isRefusal(service) {
            var answer = service.jsonResult
            return service.loader.succeeded && !!answer && typeof answer === "object"
                    && typeof answer["status"] === "number" && answer["status"] !== 0
        }
    }
}
