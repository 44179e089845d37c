import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Controls 1.0
import App.Users 1.0
import EntitiesUi 1.0

// The listed users, sorted by one of their properties; sorted again after every listing.
QQC2.Pane {
    id: view

    signal deleteUserRequested(var entity)
    signal editRequested()

    property UsersManager manager: null
    property bool descending: false
    property string sortField: "name"
    readonly property var currentEntity: {
        var users = list.model
        return list.currentIndex >= 0 && users && users[list.currentIndex] ? users[list.currentIndex] : null
    }
    property alias lastSelectedEntityId: list.lastSelectedEntityId
    readonly property alias list: list

    function sort(descending, key) {
        list.sort(descending, key)
    }

    padding: 0

    onDescendingChanged: sort(descending, sortField)
    onSortFieldChanged: sort(descending, sortField)

    Connections {
        target: view.manager ? view.manager.listUsers : null
        function onInvokedOk() { view.sort(view.descending, view.sortField) }
    }

    ListStatusBanner {
        id: banner
        width: parent.width
        service: view.manager ? view.manager.listUsers : null
    }

    ListView {
        id: list
        objectName: "usersList"

        anchors.fill: parent
        anchors.topMargin: banner.height
        model: view.manager && view.manager.listUsers.result ? view.manager.listUsers.result : []
        isDataLoading: !!view.manager && view.manager.listUsers.isLoading
        focus: true
        Component.onCompleted: view.sort(view.descending, view.sortField)

        delegate: UsersListViewItem {
            onEditEntityRequested: {
                makeCurrent()
                view.editRequested()
            }
            onDeleteUser: view.deleteUserRequested(currentUser)
        }
    }
}
