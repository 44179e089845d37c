import QtQuick 2.15
import App.Controls 1.0

// An objective of the welcome view: icon and text at the left of a column-wide button.
Button {
    leftPadding: 20
    rightPadding: 20
    alignment: Qt.AlignLeft | Qt.AlignVCenter
}
