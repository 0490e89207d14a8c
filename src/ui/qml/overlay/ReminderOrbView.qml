import QtQuick
import Tarnwick.Ui  // the module's C++ types

// A nudge: an orb that blinks (two closing eyes) or lifts an arrow, twice, over a short pill,
// then fades away. Where nothing can be translucent it shows at once and goes at once, since a
// fade or a growing orb would show the opaque window around it.
Item {
    id: nudge
    // A blink nudge shows two eyes; a posture nudge an arrow.
    required property bool blink
    required property string text
    // How long the eyes stay closed or the arrow up, in milliseconds.
    required property int holdMs
    property bool animated: true
    property bool composited: Compositor.active
    property bool shown: false
    property bool gesture: false
    readonly property color tint: "#1C1A2B"
    // The pill and the orb within the item, for shaping the window where nothing can be translucent.
    readonly property real stackTop: (height - orb.size - stack.spacing - pill.height) / 2
    readonly property rect card: Qt.rect((width - pill.width) / 2, stackTop + orb.size + stack.spacing, pill.width, pill.height)
    readonly property real cardRadius: pill.radius
    readonly property rect disc: Qt.rect((width - orb.size) / 2, stackTop, orb.size, orb.size)
    // The nudge has played and is out of sight.
    signal finished()

    implicitWidth: 240
    implicitHeight: 150

    Column {
        id: stack
        anchors.centerIn: parent
        spacing: 10
        scale: nudge.shown || !nudge.composited ? 1 : 0.5
        opacity: nudge.shown || !nudge.composited ? 1 : 0
        // In with a lively spring, out with a quick ease.
        Behavior on scale {
            enabled: nudge.composited
            NumberAnimation { duration: nudge.shown ? 450 : 350; easing.type: nudge.shown ? Easing.OutBack : Easing.InQuad }
        }
        Behavior on opacity {
            enabled: nudge.composited
            NumberAnimation { duration: nudge.shown ? 450 : 350; easing.type: nudge.shown ? Easing.OutCubic : Easing.InQuad }
        }

        Orb {
            id: orb
            size: 68
            anchors.horizontalCenter: parent.horizontalCenter
            // The arrow lifts in 0.18 s and settles in 0.22 s.
            Symbol {
                id: arrow
                visible: !nudge.blink
                anchors.centerIn: parent
                anchors.verticalCenterOffset: 3
                name: "arrow.up"
                size: 28
                color: "white"
                states: State {
                    name: "up"
                    when: nudge.gesture
                    PropertyChanges { arrow.anchors.verticalCenterOffset: -5 }
                }
                transitions: [
                    Transition { to: "up"; NumberAnimation { property: "anchors.verticalCenterOffset"; duration: 180; easing.type: Easing.InOutQuad } },
                    Transition { from: "up"; NumberAnimation { property: "anchors.verticalCenterOffset"; duration: 220; easing.type: Easing.InOutQuad } }
                ]
            }
            Row {
                visible: nudge.blink
                anchors.centerIn: parent
                anchors.verticalCenterOffset: 2
                spacing: 13
                EyeShape { closed: nudge.gesture; anchors.verticalCenter: parent.verticalCenter }
                EyeShape { closed: nudge.gesture; anchors.verticalCenter: parent.verticalCenter }
            }
        }
        RoundedShape {
            id: pill
            anchors.horizontalCenter: parent.horizontalCenter
            width: label.implicitWidth + 22
            height: label.implicitHeight + 10
            continuous: false
            radius: height / 2
            color: nudge.composited ? Theme.materialTranslucent : Theme.materialOpaque
            RoundedShape {
                anchors.fill: parent
                continuous: false
                radius: parent.radius
                color: Qt.rgba(nudge.tint.r, nudge.tint.g, nudge.tint.b, 0.6)
                borderWidth: 1
                borderColor: Theme.glassStroke
            }
            KitText {
                id: label
                anchors.centerIn: parent
                text: nudge.text
                size: 12.5
                font.weight: Font.DemiBold
            }
        }
    }

    // Each change of `gesture` animates while the sequence waits on, so the waits alone set the
    // pace: the fade begins 2.66 s (blink) or 3.04 s (posture) after the start.
    SequentialAnimation {
        running: nudge.animated
        PropertyAction { target: nudge; property: "shown"; value: true }
        PauseAnimation { duration: 600 }
        SequentialAnimation {
            loops: 2
            PropertyAction { target: nudge; property: "gesture"; value: true }
            PauseAnimation { duration: nudge.holdMs }
            PropertyAction { target: nudge; property: "gesture"; value: false }
            PauseAnimation { duration: 520 }
        }
        PauseAnimation { duration: 500 }
        PropertyAction { target: nudge; property: "shown"; value: false }
        PauseAnimation { duration: nudge.composited ? 350 : 0 }
        ScriptAction { script: nudge.finished() }
    }
}
