import QtQuick 2.15

// One entry of a power schedule: wake the device ("on") or shut it down ("off") by a plan.
DeviceSettingValue {
    property string action: "off"
    property ScheduleValue plan: ScheduleValue {}
}
