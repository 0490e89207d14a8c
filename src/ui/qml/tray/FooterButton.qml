import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// A quiet button of the panel's footer: a symbol and a word, highlighted under the pointer.
T.Button {
    id: button
    property string symbol
    property color primary: palette.windowText

    hoverEnabled: true
    topPadding: 5
    bottomPadding: 5
    leftPadding: 8
    rightPadding: 8
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    // Its natural width where there is room, less where the footer's words are long.
    Layout.fillWidth: true
    Layout.maximumWidth: implicitWidth
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: button.clicked()

    background: RoundedShape {
        radius: 6
        color: Qt.rgba(button.primary.r, button.primary.g, button.primary.b, button.hovered ? 0.08 : 0)
    }
    contentItem: RowLayout {
        spacing: 5
        opacity: 0.7
        Symbol { name: button.symbol; size: 13; color: button.primary; Layout.alignment: Qt.AlignVCenter }
        KitText {
            Layout.fillWidth: true
            fit: true
            text: button.text
            size: 12
            font.weight: Font.Medium
            color: button.primary
            Layout.alignment: Qt.AlignVCenter
            Accessible.ignored: true
        }
    }
}
