import QtQuick 2.15

// A login record of a user; for "login-password" data holds {"login", "password"}.
QtObject {
    property string idd: ""
    property int userId: -1
    property string method: ""
    property var data: null
}
