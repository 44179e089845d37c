import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuickX 1.0
import App.Constants 1.0
import App.Controls 1.0
import App.Customers 1.0
import App.Users 1.0
import EntitiesUi 1.0

// Name, role, location and the disabled flag of a user. A role the operator may not give
// (a technician's, say) shows as text and must be changed before the user can be stored.
EditEntityUi {
    id: editor
    objectName: "userEditor"

    property UsersManager manager: null
    property CustomersManager customersManager: CustomersDictionary.manager
    property User entity: null
    readonly property bool isNewEntity: !!entity && entity.idd === 0

    readonly property var roles: UsersDictionary.createableRoles
    readonly property var locations: customersManager && customersManager.listCustomers.result
                                     ? customersManager.listCustomers.result : []
    property int chosenRole: -1
    property int chosenCustomerId: 0

    readonly property alias nameField: nameField
    readonly property alias roleBox: roleBox
    readonly property alias locationBox: locationBox
    readonly property alias disabledBox: disabledBox

    isAcceptable: nameField.isAcceptable && roleBox.currentIndex >= 0 && locationBox.currentIndex >= 0

    onOpening: {
        if (entity) {
            nameField.text = entity.name || Strings.userNewUser
            chosenRole = entity.role
            chosenCustomerId = entity.customerId
            disabledBox.checked = entity.disabled
        }
        nameField.forceActiveFocus()
        nameField.selectAll()
    }

    onAccept: {
        if (!entity)
            return
        entity.name = nameField.text
        entity.disabled = disabledBox.checked
        if (locationBox.currentIndex >= 0)
            entity.customerId = locations[locationBox.currentIndex].idd
        if (roleBox.currentIndex >= 0)
            entity.role = roles[roleBox.currentIndex].idd
    }

    onResetRequested: {
        nameField.text = ""
        chosenRole = -1
        chosenCustomerId = 0
        disabledBox.checked = false
    }

    GridLayout {
        anchors.fill: parent
        columns: 2
        columnSpacing: 12

        Label {
            text: Strings.userName
        }
        TextField {
            id: nameField
            objectName: "userNameField"

            Layout.fillWidth: true
            isAcceptable: text.length > 2
        }

        Label {
            text: Strings.userRole
        }
        EntityComboBox {
            id: roleBox
            objectName: "userRoleComboBox"

            Layout.fillWidth: true
            model: editor.roles
            textRole: "name"
            currentIndex: editor.roles.findIndex(function (role) { return role.idd === editor.chosenRole })
            displayText: currentIndex >= 0 ? currentText
                                           : editor.entity ? Enums.valueToKey("Role", "RoleName", editor.entity.role) || ""
                                                           : ""
            onActivated: editor.chosenRole = editor.roles[index].idd
        }

        Label {
            text: Strings.userLocation
        }
        EntityComboBox {
            id: locationBox
            objectName: "userLocationComboBox"

            Layout.fillWidth: true
            model: editor.locations
            textRole: "name"
            currentIndex: editor.locations.findIndex(function (customer) {
                return customer.idd === editor.chosenCustomerId
            })
            onActivated: editor.chosenCustomerId = editor.locations[index].idd
        }

        Item {
            Layout.preferredWidth: 1
        }
        CheckBox {
            id: disabledBox
            objectName: "userDisabledCheckBox"
            text: Strings.entityDisabled
        }

        Item {
            Layout.columnSpan: 2
            Layout.fillHeight: true
        }
    }
}
