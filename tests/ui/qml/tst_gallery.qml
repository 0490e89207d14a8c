import QtQuick
import QtTest
import Tarnwick.Ui
import Tarnwick.Test

// Every primitive, both button styles at rest and pressed, on translucent and opaque material,
// and every symbol, drawn into one picture for a person to look at.
Rectangle {
    id: root
    width: 1120
    height: 620
    color: "#2B2140"

    Column {
        id: gallery
        x: 24
        y: 24
        spacing: 22

        Row {
            spacing: 28
            Orb { size: 20 }
            Orb { size: 48 }
            MarkOrb { size: 76 }
            MarkOrb { size: 100 }
            HorizonMark { width: 48; height: 48; lineWidth: 3.6 }
            DialIcon { size: 36; progress: 0.0 }
            DialIcon { size: 36; progress: 0.3 }
            DialIcon { size: 36; progress: 0.75 }
            DialIcon { size: 64; progress: 1.4 }
            Wedge { width: 40; height: 40; fraction: 0.6 }
        }

        Row {
            spacing: 14
            IconTile { size: 20; symbol: "gearshape.fill"; colors: Tiles.gray }
            IconTile { size: 22; symbol: "eye.fill"; colors: Tiles.pink }
            IconTile { size: 24; symbol: "pause.fill"; colors: Tiles.purple }
            IconTile { size: 32; symbol: "heart.fill"; colors: Tiles.red }
            IconTile { size: 40; symbol: "photo.fill"; colors: Tiles.orange }
            IconTile { size: 48; symbol: "hand.raised.fill"; colors: Tiles.blue }
            IconTile { size: 56; symbol: "info"; colors: Tiles.yellow }
            IconTile { size: 64; symbol: "figure.stand"; colors: Tiles.green }
            KeyCap { label: "Ctrl"; anchors.verticalCenter: parent.verticalCenter }
            KeyCap { label: "Alt"; anchors.verticalCenter: parent.verticalCenter }
            KeyCap { label: "B"; anchors.verticalCenter: parent.verticalCenter }
            KeyCap { label: "esc"; anchors.verticalCenter: parent.verticalCenter }
            KitSwitch { text: "Typing"; checked: true; textColor: "white"; anchors.verticalCenter: parent.verticalCenter }
            KitSwitch { text: "Off"; textColor: "white"; anchors.verticalCenter: parent.verticalCenter }
        }

        Repeater {
            model: [true, false]
            Row {
                id: buttonRow
                required property bool modelData
                spacing: 12
                KitText { text: buttonRow.modelData ? "translucent" : "opaque"; size: 11; opacity: 0.6; width: 74; anchors.verticalCenter: parent.verticalCenter }
                GlassButton { text: "Skip Break"; symbol: "forward.fill"; composited: buttonRow.modelData }
                GlassButton { text: "Skip Break"; symbol: "forward.fill"; composited: buttonRow.modelData; down: true }
                GlassButton { text: "Lock Screen"; symbol: "lock.fill"; prominent: true; composited: buttonRow.modelData }
                GlassButton { text: "Lock Screen"; symbol: "lock.fill"; prominent: true; composited: buttonRow.modelData; down: true }
                SunsetButton { text: "Resume breaks"; symbol: "play.fill" }
                SunsetButton { text: "Resume breaks"; symbol: "play.fill"; down: true }
            }
        }

        Flow {
            width: 1070
            spacing: 10
            Repeater {
                model: Symbols.names
                Row {
                    id: entry
                    required property string modelData
                    width: 178
                    spacing: 6
                    Symbol { name: entry.modelData; size: 18; color: "white" }
                    KitText { text: entry.modelData; size: 11; color: Theme.countdown; anchors.verticalCenter: parent.verticalCenter }
                }
            }
        }
    }

    TestCase {
        name: "Gallery"
        when: windowShown

        function test_drawsEveryPrimitiveIntoOnePicture() {
            waitForRendering(gallery)
            const image = DevicePixels.grab(root)
            compare([image.width, image.height], [Math.round(root.width * image.ratio), Math.round(root.height * image.ratio)])
            image.save(Screenshots.path("gallery.png"))
        }
    }
}
