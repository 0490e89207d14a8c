import QtQuick
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// A tile of the tray panel: an icon tile over its title, on a soft rounded card that brightens
// under the pointer.
T.Button {
    id: tile
    property string symbol
    property var colors: Tiles.pink
    property color primary: palette.windowText

    hoverEnabled: true
    padding: 10
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: tile.clicked()

    background: RoundedShape {
        radius: 10
        color: Qt.rgba(tile.primary.r, tile.primary.g, tile.primary.b, tile.hovered ? 0.1 : 0.05)
    }
    contentItem: Column {
        spacing: 8
        IconTile { objectName: "icon"; size: 24; symbol: tile.symbol; colors: tile.colors }
        KitText {
            width: tile.availableWidth
            wrapMode: Text.WordWrap
            text: tile.text
            size: 12.5
            font.weight: Font.DemiBold
            color: tile.primary
            Accessible.ignored: true
        }
    }
}
