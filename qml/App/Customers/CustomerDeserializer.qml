pragma Singleton
import QtQuick 2.15
import Entities 1.0

// Customer to service JSON; the owner goes out as "oid". Screens edit clones, so a failed
// write leaves the listed location as it was stored.
EntityDeserializer {
    function jsonEntity(customer) {
        return {
            "id": customer.idd,
            "n": customer.name,
            "d": customer.domain,
            "oid": customer.ownerId,
            "a": customer.archived
        }
    }

    function clone(customer) {
        return copy.createObject(null, {
            "idd": customer.idd,
            "name": customer.name,
            "domain": customer.domain,
            "ownerId": customer.ownerId,
            "archived": customer.archived
        })
    }

    property Component copy: Component {
        Customer {}
    }
}
