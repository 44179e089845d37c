import QtQuick 2.15
import Datamizer 1.0
import App.DataProviders 1.0
import App.Managers 1.0

// How many devices a device filter finds: one id asked for, with the total.
DatamizerService {
    // The "filter" member of the listing.
    property var filterJson: null
    readonly property int total: jsonResult && jsonResult.result ? jsonResult.result.total || 0 : 0

    baseUrl: Endpoints.serviceUri
    method: "listDevices"
    manual: true
    bodyParams: ({
        "sessionToken": AuthManager.currentLoginInfo.sessionToken,
        "filter": filterJson,
        "paging": { "skip": 0, "take": 1, "calcTotal": true },
        "what": "id"
    })
}
