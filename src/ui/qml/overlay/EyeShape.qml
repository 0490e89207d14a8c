import QtQuick

// One eye of the blink nudge: an upright capsule that flattens to a line when closed.
RoundedShape {
    property bool closed: false
    width: closed ? 11 : 8
    height: closed ? 2.6 : 13
    continuous: false
    radius: Math.min(width, height) / 2
    color: "white"
    Behavior on width { NumberAnimation { duration: 180; easing.type: Easing.InOutQuad } }
    Behavior on height { NumberAnimation { duration: 180; easing.type: Easing.InOutQuad } }
}
