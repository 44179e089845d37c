import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuickX 1.0
import Ostrel 1.0
import App.Constants 1.0

// Reports a failed service call; a status alone is turned into a reason of its own.
EntityDialog {
    id: dialog

    property string entityTypeName
    property string reason
    property int responseStatus: 0

    // These texts differ on purpose from the service components' own status texts.
    function reasonForStatus(status) {
        switch (status) {
        case ResponseStatus.Unauthentificated:
            return Strings.unauthentificatedError
        case ResponseStatus.NoRights:
            return Strings.norightsError
        case ResponseStatus.AlreadyExists:
            return Strings.alreadyExistsError
        case ResponseStatus.NotFound:
            return Strings.notFoundError
        default:
            return Strings.unknownError
        }
    }

    title: Strings.error
    standardButtons: QQC2.Dialog.Ok

    onResponseStatusChanged: {
        if (responseStatus !== ResponseStatus.Ok && reason === "")
            QmlX.writeProperty(dialog, "reason", reasonForStatus(responseStatus), QmlX.DontRemoveBinding)
    }
    onClosed: {
        QmlX.writeProperty(dialog, "reason", "", QmlX.DontRemoveBinding)
        QmlX.writeProperty(dialog, "responseStatus", 0, QmlX.DontRemoveBinding)
    }

    contentWidth: message.width

    DialogMessage {
        id: message
        text: qsTr("Error! %1 handling failed! %2").arg(dialog.entityTypeName).arg(dialog.reason)
    }
}
