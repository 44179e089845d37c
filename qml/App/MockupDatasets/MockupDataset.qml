pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0
import App.Tags 1.0
import "qrc:///QtQuickX/Model.js" as Model
import "MockupDevices.js" as MockupDevices

// The data of the offline mode: a fixed tag tree and devices with two weeks of online history,
// read from a tab-separated table.
QmlObject {
    id: dataset

    property int onOffDispersionMinutes: 40
    property int onOffDispersionRoundMinutes: 5
    property int devicesCountLimit: MockupConfig.devicesCountLimit
    property url source: "qrc:///App/MockupDatasets/Devices.tsv"

    property list<Tag> tagsList: [
        Tag { idd: 10; name: "Screen Size" },
        Tag { idd: 11; parentId: 10; name: "55\"" },
        Tag { idd: 12; parentId: 10; name: "65\"" },
        Tag { idd: 13; parentId: 10; name: "70\"" },
        Tag { idd: 14; parentId: 10; name: "75\"" },
        Tag { idd: 15; parentId: 10; name: "84\"" },
        Tag { idd: 20; name: "Generation" },
        Tag { idd: 21; parentId: 20; name: "Gen 3" },
        Tag { idd: 22; parentId: 20; name: "Gen 4" },
        Tag { idd: 300; name: "Infrastructure" },
        Tag { idd: 310; parentId: 300; name: "Blue Campus" },
        Tag { idd: 311; parentId: 310; name: "Floor 1" },
        Tag { idd: 312; parentId: 310; name: "Floor 2" },
        Tag { idd: 313; parentId: 310; name: "Floor 3" },
        Tag { idd: 314; parentId: 310; name: "Floor 4" },
        Tag { idd: 315; parentId: 310; name: "Floor 5" },
        Tag { idd: 316; parentId: 310; name: "Floor 6" },
        Tag { idd: 320; parentId: 300; name: "Green Campus" },
        Tag { idd: 321; parentId: 320; name: "Floor 1" },
        Tag { idd: 322; parentId: 320; name: "Floor 2" },
        Tag { idd: 330; parentId: 300; name: "Red Campus" },
        Tag { idd: 331; parentId: 330; name: "Floor 1" },
        Tag { idd: 332; parentId: 330; name: "Floor 2" },
        Tag { idd: 333; parentId: 330; name: "Floor 3" },
        Tag { idd: 400; name: "Cabinet type" },
        Tag { idd: 401; parentId: 400; name: "Lecture hall" },
        Tag { idd: 402; parentId: 400; name: "Negotiation room" },
        Tag { idd: 403; parentId: 400; name: "Generic classroom" },
        Tag { idd: 404; parentId: 400; name: "Physics classroom" },
        Tag { idd: 405; parentId: 400; name: "Biology classroom" },
        Tag { idd: 500; name: "*Schedules" },
        Tag { idd: 501; parentId: 500; name: "Update: May 2019" }
    ]
    readonly property var tags: {
        var list = []
        for (var i = 0; i < tagsList.length; ++i)
            list.push(tagsList[i])
        return list
    }
    readonly property TagsManager tagsManager: TagsManager {
        mockup: true
        mockupTags: dataset.tags
    }
    readonly property var today: DateTimeOffset.now().beginOfTheDay
    readonly property var devices: __buildDevices(LocalIO.readFileText(source))
    readonly property var firmwares: MockupDevices.firmwaresOf(devices)

    function __buildDevices(text) {
        var rows = MockupDevices.parseTable(text)
        var window = {
            "begin": today.beginOfTheWeek.addDays(-14).jsDateValue,
            "end": today.addDays(1).jsDateValue
        }
        var built = []
        for (var i = 0; i < rows.length && i < devicesCountLimit; ++i) {
            var cells = rows[i]
            if (!cells[0] || !cells[4])
                continue
            var device = __buildDevice(i, cells, window)
            if (device)
                built.push(device)
        }
        console.log("MockupDataset::devices:", built.length, "devices built")
        return built
    }

    function __buildDevice(i, cells, window) {
        var location = (cells[1] || "").split("/")
        var campus = __tagNamed(location[0], 300)
        var floor = campus ? __tagNamed(location[1], campus.idd) : null
        var size = __tagNamed(cells[2], 10)
        var generation = __tagNamed(cells[3], 20)
        var cabinet = __tagNamed(cells[4], 400)
        var ids = [10, size, 20, generation, 300, campus, floor, 400, cabinet].map(function (tag) {
            return typeof tag === "number" ? tag : (tag ? tag.idd : 0)
        }).filter(function (id) { return id !== 0 })
        var generationName = generation ? generation.name : cells[3]
        var sizeName = size ? size.name : cells[2]
        var shift = MockupDevices.timeShiftMinutes(i, onOffDispersionMinutes,
                                                   onOffDispersionRoundMinutes) * 60000
        return mockupDevice.createObject(null, {
            "idd": Number(cells[0]),
            "deviceId": "ifp-" + (10000 + i),
            "title": "IFP " + generationName + " " + sizeName,
            "deviceModel": generationName + " " + sizeName,
            "firmwareVersion": cells[6] || "",
            "isOnline": !!cells[5] && cells[5] !== "0",
            "tagIds": ids,
            "ipAddresses": [MockupDevices.ipAddress(campus ? campus.idd : 0, i)],
            "onlineTimes": MockupDevices.onlineTimes(cells.slice(8, 22), window.begin, window.end, shift)
        })
    }

    // A tag of the given name among the children of parentId.
    function __tagNamed(name, parentId) {
        return Model.of(tags).find(function (tag) {
            return tag.parentId === parentId && tag.name === name
        }) || null
    }

    Component {
        id: mockupDevice
        MockupDevice {}
    }
}
