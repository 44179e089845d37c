pragma Singleton
import QtQuick 2.15

// Service JSON to User.
Component {
    User {
        property var modelData: ({})

        idd: modelData && modelData["id"] || -1
        role: modelData && modelData["r"] || 0
        customerId: modelData && modelData["cId"] || 0
        name: modelData && modelData["n"] || ""
        builtIn: !!(modelData && modelData["bIn"])
        disabled: !!(modelData && modelData["d"])
        archived: !!(modelData && modelData["a"])
        __logins: modelData && modelData["l"] || []
    }
}
