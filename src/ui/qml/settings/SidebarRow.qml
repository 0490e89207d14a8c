import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T

// One pane in the sidebar: its icon tile and title, in the accent colour when selected. The
// sidebar as a whole takes the keyboard focus; the rows answer the pointer and screen readers.
T.TabButton {
    id: row
    property string symbol
    property var colors: Tiles.gray
    property bool selected: false
    property bool listFocused: false
    readonly property color primary: palette.windowText

    focusPolicy: Qt.NoFocus
    hoverEnabled: true
    leftPadding: 8
    rightPadding: 8
    implicitHeight: 30
    Accessible.name: text
    // Shown as chosen only while it is the selected pane; a click asks, the sidebar answers.
    checked: selected
    autoExclusive: false
    onClicked: checked = Qt.binding(function() { return row.selected })
    Accessible.onPressAction: row.clicked()

    contentItem: RowLayout {
        spacing: 8
        IconTile {
            objectName: "icon"
            size: 20
            symbol: row.symbol
            colors: row.colors
            Layout.alignment: Qt.AlignVCenter
        }
        PaneText {
            text: row.text
            size: 13
            color: row.selected && row.listFocused ? row.palette.highlightedText : row.primary
            // A long name steps its font down, and wraps only where that is not enough.
            fit: true
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            Accessible.ignored: true
        }
    }
    background: RoundedShape {
        objectName: "highlight"
        radius: 6
        continuous: false
        color: row.selected ? (row.listFocused ? row.palette.highlight
                                               : Qt.rgba(row.primary.r, row.primary.g, row.primary.b, 0.12))
                            : row.hovered ? Qt.rgba(row.primary.r, row.primary.g, row.primary.b, 0.05) : "transparent"
    }
}
