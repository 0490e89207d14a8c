import QtQuick

// The ring around a control that has the keyboard's focus, shown only when the focus came from
// the keyboard. Place it inside the control and bind `shown` to the control's visualFocus.
RoundedShape {
    property bool shown: false

    anchors.fill: parent
    anchors.margins: -3
    continuous: false
    radius: height / 2
    color: "transparent"
    borderWidth: 2
    borderColor: palette.highlight
    visible: shown
    Accessible.ignored: true
}
