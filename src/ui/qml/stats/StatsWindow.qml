import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Tarnwick.Ui  // the module's C++ types

// The weekly stats window, "Tarnwick Stats", 760 × 560 at least: the week's range, four number
// tiles, the breaks per day, and a line to share; while the week has no records, an invitation
// to take the first break instead.
//
// Its creator passes one property:
//   model: the AppModel.
// The window makes its own StatsViewModel from it, so a newly opened window starts afresh (the
// button reads "Copy as text" again). Closing the window only hides it; its creator disposes of it.
Window {
    id: root
    required property AppModel model

    title: vm.windowTitle
    width: 760
    height: 560
    minimumWidth: 760
    minimumHeight: 560
    color: view.palette.window

    StatsViewModel {
        id: vm
        model: root.model
    }

    Shortcut {
        sequence: "Ctrl+W"
        onActivated: root.close()
    }

    Item {
        id: view
        // Right-to-left languages mirror the whole surface.
        LayoutMirroring.enabled: Application.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true
        anchors.fill: parent
        readonly property color primary: palette.windowText
        readonly property color secondary: Qt.rgba(primary.r, primary.g, primary.b, 0.6)

        ColumnLayout {
            x: 24
            y: 24
            width: view.width - 48
            spacing: 18

            // The header: the emblem, "This week" and the week's range.
            RowLayout {
                spacing: 12
                MarkOrb { size: 34 }
                ColumnLayout {
                    spacing: 1
                    KitText { text: vm.title; size: 20; font.weight: Font.Bold; color: view.primary }
                    KitText { objectName: "range"; text: vm.rangeText; size: 12; color: view.secondary }
                }
                Item { Layout.fillWidth: true }
            }

            // The tiles.
            RowLayout {
                visible: !vm.empty
                spacing: 12
                StatsTile {
                    objectName: "takenTile"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    title: vm.takenTitle
                    value: vm.takenValue
                    subtitle: vm.takenSubtitle
                    symbol: "eye.fill"
                    colors: Tiles.pink
                    primary: view.primary
                }
                StatsTile {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    title: vm.skippedTitle
                    value: vm.skippedValue
                    subtitle: vm.skippedSubtitle
                    symbol: "forward.fill"
                    colors: Tiles.orange
                    primary: view.primary
                }
                StatsTile {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    title: vm.heldTitle
                    value: vm.heldValue
                    subtitle: vm.heldSubtitle
                    symbol: "pause.fill"
                    colors: Tiles.purple
                    primary: view.primary
                }
                StatsTile {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    title: vm.streakTitle
                    value: vm.streakValue
                    subtitle: vm.streakSubtitle
                    symbol: "flame.fill"
                    colors: Tiles.red
                    primary: view.primary
                }
            }

            // The chart: breaks per day, skipped stacked on taken.
            StatsCard {
                visible: !vm.empty
                Layout.fillWidth: true
                implicitHeight: chart.implicitHeight + 32
                radius: 12
                color: Qt.rgba(view.primary.r, view.primary.g, view.primary.b, 0.05)

                ColumnLayout {
                    id: chart
                    x: 16
                    y: 16
                    width: parent.width - 32
                    spacing: 12

                    RowLayout {
                        spacing: 6
                        KitText { text: vm.chartTitle; size: 13; font.weight: Font.DemiBold; color: view.primary }
                        Item { Layout.fillWidth: true }
                        RoundedShape {
                            id: takenKey
                            objectName: "takenKey"
                            implicitWidth: 10
                            implicitHeight: 10
                            radius: 2
                            continuous: false
                            gradient: SunsetGradient { x2: takenKey.width; y2: takenKey.height }
                        }
                        KitText { text: vm.takenLegend; size: 11.5; color: view.secondary }
                        Item { implicitWidth: 6 }
                        RoundedShape {
                            implicitWidth: 10
                            implicitHeight: 10
                            radius: 2
                            continuous: false
                            color: Qt.rgba(view.primary.r, view.primary.g, view.primary.b, 0.18)
                        }
                        KitText { text: vm.skippedLegend; size: 11.5; color: view.secondary }
                    }

                    RowLayout {
                        id: plot
                        objectName: "plot"
                        readonly property real plotHeight: 170
                        spacing: 18
                        Layout.fillWidth: true

                        // The scale: top, half and 0, evenly spread over the plot's height.
                        Item {
                            implicitWidth: 24
                            implicitHeight: plot.plotHeight
                            Layout.alignment: Qt.AlignTop
                            KitText {
                                anchors.top: parent.top
                                text: vm.scaleLabels[0]
                                size: 10.5
                                color: view.secondary
                            }
                            KitText {
                                anchors.verticalCenter: parent.verticalCenter
                                text: vm.scaleLabels[1]
                                size: 10.5
                                color: view.secondary
                            }
                            KitText {
                                anchors.bottom: parent.bottom
                                text: vm.scaleLabels[2]
                                size: 10.5
                                color: view.secondary
                            }
                        }
                        Repeater {
                            model: vm.days
                            StatsDayColumn {
                                required property var modelData
                                Layout.fillWidth: true
                                Layout.preferredWidth: 1
                                Layout.alignment: Qt.AlignTop
                                label: modelData.label
                                takenShare: modelData.takenShare
                                skippedShare: modelData.skippedShare
                                accessibleText: modelData.accessibleText
                            }
                        }
                    }
                }
            }

            // The line to share, and the button that copies it.
            StatsCard {
                visible: !vm.empty
                Layout.fillWidth: true
                implicitHeight: share.implicitHeight + 28
                radius: 12
                color: Qt.rgba(view.primary.r, view.primary.g, view.primary.b, 0.05)

                RowLayout {
                    id: share
                    x: 14
                    y: 14
                    width: parent.width - 28
                    spacing: 12
                    KitText {
                        Layout.fillWidth: true
                        text: vm.shareText
                        size: 14
                        font.weight: Font.Medium
                        color: view.primary
                        wrapMode: Text.WordWrap
                    }
                    SunsetButton {
                        id: copyButton
                        objectName: "copy"
                        text: vm.copyText
                        onClicked: vm.copyShareText()
                        Keys.onReturnPressed: vm.copyShareText()
                        Keys.onEnterPressed: vm.copyShareText()
                        ViewFocusRing { shown: copyButton.visualFocus }
                    }
                }
            }

            // The empty week: an invitation to take the first break.
            StatsCard {
                visible: vm.empty
                Layout.fillWidth: true
                implicitHeight: invitation.implicitHeight + 56
                radius: 14
                color: Qt.rgba(view.primary.r, view.primary.g, view.primary.b, 0.04)

                ColumnLayout {
                    id: invitation
                    width: Math.min(420, parent.width - 56)
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 28
                    spacing: 12
                    MarkOrb { size: 56; Layout.alignment: Qt.AlignHCenter }
                    KitText {
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: vm.emptyTitle
                        size: 17
                        font.weight: Font.DemiBold
                        color: view.primary
                    }
                    KitText {
                        objectName: "next"
                        visible: vm.nextText !== ""
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: vm.nextText
                        size: 13
                        color: view.secondary
                    }
                    SunsetButton {
                        id: takeButton
                        objectName: "takeOne"
                        Layout.alignment: Qt.AlignHCenter
                        text: vm.takeOneText
                        onClicked: vm.takeBreak()
                        Keys.onReturnPressed: vm.takeBreak()
                        Keys.onEnterPressed: vm.takeBreak()
                        ViewFocusRing { shown: takeButton.visualFocus }
                    }
                }
            }
        }
    }
}
