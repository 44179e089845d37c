pragma Singleton
import QtQuick 2.15
import "qrc:///Datamizer/DataUtils.js" as DataUtils

// Tells the operator that a write went through: screens call confirm() once the service (or the
// file system) has stored what was asked; the main window shows it briefly. Failures keep their
// error dialogs.
QtObject {
    // The last confirmation; it stays after the notice has gone.
    property string text: ""
    // Counts the confirmations, so that the same text twice shows twice.
    property int serial: 0

    signal confirmed(string text)

    function confirm(message) {
        // Names in it come from the service.
        text = DataUtils.cutText(String(message), DataUtils.maxTextLength)
        ++serial
        confirmed(text)
    }
}
