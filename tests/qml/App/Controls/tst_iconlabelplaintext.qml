import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtTest 1.15
import QtQuickX 1.0
import App.Controls 1.0

// Buttons, list rows and check boxes draw their text as written: markup from the service stays text.
TestCase {
    id: testCase
    name: "IconLabelPlainText"
    when: windowShown

    readonly property string markup: '<font color="red">Password expired</font><img src="x.png">'

    Button { id: button; text: testCase.markup }
    ToolButton { id: toolButton; text: testCase.markup; display: QQC2.AbstractButton.TextOnly }
    // Outside a view a row has no index of its own.
    ListViewItem { id: row; property int index: 0; text: testCase.markup }
    CheckBox { id: checkBox; text: testCase.markup }

    function labelOf(control) {
        if (QmlX.instanceOf(control.contentItem, "QQuickText", true))
            return control.contentItem
        var children = control.contentItem.children
        for (var i = 0; i < children.length; ++i) {
            if (QmlX.instanceOf(children[i], "QQuickText", true))
                return children[i]
        }
        return null
    }

    function test_markupIsText_data() {
        return [{ tag: "Button", control: button }, { tag: "ToolButton", control: toolButton },
                { tag: "ListViewItem", control: row }, { tag: "CheckBox", control: checkBox }]
    }

    TextMetrics { id: metrics }

    // Drawn as markup, the text would be as wide as "Password expired" and an image; drawn as
    // written, it is as wide as all its characters.
    function drawnAsWritten(control, text) {
        metrics.font = control.font
        metrics.text = text
        var label = labelOf(control)
        return label && label.implicitWidth > metrics.advanceWidth * 0.9
    }

    function test_markupIsText(data) {
        verify(drawnAsWritten(data.control, markup), "width " + labelOf(data.control).implicitWidth)
        // A later text, as a row gets when its entity changes, stays plain as well.
        data.control.text = "<b>renamed</b> <i>user</i>"
        verify(drawnAsWritten(data.control, "<b>renamed</b> <i>user</i>"))
        data.control.text = markup
    }
}
