import QtQuick 2.15
import QtQuick.Layouts 1.15
import App.Logins 1.0
import App.Logins.Ui 1.0
import App.Users 1.0
import EntitiesUi 1.0

// Creation of a user in two steps: the user (Apply stores it), then its login and password
// (OK stores them). A user the service refused keeps the first page on screen.
EditEntityUi {
    id: editor
    objectName: "userMultipagedEditor"

    signal storeUserRequested(var user)
    signal storeLoginRequested(var login)

    property UsersManager manager: null
    property LoginManager loginManager: null
    readonly property bool isNewEntity: true
    property User entity: null
    property Login login: null
    property bool userInCreation: true

    readonly property alias userPage: userPage
    readonly property alias loginPage: loginPage

    // The stored user (with its id) becomes the editor's user; the login page is for it.
    function next(storedUser) {
        entity = storedUser
        loginPage.user = storedUser
        loginPage.entity = login
        userInCreation = false
        loginPage.opening()
    }

    lastPage: !userInCreation
    // One user per creation: Apply waits while the service stores the first one.
    isAppliable: userInCreation && userPage.isAcceptable && !(manager && manager.addUser.isLoading)
    isAcceptable: !userInCreation && loginPage.isAcceptable

    onOpening: {
        userInCreation = true
        userPage.entity = entity
        userPage.opening()
    }

    onApply: {
        if (!userInCreation)
            return
        userPage.accept()
        storeUserRequested(entity)
    }

    onAccept: {
        if (userInCreation)
            return
        loginPage.accept()
        storeLoginRequested(login)
    }

    onResetRequested: {
        userInCreation = true
        login = null
        userPage.reset()
        loginPage.reset()
    }

    StackLayout {
        anchors.fill: parent
        currentIndex: editor.userInCreation ? 0 : 1

        UserEditor {
            id: userPage
            manager: editor.manager
            padding: 0
        }

        LoginEditor {
            id: loginPage
            manager: editor.loginManager
            padding: 0
        }
    }
}
