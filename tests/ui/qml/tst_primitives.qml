import QtQuick
import QtTest
import Tarnwick.Ui

// The drawing primitives, checked by sampling the pixels they put on screen.
Item {
    id: root
    width: 400
    height: 300

    Component { id: dialComponent; DialIcon {} }
    Component { id: orbComponent; Orb {} }
    Component { id: symbolComponent; Symbol {} }
    Component { id: tileComponent; IconTile {} }
    Component { id: switchComponent; KitSwitch {} }
    Component { id: textComponent; KitText {} }
    Component { id: keyCapComponent; KeyCap {} }
    Component { id: glassComponent; GlassButton {} }
    Component { id: sunsetComponent; SunsetButton {} }

    function isWhite(image, x, y) {
        return image.red(x, y) > 215 && image.green(x, y) > 215 && image.blue(x, y) > 215
    }

    TestCase {
        name: "DialIcon"
        when: windowShown

        // A point at `radius` from the dial's centre, `degrees` clockwise from twelve o'clock.
        function point(size, radius, degrees) {
            const a = degrees * Math.PI / 180
            return { x: Math.round(size / 2 + radius * Math.sin(a)), y: Math.round(size / 2 - radius * Math.cos(a)) }
        }

        function test_progressIsClampedToEmptyAndFull_data() {
            return [
                { tag: "1.4 is a full disc", progress: 1.4, filled: true },
                { tag: "1.0 is a full disc", progress: 1.0, filled: true },
                { tag: "0 is empty", progress: 0, filled: false },
                { tag: "-0.2 is empty", progress: -0.2, filled: false },
            ]
        }
        function test_progressIsClampedToEmptyAndFull(data) {
            const dial = createTemporaryObject(dialComponent, root, { size: 100, progress: data.progress })
            waitForRendering(dial)
            const image = grabImage(dial)
            for (let degrees = 10; degrees < 360; degrees += 40) {
                const p = point(100, 26, degrees)
                compare(isWhite(image, p.x, p.y), data.filled, "at " + degrees + " degrees")
            }
        }

        function test_wedgeGrowsClockwiseFromTwelve_data() {
            return [
                { tag: "0.2 stops short of three o'clock", progress: 0.2, threeOClock: false },
                { tag: "0.3 passes three o'clock", progress: 0.3, threeOClock: true },
            ]
        }
        function test_wedgeGrowsClockwiseFromTwelve(data) {
            const dial = createTemporaryObject(dialComponent, root, { size: 100, progress: data.progress })
            waitForRendering(dial)
            const image = grabImage(dial)
            const justAfterTwelve = point(100, 26, 8), threeOClock = point(100, 26, 90), nineOClock = point(100, 26, 270)
            verify(isWhite(image, justAfterTwelve.x, justAfterTwelve.y), "filled just after twelve")
            compare(isWhite(image, threeOClock.x, threeOClock.y), data.threeOClock, "three o'clock")
            verify(!isWhite(image, nineOClock.x, nineOClock.y), "empty at nine o'clock")
        }

        function test_aNewProgressSweepsOverOneSecond() {
            const dial = createTemporaryObject(dialComponent, root, { size: 100, progress: 0 })
            waitForRendering(dial)
            dial.progress = 0.3
            wait(350)
            const early = grabImage(dial)
            const threeOClock = point(100, 26, 90)
            verify(!isWhite(early, threeOClock.x, threeOClock.y), "not there a third of a second in")
            tryVerify(function() { return isWhite(grabImage(dial), threeOClock.x, threeOClock.y) }, 1500)
        }
    }

    TestCase {
        name: "Orb"
        when: windowShown

        // Rows at the bottom of the disc, below the highlight, that the white rim brightens.
        function rimRows(size) {
            const orb = createTemporaryObject(orbComponent, root, { size: size, x: 20, y: 20 })
            waitForRendering(orb)
            const image = grabImage(orb)
            const x = size / 2, inside = image.blue(x, size - 5)
            let rows = 0
            for (let y = size - 1; y > size - 6; --y) {
                if (image.blue(x, y) - inside > 15) ++rows
                else break
            }
            return rows
        }

        function test_rimIsTwoHundredthsOfTheSizeAndAtLeastOnePixel_data() {
            return [
                { tag: "size 20", size: 20, rows: 1 },
                { tag: "size 50", size: 50, rows: 1 },
                { tag: "size 100", size: 100, rows: 2 },
                { tag: "size 150", size: 150, rows: 3 },
            ]
        }
        function test_rimIsTwoHundredthsOfTheSizeAndAtLeastOnePixel(data) {
            compare(rimRows(data.size), data.rows)
        }
    }

    TestCase {
        name: "IconTile"
        when: windowShown

        function near(image, x, y, expected) {
            return Math.abs(image.red(x, y) - expected.r * 255) < 12
                && Math.abs(image.green(x, y) - expected.g * 255) < 12
                && Math.abs(image.blue(x, y) - expected.b * 255) < 12
        }

        function test_gradientRunsTopToBottomInsideRoundedCorners() {
            const tile = createTemporaryObject(tileComponent, root, { size: 64, colors: Tiles.green, symbol: "" })
            waitForRendering(tile)
            const image = grabImage(tile)
            verify(near(image, 32, 1, Qt.color(Tiles.green[0])), "top colour at the top")
            verify(near(image, 32, 62, Qt.color(Tiles.green[1])), "bottom colour at the bottom")
            verify(near(image, 1, 32, Qt.color("#5EC27F")), "halfway between them at the middle")
            verify(!near(image, 1, 1, Qt.color(Tiles.green[0])), "the corner is cut away")
        }
    }

    TestCase {
        name: "Symbol"
        when: windowShown

        function inkedPixels(name) {
            const symbol = createTemporaryObject(symbolComponent, root, { name: name, size: 24, color: "black" })
            waitForRendering(symbol)
            const image = grabImage(symbol)
            let count = 0
            for (let y = 0; y < 24; ++y)
                for (let x = 0; x < 24; ++x)
                    if (image.red(x, y) < 128) ++count
            return count
        }

        function test_everySymbolOfTheTableIsDrawnInItsColour() {
            for (const name of Symbols.names)
                verify(inkedPixels(name) > 12, name + " draws")
        }

        function test_anUnknownNameDrawsNothing() {
            compare(inkedPixels("no.such.symbol"), 0)
            compare(inkedPixels(""), 0)
        }
    }

    TestCase {
        name: "Buttons"
        when: windowShown

        function test_pressedButtonsDimAndTheGlassOneShrinks_data() {
            return [
                { tag: "glass", component: glassComponent, pressed: [0.7, 0.97] },
                { tag: "sunset", component: sunsetComponent, pressed: [0.85, 1] },
            ]
        }
        function test_pressedButtonsDimAndTheGlassOneShrinks(data) {
            const button = createTemporaryObject(data.component, root, { text: "Lock Screen" })
            compare([button.opacity, button.scale], [1, 1])
            mousePress(button)
            compare([button.opacity, button.scale], data.pressed)
            mouseRelease(button)
            compare([button.opacity, button.scale], [1, 1])
        }

        function test_buttonsAreReadAndPressedByTheirText() {
            const glass = createTemporaryObject(glassComponent, root, { text: "Skip Break", symbol: "forward.fill" })
            compare(glass.Accessible.role, Accessible.Button)
            compare(glass.Accessible.name, "Skip Break")
            let clicks = 0
            glass.clicked.connect(function() { ++clicks })
            glass.forceActiveFocus()
            keyClick(Qt.Key_Space)
            compare(clicks, 1, "the space bar presses a focused button")
        }

        function test_everyPrimitiveIsReadUnderItsVisibleText_data() {
            return [
                { tag: "text", component: textComponent, properties: { text: "Next eye break in" }, role: Accessible.StaticText, name: "Next eye break in" },
                { tag: "key cap", component: keyCapComponent, properties: { label: "Ctrl" }, role: Accessible.StaticText, name: "Ctrl" },
                { tag: "switch", component: switchComponent, properties: { text: "Start Tarnwick when I log in" }, role: Accessible.CheckBox, name: "Start Tarnwick when I log in" },
                { tag: "sunset button", component: sunsetComponent, properties: { text: "Resume breaks" }, role: Accessible.Button, name: "Resume breaks" },
            ]
        }
        function test_everyPrimitiveIsReadUnderItsVisibleText(data) {
            const item = createTemporaryObject(data.component, root, data.properties)
            compare(item.Accessible.role, data.role)
            compare(item.Accessible.name, data.name)
        }

        function test_theSpaceBarTogglesAFocusedSwitch() {
            const toggle = createTemporaryObject(switchComponent, root, { text: "Typing" })
            toggle.forceActiveFocus()
            keyClick(Qt.Key_Space)
            verify(toggle.checked)
            compare(toggle.Accessible.checked, true)
            keyClick(Qt.Key_Space)
            verify(!toggle.checked)
        }

        function test_paddingFollowsTheStyle() {
            const glass = createTemporaryObject(glassComponent, root, { text: "Snooze" })
            const sunset = createTemporaryObject(sunsetComponent, root, { text: "Snooze" })
            compare(glass.implicitWidth - glass.implicitContentWidth, 28)
            compare(glass.implicitHeight - glass.implicitContentHeight, 16)
            compare(sunset.implicitWidth - sunset.implicitContentWidth, 36)
            compare(sunset.implicitHeight - sunset.implicitContentHeight, 18)
        }
    }
}
