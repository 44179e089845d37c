pragma Singleton
import QtQuick 2.15
import Qt.labs.settings 1.1

// The base URIs the console talks to, persisted under "Endpoints".
QtObject {
    id: endpoints

    readonly property url productionServiceUri: "https://service.kestrum.example.com/QuillonService.svc"
    readonly property url shadowServiceUri: "https://shadow.kestrum.example.com/QuillonService.svc"
    readonly property url darkServiceUri: "https://dark.kestrum.example.com/QuillonService.svc"
    readonly property url serverV2: "https://192.168.10.20/QuillonServer/QuillonService.svc"
    readonly property url brannockOtaUri: "http://ota.kestrum.example.com/ota"
    readonly property url brannockOtaTest: "https://ota-test.kestrum.example.com/ota"
    readonly property url localOtaUri: "http://192.168.10.30/ota"
    readonly property url storeBrannockUri: "https://store.kestrum.example.com/software/store"

    property url serviceUri: productionServiceUri
    property url otaUri: brannockOtaUri
    property url storeUri: storeBrannockUri

    readonly property url login: String(serviceUri) + "/login"
    readonly property url session: String(serviceUri) + "/getSessionInfo"
    readonly property url logoff: String(serviceUri) + "/logoff"

    property Settings settings: Settings {
        category: "Endpoints"
        property alias serviceUri: endpoints.serviceUri
        property alias otaUri: endpoints.otaUri
        property alias storeUri: endpoints.storeUri
    }
}
