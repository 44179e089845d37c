import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0
import App.Managers 1.0

// Says, always in sight, that the console works in another user's context, with the way back.
QQC2.Pane {
    id: banner
    objectName: "userContextBanner"

    signal returnRequested()

    visible: AuthManager.inOtherUserContext
    padding: 6
    leftPadding: 16
    Material.background: Material.color(Material.Amber, Material.Shade200)

    contentItem: RowLayout {
        Label {
            objectName: "userContextBannerLabel"
            Layout.fillWidth: true
            text: qsTr("Working as %1").arg(AuthManager.currentLoginInfo.userName || Strings.notAvailable)
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.bold: true
        }
        Label {
            objectName: "userContextAuditNote"
            Layout.fillWidth: true
            text: qsTr("What you do here is recorded under your name and theirs.")
            textFormat: Text.PlainText
            elide: Text.ElideRight
        }
        Button {
            objectName: "returnToOwnContextButton"
            // The texts give way to the way back, however narrow the window.
            Layout.minimumWidth: implicitWidth
            flat: true
            text: qsTr("Return to my own context")
            onClicked: banner.returnRequested()
        }
    }
}
