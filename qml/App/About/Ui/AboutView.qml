import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0

// The program's version and the maker's notice.
Pane {
    id: aboutView
    objectName: "aboutView"

    property var navigator: null
    readonly property string title: "About Kestrum console"
    readonly property string versionText: NON_PRODUCTION_BUILD
        ? qsTr("Kestrum console [non-production build] v. %1").arg(BUILD_VERSION)
        : qsTr("Kestrum console v.%1").arg(BUILD_VERSION)

    // The text ended with one full stop, whether or not it has one of its own.
    function asSentence(text) {
        return /\.$/.test(text) ? text : text + "."
    }

    padding: 12

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 12

        Label {
            objectName: "versionLabel"
            text: aboutView.versionText
            textFormat: Text.PlainText
            font.bold: true
        }

        Label {
            objectName: "noticeLabel"
            Layout.fillWidth: true
            // The company's name may end with its own full stop ("Inc.").
            text: qsTr("© %1 All rights reserved.").arg(aboutView.asSentence(Strings.companyLabel))
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
        }

        MenuSeparator {
            Layout.fillWidth: true
        }
    }
}
