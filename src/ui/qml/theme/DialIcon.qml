import QtQuick
import QtQuick.Shapes

// A progress dial: a sunset ring around a darkened face that a white wedge fills clockwise.
// A new `progress` sweeps there linearly over one second, so once-a-second updates flow.
Item {
    id: dial
    property real progress: 0
    property real size: 36
    readonly property real inset: 0.12 * size

    implicitWidth: size
    implicitHeight: size
    Accessible.ignored: true

    Shape {
        width: dial.size
        height: dial.size
        ShapePath {
            strokeWidth: -1
            strokeColor: "transparent"
            fillGradient: SunsetGradient { x2: dial.size; y2: dial.size }
            PathAngleArc {
                centerX: dial.size / 2; centerY: dial.size / 2
                radiusX: dial.size / 2; radiusY: dial.size / 2
                startAngle: 0; sweepAngle: 360
            }
        }
        ShapePath {
            strokeWidth: -1
            strokeColor: "transparent"
            fillColor: Qt.rgba(0, 0, 0, 0.18)
            PathAngleArc {
                centerX: dial.size / 2; centerY: dial.size / 2
                radiusX: dial.size / 2 - dial.inset; radiusY: radiusX
                startAngle: 0; sweepAngle: 360
            }
        }
    }
    Wedge {
        x: dial.inset
        y: dial.inset
        width: dial.size - 2 * dial.inset
        height: width
        color: Qt.rgba(1, 1, 1, 0.9)
        fraction: Math.max(0, Math.min(1, dial.progress))
        Behavior on fraction { NumberAnimation { duration: 1000; easing.type: Easing.Linear } }
    }
    // A shape, not a rectangle: a rectangle snaps to whole points, and at this size its corners
    // make a square of it.
    RoundedShape {
        width: 0.1 * dial.size
        height: width
        anchors.centerIn: parent
        continuous: false
        radius: width / 2
        color: "white"
    }
}
