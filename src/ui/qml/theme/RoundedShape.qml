import QtQuick
import QtQuick.Shapes

// A filled rounded rectangle, continuous corners by default, with an optional border inside its
// edge; `gradient` fills it when set, else `color`. Like every shape of the kit it has no layer:
// the software renderer's painter antialiases the path itself, at the window's device pixels, and
// under that renderer a layer draws nothing, or only part, at any pixel ratio but 1. The views use
// it for their rounded rectangles and capsules rather than Rectangle wherever they stay in the
// scene: that renderer builds a rounded Rectangle from corner pieces, which at a ratio such as 1.25
// meet with a seam.
Shape {
    id: rect
    property real radius: 0
    property bool continuous: true
    property color color: "transparent"
    property ShapeGradient gradient: null
    property color borderColor: "transparent"
    property real borderWidth: 0

    RoundedPath {
        right: rect.width
        bottom: rect.height
        radius: rect.radius
        continuous: rect.continuous
        strokeWidth: -1
        strokeColor: "transparent"
        // A clear fill colour would switch the fill off, gradient or not.
        fillColor: rect.gradient ? "white" : rect.color
        fillGradient: rect.gradient
    }
    RoundedPath {
        left: rect.borderWidth / 2
        top: rect.borderWidth / 2
        right: rect.width - rect.borderWidth / 2
        bottom: rect.height - rect.borderWidth / 2
        radius: rect.radius - rect.borderWidth / 2
        continuous: rect.continuous
        strokeWidth: rect.borderWidth > 0 ? rect.borderWidth : -1
        strokeColor: rect.borderColor
        fillColor: "transparent"
    }
}
