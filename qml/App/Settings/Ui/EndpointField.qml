import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuickX 1.0
import App.Controls 1.0

// One endpoint of the settings page: the URIs offered (persisted as a JSON list) in an editable
// combo box whose edit text shows the endpoint in use. A typed URI is added to the list and
// chosen, also when the field loses the focus; text that is not an HTTP(S) address is refused
// with a hint and changes nothing. An address is listed once, and the endpoint in use (one given
// on the command line, say) is offered even when it is not in the list.
ColumnLayout {
    id: field

    // Offered when the persisted list is missing, empty or unreadable.
    property var defaultUris: []
    // The persisted JSON text of the list.
    property string listText: ""
    property var uris: defaultUris
    // What the combo box offers: the list, and the endpoint in use when it is not in it.
    readonly property var offeredUris: uris.indexOf(String(endpoint)) < 0 && String(endpoint) !== ""
                                       ? uris.concat([String(endpoint)]) : uris
    // The endpoint in use.
    property url endpoint
    readonly property alias comboBox: combo
    readonly property alias hint: hintLabel

    signal endpointChosen(url uri)

    // The URI the operator's text stands for, or null when it is not an HTTP(S) address.
    function normalise(text) {
        var uri = UriUtils.fromUserInput(text)
        if (UriUtils.isEmpty(uri) || !UriUtils.isValid(uri))
            return null
        return /^https?:\/\/[^\/?#]+/i.test(String(uri)) ? uri : null
    }

    function append(list, uri) {
        if (list.indexOf(String(uri)) < 0)
            list.push(String(uri))
        return JSON.stringify(list)
    }

    // Typed text not yet confirmed with Enter is confirmed when the field is left.
    function confirmPending() {
        var text = combo.editText
        if (text !== "" && text !== String(endpoint))
            confirmText(text)
    }

    // Stores the list as it is now, so that a first opening persists the defaults.
    function storeList() {
        listText = JSON.stringify(uris)
    }

    function confirmText(text) {
        var uri = normalise(text)
        if (!uri) {
            hintLabel.text = qsTr("\"%1\" is not an http or https address; the endpoint in use is kept.").arg(text)
            return false
        }
        hintLabel.text = ""
        var list = uris.slice()
        listText = append(list, uri)
        endpointChosen(uri)
        __showEndpoint()
        return true
    }

    function __listFromText(text) {
        if (!text)
            return defaultUris
        var parsed
        try {
            parsed = JSON.parse(text)
        } catch (e) {
            console.warn("EndpointField::list: not JSON:", text)
            return uris
        }
        if (!Array.isArray(parsed)) {
            console.warn("EndpointField::list: not a list:", text)
            return uris
        }
        return parsed.length ? parsed.map(String) : defaultUris
    }

    function __showEndpoint() {
        // Set here, before the index: a new model would reset the index afterwards.
        if (combo.model !== offeredUris)
            combo.model = offeredUris
        combo.currentIndex = Math.max(0, offeredUris.indexOf(String(endpoint)))
        combo.editText = String(endpoint)
        // Long URIs show their start: the scheme and host tell them apart.
        if (combo.contentItem)
            combo.contentItem.cursorPosition = 0
    }

    onListTextChanged: uris = __listFromText(listText)
    onOfferedUrisChanged: __showEndpoint()
    onEndpointChanged: __showEndpoint()
    Component.onCompleted: __showEndpoint()

    ComboBox {
        id: combo

        Layout.preferredWidth: 400
        editable: true
        selectTextByMouse: true

        onActivated: {
            hintLabel.text = ""
            field.endpointChosen(field.offeredUris[index])
            field.__showEndpoint()
        }
        onAccepted: field.confirmText(editText)
        onActiveFocusChanged: {
            if (!activeFocus)
                field.confirmPending()
        }
    }

    Label {
        id: hintLabel

        Layout.preferredWidth: 400
        visible: text !== ""
        color: "red"
        wrapMode: Text.Wrap
    }
}
