import QtQuick
import QtQuick.Window
import Tarnwick.Ui  // the module's C++ types

// Text as every view shows it: sized in device-independent pixels, and read by screen readers
// as what it says.
Text {
    property real size: 13
    color: "white"
    font.family: Fonts.family
    // Fonts take points; the screen's logical density turns the pixel size into them.
    font.pointSize: size * 72 / (Screen.logicalPixelDensity * 25.4)
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
