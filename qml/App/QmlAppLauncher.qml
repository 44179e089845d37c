import QtQuick 2.15
import App 1.0
import "qrc:///App/App.js" as AppScript

QtObject {
    property QmlApp __qmlApplication: QmlApp { }

    Component.onCompleted: {
        console.log("QmlAppLauncher::Component.onCompleted")
        AppScript.instance = __qmlApplication
        __qmlApplication.initialize()
    }
}
