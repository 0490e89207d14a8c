import QtQuick
import QtQuick.Layouts

// A group of a form: a heading, its rows on a soft rounded card (divided by hairlines), and an
// optional note under it.
ColumnLayout {
    id: section
    property string title
    property string footer
    default property alias rows: column.data
    readonly property color primary: palette.windowText
    // The card's colour, opaque, so pictures on it can be given matching corners.
    readonly property color cardColor: Qt.tint(palette.window, Qt.rgba(primary.r, primary.g, primary.b, 0.045))

    spacing: 6
    Layout.fillWidth: true

    PaneText {
        visible: section.title !== ""
        text: section.title
        size: 13
        font.weight: Font.DemiBold
        Layout.leftMargin: 4
        Layout.fillWidth: true
        Accessible.role: Accessible.Heading
    }
    Item {
        Layout.fillWidth: true
        implicitHeight: column.implicitHeight
        RoundedShape {
            objectName: "sectionCard"
            anchors.fill: parent
            radius: 9
            color: section.cardColor
            borderColor: Qt.rgba(section.primary.r, section.primary.g, section.primary.b, 0.09)
            borderWidth: 1
        }
        Column {
            id: column
            x: 14
            width: parent.width - 28
        }
    }
    PaneText {
        visible: section.footer !== ""
        text: section.footer
        size: 11.5
        secondary: true
        wrapMode: Text.WordWrap
        Layout.leftMargin: 4
        Layout.rightMargin: 4
        Layout.fillWidth: true
    }
}
