import QtQuick
import QtQuick.Shapes

// Rounds the corners of whatever lies under it by painting the four corners outside a rounded
// rectangle in the colour around it (the software renderer has no clip masks). It also covers a
// thin frame just outside its box: a picture under it at a fractional device pixel position is
// drawn up to half a device pixel wider than its box, and would show there as a seam.
Shape {
    id: mask
    property real radius: 8
    property color color: "white"
    // How far beyond its box the mask reaches.
    property real bleed: 1

    Accessible.ignored: true

    ShapePath {
        fillColor: mask.color
        strokeWidth: -1
        strokeColor: "transparent"
        fillRule: ShapePath.OddEvenFill
        startX: -mask.bleed; startY: -mask.bleed
        PathLine { x: mask.width + mask.bleed; y: -mask.bleed }
        PathLine { x: mask.width + mask.bleed; y: mask.height + mask.bleed }
        PathLine { x: -mask.bleed; y: mask.height + mask.bleed }
        PathLine { x: -mask.bleed; y: -mask.bleed }
        PathMove { x: mask.radius; y: 0 }
        PathLine { x: mask.width - mask.radius; y: 0 }
        PathArc { x: mask.width; y: mask.radius; radiusX: mask.radius; radiusY: mask.radius }
        PathLine { x: mask.width; y: mask.height - mask.radius }
        PathArc { x: mask.width - mask.radius; y: mask.height; radiusX: mask.radius; radiusY: mask.radius }
        PathLine { x: mask.radius; y: mask.height }
        PathArc { x: 0; y: mask.height - mask.radius; radiusX: mask.radius; radiusY: mask.radius }
        PathLine { x: 0; y: mask.radius }
        PathArc { x: mask.radius; y: 0; radiusX: mask.radius; radiusY: mask.radius }
    }
}
