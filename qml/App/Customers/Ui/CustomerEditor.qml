import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0
import App.Customers 1.0
import EntitiesUi 1.0

// Name, domain and parent of a location. While the location has no stored domain, the name
// proposes one.
EditEntityUi {
    id: editor
    objectName: "customerEditor"

    property Customer entity: null
    property CustomersManager manager: null
    readonly property bool isNewEntity: !!entity && entity.idd === 0
    readonly property bool hasParent: !!entity && entity.ownerId !== 0
    // A location cannot move below itself: it and its sublocations are no choice.
    readonly property var parentChoices: {
        var listed = manager && manager.listCustomers.result ? manager.listCustomers.result : []
        if (!entity)
            return []
        var excluded = entity.idd > 0 ? manager.customerSubtreeIds(entity) : {}
        return listed.filter(function (customer) { return !excluded[customer.idd] })
    }
    property int chosenOwnerId: 0

    readonly property alias nameField: nameField
    readonly property alias domainField: domainField
    readonly property alias parentBox: parentBox

    isAcceptable: nameField.isAcceptable

    function __isEnter(event) {
        return event.key === Qt.Key_Return || event.key === Qt.Key_Enter
    }

    onOpening: {
        if (entity) {
            nameField.text = entity.name
            domainField.text = entity.domain
            chosenOwnerId = entity.ownerId
        }
        nameField.forceActiveFocus()
        nameField.selectAll()
    }

    onAccept: {
        if (!entity)
            return
        entity.name = nameField.text
        entity.domain = domainField.text
        // A parent outside the loaded list (beyond the operator's reach, or archived) stays as
        // stored: only a row the operator picks moves the location.
        if (hasParent)
            entity.ownerId = chosenOwnerId
    }

    onResetRequested: {
        nameField.text = ""
        domainField.text = ""
        chosenOwnerId = 0
    }

    GridLayout {
        anchors.fill: parent
        columns: 2
        columnSpacing: 12

        Label {
            text: Strings.locationEditorName
        }
        TextField {
            id: nameField
            objectName: "locationNameField"

            Layout.fillWidth: true
            placeholderText: Strings.locationNamePlaceholder
            isAcceptable: text.length > 2

            // Enter belongs to the field here, not to the dialog's default button.
            Keys.onShortcutOverride: event.accepted = editor.__isEnter(event)
            onTextEdited: {
                if (editor.entity && !editor.entity.domain)
                    domainField.text = DomainProposal.fromName(text)
            }
            onAccepted: {
                domainField.forceActiveFocus()
                domainField.selectAll()
            }
        }

        Label {
            text: Strings.locationEditorDomain
        }
        TextField {
            id: domainField
            objectName: "locationDomainField"

            Layout.fillWidth: true
            placeholderText: Strings.locationDomainPlaceholder
            isAcceptable: true

            Keys.onShortcutOverride: event.accepted = editor.__isEnter(event)
            onAccepted: {
                if (editor.isAcceptable)
                    editor.acceptCloseRequested()
            }
        }

        Label {
            text: Strings.locationEditorParentLoc
            visible: editor.hasParent
        }
        EntityComboBox {
            id: parentBox
            objectName: "parentLocationComboBox"

            Layout.fillWidth: true
            visible: editor.hasParent
            enabled: editor.hasParent
            model: editor.parentChoices
            textRole: "name"
            currentIndex: editor.parentChoices.findIndex(function (customer) {
                return customer.idd === editor.chosenOwnerId
            })
            displayText: currentIndex >= 0 ? currentText : qsTr("Unchanged (not listed)")
            onActivated: editor.chosenOwnerId = editor.parentChoices[index].idd
        }

        Item {
            Layout.columnSpan: 2
            Layout.fillHeight: true
        }
    }
}
