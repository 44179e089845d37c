import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import Ostrel 1.0 as Ostrel
import EntitiesUi 1.0
import App.Audit 1.0
import App.Users 1.0

// The acting user of the activity list: one of the users the operator can see, picked from the
// list or typed by name.
EntityComboBox {
    id: box

    property AuditFilter filter: null
    // The typed name is no user's: the filter stays as it was.
    readonly property bool unknownName: __unknownName

    property bool __unknownName: false

    // People act; the accounts of devices are left out. Archived and disabled users acted too.
    readonly property UsersManager users: UsersManager {
        listUsersManual: true
        filter: UserFilter {
            roles: [Ostrel.Role.God, Ostrel.Role.Administrator, Ostrel.Role.Technician, Ostrel.Role.LocalAdministrator]
            disabled: undefined
            archived: undefined
        }
        Component.onCompleted: listRolesAllowedToCreate.enabled = false
    }
    readonly property var choices: [{ "name": qsTr("Anyone"), "id": "" }].concat(
        (users.listUsers.result || []).map(function (user) {
            return { "name": user.name.substring(0, 200), "id": String(user.idd) }
        }))

    function __choose(index) {
        __unknownName = false
        currentIndex = index
        filter.actorId = choices[index].id
    }

    // The user of that name, or else the only one whose name holds the text; -1 for none.
    function __indexOfName(text) {
        var wanted = text.trim().toLowerCase()
        if (!wanted)
            return 0
        var holding = []
        for (var i = 0; i < choices.length; ++i) {
            var name = choices[i].name.toLowerCase()
            if (name === wanted)
                return i
            if (i > 0 && name.indexOf(wanted) >= 0)
                holding.push(i)
        }
        return holding.length === 1 ? holding[0] : -1
    }

    function __indexOfActor() {
        for (var i = 0; i < choices.length; ++i)
            if (filter && choices[i].id === filter.actorId)
                return i
        return 0
    }

    editable: true
    textRole: "name"
    model: choices
    currentIndex: __indexOfActor()

    onActivated: __choose(index)
    onAccepted: {
        var found = __indexOfName(editText)
        if (found >= 0)
            __choose(found)
        else
            __unknownName = true
    }
    onEditTextChanged: __unknownName = false

    QQC2.ToolTip.visible: unknownName
    QQC2.ToolTip.text: qsTr("No user of that name")

    Component.onCompleted: users.listUsers.invoke()
}
