import QtQuick 2.15
import QtQuickX 1.0

// A collection read page by page into the slots of `source` while the caller scrolls.
CollectionService {
    id: service

    property var source: []
    readonly property var fullResult: jsonResult ? jsonResult["result"] : undefined
    readonly property int skipped: fullResult && fullResult.skipped !== undefined ? fullResult.skipped : 0
    readonly property int total: __total
    readonly property bool calculate: total === 0
    readonly property int skip: position - offset > 0 ? position - offset : 0
    property int offset: 35
    property int amount: 100
    property int position: 0
    // A page never builds more entities than were asked for.
    maxItems: amount

    property int __total: 0

    signal ready()

    function __syncTotal() {
        if (fullResult && fullResult.total !== undefined)
            __total = fullResult.total
    }

    onFullResultChanged: __syncTotal()
    onReleased: {
        __total = 0
        source = []
    }
    onTotalChanged: {
        var slots = []
        for (var i = 0; i < total; ++i)
            slots.push(null)
        source = slots
    }
    onResultChanged: {
        if (!result)
            return
        // The total of this answer sizes the slots before its items are placed.
        __syncTotal()
        if (result.length === 0 && total === 0) {
            source = []
        } else {
            for (var i = 0; i < result.length; ++i)
                source[skipped + i] = result[i]
        }
        ready()
    }

    property DebouncedValue __positionDebounce: DebouncedValue {
        value: service.position
        interval: 300
        strategy: DebouncedValue.Reschedule
        onTimeout: {
            if (!service.isLoading)
                service.invoke()
        }
    }
}
