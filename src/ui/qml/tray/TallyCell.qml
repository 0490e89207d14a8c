import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// One number of today's tally over its caption.
ColumnLayout {
    id: cell
    property int number
    property string caption
    property color primary: "black"

    Layout.fillWidth: true
    Layout.preferredWidth: 1
    spacing: 1
    KitText {
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        text: cell.number
        size: 16
        font.weight: Font.Bold
        color: cell.primary
    }
    KitText {
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        text: cell.caption
        wrapMode: Text.WordWrap
        size: 10.5
        color: cell.primary
        opacity: 0.6
    }
}
