#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/x11/key_grab.hpp"

namespace tarnwick::keygrab {
namespace {

constexpr std::uint16_t mod2 = 1u << 4, mod4 = 1u << 6;  // NumLock and Super on a PC keyboard
constexpr std::uint16_t ctrlAlt = controlMask | mod1Mask;

// A modifier map of a common PC keyboard, two keycodes per modifier:
// Shift 50 62, Lock 66, Control 37 105, Mod1 64 108, Mod2 77 (Num_Lock), Mod3 -, Mod4 133 134, Mod5 92.
const std::vector<std::uint8_t> pcMap{50, 62, 66, 0, 37, 105, 64, 108, 77, 0, 0, 0, 133, 134, 92, 0};

TEST(ModifierMaskFor, FindsTheRowThatHoldsTheKey) {
    struct Case {
        std::string name;
        std::vector<std::uint8_t> map;
        int perModifier;
        std::vector<std::uint8_t> keycodes;
        std::uint16_t expected;
    } cases[] = {
        {"NumLock on Mod2", pcMap, 2, {77}, mod2},
        {"one of several keycodes suffices", pcMap, 2, {200, 134}, mod4},
        {"key in no row", pcMap, 2, {78}, 0},
        {"empty slots never match", pcMap, 2, {0}, 0},
        {"first row wins when a key sits in two", {0, 0, 0, 77, 0, 0, 77, 0}, 1, {77}, 1u << 3},
        {"short map is read only as far as it goes", {50, 62, 66, 0, 37}, 2, {37}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(modifierMaskFor(c.map, c.perModifier, c.keycodes), c.expected);
    }
}

TEST(LockVariants, CoversCapsLockAndNumLockWithoutDuplicates) {
    struct Case {
        std::string name;
        std::uint16_t modifiers, numLock;
        std::vector<std::uint16_t> expected;
    } cases[] = {
        {"NumLock on Mod2", ctrlAlt, mod2,
         {ctrlAlt, ctrlAlt | lockMask, ctrlAlt | mod2, ctrlAlt | lockMask | mod2}},
        {"no NumLock key", ctrlAlt, 0, {ctrlAlt, ctrlAlt | lockMask}},
        {"NumLock mapped onto Lock", ctrlAlt, lockMask, {ctrlAlt, ctrlAlt | lockMask}},
        {"NumLock bit already required", ctrlAlt | mod2, mod2, {ctrlAlt | mod2, ctrlAlt | mod2 | lockMask}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lockVariants(c.modifiers, c.numLock), c.expected);
    }
}

TEST(StateMatches, IgnoresLocksAndButtonsButNotOtherModifiers) {
    constexpr std::uint16_t button1 = 1u << 8;
    struct Case {
        std::string name;
        std::uint16_t state, numLock;
        bool expected;
    } cases[] = {
        {"exact", ctrlAlt, mod2, true},
        {"both locks on", ctrlAlt | lockMask | mod2, mod2, true},
        {"a mouse button held", ctrlAlt | button1, mod2, true},
        {"Shift as well", ctrlAlt | shiftMask, mod2, false},
        {"Alt missing", controlMask, mod2, false},
        {"Mod2 is no lock when NumLock is elsewhere", ctrlAlt | mod2, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(stateMatches(c.state, ctrlAlt, c.numLock), c.expected);
    }
}

TEST(RepeatFilter, FiresOncePerPhysicalPress) {
    enum Kind { press, release };
    struct Step {
        Kind kind;
        std::uint32_t time;
    };
    struct Case {
        std::string name;
        std::vector<Step> steps;
        int expectedFires;
    } cases[] = {
        {"two separate presses", {{press, 0}, {release, 80}, {press, 300}, {release, 380}}, 2},
        {"held with auto-repeat as presses only", {{press, 0}, {press, 660}, {press, 700}, {press, 740}, {release, 760}}, 1},
        {"auto-repeat as release and press at the same time",
         {{press, 0}, {release, 660}, {press, 660}, {release, 700}, {press, 700}, {release, 900}}, 1},
        {"release and press a millisecond apart is a new press", {{press, 0}, {release, 100}, {press, 101}}, 2},
        {"a lost release does not silence the key", {{press, 0}, {press, 5000}}, 2},
        {"repeat across the server clock's wrap", {{press, 0xFFFFFF00u}, {press, 0x10}}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RepeatFilter filter;
        int fires = 0;
        for (const Step& s : c.steps) {
            if (s.kind == press) {
                fires += filter.press(s.time) ? 1 : 0;
            } else {
                filter.release(s.time);
            }
        }
        EXPECT_EQ(fires, c.expectedFires);
    }
}

}  // namespace
}  // namespace tarnwick::keygrab
