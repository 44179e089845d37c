pragma Singleton
import QtQuick 2.15

// Service JSON to Tag.
Component {
    Tag {
        property var modelData: ({})

        idd: modelData && modelData["id"] || 0
        parentId: modelData && modelData["pId"] || 0
        name: modelData && modelData["n"] || ""
    }
}
