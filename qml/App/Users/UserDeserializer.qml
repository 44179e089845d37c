pragma Singleton
import QtQuick 2.15
import Entities 1.0

// User to service JSON; logins are stored through their own calls.
EntityDeserializer {
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
