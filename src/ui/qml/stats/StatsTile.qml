import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// One number of the week: its symbol and title, the value, and a line under it.
StatsCard {
    id: tile
    property string title
    property string value
    property string subtitle
    property string symbol
    property var colors: Tiles.gray
    property color primary: palette.windowText
    readonly property color secondary: Qt.rgba(primary.r, primary.g, primary.b, 0.6)

    implicitWidth: column.implicitWidth + 24
    implicitHeight: column.implicitHeight + 24
    radius: 12
    color: Qt.rgba(primary.r, primary.g, primary.b, 0.05)

    ColumnLayout {
        id: column
        x: 12
        y: 12
        width: tile.width - 24
        spacing: 6
        RowLayout {
            spacing: 6
            IconTile { objectName: "icon"; symbol: tile.symbol; colors: tile.colors; size: 18 }
            KitText {
                Layout.fillWidth: true
                text: tile.title
                size: 12
                color: tile.secondary
                elide: Text.ElideRight
            }
        }
        KitText {
            text: tile.value
            size: 28
            font.weight: Font.Bold
            color: tile.primary
        }
        KitText {
            Layout.fillWidth: true
            text: tile.subtitle
            size: 11
            color: tile.secondary
            elide: Text.ElideRight
        }
    }
}
