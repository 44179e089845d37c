import QtQuick 2.15
import EntitiesUi 1.0

// Base of the data editors: each turns its inputs into the task's data text in `value`.
EditEntityUi {
    property var value: ""
    property int type: 0
    property TasksUtilityManager manager: null
    property string taskTypeString: ""
}
