import QtQuickX 1.0

// A QML type derived from AdmixedProperty, for tst_qmlx.qml.
AdmixedProperty {
    property int marker: 42
}
