pragma Singleton
import QtQuick 2.15

// Per device setting name ("n"), the components that read and write its value ("v").
// A setting without an entry keeps its value as it came.
QtObject {
    id: provider

    // The converters belong to modules that use this registry themselves: importing them here
    // would make the imports circular, so they are looked up when the registry is first used.
    readonly property QtObject __deviceSettingConverters: Qt.createQmlObject(
        "import QtQml 2.15; import App.DevicesSettings 1.0; QtObject {"
        + " readonly property var serializers: ({ 'power.schedule': PowerScheduleSerializer });"
        + " readonly property var deserializers: ({ 'power.schedule': PowerScheduleDeserializer }) }",
        provider, "EntitiesSerializersProvider")

    property var deviceSettingSerializers: __deviceSettingConverters.serializers
    property var deviceSettingDeserializers: __deviceSettingConverters.deserializers

    function serializerFor(settingName) {
        return deviceSettingSerializers[settingName]
    }

    function deserializerFor(settingName) {
        return deviceSettingDeserializers[settingName]
    }
}
