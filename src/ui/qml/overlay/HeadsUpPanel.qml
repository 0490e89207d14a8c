import QtQuick
import Tarnwick.Ui  // the module's C++ types

// The panel of the heads-up card at the top of the main screen.
Window {
    id: panel
    required property HeadsUpViewModel vm
    property bool composited: false
    // The card inside the panel, for shaping it where nothing can be translucent.
    readonly property rect card: view.card
    readonly property real cardRadius: view.cardRadius

    title: qsTr("Tarnwick heads-up")
    color: "transparent"

    HeadsUpCard {
        id: view
        // Right-to-left languages mirror the whole surface.
        LayoutMirroring.enabled: Application.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true
        anchors.top: parent.top
        anchors.horizontalCenter: parent.horizontalCenter
        vm: panel.vm
        composited: panel.composited
    }
}
