import QtQuick
import QtQuick.Shapes

// Rounds the corners of whatever lies under it by painting the four corners outside a rounded
// rectangle in the colour around it (the software renderer has no clip masks).
Shape {
    id: mask
    property real radius: 8
    property color color: "white"

    Accessible.ignored: true

    ShapePath {
        fillColor: mask.color
        strokeWidth: -1
        strokeColor: "transparent"
        fillRule: ShapePath.OddEvenFill
        startX: 0; startY: 0
        PathLine { x: mask.width; y: 0 }
        PathLine { x: mask.width; y: mask.height }
        PathLine { x: 0; y: mask.height }
        PathLine { x: 0; y: 0 }
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
