import QtQuick 2.15
import QtQuickX 1.0
import App.Controls 1.0

// One ticket of the list; a double click opens its details and copies the device's answer.
ListViewItem {
    id: item

    property int containerWidth: width

    signal openTicketDetails(var ticket)

    contentItem: TicketsListRowDelegate {
        containerWidth: item.containerWidth - item.leftPadding - item.rightPadding
        entity: item.mData
    }

    onDoubleClicked: {
        Clipboard.setText(item.mData ? item.mData.uncutResult : "")
        openTicketDetails(item.mData)
    }
}
