pragma Singleton
import QtQuick

// The palette every surface shares. Lengths are device-independent pixels.
QtObject {
    readonly property color orchid: "#B76CF2"
    readonly property color rose: "#F0629B"
    readonly property color amber: "#F7A65A"
    readonly property color countdown: "#D9E9FF"
    readonly property color glassStroke: Qt.rgba(1, 1, 1, 0.14)
    readonly property color glassFill: Qt.rgba(1, 1, 1, 0.10)

    // The ultra-thin material: a dark tint that lets the blurred desktop through where a
    // compositing manager runs, and the same colour opaque where none does.
    readonly property color materialTranslucent: Qt.rgba(0.13, 0.12, 0.16, 0.45)
    readonly property color materialOpaque: Qt.rgba(0.13, 0.12, 0.16, 1)

}
