pragma Singleton
import QtQuick

// Top and bottom colours of the gradients behind icon tiles.
QtObject {
    readonly property var pink: ["#F27AB8", "#D94A92"]
    readonly property var purple: ["#B38CF5", "#8656E0"]
    readonly property var red: ["#F77B7B", "#DB4A4A"]
    readonly property var orange: ["#F9B068", "#EA7F2C"]
    readonly property var blue: ["#6FB1F7", "#3B7FE0"]
    readonly property var gray: ["#A3A3AA", "#76767E"]
    readonly property var yellow: ["#F7CF5B", "#E3A82B"]
    readonly property var green: ["#7ED69B", "#3DAF63"]
}
