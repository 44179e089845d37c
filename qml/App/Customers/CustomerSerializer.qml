pragma Singleton
import QtQuick 2.15

// Service JSON to Customer; the owner comes as "oId".
Component {
    Customer {
        property var modelData: ({})

        idd: modelData && modelData["id"] || -1
        name: modelData && modelData["n"] || ""
        domain: modelData && modelData["d"] || ""
        ownerId: modelData && modelData["oId"] || 0
        archived: !!(modelData && modelData["a"])
    }
}
