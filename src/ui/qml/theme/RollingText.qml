import QtQuick

// Text whose new value rolls in from above while the old one rolls out below, as a countdown
// ticking down. `key` changes once per step; the text shown is `text`.
Item {
    id: rolling
    property string text
    property real size: 13
    property int weight: Font.Normal
    property color color: "white"

    implicitWidth: current.implicitWidth
    implicitHeight: current.implicitHeight
    clip: true
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    onTextChanged: {
        outgoing.text = current.shown
        current.shown = text
        roll.restart()
    }

    KitText {
        id: outgoing
        size: rolling.size
        color: rolling.color
        font.weight: rolling.weight
        opacity: 0
        Accessible.ignored: true
    }
    KitText {
        id: current
        property string shown: rolling.text
        text: shown
        size: rolling.size
        color: rolling.color
        font.weight: rolling.weight
        Accessible.ignored: true
    }

    ParallelAnimation {
        id: roll
        NumberAnimation { target: outgoing; property: "y"; from: 0; to: rolling.height * 0.6; duration: 450; easing.type: Easing.OutCubic }
        NumberAnimation { target: outgoing; property: "opacity"; from: 1; to: 0; duration: 300; easing.type: Easing.OutCubic }
        NumberAnimation { target: current; property: "y"; from: -rolling.height * 0.6; to: 0; duration: 500; easing.type: Easing.OutBack; easing.overshoot: 0.6 }
        NumberAnimation { target: current; property: "opacity"; from: 0; to: 1; duration: 300; easing.type: Easing.OutCubic }
    }
}
