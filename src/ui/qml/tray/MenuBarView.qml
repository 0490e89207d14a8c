import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Tarnwick.Ui  // the module's C++ types

// The tray panel: where the schedule stands, the immediate commands, today's tally, and the way
// to the stats, the settings and quitting. 304 wide.
Item {
    id: view
    required property MenuBarViewModel vm
    property color primary: palette.windowText
    signal settingsRequested()
    signal statsRequested()

    implicitWidth: 304
    implicitHeight: column.implicitHeight + 32

    ColumnLayout {
        id: column
        x: 16
        y: 16
        width: 272
        spacing: 14

        // Header: the emblem, where things stand, and how far to the next break. A value longer
        // than the room beside the emblem (a held break's reason, in some languages) is drawn
        // smaller.
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 10
            RowLayout {
                Layout.fillWidth: true
                spacing: 12
                MarkOrb { objectName: "emblem"; size: 40 }
                ColumnLayout {
                    id: headline
                    Layout.fillWidth: true
                    spacing: 1
                    KitText {
                        Layout.fillWidth: true
                        text: view.vm.label
                        size: 12
                        color: view.primary
                        opacity: 0.6
                        wrapMode: Text.WordWrap
                    }
                    // The whole width of the column: a value that grows (a longer countdown, the
                        // reason of a hold) has its room at once.
                    RollingText {
                        Layout.fillWidth: true
                        text: view.vm.value
                        size: Math.max(16, Math.min(25, 25 * 0.94 * headline.width / Math.max(1, valueWidth.advanceWidth)))
                        weight: Font.Bold
                        color: view.primary
                        TextMetrics {
                            id: valueWidth
                            text: view.vm.value
                            font.family: Fonts.family
                            font.weight: Font.Bold
                            font.pointSize: 25 * 72 / (Screen.logicalPixelDensity * 25.4)
                        }
                    }
                }
            }
            RoundedShape {
                visible: view.vm.showProgress
                Layout.fillWidth: true
                implicitHeight: 6
                continuous: false
                radius: 3
                color: Qt.rgba(view.primary.r, view.primary.g, view.primary.b, 0.08)
                Accessible.role: Accessible.ProgressBar
                Accessible.name: view.vm.label
                RoundedShape {
                    objectName: "progressFill"
                    height: parent.height
                    // From the reading side: the left, or the right in a mirrored layout.
                    anchors.left: parent.left
                    width: Math.max(6, parent.width * view.vm.progress)
                    continuous: false
                    radius: 3
                    gradient: SunsetGradient { x2: 272; y2: 6 }
                    Behavior on width { NumberAnimation { duration: 1000; easing.type: Easing.Linear } }
                }
            }
            KitText {
                visible: view.vm.detail !== ""
                Layout.fillWidth: true
                text: view.vm.detail
                size: 12
                color: view.primary
                opacity: 0.6
                wrapMode: Text.WordWrap
            }
        }

        // The immediate commands.
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 8
            RowLayout {
                Layout.fillWidth: true
                spacing: 8
                ActionTile {
                    objectName: "firstTile"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    text: view.vm.firstTileTitle
                    symbol: view.vm.firstTileSymbol
                    colors: Tiles.pink
                    primary: view.primary
                    onClicked: view.vm.firstTile()
                }
                ActionTile {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    text: view.vm.longTileTitle
                    symbol: view.vm.longTileSymbol
                    colors: Tiles.orange
                    primary: view.primary
                    onClicked: view.vm.longBreak()
                }
            }
            SunsetButton {
                objectName: "resume"
                visible: view.vm.paused
                Layout.fillWidth: true
                text: view.vm.resumeText
                symbol: "play.fill"
                onClicked: view.vm.resume()
            }
            // The pause chips beside their caption, or under it where a language's words leave
            // no room beside it, wrapping onto a second line where even that is not enough.
            GridLayout {
                id: pauseRow
                visible: !view.vm.paused
                Layout.fillWidth: true
                readonly property real chipsWidth: chip0.implicitWidth + chip1.implicitWidth + chip2.implicitWidth + 12
                columns: pauseCaption.implicitWidth + 12 + chipsWidth > width ? 1 : 2
                columnSpacing: 6
                rowSpacing: 6
                KitText {
                    id: pauseCaption
                    Layout.fillWidth: true
                    text: view.vm.pauseText
                    size: 12
                    color: view.primary
                    opacity: 0.6
                    wrapMode: Text.WordWrap
                }
                Flow {
                    Layout.alignment: Qt.AlignRight
                    Layout.fillWidth: pauseRow.columns === 1
                    Layout.preferredWidth: pauseRow.chipsWidth
                    spacing: 6
                    PauseChip { id: chip0; objectName: "pause30"; text: view.vm.pauseChips[0]; primary: view.primary; onClicked: view.vm.pauseChip(0) }
                    PauseChip { id: chip1; text: view.vm.pauseChips[1]; primary: view.primary; onClicked: view.vm.pauseChip(1) }
                    PauseChip { id: chip2; text: view.vm.pauseChips[2]; primary: view.primary; onClicked: view.vm.pauseChip(2) }
                }
            }
        }

        // Today's tally.
        RoundedShape {
            objectName: "today"
            Layout.fillWidth: true
            implicitHeight: tally.implicitHeight + 16
            radius: 10
            color: Qt.rgba(view.primary.r, view.primary.g, view.primary.b, 0.05)
            RowLayout {
                id: tally
                anchors.fill: parent
                anchors.topMargin: 8
                anchors.bottomMargin: 8
                spacing: 0
                TallyCell { number: view.vm.todayTaken; caption: view.vm.takenCaption; primary: view.primary }
                Rectangle { implicitWidth: 1; implicitHeight: 26; color: Qt.rgba(view.primary.r, view.primary.g, view.primary.b, 0.15) }
                TallyCell { number: view.vm.todaySkipped; caption: view.vm.skippedCaption; primary: view.primary }
                Rectangle { implicitWidth: 1; implicitHeight: 26; color: Qt.rgba(view.primary.r, view.primary.g, view.primary.b, 0.15) }
                TallyCell { number: view.vm.streak; caption: view.vm.streakCaption; primary: view.primary }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: Qt.rgba(view.primary.r, view.primary.g, view.primary.b, 0.12)
        }

        // The footer's words step their font down where a language's are longer than the room.
        RowLayout {
            Layout.fillWidth: true
            spacing: 4
            FooterButton { text: view.vm.statsTitle; symbol: "chart.bar.fill"; primary: view.primary; onClicked: view.statsRequested() }
            FooterButton { text: view.vm.settingsTitle; symbol: "gearshape.fill"; primary: view.primary; onClicked: view.settingsRequested() }
            Item { Layout.fillWidth: true; Layout.minimumWidth: 0 }
            FooterButton { text: view.vm.quitTitle; symbol: "power"; primary: view.primary; onClicked: Qt.quit() }
        }
    }
}
