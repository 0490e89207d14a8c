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

    title: "Tarnwick"
    width: view.implicitWidth
    height: view.implicitHeight
    color: view.palette.window

    MenuBarView {
        id: view
        focus: true
        vm: panel.vm
        onSettingsRequested: panel.settingsRequested()
        onStatsRequested: panel.statsRequested()
        Keys.onEscapePressed: panel.closeRequested()
    }
}
