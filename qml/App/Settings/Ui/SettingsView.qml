import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Qt.labs.settings 1.1
import App.Constants 1.0
import App.DataProviders 1.0
import App.Controls 1.0

// Which service, update server and software store the console talks to; URIs typed here are
// offered again in later runs.
Pane {
    id: settingsView
    objectName: "settingsView"

    property var navigator: null
    readonly property string title: Strings.settingsTitle
    readonly property alias serverField: serverField
    readonly property alias otaField: otaField
    readonly property alias storeField: storeField

    signal serverChanged()

    padding: 0

    // Leaving the page keeps what was typed but not yet confirmed.
    StackView.onDeactivating: {
        serverField.confirmPending()
        otaField.confirmPending()
        storeField.confirmPending()
    }

    Settings {
        category: "Endpoints"

        property alias serverUris: serverField.listText
        property alias otaUris: otaField.listText
        property alias storeUris: storeField.listText

        Component.onCompleted: {
            serverField.storeList()
            otaField.storeList()
            storeField.storeList()
        }
    }

    GridLayout {
        anchors.centerIn: parent
        columns: 2
        columnSpacing: 12

        Label {
            text: Strings.settingsServer
            Layout.alignment: Qt.AlignRight | Qt.AlignTop
            Layout.topMargin: 12
        }
        EndpointField {
            id: serverField
            objectName: "serverField"
            defaultUris: [String(Endpoints.productionServiceUri), String(Endpoints.shadowServiceUri),
                String(Endpoints.darkServiceUri), String(Endpoints.serverV2)]
            endpoint: Endpoints.serviceUri
            onEndpointChosen: {
                Endpoints.serviceUri = uri
                Feedback.confirm(qsTr("Service address set to %1.").arg(uri))
            }
        }

        Label {
            text: Strings.settingsOTAServer
            Layout.alignment: Qt.AlignRight | Qt.AlignTop
            Layout.topMargin: 12
        }
        EndpointField {
            id: otaField
            objectName: "otaField"
            defaultUris: [String(Endpoints.brannockOtaUri), String(Endpoints.brannockOtaTest)]
            endpoint: Endpoints.otaUri
            onEndpointChosen: {
                Endpoints.otaUri = uri
                Feedback.confirm(qsTr("Firmware server set to %1.").arg(uri))
            }
        }

        Label {
            text: Strings.settingsStoreEndpoint
            Layout.alignment: Qt.AlignRight | Qt.AlignTop
            Layout.topMargin: 12
        }
        EndpointField {
            id: storeField
            objectName: "storeField"
            defaultUris: [String(Endpoints.storeBrannockUri)]
            endpoint: Endpoints.storeUri
            onEndpointChosen: {
                Endpoints.storeUri = uri
                Feedback.confirm(qsTr("Software store set to %1.").arg(uri))
            }
        }
    }
}
