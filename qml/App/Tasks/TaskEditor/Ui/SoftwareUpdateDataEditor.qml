import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0 as Controls
import App.Tasks.TaskEditor 1.0
import "qrc:///App/Tasks/TaskEditor/TaskDataTexts.js" as TaskDataTexts
import "qrc:///App/Tasks/TaskEditor/VersionOrder.js" as VersionOrder
import "qrc:///App/Tickets/TaskTexts.js" as TaskTexts

// A product of the store to install or update, at its latest or a chosen version.
TaskDataEditorUi {
    id: editor

    readonly property var products: manager && manager.listAppPackages.result ? manager.listAppPackages.result : []
    readonly property var currentProduct: productList.currentIndex >= 0 ? products[productList.currentIndex] || null : null
    // Newest first.
    readonly property var packages: currentProduct && currentProduct.packages
                                    ? currentProduct.packages.slice().sort(function (a, b) {
                                        return VersionOrder.compare(b.versionCode, a.versionCode)
                                    })
                                    : []
    readonly property var currentPackage: versionName.currentIndex >= 0 ? packages[versionName.currentIndex] || null : null

    value: TaskDataTexts.softwareUpdate(currentProduct, latest.checked, currentPackage)
    isAcceptable: !!currentProduct

    onManagerChanged: if (manager) manager.listAppPackages.invoke()
    onResetRequested: {
        latest.checked = true
        productList.currentIndex = products.length ? 0 : -1
    }

    function __detail(field) {
        return TaskTexts.orNotAvailable(currentPackage ? currentPackage[field] : "")
    }

    ColumnLayout {
        anchors.fill: parent

        Controls.CheckBox {
            id: latest
            objectName: "softwareToTheLatest"
            text: Strings.toTheLatest
            checked: true
        }

        CatalogueProblem {
            objectName: "storeCatalogueProblem"
            Layout.fillWidth: true
            text: editor.manager ? editor.manager.storeError : ""
            onRetry: editor.manager.listAppPackages.invoke()
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true

            TaskDataListView {
                id: productList
                objectName: "productList"
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
                model: editor.products
                textProperty: "name"
                iconSource: "/Icons/software-statistics.svg"
                isDataLoading: !!editor.manager && editor.manager.listAppPackages.isLoading
                onModelChanged: currentIndex = count > 0 ? 0 : -1
            }

            GridLayout {
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.alignment: Qt.AlignTop
                columns: 2

                Controls.Label { text: Strings.softwarePackage }
                Controls.Label {
                    Layout.fillWidth: true
                    text: TaskTexts.orNotAvailable(editor.currentProduct ? editor.currentProduct.packageName : "")
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                }

                Controls.Label { text: Strings.versionName }
                ComboBox {
                    id: versionName
                    objectName: "versionName"
                    Layout.fillWidth: true
                    enabled: !latest.checked
                    model: editor.packages.map(function (p) { return p.versionName || p.versionCode })
                }

                Controls.Label { text: Strings.versionCode }
                Controls.Label { text: editor.__detail("versionCode"); textFormat: Text.PlainText }

                Controls.Label { text: Strings.os }
                Controls.Label { text: editor.__detail("osName"); textFormat: Text.PlainText }

                Controls.Label { text: Strings.minOs }
                Controls.Label { text: editor.__detail("minOsVersion"); textFormat: Text.PlainText }

                Controls.Label { text: Strings.minFw }
                Controls.Label { text: editor.__detail("minFirmwareVersion"); textFormat: Text.PlainText }

                Controls.Label { text: Strings.whatsNew; Layout.alignment: Qt.AlignTop }
                Controls.Label {
                    Layout.fillWidth: true
                    text: editor.__detail("whatsNew")
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    maximumLineCount: 8
                    elide: Text.ElideRight
                }
            }
        }
    }
}
