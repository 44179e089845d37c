pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0
import "qrc:///QtQuickX/Model.js" as Model
import "MockupDevices.js" as MockupDevices

// The data of the offline mode: a fixed tag tree and devices with two weeks of online history,
// read from a tab-separated table. The tags module is not imported, as its dictionary uses this
// dataset; the tags here have the same members as its tags.
QmlObject {
    id: dataset

    property int onOffDispersionMinutes: 40
    property int onOffDispersionRoundMinutes: 5
    property int devicesCountLimit: MockupConfig.devicesCountLimit
    property url source: "qrc:///App/MockupDatasets/Devices.tsv"

    property list<QtObject> tagsList: [
        MockupTag { idd: 10; name: "Screen Size" },
        MockupTag { idd: 11; parentId: 10; name: "55\"" },
        MockupTag { idd: 12; parentId: 10; name: "65\"" },
        MockupTag { idd: 13; parentId: 10; name: "70\"" },
        MockupTag { idd: 14; parentId: 10; name: "75\"" },
        MockupTag { idd: 15; parentId: 10; name: "84\"" },
        MockupTag { idd: 20; name: "Generation" },
        MockupTag { idd: 21; parentId: 20; name: "Gen 3" },
        MockupTag { idd: 22; parentId: 20; name: "Gen 4" },
        MockupTag { idd: 300; name: "Infrastructure" },
        MockupTag { idd: 310; parentId: 300; name: "Blue Campus" },
        MockupTag { idd: 311; parentId: 310; name: "Floor 1" },
        MockupTag { idd: 312; parentId: 310; name: "Floor 2" },
        MockupTag { idd: 313; parentId: 310; name: "Floor 3" },
        MockupTag { idd: 314; parentId: 310; name: "Floor 4" },
        MockupTag { idd: 315; parentId: 310; name: "Floor 5" },
        MockupTag { idd: 316; parentId: 310; name: "Floor 6" },
        MockupTag { idd: 320; parentId: 300; name: "Green Campus" },
        MockupTag { idd: 321; parentId: 320; name: "Floor 1" },
        MockupTag { idd: 322; parentId: 320; name: "Floor 2" },
        MockupTag { idd: 330; parentId: 300; name: "Red Campus" },
        MockupTag { idd: 331; parentId: 330; name: "Floor 1" },
        MockupTag { idd: 332; parentId: 330; name: "Floor 2" },
        MockupTag { idd: 333; parentId: 330; name: "Floor 3" },
        MockupTag { idd: 400; name: "Cabinet type" },
        MockupTag { idd: 401; parentId: 400; name: "Lecture hall" },
        MockupTag { idd: 402; parentId: 400; name: "Negotiation room" },
        MockupTag { idd: 403; parentId: 400; name: "Generic classroom" },
        MockupTag { idd: 404; parentId: 400; name: "Physics classroom" },
        MockupTag { idd: 405; parentId: 400; name: "Biology classroom" },
        MockupTag { idd: 500; name: "*Schedules" },
        MockupTag { idd: 501; parentId: 500; name: "Update: May 2019" }
    ]
    readonly property var tags: {
        var list = []
        for (var i = 0; i < tagsList.length; ++i)
            list.push(tagsList[i])
        return list
    }
    // Made on first use: the tags module's own singletons depend on this one.
    readonly property QtObject tagsManager: __createTagsManager()
    readonly property var today: DateTimeOffset.now().beginOfTheDay
    readonly property var devices: __buildDevices(LocalIO.readFileText(source))
    readonly property var firmwares: MockupDevices.firmwaresOf(devices)

    function __createTagsManager() {
        var component = Qt.createComponent("qrc:///App/Tags/TagsManager.qml")
        var manager = component.createObject(dataset, { "mockup": true, "mockupTags": tags })
        if (!manager)
            console.warn("MockupDataset::tagsManager:", component.errorString())
        return manager
    }

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
        return __deviceComponent().createObject(null, {
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

    // Named by URL and made on first use: the devices module it builds on is not loaded with the
    // login view.
    property Component __mockupDevice: null

    function __deviceComponent() {
        if (!__mockupDevice)
            __mockupDevice = Qt.createComponent("qrc:///App/MockupDatasets/MockupDevice.qml")
        return __mockupDevice
    }
}
