import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0 as Controls

// Chooses the entity property a list is sorted by.
QQC2.Control {
    id: control

    signal fieldChanged()

    property var fields: ["name"]
    readonly property var selectedField: combo.currentIndex >= 0 && fields ? fields[combo.currentIndex]
                                                                          : undefined

    function displayName(field) {
        var text = String(field)
        return text.charAt(0).toLocaleUpperCase() + text.slice(1)
    }

    onSelectedFieldChanged: fieldChanged()

    contentItem: RowLayout {
        Controls.Label {
            text: Strings.sortBy
        }

        QQC2.ComboBox {
            id: combo

            objectName: "sortFieldComboBox"
            flat: true
            editable: false
            model: control.fields
            currentIndex: 0
            displayText: control.displayName(currentText)
            delegate: QQC2.MenuItem {
                width: combo.width
                text: control.displayName(modelData)
                highlighted: combo.highlightedIndex === index
                font.capitalization: Font.MixedCase
            }
        }
    }
}
