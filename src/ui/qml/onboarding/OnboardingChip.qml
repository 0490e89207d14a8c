import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// A capsule naming one thing that makes a break wait. It informs; it is not a button.
RoundedShape {
    id: chip
    property string title
    property string symbol
    property var colors: Tiles.gray

    implicitWidth: content.implicitWidth + 22
    implicitHeight: content.implicitHeight + 12
    continuous: false
    radius: height / 2
    color: Qt.rgba(1, 1, 1, 0.08)
    borderWidth: 1
    borderColor: Qt.rgba(1, 1, 1, 0.12)

    RowLayout {
        id: content
        anchors.centerIn: parent
        spacing: 7
        IconTile { symbol: chip.symbol; colors: chip.colors; size: 20 }
        KitText { text: chip.title; size: 12.5; font.weight: Font.Medium }
    }
}
