pragma Singleton
import QtQuick 2.15

// One entry of a product's "packages" in the store catalogue to SoftwarePackage.
Component {
    SoftwarePackage {
        property var modelData: ({})
        readonly property var __os: modelData && modelData["os"] || ({})

        versionCode: modelData && modelData["versionCode"] !== undefined && modelData["versionCode"] !== null
                     ? String(modelData["versionCode"]) : ""
        versionName: modelData && modelData["versionName"] || ""
        // The catalogue spells it without the s.
        whatsNew: modelData && modelData["whatNew"] || ""
        osName: __os["name"] || ""
        minOsVersion: __os["minOs"] || ""
    }
}
