import QtQuick 2.15
import Ostrel 1.0

// A time of day on some week days ("Sun" to "Sat"), which can be switched off.
DeviceSettingValue {
    property var time: IO.timeFromString("08:00:00")
    property var period: []
    property bool enabled: true
}
