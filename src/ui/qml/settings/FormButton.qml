import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// A push button of the settings window in the desktop's button colours, with an optional symbol;
// destructive ones speak in red. Space and Return press it.
T.Button {
    id: button
    property string symbol
    property bool destructive: false
    readonly property color primary: palette.windowText
    readonly property color textColor: destructive ? "#D93A3A" : palette.buttonText

    hoverEnabled: true
    topPadding: 5
    bottomPadding: 5
    leftPadding: 12
    rightPadding: 12
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: Math.max(26, implicitContentHeight + topPadding + bottomPadding)
    opacity: enabled ? 1 : 0.45
    Accessible.role: Accessible.Button
    Accessible.name: text
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()
    Accessible.onPressAction: button.clicked()

    contentItem: RowLayout {
        spacing: 5
        Item { Layout.fillWidth: true; Layout.rightMargin: -5 }
        Symbol {
            visible: button.symbol !== ""
            name: button.symbol
            size: 12
            color: button.textColor
            Layout.alignment: Qt.AlignVCenter
        }
        PaneText {
            text: button.text
            size: 12.5
            color: button.textColor
            Layout.alignment: Qt.AlignVCenter
            Accessible.ignored: true
        }
        Item { Layout.fillWidth: true; Layout.leftMargin: -5 }
    }
    // Rectangles, not shapes: the button also sits in pop-ups, whose items leave the scene when
    // they close, and the software renderer cannot draw a shape again once it has.
    background: Rectangle {
        radius: 6
        color: button.down ? Qt.darker(button.palette.button, 1.12)
                           : button.hovered ? Qt.lighter(button.palette.button, 1.04) : button.palette.button
        border.color: button.visualFocus ? button.palette.highlight
                                         : Qt.rgba(button.primary.r, button.primary.g, button.primary.b, 0.2)
        border.width: button.visualFocus ? 2 : 1
    }
}
