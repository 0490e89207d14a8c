import QtQuick
import QtTest
import Tarnwick.Ui
import Tarnwick.Test

// A countdown rolls only the characters that change.
Item {
    id: root
    width: 300
    height: 120

    Component { id: rollingComponent; RollingText { size: 40; color: "white" } }
    Rectangle { anchors.fill: parent; color: "black" }

    TestCase {
        name: "RollingText"
        when: windowShown

        // Whether two pictures differ anywhere in the columns of device pixels from `fromX` to `toX`.
        function differs(a, b, fromX, toX) {
            for (let x = fromX; x < toX; ++x)
                for (let y = 0; y < a.height; ++y)
                    if (!Qt.colorEqual(a.pixel(x, y), b.pixel(x, y))) return true
            return false
        }

        function test_theUnchangedBeginningStaysStill() {
            const rolling = createTemporaryObject(rollingComponent, root, { text: "00:19" })
            tryCompare(rolling, "progress", 1)
            waitForRendering(rolling)
            const before = DevicePixels.grab(rolling)
            rolling.text = "00:18"
            tryVerify(() => rolling.progress > 0.15 && rolling.progress < 0.85, 1000, "mid-roll")
            waitForRendering(rolling)
            const during = DevicePixels.grab(rolling)
            compare(rolling.Accessible.name, "00:18")
            // "00:" and the 1 stay where they were; only the last digit moves.
            const width = Math.min(before.width, during.width)
            verify(!differs(before, during, 0, Math.floor(width * 0.55)), "the beginning moved")
            verify(differs(before, during, Math.floor(width * 0.82), width), "the last digit did not roll")
        }

        function test_aTextOfAnotherLengthRollsWhole() {
            const rolling = createTemporaryObject(rollingComponent, root, { text: "10:00" })
            tryCompare(rolling, "progress", 1)
            waitForRendering(rolling)
            const before = DevicePixels.grab(rolling)
            rolling.text = "9:59"
            tryVerify(() => rolling.progress > 0.15 && rolling.progress < 0.85, 1000, "mid-roll")
            waitForRendering(rolling)
            verify(differs(before, DevicePixels.grab(rolling), 0, Math.floor(before.width * 0.3)))
            tryCompare(rolling, "progress", 1)
            compare(rolling.implicitWidth > 0, true)
        }
    }
}
