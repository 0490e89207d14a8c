import QtQuick

// One eye of the blink nudge: an upright capsule that flattens to a line when closed. It closes
// in 0.18 s and opens in 0.22 s.
RoundedShape {
    id: eye
    property bool closed: false
    width: 8
    height: 13
    continuous: false
    radius: Math.min(width, height) / 2
    color: "white"

    states: State {
        name: "closed"
        when: eye.closed
        PropertyChanges { eye.width: 11; eye.height: 2.6 }
    }
    transitions: [
        Transition { to: "closed"; NumberAnimation { properties: "width,height"; duration: 180; easing.type: Easing.InOutQuad } },
        Transition { from: "closed"; NumberAnimation { properties: "width,height"; duration: 220; easing.type: Easing.InOutQuad } }
    ]
}
