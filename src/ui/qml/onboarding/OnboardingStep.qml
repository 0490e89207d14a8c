import QtQuick

// The content of one step. A step coming in fades in as it moves up 8 into place; one going out
// fades away and takes no input while it does.
Item {
    id: step
    property bool shown: false

    opacity: shown ? 1 : 0
    // Shown at once, so that Tab finds the new step's controls before its fade has begun.
    visible: shown || opacity > 0
    enabled: shown
    transform: Translate { y: step.shown ? 0 : 8; Behavior on y { NumberAnimation { duration: 250; easing.type: Easing.OutCubic } } }
    Behavior on opacity { NumberAnimation { duration: 250; easing.type: Easing.OutCubic } }
}
