import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import Ostrel 1.0
import App.Constants 1.0
import App.Managers 1.0
import App.Controls 1.0
import App.Audit 1.0
import EntitiesUi 1.0

// The start page after login: one button per objective, in three columns.
Pane {
    id: welcomeView
    objectName: "welcomeView"

    property var navigator: null

    readonly property var objectiveColumns: [
        {
            "name": "organization",
            "heading": Strings.organization,
            "objectives": [
                __objective("locations", Strings.locationsTitle, "location", true, "/App/Customers/Ui/ManageCustomersView.qml"),
                __objective("users", Strings.users, "users", true, "/App/Users/Ui/ManageUsersView.qml"),
                __objective("licenses", Strings.licenses, "licenses", false, "/App/Licenses/Ui/ManageLicensesView.qml",
                            false, qsTr("Licenses are not managed from the console yet.")),
                // Only where the service keeps an audit trail that this role may read.
                __objective("activity", qsTr("Activity"), "history", true, "/App/Audit/Ui/ActivityView.qml",
                            !AuditDictionary.available)
            ]
        },
        {
            "name": "deviceManagement",
            "heading": Strings.deviceManagement,
            "objectives": [
                __objective("ifps", Strings.ifps, "device-ifp", true, "/App/Devices/Ui/ManageDevicesView.qml"),
                __objective("tasks", Strings.tasks, "tasks", true, "/App/Tasks/Ui/ManageTasksView.qml"),
                __objective("structure", Strings.structure, "tag-multiple", true, "/App/Tags/Ui/ManageTagsView.qml"),
                __objective("createAdminFlash", Strings.createAdminFlash, "usb-flash-drive",
                            Rights.may(RoleRights.CreateRoleSession), "/App/UsbTokenCreator/Ui/UsbTokenCreatorView.qml",
                            false, Rights.whyNot(RoleRights.CreateRoleSession))
            ]
        },
        {
            "name": "statistics",
            "heading": Strings.statistics,
            "objectives": [
                __objective("deviceUsage", Strings.deviceUsage, "device-statistics", false, "/App/DevicesStatistics/Ui/DevicesStatisticsView.qml",
                            false, welcomeView.__noUsageFigures),
                __objective("softwareUsage", Strings.softwareUsage, "software-statistics", false, "/App/SoftwareStatistics/Ui/SoftwareStatisticsView.qml",
                            false, welcomeView.__noUsageFigures)
            ]
        }
    ]

    readonly property string __noUsageFigures: qsTr("Not available yet: the service does not report usage figures.")

    // reason: why a disabled objective is disabled, shown on hover.
    function __objective(name, text, icon, enabled, screen, hidden, reason) {
        return { "name": name, "text": text, "icon": "/Icons/" + icon + ".svg", "enabled": enabled, "screen": screen,
                 "hidden": !!hidden, "reason": enabled ? "" : reason || "" }
    }

    // Opens the objective's screen; one that cannot be made is an error, in the log and on screen.
    function openObjective(objective) {
        if (!objective.enabled)
            return
        var component = Qt.createComponent(objective.screen)
        var ready = component.status === Component.Ready
        var reason = ready ? "" : component.errorString()
        component.destroy()
        if (ready) {
            navigator.push(objective.screen)
            return
        }
        console.warn("WelcomeView::openObjective:", objective.screen, reason)
        screenError.text = qsTr("%1 could not be opened: %2").arg(objective.text).arg(reason.trim().substring(0, 500))
        screenError.open()
    }

    function logOff() {
        AuthManager.logoff()
        navigator.replace(null, "/App/Views/LoginView.qml")
    }

    // The keyboard starts at the first objective.
    StackView.onActivated: forceActiveFocus()

    RowLayout {
        anchors.centerIn: parent
        spacing: 24

        Repeater {
            model: welcomeView.objectiveColumns

            delegate: RowLayout {
                readonly property var column: modelData

                spacing: 24
                Layout.alignment: Qt.AlignTop

                Rectangle {
                    visible: index > 0
                    Layout.fillHeight: true
                    implicitWidth: 1
                    color: Material.frameColor
                }

                ColumnLayout {
                    Layout.alignment: Qt.AlignTop
                    Layout.preferredWidth: 260

                    Label {
                        objectName: "heading_" + column.name
                        text: column.heading
                        textFormat: index === 2 ? Text.StyledText : Text.PlainText
                        font.pixelSize: 20
                    }

                    Repeater {
                        model: column.objectives

                        delegate: ReasonHolder {
                            objectName: "objectiveHolder_" + modelData.name
                            Layout.fillWidth: true
                            visible: !modelData.hidden
                            reason: modelData.reason

                            ChooseObjectiveButton {
                                objectName: "objective_" + modelData.name
                                anchors.fill: parent
                                text: modelData.text
                                icon.source: modelData.icon
                                enabled: modelData.enabled
                                focus: column.name === "organization" && index === 0

                                onClicked: welcomeView.openObjective(modelData)
                            }
                        }
                    }
                }
            }
        }
    }

    RowLayout {
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 12

        ColumnLayout {
            spacing: 0

            ServiceLabel {
                objectName: "userNameLabel"
                Layout.alignment: Qt.AlignRight
                Layout.maximumWidth: welcomeView.width / 3
                horizontalAlignment: Text.AlignRight
                serviceText: AuthManager.currentLoginInfo.userName || Strings.notAvailable
            }
            ServiceLabel {
                objectName: "loginNameLabel"
                Layout.alignment: Qt.AlignRight
                Layout.maximumWidth: welcomeView.width / 3
                horizontalAlignment: Text.AlignRight
                serviceText: AuthManager.currentLoginInfo.loginName || Strings.notAvailable
            }
        }

        ToolButton {
            objectName: "logOffButton"
            icon.source: "/Icons/logoff.svg"
            text: qsTr("Log off")
            display: AbstractButton.IconOnly
            flat: true

            onPressed: welcomeView.logOff()
        }
    }

    EntityDialog {
        id: screenError
        objectName: "screenErrorDialog"

        property alias text: message.text

        title: Strings.error
        standardButtons: Dialog.Ok
        contentWidth: message.width

        DialogMessage {
            id: message
        }
    }
}
