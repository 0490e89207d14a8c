import QtQuick
import QtTest
import Tarnwick.Ui

// The nudge's pace: when the gestures come and when the fade begins, after the view appears.
Item {
    id: root
    width: 300
    height: 200

    Component { id: nudgeComponent; ReminderOrbView { composited: true } }

    TestCase {
        name: "ReminderOrbView"
        when: windowShown

        function test_gesturesAndFadeKeepTheirPace_data() {
            // Gestures at 0.6 s, then hold, 0.52 s open, again; the fade 0.5 s after the second.
            return [
                { tag: "blink", blink: true, holdMs: 260, changes: [600, 860, 1380, 1640], fade: 2660 },
                { tag: "posture", blink: false, holdMs: 450, changes: [600, 1050, 1570, 2020], fade: 3040 },
            ]
        }
        function test_gesturesAndFadeKeepTheirPace(data) {
            const started = Date.now()
            const nudge = createTemporaryObject(nudgeComponent, root, { blink: data.blink, text: "Nudge", holdMs: data.holdMs })
            const changes = []
            let fade = -1
            nudge.gestureChanged.connect(() => changes.push(Date.now() - started))
            nudge.shownChanged.connect(() => { if (!nudge.shown) fade = Date.now() - started })
            tryVerify(() => fade >= 0, 5000, "the nudge fades")
            compare(changes.length, data.changes.length, "two gestures, each there and back")
            for (let i = 0; i < changes.length; ++i)
                fuzzyCompare(changes[i], data.changes[i], 150, "change " + i)
            fuzzyCompare(fade, data.fade, 150, "the fade")
        }
    }
}
