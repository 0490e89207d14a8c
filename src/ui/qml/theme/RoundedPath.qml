import QtQuick
import QtQuick.Shapes

// A rounded rectangle (left, top, right, bottom). With `continuous` corners each corner eases
// out of the straight edge instead of joining a circular arc to it; without, the corners are
// quarter circles (a capsule when the radius is half the height).
ShapePath {
    id: path
    property real left: 0
    property real top: 0
    property real right: 0
    property real bottom: 0
    property real radius: 0
    property bool continuous: true

    // A continuous corner starts 1.3 radii from the corner with its handles 0.35 radii from it, so
    // the middle of the curve lies where a circular corner's would; a circular one is the usual
    // cubic quarter circle.
    readonly property real reach: Math.max(0, Math.min(radius * (continuous ? 1.3 : 1), (right - left) / 2, (bottom - top) / 2))
    readonly property real handle: reach * (continuous ? 0.35 / 1.3 : 0.4477)

    startX: left + reach
    startY: top
    PathLine { x: path.right - path.reach; y: path.top }
    PathCubic {
        x: path.right; y: path.top + path.reach
        control1X: path.right - path.handle; control1Y: path.top
        control2X: path.right; control2Y: path.top + path.handle
    }
    PathLine { x: path.right; y: path.bottom - path.reach }
    PathCubic {
        x: path.right - path.reach; y: path.bottom
        control1X: path.right; control1Y: path.bottom - path.handle
        control2X: path.right - path.handle; control2Y: path.bottom
    }
    PathLine { x: path.left + path.reach; y: path.bottom }
    PathCubic {
        x: path.left; y: path.bottom - path.reach
        control1X: path.left + path.handle; control1Y: path.bottom
        control2X: path.left; control2Y: path.bottom - path.handle
    }
    PathLine { x: path.left; y: path.top + path.reach }
    PathCubic {
        x: path.left + path.reach; y: path.top
        control1X: path.left; control1Y: path.top + path.handle
        control2X: path.left + path.handle; control2Y: path.top
    }
}
