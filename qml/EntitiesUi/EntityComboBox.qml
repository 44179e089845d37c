import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// A combo box over entities whose names come from the service: shown as plain text, elided.
QQC2.ComboBox {
    id: box

    delegate: QQC2.MenuItem {
        width: box.popup.width
        highlighted: box.highlightedIndex === index
        font.capitalization: Font.MixedCase
        contentItem: Text {
            text: box.textRole ? (Array.isArray(box.model) ? modelData[box.textRole] : model[box.textRole])
                               : modelData
            textFormat: Text.PlainText
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
            font: box.font
            color: box.palette.text
        }
    }
}
