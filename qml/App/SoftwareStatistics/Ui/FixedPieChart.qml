import QtQuick 2.15
import QtCharts 2.15

// A pie of fixed slices without legend, every label outside in the title's font.
ChartView {
    id: chart

    // One entry per slice: "label", "value", "color", and "exploded" for the one pulled out.
    property var slices: []
    property alias pie: pie

    antialiasing: true
    legend.visible: false

    PieSeries {
        id: pie
    }

    Component.onCompleted: {
        slices.forEach(function (entry) {
            var slice = pie.append(entry.label, entry.value)
            slice.color = entry.color
            slice.labelPosition = PieSlice.LabelOutside
            slice.labelVisible = true
            slice.labelFont = chart.titleFont
            if (entry.exploded) {
                slice.exploded = true
                slice.labelFont.bold = true
            }
        })
    }
}
