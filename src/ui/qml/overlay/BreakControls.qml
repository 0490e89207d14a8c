import QtQuick
import Tarnwick.Ui  // the module's C++ types

// Under the break on the main screen: skip (or how long until it can), lock the screen, and how
// many skips are left.
Column {
    id: controls
    required property BreakViewModel vm
    spacing: 12

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 10

        // Not a button: skipping opens once the wait is over.
        RoundedShape {
            visible: controls.vm.waitText !== ""
            width: waitRow.implicitWidth + 28
            height: waitRow.implicitHeight + 16
            continuous: false
            radius: height / 2
            color: Qt.rgba(1, 1, 1, 0.05)
            borderWidth: 1
            borderColor: Qt.rgba(1, 1, 1, 0.084)
            Accessible.role: Accessible.StaticText
            Accessible.name: controls.vm.waitText
            Row {
                id: waitRow
                anchors.centerIn: parent
                spacing: 6
                opacity: 0.55
                Symbol { name: "hourglass"; size: 14; color: "white"; anchors.verticalCenter: parent.verticalCenter }
                KitText {
                    text: controls.vm.waitText
                    size: 13
                    font.weight: Font.DemiBold
                    anchors.verticalCenter: parent.verticalCenter
                    Accessible.ignored: true
                }
            }
        }
        GlassButton {
            visible: controls.vm.canSkip
            text: qsTr("Skip Break")
            symbol: "forward.fill"
            onClicked: controls.vm.skip()
        }
        GlassButton {
            text: qsTr("Lock Screen")
            symbol: "lock.fill"
            onClicked: controls.vm.lockScreen()
        }
    }

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 5
        opacity: 0.6
        KitText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: controls.vm.hintText
            size: 12
        }
        Row {
            visible: controls.vm.showEscapeHint
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 4
            // One sentence around the key; a language may put the key first or last.
            KitText { text: controls.vm.pressText; visible: text !== ""; size: 12; anchors.verticalCenter: parent.verticalCenter }
            KeyCap { label: controls.vm.escKey; anchors.verticalCenter: parent.verticalCenter }
            KitText { text: controls.vm.twiceText; visible: text !== ""; size: 12; anchors.verticalCenter: parent.verticalCenter }
        }
    }
}
