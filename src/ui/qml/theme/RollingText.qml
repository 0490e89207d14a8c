import QtQuick
import Tarnwick.Ui  // the module's C++ types

// Text whose new value rolls in from above while the old one rolls out below, as a countdown
// ticking down. Only what changed rolls: the characters the old and the new text begin with stay
// still ("00:1" of 00:19 becoming 00:18). The roll is drawn in six steps a twenty-fifth of a
// second apart: smooth to the eye at this size, and cheap enough to run once a second on every
// screen of a break.
Item {
    id: rolling
    property string text
    property real size: 13
    property int weight: Font.Normal
    property color color: "white"
    // How far the roll has come, from 0 (the old text in place) to 1 (the new one in place).
    property real progress: 1
    readonly property int steps: 6
    property string shown
    // Where the text starts: at the left, or at the right in a mirrored layout. The characters
    // keep their own order either way.
    readonly property real origin: LayoutMirroring.enabled ? width - still.implicitWidth - current.implicitWidth : 0

    implicitWidth: still.implicitWidth + current.implicitWidth
    implicitHeight: Math.max(still.implicitHeight, current.implicitHeight)
    clip: true
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    onTextChanged: {
        let kept = 0
        while (kept < shown.length && kept < text.length && shown[kept] === text[kept]) ++kept
        still.text = text.slice(0, kept)
        outgoing.text = shown.slice(kept)
        current.text = text.slice(kept)
        shown = text
        progress = 0
        stepper.restart()
    }

    Timer {
        id: stepper
        interval: 40
        repeat: true
        onTriggered: {
            rolling.progress = Math.min(1, rolling.progress + 1 / rolling.steps)
            if (rolling.progress >= 1) stop()
        }
    }

    KitText {
        id: still
        x: rolling.origin
        size: rolling.size
        color: rolling.color
        font.weight: rolling.weight
        Accessible.ignored: true
    }
    KitText {
        id: outgoing
        x: rolling.origin + still.implicitWidth
        size: rolling.size
        color: rolling.color
        font.weight: rolling.weight
        visible: rolling.progress < 1
        // Ease out: quick at first, settling at the end.
        y: rolling.height * 0.6 * (1 - Math.pow(1 - rolling.progress, 3))
        opacity: 1 - rolling.progress
        Accessible.ignored: true
    }
    KitText {
        id: current
        x: rolling.origin + still.implicitWidth
        size: rolling.size
        color: rolling.color
        font.weight: rolling.weight
        y: -rolling.height * 0.6 * Math.pow(1 - rolling.progress, 3)
        opacity: Math.min(1, rolling.progress * 1.5)
        Accessible.ignored: true
    }
    Component.onCompleted: {
        current.text = text
        shown = text
    }
}
