import QtQuick

// The panel of a blink or posture nudge.
Window {
    id: panel
    required property bool blink
    required property string text
    required property int holdMs
    property bool composited: false

    title: "Tarnwick nudge"
    color: "transparent"

    ReminderOrbView {
        anchors.fill: parent
        blink: panel.blink
        text: panel.text
        holdMs: panel.holdMs
        composited: panel.composited
    }
}
