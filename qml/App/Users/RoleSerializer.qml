pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0

// A bare role number to Role, named after its enumerator.
Component {
    Role {
        property var modelData

        idd: modelData || 0
        name: typeof modelData === "number" ? Enums.valueToKey("Role", "RoleName", modelData) : "Unknown"
    }
}
