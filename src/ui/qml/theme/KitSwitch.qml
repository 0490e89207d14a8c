import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T

// An on/off switch with its label, read by screen readers as a check box under its text and
// toggled with the space bar.
T.Switch {
    id: control
    property color textColor: palette.windowText

    spacing: 8
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: Math.max(implicitContentHeight, 18) + topPadding + bottomPadding
    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.onPressAction: { control.toggle(); control.toggled() }
    Accessible.onToggleAction: { control.toggle(); control.toggled() }
    Accessible.checkable: true
    Accessible.checked: checked

    contentItem: RowLayout {
        spacing: control.spacing
        KitText {
            text: control.text
            color: control.textColor
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            Accessible.ignored: true
        }
        RoundedShape {
            implicitWidth: 32
            implicitHeight: 18
            continuous: false
            radius: 9
            Layout.alignment: Qt.AlignVCenter
            color: control.checked ? control.palette.highlight : Qt.rgba(0.5, 0.5, 0.5, 0.35)
            borderWidth: control.visualFocus ? 2 : 0
            borderColor: control.palette.highlight
            Behavior on color { ColorAnimation { duration: 120 } }
            RoundedShape {
                width: 14
                height: 14
                continuous: false
                radius: 7
                y: 2
                x: control.checked ? parent.width - width - 2 : 2
                color: "white"
                Behavior on x { NumberAnimation { duration: 120 } }
            }
        }
    }
    indicator: null
}
