import QtQuick
import Tarnwick.Ui  // the module's C++ types

// One pane of the sidebar, under its group's heading when it opens a group.
Column {
    id: entry
    required property var modelData
    property SettingsViewModel vm: null
    // The sidebar list, which takes the keyboard focus for its rows.
    property Item list: null

    width: parent ? parent.width : 0
    spacing: 2

    PaneText {
        visible: entry.modelData.heading !== ""
        text: entry.modelData.heading
        width: entry.width
        wrapMode: Text.WordWrap
        size: 11
        font.weight: Font.DemiBold
        secondary: true
        leftPadding: LayoutMirroring.enabled ? 0 : 8
        rightPadding: LayoutMirroring.enabled ? 8 : 0
        topPadding: 10
        bottomPadding: 2
        Accessible.role: Accessible.Heading
    }
    SidebarRow {
        objectName: "pane-" + entry.modelData.id
        width: entry.width
        text: entry.modelData.title
        symbol: entry.modelData.symbol
        colors: Tiles[entry.modelData.tile]
        selected: entry.vm !== null && entry.vm.pane === entry.modelData.id
        listFocused: entry.list !== null && entry.list.activeFocus
        onClicked: {
            if (entry.vm)
                entry.vm.pane = entry.modelData.id
            if (entry.list)
                entry.list.forceActiveFocus()
        }
    }
}
