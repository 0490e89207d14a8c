import QtQuick
import Tarnwick.Ui  // the module's C++ types

// The window of the tray panel; Escape closes it.
Window {
    id: panel
    required property MenuBarViewModel vm
    property bool composited: false
    signal closeRequested()
    signal settingsRequested()
    signal statsRequested()

    // The height the content asks for. The controller sets the window's height from it, in the
    // same move that keeps the edge next to the tray in place.
    readonly property int contentHeight: Math.ceil(view.implicitHeight)

    //: The program's name, as the window list and screen readers give the tray panel
    title: qsTr("Tarnwick")
    width: view.implicitWidth
    color: view.palette.window

    MenuBarView {
        id: view
        // Right-to-left languages mirror the whole surface.
        LayoutMirroring.enabled: Application.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true
        focus: true
        vm: panel.vm
        onSettingsRequested: panel.settingsRequested()
        onStatsRequested: panel.statsRequested()
        Keys.onEscapePressed: panel.closeRequested()
    }
}
