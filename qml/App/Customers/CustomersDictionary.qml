pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0
import App.Managers 1.0

// The application-wide location list, listed again after every stored change; the other
// screens look location names up in it.
QmlObject {
    id: dictionary

    readonly property CustomersFilter filter: CustomersFilter {}
    readonly property CustomersManager manager: CustomersManager {
        filter: dictionary.filter
    }

    function __reloadCustomers() {
        manager.listCustomers.invoke()
    }

    Component.onCompleted: {
        manager.addCustomer.invokedOk.connect(__reloadCustomers)
        manager.updateCustomer.invokedOk.connect(__reloadCustomers)
        AuthManager.loggedOff.connect(filter.reset)
    }
}
