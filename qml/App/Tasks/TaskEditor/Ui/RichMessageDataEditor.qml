import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuickX 1.0
import App.Controls 1.0 as Controls
import App.Tasks.TaskEditor 1.0
import "qrc:///App/Tasks/TaskEditor/TaskDataTexts.js" as TaskDataTexts

// A message with an optional picture, and a preview of both.
TaskDataEditorUi {
    id: editor

    readonly property bool __imageUrlIsValid: imageUrl.text !== ""
                                              && UriUtils.isValid(UriUtils.fromUserInput(imageUrl.text))

    value: TaskDataTexts.message(messageText.text, imageUrl.text)
    isAcceptable: TaskDataTexts.isMessageAcceptable(messageText.text, imageUrl.text, __imageUrlIsValid)

    onResetRequested: {
        imageUrl.clear()
        messageText.clear()
        preview.text = ""
        previewImage.source = ""
    }

    function refreshPreview() {
        preview.text = messageText.text
        previewImage.source = imageUrl.text !== "" ? UriUtils.fromUserInput(imageUrl.text) : ""
    }

    RowLayout {
        anchors.fill: parent
        spacing: 12

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredWidth: 1

            Controls.Label {
                text: qsTr("Image url")
            }

            Controls.TextField {
                id: imageUrl
                objectName: "imageUrl"
                Layout.fillWidth: true
                isAcceptable: text === "" || editor.__imageUrlIsValid
            }

            Controls.Label {
                text: qsTr("Message text")
            }

            ScrollView {
                Layout.fillWidth: true
                Layout.fillHeight: true

                TextArea {
                    id: messageText
                    objectName: "messageText"
                    wrapMode: TextEdit.Wrap
                    textFormat: TextEdit.PlainText
                    selectByMouse: true
                }
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredWidth: 1

            RowLayout {
                Controls.Label {
                    Layout.fillWidth: true
                    text: qsTr("Preview:")
                }

                Controls.ToolButton {
                    objectName: "refreshPreviewButton"
                    icon.source: "/Icons/refresh.svg"
                    text: qsTr("Refresh preview")
                    display: AbstractButton.IconOnly
                    onClicked: editor.refreshPreview()
                }
            }

            Image {
                id: previewImage
                objectName: "previewImage"
                Layout.fillWidth: true
                Layout.preferredHeight: 160
                fillMode: Image.PreserveAspectFit
                asynchronous: true
                onStatusChanged: {
                    if (status === Image.Error)
                        source = "/Drawable/image.png"
                }

                BusyIndicator {
                    anchors.centerIn: parent
                    running: previewImage.status === Image.Loading
                    visible: running
                }
            }

            ScrollView {
                Layout.fillWidth: true
                Layout.fillHeight: true

                TextArea {
                    id: preview
                    objectName: "messagePreview"
                    readOnly: true
                    wrapMode: TextEdit.Wrap
                    textFormat: TextEdit.RichText
                }
            }
        }
    }
}
