import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import Ostrel 1.0
import App.Constants 1.0
import App.Controls 1.0
import App.Customers 1.0
import App.Managers 1.0
import EntitiesUi 1.0
import Datamizer 1.0

// The locations screen: the tree of locations, and creating, editing and archiving them.
// Edits go to clones, so the list shows only what the service stored.
QQC2.Pane {
    id: view
    objectName: "manageCustomersView"

    property var navigator: null
    readonly property string title: Strings.locationsTitle
    readonly property CustomersManager manager: CustomersDictionary.manager
    readonly property CustomersFilter filter: CustomersDictionary.filter
    readonly property var currentCustomer: listView.currentEntity
    readonly property bool currentIsActive: !!currentCustomer && !currentCustomer.archived
    readonly property alias listView: listView
    readonly property alias editDialog: editDialog
    readonly property alias archiveDialog: archiveDialog
    readonly property alias errorDialog: errorDialog

    function openEditor(customer) {
        d.edited = customer
        editor.entity = customer
        editDialog.open()
    }

    function editCurrent() {
        if (currentCustomer && Rights.may(RoleRights.EditLocation))
            openEditor(CustomerDeserializer.clone(currentCustomer))
    }

    function addChild() {
        if (currentIsActive && Rights.may(RoleRights.AddLocation))
            openEditor(manager.createNewLocalEntity({ "idd": 0, "ownerId": currentCustomer.idd }))
    }

    function addRoot() {
        if (Rights.may(RoleRights.AddRootLocation))
            openEditor(manager.createNewLocalEntity({ "idd": 0, "ownerId": 0 }))
    }

    function archiveCurrent() {
        if (!currentIsActive || !Rights.may(RoleRights.ArchiveLocation))
            return
        d.archived = CustomerDeserializer.clone(currentCustomer)
        archiveDialog.entity = d.archived
        archiveDialog.open()
    }

    function store(customer) {
        var call = customer.idd === 0 ? manager.addCustomer : manager.updateCustomer
        d.stored = customer
        call.customer = customer
        call.invoke()
    }

    padding: 0

    CustomersListView {
        id: listView
        anchors.fill: parent
        manager: view.manager
        sortField: listControls.selectedField
        descendingSort: listControls.descending
        onEditRequested: view.editCurrent()
    }

    ScreenToolBarRow {
        navigator: view.navigator

        ToolButton {
            objectName: "archiveLocationButton"
            icon.source: "/Icons/location-archived.svg"
            text: Strings.locationArchive
            QQC2.ToolTip.text: Strings.locationArchive
            QQC2.ToolTip.visible: hovered
            enabled: view.currentIsActive
            visible: Rights.may(RoleRights.ArchiveLocation)
            onClicked: view.archiveCurrent()
        }
        ToolButton {
            objectName: "editLocationButton"
            icon.source: "/Icons/location.svg"
            text: Strings.locationEdit
            enabled: view.currentIsActive
            visible: Rights.may(RoleRights.EditLocation)
            onClicked: view.editCurrent()
        }
        ToolButton {
            objectName: "addLocationButton"
            icon.source: "/Icons/add.svg"
            text: Strings.locationAdd
            enabled: view.currentIsActive
            visible: Rights.may(RoleRights.AddLocation)
            onClicked: view.addChild()
        }
        ToolButton {
            objectName: "addRootLocationButton"
            icon.source: "/Icons/location-root.svg"
            text: Strings.locationAddRoot
            visible: Rights.may(RoleRights.AddRootLocation)
            onClicked: view.addRoot()
        }
        ToolButton {
            objectName: "refreshLocationsButton"
            icon.source: "/Icons/refresh.svg"
            text: qsTr("Refresh")
            display: QQC2.AbstractButton.IconOnly
            onClicked: view.manager.listCustomers.invoke()
        }
    }

    ListControlsBar {
        id: listControls
        navigator: view.navigator
        fields: ["default", "name", "domain", "archived"]

        FilterFlagCheckBox {
            objectName: "showArchivedCheckBox"
            text: Strings.filterShowArchived
            filter: view.filter
            flag: "archived"
        }
    }

    EditEntityDialog {
        id: editDialog
        objectName: "locationEditDialog"

        parent: QQC2.Overlay.overlay
        entityTypeName: Strings.locationEntityName

        entityEditorUi: CustomerEditor {
            id: editor
            manager: view.manager
            onAccept: view.store(entity)
        }
    }

    ConfirmDeleteEntityDialog {
        id: archiveDialog
        objectName: "archiveLocationDialog"

        parent: QQC2.Overlay.overlay
        entityTypeName: qsTr("location")
        title: qsTr("Archive location")
        text: qsTr("Archive location '%1'?").arg(entityName)
        onAccepted: {
            entity.archived = true
            view.store(entity)
        }
    }

    ErrorEntityDialog {
        id: errorDialog
        objectName: "locationErrorDialog"

        parent: QQC2.Overlay.overlay
        entityTypeName: Strings.locationEntityName
        // The operator gets his input back to mend it.
        onClosed: {
            var failed = d.failed
            d.failed = null
            if (failed && !failed.archived)
                view.openEditor(failed)
        }
    }

    Connections {
        target: view.manager.addCustomer
        function onInvokedOk() {
            var stored = view.manager.addCustomer.result
            if (!stored)
                return
            Feedback.confirm(qsTr("Location '%1' created.").arg(stored.name))
            listView.lastSelectedEntityId = stored.idd
        }
        function onInvokedFail(message) { d.reportFailure(message) }
    }

    Connections {
        target: view.manager.updateCustomer
        function onInvokedOk() {
            var location = d.stored
            if (location)
                Feedback.confirm(location.archived ? qsTr("Location '%1' archived.").arg(location.name)
                                                   : qsTr("Location '%1' saved.").arg(location.name))
        }
        function onInvokedFail(message) { d.reportFailure(message) }
    }

    QtObject {
        id: d

        // Script references keep the unparented entities alive while dialogs hold them.
        property var edited: null
        property var archived: null
        property var stored: null
        property var failed: null

        function reportFailure(message) {
            failed = stored
            errorDialog.reason = message || Strings.requestFailedError
            errorDialog.open()
        }
    }

    // The application-wide lists this screen shows are given back when it closes.
    ServiceUse {
        services: [view.manager.listCustomers]
    }
}
