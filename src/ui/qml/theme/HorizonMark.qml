import QtQuick
import QtQuick.Shapes

// The emblem's line drawing: an arch, the sun above the horizon, and the horizon below it.
Shape {
    id: mark
    property color color: "white"
    property real lineWidth: 2

    ShapePath {
        strokeColor: mark.color
        strokeWidth: mark.lineWidth
        fillColor: "transparent"
        capStyle: ShapePath.RoundCap
        joinStyle: ShapePath.MiterJoin
        miterLimit: 10
        startX: 0.12 * mark.width
        startY: 0.60 * mark.height
        PathQuad {
            x: 0.88 * mark.width; y: 0.60 * mark.height
            controlX: 0.50 * mark.width; controlY: 0.08 * mark.height
        }
        PathMove { x: 0.30 * mark.width; y: 0.76 * mark.height }
        PathLine { x: 0.70 * mark.width; y: 0.76 * mark.height }
    }
}
