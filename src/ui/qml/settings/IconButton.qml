import QtQuick
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// A plain button that is only a symbol in the secondary colour; its accessible name says what it
// does. Space and Return press it.
T.Button {
    id: button
    property string symbol
    property real symbolSize: 17
    property string accessibleName
    readonly property color primary: palette.windowText

    hoverEnabled: true
    padding: 3
    implicitWidth: symbolSize + leftPadding + rightPadding
    implicitHeight: symbolSize + topPadding + bottomPadding
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()
    Accessible.onPressAction: button.clicked()

    contentItem: Symbol {
        name: button.symbol
        size: button.symbolSize
        color: Qt.rgba(button.primary.r, button.primary.g, button.primary.b, button.hovered ? 0.8 : 0.55)
    }
    background: RoundedShape {
        continuous: false
        radius: width / 2
        color: "transparent"
        borderWidth: button.visualFocus ? 2 : 0
        borderColor: button.palette.highlight
    }
}
