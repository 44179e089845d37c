import QtQuick 2.15
import QtQuickX 1.0

// Base of the structured values of a device setting.
QmlObject {}
