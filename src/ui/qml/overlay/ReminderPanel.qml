import QtQuick

// The panel of a blink or posture nudge.
Window {
    id: panel
    required property bool blink
    required property string text
    required property int holdMs
    property bool composited: false
    // The pill and the orb inside the panel, for shaping it where nothing can be translucent.
    readonly property rect card: view.card
    readonly property real cardRadius: view.cardRadius
    readonly property rect disc: view.disc

    title: qsTr("Tarnwick nudge")
    color: "transparent"

    ReminderOrbView {
        id: view
        // Right-to-left languages mirror the whole surface.
        LayoutMirroring.enabled: Application.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true
        // The window's own size, known from the moment it is placed; its content item learns it
        // only once shown, too late for the shape set before.
        width: panel.width
        height: panel.height
        blink: panel.blink
        text: panel.text
        holdMs: panel.holdMs
        composited: panel.composited
        // Opaque, the panel would stay a dark shape once the nudge has gone.
        onFinished: if (!panel.composited) panel.visible = false
    }
}
