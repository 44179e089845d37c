import QtQuick 2.15 as Quick
import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuickX 1.0
import "qrc:///QtQuickX/Model.js" as Model

// A list of entities that remembers the selected entity across reloads of its model.
Quick.ListView {
    id: list

    property bool isDataLoading: false
    property bool neverShowSelection: false
    property bool keepSelection: true
    property bool alwaysShowSelection: true
    property var lastSelectedEntityId: null
    readonly property bool isHighlightVisible: !neverShowSelection
                                               && (alwaysShowSelection || activeFocus)

    // Sorts a script array model in place by the entities' key; the current entity stays current.
    function sort(descending, key) {
        var entities = list.model
        if (!Array.isArray(entities))
            return
        var direction = descending ? -1 : 1
        // Ties keep their order: the original position decides. Each key is read once: a
        // property read per comparison made sorting thousands of rows stall the window.
        var decorated = entities.map(function (entity, position) {
            return { entity: entity, position: position, value: entity ? entity[key] : undefined }
        })
        decorated.sort(function (a, b) {
            var x = a.value
            var y = b.value
            if (x < y)
                return -direction
            if (x > y)
                return direction
            return a.position - b.position
        })
        var previousCurrent = currentIndex
        var newCurrent = -1
        for (var i = 0; i < decorated.length; ++i) {
            entities[i] = decorated[i].entity
            if (decorated[i].position === previousCurrent)
                newCurrent = i
        }
        QmlX.writeProperty(list, "model", entities, QmlX.DontRemoveBinding)
        if (newCurrent !== -1)
            d.setCurrent(newCurrent)
    }

    boundsBehavior: Flickable.StopAtBounds
    clip: true
    keyNavigationEnabled: true
    highlightFollowsCurrentItem: true
    highlightMoveDuration: 100
    highlightResizeDuration: 100

    highlight: Rectangle {
        color: palette.highlight
        visible: list.isHighlightVisible
    }

    QQC2.ScrollBar.vertical: QQC2.ScrollBar {
        policy: list.contentHeight > list.height ? QQC2.ScrollBar.AlwaysOn
                                                 : QQC2.ScrollBar.AlwaysOff
    }

    onCurrentIndexChanged: {
        // Row 0 is where every reload starts, so it says nothing about the user's choice.
        if (currentIndex === -1 || currentIndex === 0)
            return
        var entity = Model.of(model).at(currentIndex)
        if (entity)
            lastSelectedEntityId = entity.idd
    }

    onModelChanged: {
        if (lastSelectedEntityId === null || lastSelectedEntityId === undefined)
            return
        var index = Model.of(model).findIndex(function (entity) {
            return !!entity && entity.idd == list.lastSelectedEntityId
        })
        d.setCurrent(index === -1 ? 0 : index)
    }

    QtObject {
        id: d

        function setCurrent(index) {
            QmlX.writeProperty(list, "currentIndex", index, QmlX.DontRemoveBinding)
            if (index < list.count)
                list.positionViewAtIndex(index, Quick.ListView.Contain)
        }
    }

    SystemPalette {
        id: palette
    }

    // Only a load that lasts shows it: a quick reload neither flickers nor keeps redrawing.
    QQC2.BusyIndicator {
        objectName: "listBusyIndicator"
        parent: list
        anchors.centerIn: parent
        running: list.isDataLoading && busyDelay.elapsed
        visible: running

        Timer {
            id: busyDelay

            property bool elapsed: false

            interval: 300
            running: list.isDataLoading
            // The timer stops itself after it triggered: only a new load starts the wait over.
            onRunningChanged: {
                if (running)
                    elapsed = false
            }
            onTriggered: elapsed = true
        }
    }
}
