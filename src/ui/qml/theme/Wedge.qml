import QtQuick
import QtQuick.Shapes

// A pie slice growing clockwise from twelve o'clock: `fraction` 0 is empty, 1 a full disc.
// Animate `fraction` to sweep it.
Shape {
    id: wedge
    property real fraction: 0
    property color color: "white"

    ShapePath {
        strokeWidth: -1
        strokeColor: "transparent"
        fillColor: wedge.color
        startX: wedge.width / 2
        startY: wedge.height / 2
        PathAngleArc {
            centerX: wedge.width / 2; centerY: wedge.height / 2
            radiusX: wedge.width / 2; radiusY: wedge.height / 2
            startAngle: -90
            sweepAngle: wedge.fraction * 360
            moveToStart: false
        }
        PathLine { x: wedge.width / 2; y: wedge.height / 2 }
    }
}
