import QtQuick 2.15

// Licences are not managed from the console yet.
Item {
}
