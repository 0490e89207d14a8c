import QtQuick
import Tarnwick.Ui  // the module's C++ types

// The full-screen panel of a break on one screen.
Window {
    id: panel
    required property BreakViewModel vm
    required property bool isMainScreen
    property var wallpaper
    property bool hasWallpaper: false
    property var sunset
    property bool composited: false

    title: qsTr("Tarnwick break")
    color: "black"

    BreakScreenView {
        // Right-to-left languages mirror the whole surface.
        LayoutMirroring.enabled: Application.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true
        anchors.fill: parent
        vm: panel.vm
        isMainScreen: panel.isMainScreen
        wallpaper: panel.wallpaper
        hasWallpaper: panel.hasWallpaper
        sunset: panel.sunset
    }
}
