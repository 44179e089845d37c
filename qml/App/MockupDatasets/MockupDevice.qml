import QtQuick 2.15
import App.Devices 1.0

// A device of the offline dataset, with its generated online periods ({"b", "e"} in ms).
Device {
    property string deviceId: ""
    property var onlineTimes: []
}
