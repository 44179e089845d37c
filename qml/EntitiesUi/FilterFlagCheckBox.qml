import QtQuick 2.15
import App.Controls 1.0 as Controls

// "Show archived"-style box over a filter flag: checked while the flag is undefined (no
// restriction); a click switches between false (leave those out) and undefined.
Controls.CheckBox {
    id: box

    property QtObject filter: null
    property string flag: ""

    function __flagUnset() {
        return !!filter && filter[flag] === undefined
    }

    checked: __flagUnset()
    onClicked: {
        if (filter)
            filter[flag] = __flagUnset() ? false : undefined
        checked = Qt.binding(__flagUnset)
    }
}
