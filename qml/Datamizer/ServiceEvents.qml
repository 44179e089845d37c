pragma Singleton
import QtQuick 2.15

// What one service call learns that concerns the whole console.
QtObject {
    // A call was answered "session expired": the session token is no longer valid.
    signal sessionExpired(string method)
    // The operator has logged off: lists read in that session are given back.
    signal sessionEnded()
}
