import QtQuick
import QtQuick.Window
import Tarnwick.Ui  // the module's C++ types

// Text as every view shows it: sized in device-independent pixels, and read by screen readers
// as what it says.
Text {
    property real size: 13
    color: "white"
    // Set, rather than taken from the text, so that a right-to-left interface mirrors it: a
    // name in Latin letters sits on the same side as the Arabic around it.
    horizontalAlignment: Text.AlignLeft
    font.family: Fonts.family
    // Fonts take points; the screen's logical density turns the pixel size into them.
    font.pointSize: size * 72 / (Screen.logicalPixelDensity * 25.4)
    // With `fit`, a text given less room than it needs (a longer language) steps its font down,
    // to four fifths at most, rather than being cut.
    property bool fit: false
    fontSizeMode: fit ? Text.HorizontalFit : Text.FixedSize
    minimumPointSize: font.pointSize * 0.8
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
