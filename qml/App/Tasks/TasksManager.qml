import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Devices 1.0
import App.Managers 1.0

// The task calls of the service. Tasks always target a device filter, which the service
// resolves into one ticket per device.
QmlObject {
    id: manager

    property TaskFilter filter: TaskFilter {}
    property DevicesFilter devicesFilter: DevicesFilter {}

    readonly property CollectionService listTasks: CollectionService {
        baseUrl: Endpoints.serviceUri
        method: "listTasks"
        // A list that runs by itself waits for a session: without one it could only be refused.
        enabled: !!AuthManager.currentLoginInfo.sessionToken
        collectionProperty: "result.items"
        listRequired: true
        keepsResult: true
        idProperty: "idd"
        delegate: TaskSerializer
        // A task's data may be long.
        longTextKeys: ["d"]
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": manager.filter ? TaskFilterDeserializer.jsonEntity(manager.filter) : null,
            "what": "vf,vt,t,s,d,dsp,sc,fc,pc,cuid,ca,id",
            "orderBy": ["-,id"]
        })
    }

    readonly property SingleResultService addTask: SingleResultService {
        property Task task: null

        baseUrl: Endpoints.serviceUri
        method: "addTask"
        manual: true
        // Queued tasks go out one after another; each must get its own answer.
        concurrent: true
        delegate: TaskSerializer
        longTextKeys: ["d"]
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "devicesFilter": DevicesFilterDeserializer.jsonEntity(manager.devicesFilter),
            "task": task ? TaskDeserializer.jsonEntity(task) : null
        })
    }

    readonly property SingleResultService cancelTask: SingleResultService {
        property string taskId: ""

        baseUrl: Endpoints.serviceUri
        method: "cancelTask"
        manual: true
        delegate: TaskSerializer
        longTextKeys: ["d"]
        bodyParams: manager.__taskIdBody(taskId)
    }

    readonly property SingleResultService restartTask: SingleResultService {
        property string taskId: ""

        baseUrl: Endpoints.serviceUri
        method: "restartTask"
        manual: true
        delegate: TaskSerializer
        longTextKeys: ["d"]
        bodyParams: manager.__taskIdBody(taskId)
    }

    function __taskIdBody(taskId) {
        return {
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "taskId": taskId
        }
    }

    function createNewLocalEntity(properties, owner) {
        return localTask.createObject(owner || null, properties || {})
    }

    Component {
        id: localTask
        Task {}
    }
}
