import QtQuick 2.15
import QtQuick.Controls 2.15
import App.Controls 1.0 as Controls

// A list of catalogue entries, each with an icon and one text.
Controls.ListView {
    id: list

    property url iconSource: ""
    // The field of a row shown as its text; without one the row itself is shown.
    property string textProperty: ""

    delegate: Controls.ListViewItem {
        icon.source: list.iconSource
        text: {
            var row = mData
            var shown = list.textProperty && row ? row[list.textProperty] : row
            return shown === undefined || shown === null ? "" : String(shown)
        }
    }
}
