import QtQuick 2.15

// A list screen's second tool-bar line: order, sort field, then the filter boxes it is given.
ScreenToolBarRow {
    id: bar

    property alias descending: order.descending
    property alias fields: selector.fields
    readonly property alias selectedField: selector.selectedField
    default property alias filterControls: filters.data

    place: "secondaryToolBar"

    SortOrderButton {
        id: order
        objectName: "sortOrderButton"
    }
    SortfieldSelectorUi {
        id: selector
        objectName: "sortFieldSelector"
    }
    ListControlsIndicator {
        icon.source: "/Icons/sort.svg"
        text: qsTr("Sort")
    }
    Item {
        width: 24
        height: 1
    }
    Row {
        id: filters
    }
    ListControlsIndicator {
        icon.source: "/Icons/filter-list.svg"
        text: qsTr("Filter")
    }
}
