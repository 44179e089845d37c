import QtQuick 2.15
import QtTest 1.15
import App.Constants 1.0

// The copyright notice ends the company's name with one full stop, not two.
TestCase {
    id: testCase
    name: "AboutNotice"
    when: windowShown

    function test_noticeHasOneFullStop() {
        var component = Qt.createComponent("qrc:///App/About/Ui/AboutView.qml")
        compare(component.status, Component.Ready, component.errorString())
        var view = createTemporaryObject(component, testCase)
        var notice = findChild(view, "noticeLabel")
        compare(notice.text, "© " + Strings.companyLabel + " All rights reserved.")
        verify(notice.text.indexOf("..") < 0, notice.text)
    }
}
