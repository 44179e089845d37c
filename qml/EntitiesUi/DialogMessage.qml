import QtQuick 2.15
import App.Controls 1.0 as Controls

// The text of a message dialog. Long texts wrap instead of widening the dialog without end; the
// width is measured apart, as a wrapping text's implicit width would feed back into the dialog's.
Controls.Label {
    id: message

    objectName: "messageLabel"
    width: Math.min(Math.ceil(metrics.advanceWidth), 480)
    wrapMode: Text.WordWrap
    // Reasons and names in messages come from the service.
    textFormat: Text.PlainText

    TextMetrics {
        id: metrics
        font: message.font
        text: message.text
    }
}
