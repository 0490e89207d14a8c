import QtQuick
import QtQuick.Shapes
import Tarnwick.Ui  // the module's C++ types

// The brand orb: a sunset disc with a soft highlight above left and a fine white rim, casting
// a rose shadow. Children are drawn in its middle.
Item {
    id: orb
    property real size: 48
    default property alias content: middle.data
    readonly property real borderWidth: Math.max(0.02 * size, 1)

    implicitWidth: size
    implicitHeight: size
    Accessible.ignored: true

    Shadow {
        x: -blur
        y: 0.06 * orb.size - blur
        width: orb.size + 2 * blur
        height: orb.size + 2 * blur
        blur: 0.2 * orb.size
        cornerRadius: orb.size / 2
        color: Qt.rgba(Theme.rose.r, Theme.rose.g, Theme.rose.b, 0.35)
    }

    Shape {
        width: orb.size
        height: orb.size

        ShapePath {
            strokeWidth: -1
            strokeColor: "transparent"
            fillGradient: SunsetGradient { x2: orb.size; y2: orb.size }
            PathAngleArc {
                centerX: orb.size / 2; centerY: orb.size / 2
                radiusX: orb.size / 2; radiusY: orb.size / 2
                startAngle: 0; sweepAngle: 360
            }
        }
        ShapePath {
            strokeWidth: -1
            strokeColor: "transparent"
            fillGradient: RadialGradient {
                centerX: 0.30 * orb.size; centerY: 0.22 * orb.size; centerRadius: 0.55 * orb.size
                focalX: 0.30 * orb.size; focalY: 0.22 * orb.size; focalRadius: 0
                GradientStop { position: 0; color: Qt.rgba(1, 1, 1, 0.45) }
                GradientStop { position: 1; color: Qt.rgba(1, 1, 1, 0) }
            }
            PathAngleArc {
                centerX: orb.size / 2; centerY: orb.size / 2
                radiusX: orb.size / 2; radiusY: orb.size / 2
                startAngle: 0; sweepAngle: 360
            }
        }
        ShapePath {
            strokeWidth: orb.borderWidth
            strokeColor: Qt.rgba(1, 1, 1, 0.25)
            fillColor: "transparent"
            PathAngleArc {
                centerX: orb.size / 2; centerY: orb.size / 2
                radiusX: (orb.size - orb.borderWidth) / 2; radiusY: radiusX
                startAngle: 0; sweepAngle: 360
            }
        }
    }

    Item {
        id: middle
        width: orb.size
        height: orb.size
    }
}
