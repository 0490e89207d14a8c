import QtQuick
import Tarnwick.Ui  // the module's C++ types

// The panel of the countdown pill that follows the pointer.
Window {
    id: panel
    required property HeadsUpViewModel vm
    property bool composited: false
    readonly property rect card: view.card
    readonly property real cardRadius: view.cardRadius

    title: qsTr("Tarnwick countdown")
    color: "transparent"

    CursorCountdownView {
        id: view
        // Right-to-left languages mirror the whole surface.
        LayoutMirroring.enabled: Application.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true
        vm: panel.vm
        composited: panel.composited
    }
}
