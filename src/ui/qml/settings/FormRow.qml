import QtQuick
import QtQuick.Layouts

// One row of a form section: its content laid out in a row, a hairline above all but the first.
Item {
    id: row
    default property alias content: layout.data
    property real minimumHeight: 40
    property real verticalPadding: 8
    property alias spacing: layout.spacing
    readonly property color primary: palette.windowText

    width: parent ? parent.width : 0
    implicitHeight: Math.max(minimumHeight, layout.implicitHeight + 2 * verticalPadding)

    Rectangle {
        visible: !row.Positioner.isFirstItem
        width: parent.width
        height: 1
        color: Qt.rgba(row.primary.r, row.primary.g, row.primary.b, 0.08)
    }
    RowLayout {
        id: layout
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        spacing: 10
    }
}
