import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// One screen of a break: the backdrop, the time of day, the break's title and subtitle over its
// countdown, and on the main screen the controls. The texts rise into place as it appears.
Item {
    id: screen
    required property BreakViewModel vm
    required property bool isMainScreen
    // The screen's blurred desktop picture, when it has one, and the sunset to show otherwise.
    property var wallpaper
    property bool hasWallpaper: false
    property var sunset
    property bool appeared: false

    BreakBackdrop {
        anchors.fill: parent
        image: screen.wallpaper
        sunset: screen.sunset
        useImage: screen.vm.useWallpaper && screen.hasWallpaper
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 40
        anchors.rightMargin: 40
        spacing: 0
        visible: screen.vm.visible

        Row {
            Layout.topMargin: 44
            Layout.alignment: Qt.AlignHCenter
            spacing: 6
            opacity: 0.85
            Symbol { name: "clock"; size: 15; color: "white"; anchors.verticalCenter: parent.verticalCenter }
            KitText {
                text: screen.vm.clockText
                size: 14
                font.weight: Font.DemiBold
                anchors.verticalCenter: parent.verticalCenter
            }
        }

        Item { Layout.fillHeight: true }

        Item {
            id: centre
            Layout.alignment: Qt.AlignHCenter
            implicitWidth: block.implicitWidth
            implicitHeight: block.implicitHeight
            opacity: screen.appeared ? 1 : 0
            transform: Translate {
                y: screen.appeared ? 0 : 14
                Behavior on y { NumberAnimation { duration: 700; easing.type: Easing.OutCubic } }
            }
            Behavior on opacity { NumberAnimation { duration: 700; easing.type: Easing.OutCubic } }

            // A soft darkening under the texts keeps them legible over any picture.
            Shadow {
                x: -blur
                y: 4 - blur
                width: block.width + 2 * blur
                height: block.height + 2 * blur
                blur: 110
                cornerRadius: Math.min(block.width, block.height) / 2
                color: Qt.rgba(0, 0, 0, 0.2)
            }
            Column {
                id: block
                spacing: 14
                KitText {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: screen.vm.title
                    size: 56
                    font.weight: Font.Bold
                    horizontalAlignment: Text.AlignHCenter
                }
                KitText {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: Math.min(implicitWidth, 620)
                    text: screen.vm.subtitle
                    size: 19
                    font.weight: Font.Medium
                    color: Qt.rgba(1, 1, 1, 0.82)
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignHCenter
                }
                Item {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 64
                    height: 42
                    Rectangle {
                        anchors.centerIn: parent
                        width: 64
                        height: 2
                        radius: 1
                        color: Qt.rgba(1, 1, 1, 0.35)
                    }
                }
                RollingText {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: screen.vm.countdownText
                    size: 66
                    weight: Font.DemiBold
                    color: Theme.countdown
                }
            }
        }

        Item { Layout.fillHeight: true }

        // The controls show on the main screen only; the other screens keep their room empty, so
        // the centre block sits at the same height on every screen. Hidden, not just clear, they
        // are not in the accessibility tree either: a screen reader finds one set of controls.
        Item {
            Layout.alignment: Qt.AlignHCenter
            Layout.bottomMargin: 52
            implicitWidth: controls.implicitWidth
            implicitHeight: controls.implicitHeight
            BreakControls {
                id: controls
                vm: screen.vm
                visible: screen.isMainScreen
                opacity: screen.appeared ? 1 : 0
                Behavior on opacity { NumberAnimation { duration: 700; easing.type: Easing.OutCubic } }
            }
        }
    }

    // The entrance: after a tenth of a second the texts fade in and rise into place.
    Timer {
        interval: 100
        running: true
        onTriggered: screen.appeared = true
    }
}
