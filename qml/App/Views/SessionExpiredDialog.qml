import QtQuick 2.15
import QtQuick.Controls 2.15
import Ostrel 1.0
import Datamizer 1.0
import App.Constants 1.0
import App.Managers 1.0
import App.Navigation 1.0
import App.Controls 1.0 as Controls

// Told by any service call that the session has expired, it says so once and offers to sign in
// again; closing it leaves the screen as it is.
Dialog {
    id: dialog
    objectName: "sessionExpiredDialog"

    // Replaces the page stack with the login view.
    function signInAgain() {
        close()
        AuthManager.logoff()
        Navigator.replace(null, "qrc:///App/Views/LoginView.qml")
    }

    title: Strings.error
    modal: true
    anchors.centerIn: parent

    footer: DialogButtonBox {
        Controls.Button {
            objectName: "signInAgainButton"
            text: Strings.signInAgain
            highlighted: true
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
        Controls.Button {
            objectName: "closeExpiredButton"
            text: qsTr("Close")
            flat: true
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
        }
    }

    onAccepted: signInAgain()

    Controls.Label {
        text: Strings.unauthentificatedError
    }

    Connections {
        target: ServiceEvents
        // Answers to calls made before a sign-out or by a login in progress do not count.
        function onSessionExpired(method) {
            if (AuthManager.currentLoginInfo.status === LoginInfo.Authorized && !dialog.opened)
                dialog.open()
        }
    }
}
