import QtQuick
import QtQuick.Layouts

// One live signal: a dot, orange while on, and its text ("Camera: off") on a small chip.
Item {
    id: chip
    // {name, on, text}
    property var info: ({})
    readonly property string text: chip.info.text ?? ""
    readonly property bool on: chip.info.on ?? false
    readonly property color primary: palette.windowText

    implicitWidth: row.implicitWidth + 18
    implicitHeight: row.implicitHeight + 8
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    RoundedShape {
        anchors.fill: parent
        radius: 7
        color: Qt.rgba(chip.primary.r, chip.primary.g, chip.primary.b, 0.06)
    }
    RowLayout {
        id: row
        anchors.centerIn: parent
        spacing: 6
        RoundedShape {
            implicitWidth: 7
            implicitHeight: 7
            continuous: false
            radius: 3.5
            color: chip.on ? "#F5922F" : Qt.rgba(chip.primary.r, chip.primary.g, chip.primary.b, 0.62 * 0.4)
            Layout.alignment: Qt.AlignVCenter
        }
        PaneText {
            text: chip.text
            size: 12
            Accessible.ignored: true
        }
    }
}
