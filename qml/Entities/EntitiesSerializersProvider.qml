pragma Singleton
import QtQuick 2.15

// Per device setting name ("n"), the components that read and write its value ("v").
// A setting without an entry keeps its value as it came.
QtObject {
    property var deviceSettingSerializers: ({})
    property var deviceSettingDeserializers: ({})

    function serializerFor(settingName) {
        return deviceSettingSerializers[settingName]
    }

    function deserializerFor(settingName) {
        return deviceSettingDeserializers[settingName]
    }
}
