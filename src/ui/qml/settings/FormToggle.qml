import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T

// A setting's on/off switch across the row, labelled by its text or, with a symbol, by a tile
// label. It shows `value` and reports the user's wish through toggledTo; when the wish is not
// granted the switch springs back to `value`. Space and Return toggle it.
T.Switch {
    id: control
    property bool value
    property string subtitle
    property string symbol
    property var colors: Tiles.gray
    readonly property color primary: palette.windowText
    signal toggledTo(bool on)

    checked: value
    padding: 0
    spacing: 12
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    Layout.fillWidth: true
    opacity: enabled ? 1 : 0.45
    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.description: subtitle
    Accessible.checkable: true
    Accessible.checked: checked

    onToggled: {
        control.toggledTo(checked)
        checked = Qt.binding(function() { return control.value })
    }
    Keys.onReturnPressed: {
        control.toggle()
        control.toggled()
    }
    Keys.onEnterPressed: {
        control.toggle()
        control.toggled()
    }
    Accessible.onPressAction: {
        control.toggle()
        control.toggled()
    }
    Accessible.onToggleAction: {
        control.toggle()
        control.toggled()
    }

    contentItem: RowLayout {
        spacing: control.spacing
        TileLabel {
            visible: control.symbol !== ""
            title: control.text
            subtitle: control.subtitle
            symbol: control.symbol
            colors: control.colors
            textsIgnored: true
            Layout.fillWidth: true
        }
        PaneText {
            visible: control.symbol === ""
            text: control.text
            size: 13
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
            Accessible.ignored: true
        }
        RoundedShape {
            implicitWidth: 34
            implicitHeight: 20
            continuous: false
            radius: 10
            Layout.alignment: Qt.AlignVCenter
            color: control.checked ? control.palette.highlight
                                   : Qt.rgba(control.primary.r, control.primary.g, control.primary.b, 0.22)
            borderWidth: control.visualFocus ? 2 : 0
            borderColor: Qt.lighter(control.palette.highlight, 1.3)
            Behavior on color { ColorAnimation { duration: 120 } }
            RoundedShape {
                width: 16
                height: 16
                continuous: false
                radius: 8
                y: 2
                x: control.checked ? parent.width - width - 2 : 2
                color: "white"
                borderWidth: 1
                borderColor: Qt.rgba(0, 0, 0, 0.12)
                Behavior on x { NumberAnimation { duration: 120 } }
            }
        }
    }
    indicator: null
}
