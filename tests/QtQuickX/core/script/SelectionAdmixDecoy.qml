import QtQml 2.15

// Its class name begins like SelectionAdmix's, for tst_qmlx.qml.
QtObject {
    property int marker: 0
}
