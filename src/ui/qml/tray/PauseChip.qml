import QtQuick
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// A small capsule that pauses breaks for a while.
T.Button {
    id: chip
    property color primary: palette.windowText

    hoverEnabled: true
    topPadding: 4
    bottomPadding: 4
    leftPadding: 8
    rightPadding: 8
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: chip.clicked()

    background: RoundedShape {
        continuous: false
        radius: height / 2
        color: Qt.rgba(chip.primary.r, chip.primary.g, chip.primary.b, chip.hovered ? 0.12 : 0.06)
    }
    contentItem: KitText {
        text: chip.text
        size: 11.5
        font.weight: Font.Medium
        color: chip.primary
        Accessible.ignored: true
    }
}
