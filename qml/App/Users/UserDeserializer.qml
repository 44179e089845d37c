pragma Singleton
import QtQuick 2.15
import Entities 1.0

// User to service JSON; logins are stored through their own calls.
EntityDeserializer {
    // A parent-less copy to edit: a refused change then leaves the listed user as stored.
    function clone(user) {
        return copy.createObject(null, {
            "idd": user.idd,
            "role": user.role,
            "customerId": user.customerId,
            "name": user.name,
            "builtIn": user.builtIn,
            "disabled": user.disabled,
            "archived": user.archived
        })
    }

    property Component copy: Component {
        User {}
    }

    function jsonEntity(user) {
        return {
            "id": user.idd,
            "n": user.name,
            "cId": user.customerId,
            "r": user.role,
            "bIn": user.builtIn,
            "d": user.disabled,
            "a": user.archived
        }
    }
}
