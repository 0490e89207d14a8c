import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T

// A pane's content as a scrolling form: its sections one under another, 22 px from the sides.
// Whatever takes the keyboard focus is scrolled into view.
Flickable {
    id: pane
    default property alias sections: column.data
    readonly property color primary: palette.windowText

    contentWidth: width
    contentHeight: column.implicitHeight + 34
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    Accessible.role: Accessible.Pane

    T.ScrollBar.vertical: T.ScrollBar {
        id: bar
        policy: pane.contentHeight > pane.height ? T.ScrollBar.AsNeeded : T.ScrollBar.AlwaysOff
        padding: 2
        implicitWidth: 10
        contentItem: RoundedShape {
            implicitWidth: 6
            continuous: false
            radius: 3
            color: Qt.rgba(pane.primary.r, pane.primary.g, pane.primary.b, bar.pressed ? 0.45 : 0.28)
            opacity: bar.active ? 1 : 0
            Behavior on opacity { NumberAnimation { duration: 200 } }
        }
    }

    ColumnLayout {
        id: column
        x: 22
        y: 12
        width: pane.width - 44
        spacing: 20
    }

    // Scrolls `item` into view when it lies in this form.
    function reveal(item) {
        let inside = item
        while (inside && inside !== column)
            inside = inside.parent
        if (!inside)
            return
        const area = item.mapToItem(pane.contentItem, 0, 0, item.width, item.height)
        const margin = 16
        if (area.y - margin < pane.contentY)
            pane.contentY = Math.max(0, area.y - margin)
        else if (area.y + area.height + margin > pane.contentY + pane.height)
            pane.contentY = Math.max(0, Math.min(pane.contentHeight - pane.height, area.y + area.height + margin - pane.height))
    }

    Connections {
        target: pane.Window.window
        function onActiveFocusItemChanged() { pane.reveal(pane.Window.activeFocusItem) }
    }
}
