import QtQuick
import QtQuick.Layouts

// A setting's label: an icon tile beside its title and, when given, a secondary subtitle.
RowLayout {
    id: label
    property string title
    property string subtitle
    property string symbol
    property var colors: Tiles.gray
    // Set where a control already reads the title out (a switch labelled by this).
    property bool textsIgnored: false

    spacing: 10

    IconTile {
        size: 22
        symbol: label.symbol
        colors: label.colors
        Layout.alignment: Qt.AlignVCenter
    }
    ColumnLayout {
        spacing: 1
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignVCenter
        PaneText {
            text: label.title
            size: 13
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            Accessible.ignored: label.textsIgnored
        }
        PaneText {
            visible: label.subtitle !== ""
            text: label.subtitle
            size: 11.5
            secondary: true
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            Accessible.ignored: label.textsIgnored
        }
    }
}
