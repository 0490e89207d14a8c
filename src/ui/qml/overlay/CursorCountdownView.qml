import QtQuick
import Tarnwick.Ui  // the module's C++ types

// The pill beside the pointer in the last seconds before a break.
Item {
    id: pill
    required property HeadsUpViewModel vm
    property bool composited: Compositor.active
    readonly property color tint: "#1C1A2B"
    readonly property rect card: Qt.rect(capsule.x, capsule.y, capsule.width, capsule.height)
    readonly property real cardRadius: capsule.height / 2

    implicitWidth: 240
    implicitHeight: 52
    visible: vm.visible

    RoundedShape {
        id: capsule
        x: 10
        y: 10
        width: row.implicitWidth + 18
        height: row.implicitHeight + 12
        continuous: false
        radius: height / 2
        color: pill.composited ? Theme.materialTranslucent : Theme.materialOpaque
        RoundedShape {
            anchors.fill: parent
            continuous: false
            radius: parent.radius
            color: Qt.rgba(pill.tint.r, pill.tint.g, pill.tint.b, 0.6)
            borderWidth: 1
            borderColor: Theme.glassStroke
        }
        Row {
            id: row
            x: 6
            anchors.verticalCenter: parent.verticalCenter
            spacing: 7
            MarkOrb { size: 18; anchors.verticalCenter: parent.verticalCenter }
            RollingText {
                anchors.verticalCenter: parent.verticalCenter
                text: pill.vm.pointerText
                size: 13
                weight: Font.DemiBold
            }
        }
    }
}
