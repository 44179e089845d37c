import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Controls 1.0

// A page for trying controls out by hand; no screen opens it.
QQC2.Page {
    MultiSelectComboBox {
        anchors.centerIn: parent
        model: [
            { name: "Alpha" }, { name: "Bravo" }, { name: "Charlie" }, { name: "Delta" },
            { name: "Echo" }, { name: "Foxtrot" }, { name: "Golf" }, { name: "Hotel" },
            { name: "India" }, { name: "Juliett" }
        ]
        selectedIndexes: [0, 1, 2]
    }
}
