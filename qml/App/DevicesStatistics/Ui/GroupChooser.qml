import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Controls 1.0

// "Group by:" and its choices; chosen() after the operator picks one.
RowLayout {
    id: chooser

    property alias label: label.text
    property alias model: box.model
    readonly property alias currentIndex: box.currentIndex
    readonly property alias comboBox: box

    signal chosen(int index)

    spacing: 12

    Label {
        id: label
        text: qsTr("Group by:")
    }
    QQC2.ComboBox {
        id: box
        objectName: "groupByBox"
        Layout.preferredWidth: 220
        onActivated: chooser.chosen(index)
    }
}
