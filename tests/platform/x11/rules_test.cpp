#include <gtest/gtest.h>

#include "platform/x11/fullscreen.hpp"
#include "platform/x11/idle_tracker.hpp"
#include "platform/x11/key_grab.hpp"

namespace tarnwick {
namespace {

constexpr std::int32_t ownPid = 100, frontPid = 200;

// Two screens, 1920x1080 and 1280x1024. The process `front` has a small active window and one
// more window; another application's screen-sized window must never count.
WindowSnapshot desktop(std::int32_t front, ClientWindow more) {
    const ClientWindow active{1, front, {}, false, WindowGeometry{100, 100, 800, 600}};
    more.pid = front;
    return {active, ownPid, {active, ClientWindow{2, 300, {}, false, WindowGeometry{0, 0, 1920, 1080}}, more},
            {{1920, 1080}, {1280, 1024}}};
}

TEST(FrontAppIsFullscreen, JudgesTheFrontApplicationsVisibleNormalWindowsByScreenSize) {
    struct Case {
        const char* name;
        double x, width, height;
        std::vector<WindowType> types = {};
        bool hidden = false, expected = false;
        std::int32_t front = frontPid;
    } cases[] = {
        {"screen-sized", 0, 1920, 1080, {}, false, true},
        {"maximised below a panel and title bar", 0, 1920, 1035},
        {"hidden", 0, 1920, 1080, {}, true},
        {"dock", 0, 1920, 1080, {WindowType::dock}},
        {"desktop", 0, 1920, 1080, {WindowType::desktop}},
        {"our own process in front", 0, 1920, 1080, {}, false, false, ownPid},
        {"full screen on the second screen", 1920, 1280, 1024, {}, false, true},
        {"half a pixel short", 0, 1919.5, 1080, {}, false, true},
        {"a whole pixel short", 0, 1919, 1080},
        {"a whole pixel too tall", 0, 1920, 1081},
        {"one screen's width with the other's height", 0, 1920, 1024},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ClientWindow more{3, {}, c.types, c.hidden, WindowGeometry{c.x, 0, c.width, c.height}};
        EXPECT_EQ(frontAppIsFullscreen(desktop(c.front, more)), c.expected);
    }
}

using namespace keygrab;
constexpr std::uint16_t mod2 = 1u << 4, ctrlAlt = controlMask | mod1Mask;

TEST(ModifierMaskFor, FindsTheRowThatHoldsNumLock) {
    // A PC keyboard, two keycodes a row: Shift 50 62, Lock 66, Control 37 105, Mod1 64 108,
    // Mod2 77 (Num_Lock), Mod3 -, Mod4 133 134, Mod5 92.
    const std::vector<std::uint8_t> pc{50, 62, 66, 0, 37, 105, 64, 108, 77, 0, 0, 0, 133, 134, 92, 0};
    EXPECT_EQ(modifierMaskFor(pc, 2, {77}), mod2);
    EXPECT_EQ(modifierMaskFor(pc, 2, {200, 134}), 1u << 6) << "one of several keycodes suffices";
    EXPECT_EQ(modifierMaskFor(pc, 2, {78}), 0) << "key in no row";
    EXPECT_EQ(modifierMaskFor(pc, 2, {0}), 0) << "empty slots never match";
}

TEST(LockVariants, CoversCapsLockAndNumLockWithoutDuplicates) {
    using V = std::vector<std::uint16_t>;
    EXPECT_EQ(lockVariants(ctrlAlt, mod2), (V{ctrlAlt, ctrlAlt | lockMask, ctrlAlt | mod2, ctrlAlt | lockMask | mod2}));
    EXPECT_EQ(lockVariants(ctrlAlt, 0), (V{ctrlAlt, ctrlAlt | lockMask})) << "no NumLock key";
    EXPECT_EQ(lockVariants(ctrlAlt, lockMask), (V{ctrlAlt, ctrlAlt | lockMask})) << "NumLock mapped onto Lock";
    EXPECT_EQ(lockVariants(ctrlAlt | mod2, mod2), (V{ctrlAlt | mod2, ctrlAlt | mod2 | lockMask})) << "NumLock required";
}

// A present user is asked about once per horizon, never reported absent before the server said
// so; a confirmed absence is exact without questions until an event or a recheck.
TEST(IdleTracker, AsksOnlyNearTheHorizonAndNeverReportsAnAbsenceTheServerDidNotConfirm) {
    IdleTracker t(45, 10);
    EXPECT_TRUE(t.wantsAnswer(0)) << "nothing known";
    t.answered(3, 100);
    EXPECT_FALSE(t.wantsAnswer(120));
    EXPECT_FALSE(t.watchesAllInput(120));
    EXPECT_DOUBLE_EQ(t.idle(120), 23);
    EXPECT_TRUE(t.wantsAnswer(142)) << "could have passed the horizon by now";
    EXPECT_TRUE(t.watchesAllInput(142)) << "events are watched before the question goes out";
    EXPECT_DOUBLE_EQ(t.idle(500), 45) << "unconfirmed: held at the horizon";

    t.answered(12, 142);  // the user moved the mouse meanwhile
    EXPECT_FALSE(t.watchesAllInput(143));
    EXPECT_DOUBLE_EQ(t.idle(150), 20);
    EXPECT_TRUE(t.wantsAnswer(175));

    t.answered(45, 175);  // absent: confirmed
    EXPECT_DOUBLE_EQ(t.idle(475), 345) << "exact past the horizon";
    EXPECT_TRUE(t.watchesAllInput(180));
    EXPECT_FALSE(t.wantsAnswer(184));
    EXPECT_TRUE(t.wantsAnswer(185)) << "rechecked for a counter reset without input";
    t.answered(2, 185);  // a video player reset the counter
    EXPECT_DOUBLE_EQ(t.idle(190), 7);
    EXPECT_FALSE(t.watchesAllInput(190));
}

TEST(IdleTracker, AnEventNewerThanAnAnswerWins) {
    IdleTracker t(45, 10);
    t.answered(50, 100);
    t.inputSeen(100.5);  // the user came back before the reply was read
    EXPECT_DOUBLE_EQ(t.idle(101), 0.5);
    EXPECT_FALSE(t.watchesAllInput(101));
    t.answered(50.2, 100.2);  // an answer computed before the event
    EXPECT_DOUBLE_EQ(t.idle(102), 1.5);
    EXPECT_FALSE(t.wantsAnswer(102));
    t.inputSeen(99);  // out of order: changes nothing
    EXPECT_DOUBLE_EQ(t.idle(102), 1.5);
}

TEST(IdleTracker, AnAnswerAfterTheLastEventIsBelievedThoughItPlacesTheInputAMomentEarlier) {
    // The server counts whole milliseconds and the questions take their time: two answers about
    // the same input can place it a little apart. Neither may keep an absence from being confirmed.
    for (const bool sawEvent : {false, true}) {
        SCOPED_TRACE(sawEvent);
        IdleTracker t(45, 10);
        t.answered(0.004, 100.010);  // the input at 100.006
        if (sawEvent) t.inputSeen(100.007);
        t.answered(45.004, 145.005);  // the same input, placed at 100.001
        EXPECT_DOUBLE_EQ(t.idle(160), 59.999);
        EXPECT_FALSE(t.wantsAnswer(150));
    }
}

}  // namespace
}  // namespace tarnwick
