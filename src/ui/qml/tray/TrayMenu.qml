import QtQuick
import Tarnwick.Ui  // the module's C++ types

// The window of the tray's right-click menu. The arrows move between its items, Escape closes it.
Window {
    id: trayMenu
    required property TrayMenuModel vm
    // The height the items ask for; the controller sets the window's height from it, placing the
    // edge next to the tray.
    readonly property int contentHeight: Math.ceil(column.implicitHeight) + 12
    signal closeRequested()

    // Each item, as the list makes it, runs its command when chosen.
    function connectItem(index: int, item: TrayMenuItem) {
        item.clicked.connect(() => trayMenu.vm.trigger(index))
    }

    //: The program's name, as the window list and screen readers give the tray menu
    title: qsTr("Tarnwick")
    width: Math.max(200, Math.ceil(column.implicitWidth) + 12)
    color: body.palette.window

    Item {
        id: body
        // Right-to-left languages mirror the whole surface.
        LayoutMirroring.enabled: Application.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true
        anchors.fill: parent

        Rectangle {
            anchors.fill: parent
            color: "transparent"
            border.width: 1
            border.color: Qt.rgba(body.palette.windowText.r, body.palette.windowText.g, body.palette.windowText.b, 0.18)
        }
        FocusScope {
            x: 6
            y: 6
            width: parent.width - 12
            height: column.implicitHeight
            focus: true
            Accessible.role: Accessible.PopupMenu
            Accessible.name: trayMenu.title
            Keys.onEscapePressed: trayMenu.closeRequested()

            Column {
                id: column
                width: parent.width
                Repeater {
                    model: trayMenu.vm.items
                    onItemAdded: (index, item) => trayMenu.connectItem(index, item as TrayMenuItem)
                    delegate: TrayMenuItem {
                        required property var modelData
                        required property int index
                        width: parent ? parent.width : 0
                        focus: index === 0
                        text: modelData.title
                        separated: modelData.separated
                        Keys.onDownPressed: nextItemInFocusChain(true).forceActiveFocus()
                        Keys.onUpPressed: nextItemInFocusChain(false).forceActiveFocus()
                    }
                }
            }
        }
    }
}
