import QtQuick 2.15

// The floor for the same work: the same listDevices body posted with XMLHttpRequest, the first
// 100 devices shown in a plain ListView with the same four text lines.
Item {
    id: page

    property string serviceUri
    property string token
    property int rowsGeneration: 0
    readonly property int rows: list.count
    property var online: null

    function changeFilter(value) {
        online = value
        load()
    }

    function load() {
        var request = new XMLHttpRequest()
        request.open("POST", serviceUri + "/listDevices")
        request.setRequestHeader("Content-Type", "application/json")
        request.onreadystatechange = function () {
            if (request.readyState !== XMLHttpRequest.DONE)
                return
            list.model = JSON.parse(request.responseText).result.items
            page.rowsGeneration += 1
        }
        request.send(JSON.stringify({
            "sessionToken": token,
            "filter": { "includeServants": true, "unregistered": false, "archivedCustomer": false,
                        "isOnline": online, "tagsIds": null, "firmwaresIds": null, "modelsIds": null,
                        "anyOfTagsIds": null, "ids": null },
            "paging": { "skip": 0, "take": 100, "calcTotal": true },
            "what": "*"
        }))
    }

    width: 1280
    height: 800

    ListView {
        id: list
        x: 300
        width: 320
        height: parent.height
        delegate: Column {
            width: list.width
            height: 96
            Text { text: modelData.n; font.bold: true }
            Text { text: "Model: " + modelData.m }
            Text { text: "Fw: " + modelData.fw }
            Text { text: "Mac: " + (modelData.mac.length ? modelData.mac[0] : "N/A") }
        }
    }

    Component.onCompleted: load()
}
