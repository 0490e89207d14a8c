// The values the control interface serves, read from the model on fake ports and a manual clock.

#include <gtest/gtest.h>

#include "control/control_values.hpp"
#include "control_rig.hpp"

namespace tarnwick {
namespace {

using fakes::ControlRig;
using fakes::shortTime;
using fakes::t0;

qint64 ms(double epoch) { return qint64(epoch * 1000); }

TEST(ControlValues, SentenceAndTextsFollowThePhase) {
    using Act = std::function<void(ControlRig&)>;
    struct Case {
        const char* name;
        Act act;
        QString phase, text, sentence;
    } cases[] = {
        {"working, micro next", {}, "working", "20m", "Next eye break in 20m"},
        {"working, long next", [](ControlRig& r) { r.edit([](Settings& s) { s.microEnabled = false; }); }, "working",
         "60m", "Long break in 60m"},
        {"breaks off", [](ControlRig& r) { r.edit([](Settings& s) { s.microEnabled = s.longEnabled = false; }); },
         "working", "", "Breaks are off"},
        {"heads-up", [](ControlRig& r) { r.soon(BreakKind::micro); }, "headsUp", "30s", "Eye break starting in 30s"},
        {"long heads-up", [](ControlRig& r) { r.soon(BreakKind::long_); }, "headsUp", "30s", "Long break starting in 30s"},
        {"held", [](ControlRig& r) { r.held(); }, "held", "Held", "Break held: You're on a call"},
        {"on a break", [](ControlRig& r) { r.model->takeBreak(BreakKind::long_); }, "onBreak", "Break",
         "Long break until " + shortTime(2, 8, 5)},
        {"paused", [](ControlRig& r) { r.model->pauseFor(3600); }, "paused", "Paused", "Paused until " + shortTime(2, 9)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ControlRig r;
        r.tickAt(t0);
        if (c.act) c.act(r);
        const ControlValues v = controlValues(*r.model);
        EXPECT_EQ(v.phase, c.phase);
        EXPECT_EQ(v.text, c.text);
        EXPECT_EQ(v.accessibleLabel, "Tarnwick: " + c.text);
        EXPECT_EQ(v.sentence, c.sentence);
    }
}

TEST(ControlValues, InstantsAreUnixMillisecondsAndZeroWhereThePhaseHasNone) {
    ControlRig r;
    r.tickAt(t0);
    ControlValues v = controlValues(*r.model);
    EXPECT_EQ(v.nextBreakKind, "micro");
    EXPECT_EQ(v.nextBreakAt, ms(t0 + 1200));
    EXPECT_EQ(v.nextLongAt, ms(t0 + 3600));
    EXPECT_EQ(v.breakAt + v.startedAt + v.endsAt + v.heldSince + v.pausedUntil, 0);
    EXPECT_EQ(v.breakKind, "");

    r.model->takeBreak(BreakKind::micro);
    v = controlValues(*r.model);
    EXPECT_EQ(v.breakKind, "micro");
    EXPECT_EQ(v.startedAt, ms(t0));
    EXPECT_EQ(v.endsAt, ms(t0 + 20));

    r.edit([](Settings& s) { s.longEnabled = false; });
    EXPECT_EQ(controlValues(*r.model).nextLongAt, 0);

    ControlRig held;
    held.held();
    v = controlValues(*held.model);
    EXPECT_EQ(v.heldReason, "call");
    EXPECT_EQ(v.heldSince, ms(t0 + 121));
    EXPECT_EQ(unixMilliseconds(1.0005), 1001);
}

TEST(ControlValues, TodaysCountsSkipsAndStreakComeFromTheHistory) {
    ControlRig r;
    r.edit([](Settings& s) { s.skipsPerWeek = 3; s.enforcement = BreakEnforcement::casual; });
    r.tickAt(t0);
    r.model->takeBreak(BreakKind::micro);
    r.tickAt(t0 + 21);  // taken
    r.model->takeBreak(BreakKind::micro);
    r.model->skip();
    const ControlValues v = controlValues(*r.model);
    EXPECT_EQ(v.todayTaken, 1u);
    EXPECT_EQ(v.todaySkipped, 1u);
    EXPECT_EQ(v.skipsLeftThisWeek, 2u);
    EXPECT_EQ(v.streak, quint32(r.model->week().streak));
}

TEST(ControlValues, ChangedPropertiesHoldOnlyWhatMoved) {
    ControlRig r;
    r.tickAt(t0);
    const ControlValues before = controlValues(*r.model);
    EXPECT_TRUE(changedProperties(before, before).isEmpty());
    r.model->pauseFor(3600);
    const QVariantMap changed = changedProperties(before, controlValues(*r.model));
    EXPECT_EQ(changed.keys(), (QStringList{"AccessibleLabel", "PausedUntil", "Phase", "Sentence", "Text"}));
    EXPECT_EQ(changed.value("Phase"), "paused");
    EXPECT_EQ(changed.value("PausedUntil").toLongLong(), ms(t0 + 3600));
    // Every value the interface serves has its name: 18, with Progress read live beside them.
    EXPECT_EQ(propertyMap(before).size(), 18);
}

}  // namespace
}  // namespace tarnwick
