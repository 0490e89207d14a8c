import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// The card that announces a break: a dial running down to it, what comes, and ways to start it
// now or push it back. 392 wide, with a clear margin of 20 around it.
Item {
    id: headsUp
    required property HeadsUpViewModel vm
    property bool composited: Compositor.active
    readonly property color tint: "#1C1A2B"
    // The card within the item, for shaping the window where nothing can be translucent.
    readonly property rect card: Qt.rect(background.x, background.y, background.width, background.height)
    readonly property real cardRadius: 20

    implicitWidth: 432
    implicitHeight: background.height + 40
    visible: vm.visible

    // Only where the clear margin around the card can show it.
    Shadow {
        visible: headsUp.composited
        x: background.x - blur
        y: background.y + 8 - blur
        width: background.width + 2 * blur
        height: background.height + 2 * blur
        blur: 20
        cornerRadius: headsUp.cardRadius
        color: Qt.rgba(0, 0, 0, 0.35)
    }
    RoundedShape {
        id: background
        objectName: "cardShape"
        x: 20
        y: 20
        width: 392
        height: content.implicitHeight + 32
        radius: headsUp.cardRadius
        color: headsUp.composited ? Theme.materialTranslucent : Theme.materialOpaque
    }
    RoundedShape {
        anchors.fill: background
        radius: headsUp.cardRadius
        color: Qt.rgba(headsUp.tint.r, headsUp.tint.g, headsUp.tint.b, 0.55)
        borderColor: Theme.glassStroke
        borderWidth: 1
    }

    ColumnLayout {
        id: content
        anchors.fill: background
        anchors.margins: 16
        spacing: 12

        RowLayout {
            spacing: 12
            DialIcon {
                objectName: "dial"
                size: 36
                progress: headsUp.vm.progress
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 2
                RollingText {
                    Layout.fillWidth: true
                    text: headsUp.vm.bigText
                    size: 20
                    weight: Font.Bold
                }
                KitText {
                    Layout.fillWidth: true
                    fit: true
                    text: headsUp.vm.smallText
                    size: 12.5
                    color: Qt.rgba(1, 1, 1, 0.7)
                }
            }
            CloseButton {
                visible: headsUp.vm.showClose
                label: headsUp.vm.closeLabel
                Layout.alignment: Qt.AlignTop
                onClicked: headsUp.vm.skip()
            }
        }

        Row {
            id: actions
            // The buttons keep their 14 of side padding where the font leaves room, and give some of
            // it up where a wider font would push the last one past the card's edge.
            readonly property real labels: start.implicitContentWidth + later1.implicitContentWidth
                                           + later2.implicitContentWidth + later3.implicitContentWidth
            readonly property real sidePadding: Math.max(4, Math.min(14, (content.width - labels - 3 * spacing) / 8))
            // Labels too long for the card at the full size (some languages' are) are drawn smaller,
            // down to 10.5, so that every button keeps its whole word.
            readonly property real fullLabels: startWidth.advanceWidth + later1Width.advanceWidth
                                               + later2Width.advanceWidth + later3Width.advanceWidth
            // Each button takes its label, 12 for its label's layout, at least 8 of padding and a
            // little to spare for the rounding of glyph widths.
            readonly property real textSize: Math.max(10.5, Math.min(13, 13 * (content.width - 3 * spacing - 4 * 24) / Math.max(1, fullLabels)))
            TextMetrics { id: startWidth; text: start.text; font: labelFont.font }
            TextMetrics { id: later1Width; text: later1.text; font: labelFont.font }
            TextMetrics { id: later2Width; text: later2.text; font: labelFont.font }
            TextMetrics { id: later3Width; text: later3.text; font: labelFont.font }
            KitText { id: labelFont; visible: false; size: 13; font.weight: Font.DemiBold }
            spacing: 6
            GlassButton {
                id: start
                // What the later buttons leave; a label longer than that even at the smallest size
                // takes a second line.
                width: Math.min(implicitWidth, content.width - later1.width - later2.width - later3.width - 3 * actions.spacing)
                leftPadding: actions.sidePadding
                rightPadding: actions.sidePadding
                textSize: actions.textSize
                text: headsUp.vm.startNowText
                prominent: true
                composited: headsUp.composited
                onClicked: headsUp.vm.startNow()
            }
            GlassButton {
                id: later1
                leftPadding: actions.sidePadding
                rightPadding: actions.sidePadding
                textSize: actions.textSize
                text: headsUp.vm.snoozeLabels[0]
                composited: headsUp.composited
                onClicked: headsUp.vm.snooze(headsUp.vm.snoozeMinutes[0])
            }
            GlassButton {
                id: later2
                leftPadding: actions.sidePadding
                rightPadding: actions.sidePadding
                textSize: actions.textSize
                text: headsUp.vm.snoozeLabels[1]
                composited: headsUp.composited
                onClicked: headsUp.vm.snooze(headsUp.vm.snoozeMinutes[1])
            }
            GlassButton {
                id: later3
                leftPadding: actions.sidePadding
                rightPadding: actions.sidePadding
                textSize: actions.textSize
                text: headsUp.vm.snoozeLabels[2]
                composited: headsUp.composited
                onClicked: headsUp.vm.snooze(headsUp.vm.snoozeMinutes[2])
            }
        }
    }
}
