import QtQuick 2.15
import QtTest 1.15
import App.Controls 1.0
import KestrumTest 1.0

// Names from the service that carry an image tag: drawn as markup for a single frame, they would
// make the console fetch the image from wherever the tag points.
TestCase {
    id: testCase
    name: "RemoteMarkup"
    when: windowShown

    ScriptedServer { id: server }

    readonly property string image: "/pixel.png"

    Component {
        id: controls

        Column {
            property string name: ""

            // The selector makes its check-box rows as the list arrives, while its pop-up is shut.
            MultiSelectComboBox { width: 300; model: [{ "name": parent.name }] }
            CheckBox { text: parent.name }
            Button { text: parent.name }
            ListView {
                width: 300
                height: 40
                model: [parent.name]
                delegate: ListViewItem { text: modelData }
            }
        }
    }

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(404, "")
    }

    function test_imageTagIsNotFetched() {
        var name = '<img src="' + server.url + image + '">Firmware'
        var made = createTemporaryObject(controls, testCase, { "name": name })
        verify(made)
        waitForRendering(made)
        wait(200)
        compare(server.requests.filter(function (request) { return request.path === image }).length, 0)
    }
}
