import QtQuick 2.15
import QtQuick 2.15 as Quick
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Controls.Material 2.15
import QtQuickX 1.0

// A row of an App.Controls ListView; the row's model data is an entity or a plain value.
QQC2.MenuItem {
    id: item

    signal editEntityRequested(int index)
    signal emptyFound(int position)

    property bool current: false
    readonly property var mData: typeof modelData !== "undefined" ? modelData
                                                                  : (typeof model !== "undefined" ? model : undefined)
    // The attached view survives re-parenting while the row is dragged.
    readonly property Item listView: Quick.ListView.view ? Quick.ListView.view : (parent ? parent.parent : null)

    function makeCurrent() {
        if (listView)
            QmlX.writeProperty(listView, "currentIndex", index, QmlX.DontRemoveBinding)
    }

    function isEmptyData() {
        return !mData && mData !== 0
    }

    // Reported once each time the data turns empty.
    function reportEmptyData() {
        var empty = isEmptyData()
        if (empty && !d.reportedEmpty)
            emptyFound(index)
        d.reportedEmpty = empty
    }

    // A list row is neither checkable nor a sub-menu: the style's check mark and arrow would be
    // made for every row and never shown.
    indicator: null
    arrow: null
    enabled: !isEmptyData()
    width: listView ? listView.width : implicitWidth
    highlighted: !!listView && listView.highlightedIndex === index
    hoverEnabled: true
    font.capitalization: Font.MixedCase

    Material.foreground: listView && listView.currentIndex === index && listView.isHighlightVisible
                         ? palette.highlightedText : palette.windowText

    onClicked: makeCurrent()
    onDoubleClicked: editEntityRequested(index)
    onMDataChanged: reportEmptyData()
    Component.onCompleted: reportEmptyData()

    QtObject {
        id: d
        property bool reportedEmpty: false
    }

    IconLabelRenderTypePatcher {
        target: item.contentItem
        enabled: item.enabled
    }
}
