import QtQuick
import QtQuick.Shapes
import Tarnwick.Ui  // the module's C++ types

// A settings tile: a symbol in white on a top-to-bottom gradient square with continuous corners.
RoundedShape {
    id: tile
    property string symbol
    property var colors: Tiles.gray
    property real size: 20

    implicitWidth: size
    implicitHeight: size
    radius: 0.26 * size
    gradient: LinearGradient {
        x1: 0; y1: 0; x2: 0; y2: tile.size
        GradientStop { position: 0; color: tile.colors[0] }
        GradientStop { position: 1; color: tile.colors[tile.colors.length - 1] }
    }
    Accessible.ignored: true

    Symbol {
        anchors.centerIn: parent
        name: tile.symbol
        size: 0.62 * tile.size
        color: "white"
    }
}
