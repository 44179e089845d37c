import QtQuick 2.15

// Declares that the screen it sits in shows the results of these services. Application-wide
// lists keep their rows while any screen uses them and give them back when the last one closes;
// a list used again after that is asked again.
QtObject {
    id: use

    property var services: []
    property var __held: []

    // A service destroyed first (at the end of the run) has nothing left to give back.
    function __drop(service) {
        if (service && typeof service.__dropUse === "function")
            service.__dropUse()
    }

    function __hold() {
        var wanted = (services || []).filter(function (service) { return !!service })
        var previous = __held
        __held = wanted
        wanted.forEach(function (service) { service.__addUse() })
        previous.forEach(__drop)
    }

    onServicesChanged: __hold()
    Component.onCompleted: __hold()
    Component.onDestruction: {
        var previous = __held
        __held = []
        previous.forEach(__drop)
    }
}
