import QtQuick 2.15

// A label for one text the service sent (a name, a login, a title): plain text, never markup,
// on one elided line, and cut to a length any screen can lay out whatever the service sent.
Label {
    property string serviceText: ""
    property int maximumLength: 200

    text: serviceText.length > maximumLength ? serviceText.substring(0, maximumLength) + "\u2026" : serviceText
    textFormat: Text.PlainText
    elide: Text.ElideRight
    wrapMode: Text.NoWrap
    maximumLineCount: 1
}
