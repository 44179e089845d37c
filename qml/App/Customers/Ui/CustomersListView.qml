import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Controls 1.0
import App.Customers 1.0
import EntitiesUi 1.0

// The location tree, or the locations sorted by one of their properties.
QQC2.Pane {
    id: view

    signal editRequested(var entity)

    property CustomersManager manager: null
    property bool descendingSort: false
    property var sortField: "default"
    readonly property var orderedCustomersTree: manager ? manager.orderedRows(sortField, descendingSort) : []
    readonly property var currentEntity: {
        var entry = list.currentIndex >= 0 ? orderedCustomersTree[list.currentIndex] : null
        return entry ? entry.customer : null
    }
    property alias lastSelectedEntityId: list.lastSelectedEntityId
    readonly property alias list: list

    padding: 0

    ListStatusBanner {
        id: banner
        width: parent.width
        service: view.manager ? view.manager.listCustomers : null
    }

    ListView {
        id: list
        objectName: "locationsList"

        anchors.fill: parent
        anchors.topMargin: banner.height
        model: view.orderedCustomersTree
        isDataLoading: !!view.manager && view.manager.listCustomers.isLoading
        focus: true

        delegate: CustomersListViewItem {
            showTree: !view.sortField || view.sortField === "default"
            onEditEntityRequested: {
                makeCurrent()
                view.editRequested(view.currentEntity)
            }
        }
    }
}
