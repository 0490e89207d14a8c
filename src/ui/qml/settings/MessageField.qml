import QtQuick
import QtQuick.Templates as T
import QtQuick.Window
import Tarnwick.Ui  // the module's C++ types

// A borderless line of text on a form card, read by screen readers under its label; a line in
// the accent colour under it while it has the keyboard focus.
T.TextField {
    id: field
    property string label
    readonly property color primary: palette.windowText

    color: primary
    placeholderTextColor: Qt.rgba(primary.r, primary.g, primary.b, 0.4)
    selectionColor: palette.highlight
    selectedTextColor: palette.highlightedText
    font.family: Fonts.family
    font.pointSize: 13 * 72 / (Screen.logicalPixelDensity * 25.4)
    topPadding: 5
    bottomPadding: 5
    leftPadding: 2
    rightPadding: 2
    implicitWidth: 200
    implicitHeight: contentHeight + topPadding + bottomPadding
    selectByMouse: true
    verticalAlignment: TextInput.AlignVCenter
    Accessible.role: Accessible.EditableText
    Accessible.name: label
    Accessible.description: placeholderText

    PaneText {
        x: field.leftPadding
        width: field.width - field.leftPadding - field.rightPadding
        height: field.height
        visible: field.text === "" && !field.preeditText
        text: field.placeholderText
        size: 13
        color: field.placeholderTextColor
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        Accessible.ignored: true
    }
    background: Rectangle {
        color: "transparent"
        Rectangle {
            visible: field.activeFocus
            anchors.bottom: parent.bottom
            width: parent.width
            height: 2
            color: field.palette.highlight
        }
    }
}
