import QtQuick
import Tarnwick.Ui  // the module's C++ types

// A nudge: an orb that blinks (two closing eyes) or lifts an arrow, twice, over a short pill,
// then fades away.
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

    implicitWidth: 240
    implicitHeight: 150

    Column {
        anchors.centerIn: parent
        spacing: 10
        scale: nudge.shown ? 1 : 0.5
        opacity: nudge.shown ? 1 : 0
        // In with a lively spring, out with a quick ease.
        Behavior on scale { NumberAnimation { duration: nudge.shown ? 450 : 350; easing.type: nudge.shown ? Easing.OutBack : Easing.InQuad } }
        Behavior on opacity { NumberAnimation { duration: nudge.shown ? 450 : 350; easing.type: nudge.shown ? Easing.OutCubic : Easing.InQuad } }

        Orb {
            size: 68
            anchors.horizontalCenter: parent.horizontalCenter
            Symbol {
                visible: !nudge.blink
                anchors.centerIn: parent
                anchors.verticalCenterOffset: nudge.gesture ? -5 : 3
                name: "arrow.up"
                size: 28
                color: "white"
                Behavior on anchors.verticalCenterOffset { NumberAnimation { duration: 200; easing.type: Easing.InOutQuad } }
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

    SequentialAnimation {
        running: nudge.animated
        PropertyAction { target: nudge; property: "shown"; value: true }
        PauseAnimation { duration: 600 }
        SequentialAnimation {
            loops: 2
            PropertyAction { target: nudge; property: "gesture"; value: true }
            PauseAnimation { duration: 180 + nudge.holdMs }
            PropertyAction { target: nudge; property: "gesture"; value: false }
            PauseAnimation { duration: 220 + 520 }
        }
        PauseAnimation { duration: 500 }
        PropertyAction { target: nudge; property: "shown"; value: false }
    }
}
