import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Controls 1.0

// A tab bar above a stack holding the chosen tab's page. A tab without a page (the icon-only
// one) changes nothing.
QQC2.Page {
    id: view

    property var navigator: null
    // One entry per tab: "text" and "source" (the page's file), or "icon" alone.
    property var tabs: []
    property int startIndex: 0
    // Given to every page when it is created, and again whenever they change.
    property var pageProperties: ({})

    readonly property alias tabBar: tabBar
    readonly property alias stack: stack
    readonly property int pageIndex: d.pageIndex

    function showTab(index) {
        var tab = tabs[index]
        if (!tab || !tab.source) {
            // The bar goes back to the tab whose page is shown.
            tabBar.currentIndex = d.pageIndex
            return
        }
        if (index === d.pageIndex)
            return
        d.pageIndex = index
        tabBar.currentIndex = index
        stack.replace(null, tab.source, pageProperties, QQC2.StackView.Immediate)
    }

    onPagePropertiesChanged: {
        var page = stack.currentItem
        if (!page)
            return
        for (var key in pageProperties)
            page[key] = pageProperties[key]
    }

    header: QQC2.TabBar {
        id: tabBar
        objectName: "statisticsTabBar"

        Repeater {
            model: view.tabs

            delegate: TabButton {
                objectName: "statisticsTab_" + index
                text: modelData.text || qsTr("More")
                icon.source: modelData.icon || ""
                display: modelData.text ? QQC2.AbstractButton.TextOnly : QQC2.AbstractButton.IconOnly
                width: implicitWidth

                onClicked: view.showTab(index)
            }
        }
    }

    QQC2.StackView {
        id: stack
        objectName: "statisticsStack"
        anchors.fill: parent
    }

    QtObject {
        id: d
        property int pageIndex: -1
    }

    Component.onCompleted: showTab(startIndex)
}
