import QtQuick 2.15
import QtTest 1.15
import Qt.labs.settings 1.1
import App.DataProviders 1.0
import App.MockupDatasets 1.0

TestCase {
    name: "Endpoints"

    Settings {
        id: stored
        category: "Endpoints"
    }

    // Runs before any test changes the persisted endpoints.
    function initTestCase() {
        compare(Endpoints.serviceUri, Endpoints.productionServiceUri)
        compare(Endpoints.otaUri, Endpoints.brannockOtaUri)
        compare(Endpoints.storeUri, Endpoints.storeBrannockUri)
        compare(MockupConfig.useMockupDatasets, false)
        compare(MockupConfig.devicesCountLimit, 500)
    }

    function test_presetsStayOnReservedOrPrivateHosts_data() {
        return [
            { tag: "production", uri: Endpoints.productionServiceUri, path: "/QuillonService.svc", scheme: "https" },
            { tag: "shadow", uri: Endpoints.shadowServiceUri, path: "/QuillonService.svc", scheme: "https" },
            { tag: "dark", uri: Endpoints.darkServiceUri, path: "/QuillonService.svc", scheme: "https" },
            { tag: "server v2", uri: Endpoints.serverV2, path: "/QuillonServer/QuillonService.svc", scheme: "https" },
            { tag: "ota", uri: Endpoints.brannockOtaUri, path: "/ota", scheme: "http" },
            { tag: "ota test", uri: Endpoints.brannockOtaTest, path: "/ota", scheme: "https" },
            { tag: "local ota", uri: Endpoints.localOtaUri, path: "/ota", scheme: "http" },
            { tag: "store", uri: Endpoints.storeBrannockUri, path: "/software/store", scheme: "https" }
        ]
    }

    function test_presetsStayOnReservedOrPrivateHosts(data) {
        var match = /^(\w+):\/\/([^\/]+)(\/.*)$/.exec(String(data.uri))
        verify(match !== null)
        compare(match[1], data.scheme)
        compare(match[3], data.path)
        var host = match[2]
        verify(/\.example\.com$/.test(host) || /^192\.168\./.test(host), host)
    }

    function test_authenticationUrlsFollowServiceUri() {
        Endpoints.serviceUri = "http://127.0.0.1:8765/QuillonService.svc"
        compare(String(Endpoints.login), "http://127.0.0.1:8765/QuillonService.svc/login")
        compare(String(Endpoints.session), "http://127.0.0.1:8765/QuillonService.svc/getSessionInfo")
        compare(String(Endpoints.logoff), "http://127.0.0.1:8765/QuillonService.svc/logoff")
        Endpoints.otaUri = "http://127.0.0.1:8765/ota"
        tryVerify(function () {
            return String(stored.value("serviceUri")) === "http://127.0.0.1:8765/QuillonService.svc"
                    && String(stored.value("otaUri")) === "http://127.0.0.1:8765/ota"
        }, 2000)
    }
}
