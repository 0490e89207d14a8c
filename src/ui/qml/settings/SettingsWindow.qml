import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// The settings window: the panes in a sidebar under their headings, and the selected pane under
// a header with its tile and title. Colours follow the desktop's palette, light or dark. The
// sidebar takes the keyboard first (arrows choose a pane), Tab walks into the pane, Ctrl+W closes.
Window {
    id: window
    required property SettingsViewModel vm
    required property AppModel model

    width: 820
    height: 600
    minimumWidth: 780
    minimumHeight: 560
    color: root.palette.window

    // The desktop's colours, light or dark, set on the window so that every item, control and
    // pop-up in it takes the same ones.
    SystemPalette { id: system }
    palette.window: system.window
    palette.windowText: system.windowText
    palette.base: system.base
    palette.alternateBase: system.alternateBase
    palette.text: system.text
    palette.button: system.button
    palette.buttonText: system.buttonText
    palette.highlight: system.highlight
    palette.highlightedText: system.highlightedText
    palette.placeholderText: system.placeholderText
    palette.light: system.light
    palette.mid: system.mid
    palette.dark: system.dark
    palette.shadow: system.shadow

    Shortcut {
        sequence: "Ctrl+W"
        onActivated: window.close()
    }

    Item {
        id: root
        // Right-to-left languages mirror the whole surface.
        LayoutMirroring.enabled: Application.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true
        anchors.fill: parent
        readonly property color primary: palette.windowText

        RowLayout {
            anchors.fill: parent
            spacing: 0

            // The sidebar: one list, entered with Tab, moved through with the arrows.
            Rectangle {
                id: sidebar
                objectName: "sidebar"
                Layout.fillHeight: true
                Layout.preferredWidth: 210
                Layout.minimumWidth: 200
                Layout.maximumWidth: 240
                color: Qt.tint(root.palette.window, Qt.rgba(root.primary.r, root.primary.g, root.primary.b, 0.035))
                activeFocusOnTab: true
                focus: true
                Accessible.role: Accessible.PageTabList
                Accessible.name: window.vm.text.sidebarName
                Keys.onUpPressed: window.vm.selectPreviousPane()
                Keys.onDownPressed: window.vm.selectNextPane()

                Column {
                    x: 10
                    y: 12
                    width: parent.width - 20
                    spacing: 2
                    Repeater {
                        model: window.vm.panes
                        onItemAdded: (index, item) => {
                            const entry = item as SidebarEntry
                            entry.vm = window.vm
                            entry.list = sidebar
                        }
                        SidebarEntry {}
                    }
                }
            }
            Rectangle {
                Layout.fillHeight: true
                implicitWidth: 1
                color: Qt.rgba(root.primary.r, root.primary.g, root.primary.b, 0.1)
            }

            // The selected pane under its header.
            ColumnLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumWidth: 520
                spacing: 0

                RowLayout {
                    spacing: 10
                    Layout.leftMargin: 22
                    Layout.rightMargin: 22
                    Layout.topMargin: 14
                    Layout.bottomMargin: 4
                    IconTile {
                        size: 26
                        symbol: window.vm.paneSymbol
                        colors: Tiles[window.vm.paneTile]
                    }
                    PaneText {
                        objectName: "paneTitle"
                        text: window.vm.paneTitle
                        size: 15
                        font.weight: Font.DemiBold
                        Accessible.role: Accessible.Heading
                    }
                    Item { Layout.fillWidth: true }
                }

                Loader {
                    id: pane
                    objectName: "pane"
                    Layout.fillWidth: true
                    Layout.fillHeight: true

                    // A pane is made afresh each time it is shown.
                    function show() {
                        const files = {
                            general: "GeneralPane.qml", breaks: "BreaksPane.qml", smartPause: "SmartPausePane.qml",
                            wellness: "WellnessPane.qml", breakScreen: "BreakScreenPane.qml", sounds: "SoundsPane.qml",
                            privacy: "PrivacyPane.qml", about: "AboutPane.qml"
                        }
                        pane.setSource(files[window.vm.pane], { vm: window.vm, model: window.model })
                    }
                    Component.onCompleted: show()
                }
                Connections {
                    target: window.vm
                    function onPaneChanged() { pane.show() }
                }
            }
        }
    }
}
