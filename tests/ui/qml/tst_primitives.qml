import QtQuick
import QtTest
import Tarnwick.Ui
import Tarnwick.Test

// The drawing primitives, checked by sampling the pixels they put on screen. Positions are in
// points and read at the window's device pixels, so every check holds at any pixel ratio.
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
    Component { id: roundedComponent; RoundedShape {} }
    Component { id: wedgeComponent; Wedge {} }
    Component { id: markComponent; HorizonMark {} }
    Component { id: markOrbComponent; MarkOrb {} }

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
            const image = DevicePixels.grab(dial)
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
            const image = DevicePixels.grab(dial)
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
            const early = DevicePixels.grab(dial)
            const threeOClock = point(100, 26, 90)
            verify(!isWhite(early, threeOClock.x, threeOClock.y), "not there a third of a second in")
            tryVerify(function() { return isWhite(DevicePixels.grab(dial), threeOClock.x, threeOClock.y) }, 1500)
        }
    }

    TestCase {
        name: "Orb"
        when: windowShown

        // Rows at the bottom of the disc, below the highlight, that the white rim brightens.
        function rimRows(size) {
            const orb = createTemporaryObject(orbComponent, root, { size: size, x: 20, y: 20 })
            waitForRendering(orb)
            const image = DevicePixels.grab(orb)
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
            const image = DevicePixels.grab(tile)
            verify(near(image, 32, 1, Qt.color(Tiles.green[0])), "top colour at the top")
            verify(near(image, 32, 62, Qt.color(Tiles.green[1])), "bottom colour at the bottom")
            verify(near(image, 1, 32, Qt.color("#5EC27F")), "halfway between them at the middle")
            verify(!near(image, 1, 1, Qt.color(Tiles.green[0])), "the corner is cut away")
        }
    }

    // Every shape of the kit covers the pixels its geometry gives it, antialiased at the window's
    // device pixels: these run at each pixel ratio the tests are started with.
    TestCase {
        name: "Coverage"
        when: windowShown

        readonly property color paper: "white"
        readonly property string ink: "#3B7FE0"

        // The largest channel difference, 0 to 255; colours may be given by name.
        function distance(a, b) {
            const c = Qt.color("" + a), d = Qt.color("" + b)
            return Math.max(Math.abs(c.r - d.r), Math.abs(c.g - d.g), Math.abs(c.b - d.b)) * 255
        }
        // Neither the background nor the fill: a pixel the edge crosses.
        function partial(c, fill) {
            return distance(c, paper) > 24 && distance(c, fill) > 24
        }

        function test_eachShapeFillsWhereItsGeometrySays_data() {
            // Points in points from the shape's top-left corner, inside it (in the fill or the
            // colour given with the point) and outside it.
            return [
                { tag: "rounded rectangle", component: roundedComponent, fill: ink,
                  properties: { width: 80, height: 50, radius: 12, color: ink },
                  inside: [[40, 25], [2, 25], [40, 2], [77, 25]], outside: [[0, 0], [79, 0], [0, 49], [79, 49]] },
                { tag: "capsule", component: roundedComponent, fill: ink,
                  properties: { width: 80, height: 30, radius: 15, continuous: false, color: ink },
                  inside: [[40, 15], [2, 15], [78, 15]], outside: [[1, 1], [78, 28]] },
                { tag: "gradient tile", component: tileComponent, fill: "#5EC27F",
                  properties: { size: 64, colors: Tiles.green, symbol: "" },
                  inside: [[32, 32], [2, 32], [62, 32]], outside: [[0, 0], [63, 63]] },
                { tag: "wedge of a quarter", component: wedgeComponent, fill: ink,
                  properties: { width: 80, height: 80, fraction: 0.25, color: ink },
                  inside: [[60, 20], [42, 4], [76, 38]], outside: [[20, 20], [20, 60], [60, 60]] },
                { tag: "wedge of three quarters", component: wedgeComponent, fill: ink,
                  properties: { width: 80, height: 80, fraction: 0.75, color: ink },
                  inside: [[60, 20], [60, 60], [20, 60]], outside: [[20, 20], [38, 4]] },
                { tag: "full wedge", component: wedgeComponent, fill: ink,
                  properties: { width: 80, height: 80, fraction: 1, color: ink },
                  inside: [[20, 20], [60, 20], [60, 60], [20, 60]], outside: [[2, 2], [77, 77]] },
                // The arch peaks at 0.34 of the height in the middle; the horizon lies at 0.76.
                { tag: "horizon mark", component: markComponent, fill: ink,
                  properties: { width: 100, height: 100, lineWidth: 6, color: ink },
                  inside: [[50, 34], [40, 76], [60, 76], [12, 60]], outside: [[50, 50], [50, 20], [20, 76], [50, 90]] },
                // The sunset under the fading highlight, and the mark in white; its shadow lies
                // all around, so nothing outside is clear.
                { tag: "emblem", component: markOrbComponent, fill: "white",
                  properties: { size: 100 },
                  inside: [[50, 52, "#F27DA6"], [50, 90, "#F37E80"], [20, 60, "#E878B6"], [50, 68], [50, 42]], outside: [] },
            ]
        }
        function test_eachShapeFillsWhereItsGeometrySays(data) {
            const shape = createTemporaryObject(data.component, root, Object.assign({ x: 30.5, y: 20.5 }, data.properties))
            waitForRendering(shape)
            const image = DevicePixels.grab(shape)
            compare([image.width, image.height], [Math.round(shape.width * image.ratio), Math.round(shape.height * image.ratio)],
                    "the picture has the window's device pixels")
            for (const p of data.inside)
                verify(distance(image.at(p[0], p[1]), p.length > 2 ? p[2] : data.fill) < 30,
                       "filled at " + p + " at ratio " + image.ratio + ": " + image.at(p[0], p[1]))
            for (const p of data.outside)
                verify(distance(image.at(p[0], p[1]), paper) < 12,
                       "clear at " + p + " at ratio " + image.ratio + ": " + image.at(p[0], p[1]))
        }

        // A straight edge that falls inside a device pixel covers that one pixel partly and its
        // neighbours not at all or wholly: drawn at the device's resolution, not enlarged from a
        // picture of fewer pixels. Positions a quarter point off the grid fall inside a pixel at
        // every ratio the tests use.
        function test_aStraightEdgeChangesWithinOneDevicePixel() {
            const shape = createTemporaryObject(roundedComponent, root, { x: 40.25, y: 30.25, width: 60, height: 40, color: ink })
            waitForRendering(shape)
            const image = DevicePixels.grab(shape)
            const row = Math.floor(20 * image.ratio)
            let partials = 0
            for (let x = -3; x <= 3; ++x) {
                const c = image.pixel(x, row)
                if (partial(c, ink)) ++partials
                else if (x < 0) verify(distance(c, paper) < 12, "clear left of the edge at " + x)
                else verify(distance(c, ink) < 12, "filled right of the edge at " + x)
            }
            compare(partials, 1, "one device pixel on the edge at ratio " + image.ratio)
        }

        function test_curvedEdgesAreAntialiased_data() {
            return [
                { tag: "disc", component: roundedComponent, properties: { width: 60, height: 60, radius: 30, continuous: false, color: ink } },
                { tag: "wedge", component: wedgeComponent, properties: { width: 60, height: 60, fraction: 0.4, color: ink } },
                { tag: "horizon mark", component: markComponent, properties: { width: 60, height: 60, lineWidth: 4, color: ink } },
            ]
        }
        function test_curvedEdgesAreAntialiased(data) {
            const shape = createTemporaryObject(data.component, root, Object.assign({ x: 20, y: 20 }, data.properties))
            waitForRendering(shape)
            const image = DevicePixels.grab(shape)
            // Without antialiasing a pixel is either clear or filled; with it, most rows the shape
            // reaches blend where a curve or a slant crosses them (the rest cross where a pixel
            // is all but clear or all but filled).
            let reached = 0, blended = 0
            for (let y = 0; y < image.height; y += 2) {
                let touched = false, blends = false
                for (let x = 0; x < image.width && !blends; ++x) {
                    const c = image.pixel(x, y)
                    touched = touched || distance(c, paper) > 24
                    blends = partial(c, ink)
                }
                if (touched) ++reached
                if (blends) ++blended
            }
            verify(reached > image.height / 8, "the shape is drawn: " + reached + " rows")
            verify(blended >= 0.6 * reached, blended + " of " + reached + " rows blend at ratio " + image.ratio)
        }
    }

    // A capsule is one fill from end to end: at a ratio such as 1.25 a rounded Rectangle's corner
    // pieces meet its middle with a seam, at some positions and not others.
    TestCase {
        name: "Capsule"
        when: windowShown

        function test_theSwitchTrackIsOneFillAcrossItsRoundedEnd_data() {
            return [
                { tag: "at x 20", x: 20 },
                { tag: "at x 20.25", x: 20.25 },
                { tag: "at x 20.5", x: 20.5 },
                { tag: "at x 20.75", x: 20.75 },
            ]
        }
        function test_theSwitchTrackIsOneFillAcrossItsRoundedEnd(data) {
            const toggle = createTemporaryObject(switchComponent, root, { x: data.x, y: 20.25, checked: true })
            waitForRendering(toggle)
            const image = DevicePixels.grab(toggle)
            const fill = toggle.palette.highlight
            // The track's left end, up to the knob, 4 points either side of its middle row.
            const left = toggle.width - 32, middle = toggle.height / 2
            for (let y = Math.ceil((middle - 4) * image.ratio); y < (middle + 4) * image.ratio; ++y) {
                for (let x = Math.ceil((left + 2) * image.ratio); x < (left + 14) * image.ratio; ++x) {
                    const c = image.pixel(x, y)
                    const off = Math.max(Math.abs(c.r - fill.r), Math.abs(c.g - fill.g), Math.abs(c.b - fill.b)) * 255
                    verify(off < 16, "the fill at device pixel " + x + "," + y + " at ratio " + image.ratio + ": " + c)
                }
            }
        }
    }

    TestCase {
        name: "Symbol"
        when: windowShown

        function inkedPixels(name) {
            const symbol = createTemporaryObject(symbolComponent, root, { name: name, size: 24, color: "black" })
            waitForRendering(symbol)
            const image = DevicePixels.grab(symbol)
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
