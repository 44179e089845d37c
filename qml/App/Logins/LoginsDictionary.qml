pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0

// The application-wide login calls, shared by the users screens.
QmlObject {
    readonly property LoginManager manager: LoginManager {}
}
