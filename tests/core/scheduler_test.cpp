#include <gtest/gtest.h>

#include <cmath>

#include "scheduler_support.hpp"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {
const auto micro = BreakKind::micro;
const auto long_ = BreakKind::long_;
Phase headsUp(BreakKind kind, double at_) { return phase::HeadsUp{kind, at(at_)}; }
Phase onBreak(BreakKind kind, double from, double to) { return phase::OnBreak{kind, at(from), at(to)}; }
}  // namespace

TEST(SchedulerTick, LongBreakWinsATieAndBothTimersRestartFromItsEnd) {
    Settings s;
    s.microEveryMinutes = 60;
    Scheduler scheduler(s, at(0));
    EXPECT_EQ(scheduler.nextBreak(), (NextBreak{long_, at(3600)}));
    scheduler.tick(at(3570), active());
    EXPECT_EQ(scheduler.phase(), headsUp(long_, 3600));
    scheduler.tick(at(3600), active());
    EXPECT_EQ(scheduler.phase(), onBreak(long_, 3600, 3900));
    EXPECT_EQ(scheduler.tick(at(3900), active()), Events{record(long_, Outcome::taken)});
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 7500);
    EXPECT_EQ(sinceStart(scheduler.nextLong()), 7500);
}

TEST(SchedulerTick, CloseLongBreakMovesOntoTheNextMicroBreak) {
    for (auto [minutesLeft, moved] : {std::pair{8.0, true}, {9.5, true}, {10.0, false}, {12.0, false}}) {
        SCOPED_TRACE(minutesLeft);
        Scheduler scheduler(Settings{}, at(0));
        const double end = 3600 - minutesLeft * 60;
        scheduler.takeBreak(micro, at(end - 20));
        EXPECT_EQ(scheduler.tick(at(end), active()), Events{record(micro, Outcome::taken)});
        EXPECT_EQ(sinceStart(scheduler.nextLong()), moved ? end + 1200 : 3600);
    }
}

TEST(SchedulerTick, ZeroHeadsUpBeginsAtOnceUnlessTyping) {
    Settings s;
    s.headsUpSeconds = 0;
    Scheduler scheduler(s, at(0));
    scheduler.tick(at(1200), active());
    EXPECT_EQ(scheduler.phase(), onBreak(micro, 1200, 1220));

    Scheduler typing(s, at(0));
    typing.tick(at(1200), busy(BusyReason::typing));
    EXPECT_EQ(typing.phase(), headsUp(micro, 1200));
    run(typing, 1201, 1320, busy(BusyReason::typing));  // the deferral starts at 1201
    EXPECT_TRUE(std::holds_alternative<phase::HeadsUp>(typing.phase()));
    typing.tick(at(1321), busy(BusyReason::typing));
    EXPECT_EQ(typing.phase(), onBreak(micro, 1321, 1341));
}

TEST(SchedulerTick, TypingDefersForAtMostTwoMinutesAndAPauseBeginsAtOnce) {
    Scheduler scheduler(Settings{}, at(0));
    run(scheduler, 1170, 1319, busy(BusyReason::typing));
    EXPECT_EQ(scheduler.phase(), headsUp(micro, 1200));
    scheduler.tick(at(1320), busy(BusyReason::typing));
    EXPECT_EQ(scheduler.phase(), onBreak(micro, 1320, 1340));

    Scheduler pausing(Settings{}, at(0));
    run(pausing, 1170, 1230, busy(BusyReason::typing));
    pausing.tick(at(1231), active());
    EXPECT_EQ(pausing.phase(), onBreak(micro, 1231, 1251));
}

TEST(SchedulerTick, CallHoldsRecordsOnceAndTheBreakIsAnnouncedAgain) {
    Scheduler scheduler(Settings{}, at(0));
    scheduler.tick(at(1170), active());
    EXPECT_EQ(scheduler.tick(at(1195), busy(BusyReason::call)), Events{record(micro, Outcome::held)});
    EXPECT_EQ(scheduler.phase(), Phase(phase::Held{micro, BusyReason::call, at(1195)}));
    EXPECT_TRUE(run(scheduler, 1196, 1300, busy(BusyReason::call)).empty());
    // A change of reason keeps the hold's start.
    EXPECT_TRUE(scheduler.tick(at(1301), busy(BusyReason::fullscreen)).empty());
    EXPECT_EQ(scheduler.phase(), Phase(phase::Held{micro, BusyReason::fullscreen, at(1195)}));

    scheduler.tick(at(1500), active());
    EXPECT_EQ(scheduler.phase(), headsUp(micro, 1530));
    // Held again: a new window, no second record.
    EXPECT_TRUE(scheduler.tick(at(1510), busy(BusyReason::call)).empty());
    EXPECT_EQ(scheduler.phase(), Phase(phase::Held{micro, BusyReason::call, at(1510)}));
    scheduler.tick(at(1600), busy(BusyReason::typing));  // typing does not hold
    EXPECT_EQ(scheduler.phase(), headsUp(micro, 1630));

    Settings quick;
    quick.headsUpSeconds = 0;
    Scheduler zero(quick, at(0));
    zero.tick(at(1200), busy(BusyReason::call));
    zero.tick(at(1300), active());
    EXPECT_EQ(zero.phase(), headsUp(micro, 1305));  // at least five seconds of warning
}

TEST(SchedulerTick, HoldGivesWayAfterNinetyMinutesAndTheBreakBeginsDuringTheCall) {
    Scheduler scheduler(Settings{}, at(0));
    scheduler.tick(at(1170), busy(BusyReason::call));
    EXPECT_TRUE(run(scheduler, 1171, 1170 + 5399, busy(BusyReason::call)).empty());
    EXPECT_TRUE(std::holds_alternative<phase::Held>(scheduler.phase()));
    scheduler.tick(at(6570), busy(BusyReason::call));
    EXPECT_EQ(scheduler.phase(), headsUp(micro, 6600));
    run(scheduler, 6571, 6600, busy(BusyReason::call));
    EXPECT_EQ(scheduler.phase(), onBreak(micro, 6600, 6620));
}

TEST(SchedulerTick, AwayUserIsNotDisturbedAndAbsenceCountsAsANaturalBreak) {
    Scheduler scheduler(Settings{}, at(0));
    EXPECT_TRUE(run(scheduler, 1100, 1250, idle(61)).empty());
    EXPECT_EQ(scheduler.phase(), Phase{phase::Working{}});
    // The blink that fell due while away fires on return, with the heads-up.
    EXPECT_EQ(scheduler.tick(at(1251), idle(3)), Events{event::Blink{}});
    EXPECT_EQ(scheduler.phase(), headsUp(micro, 1281));

    // Equality counts; a held or announced break is dropped; the countdown runs from the return.
    EXPECT_TRUE(scheduler.tick(at(1260), idle(299.9)).empty());
    EXPECT_EQ(scheduler.tick(at(1261), idle(300)), Events{record(long_, Outcome::natural)});
    EXPECT_EQ(scheduler.phase(), Phase{phase::Working{}});
    EXPECT_TRUE(scheduler.tick(at(1262), idle(301)).empty());
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 1262 + 1200);

    Settings s;
    s.longEnabled = false;
    Scheduler microOnly(s, at(0));
    EXPECT_EQ(microOnly.tick(at(400), idle(400)), Events{record(micro, Outcome::natural)});
}

TEST(SchedulerTick, AbsenceDuringACallIsNeitherANaturalBreakNorAHold) {
    Scheduler watching(Settings{}, at(0));
    EXPECT_TRUE(run(watching, 900, 1300, busy(BusyReason::call, 600)).empty());
    EXPECT_EQ(watching.phase(), Phase{phase::Working{}});
    EXPECT_EQ(sinceStart(watching.nextMicro()), 1200);
}

TEST(SchedulerTick, EachAbsenceIsRecordedOnce) {
    Scheduler scheduler(Settings{}, at(0));
    Events events = run(scheduler, 300, 900, idle(300));
    scheduler.tick(at(901), idle(120));  // back, but not active enough to clear the mark
    for (auto& e : run(scheduler, 902, 1000, idle(300))) events.push_back(e);
    scheduler.tick(at(1001), idle(0.5));  // one input event
    for (auto& e : run(scheduler, 1002, 1500, idle(400))) events.push_back(e);
    EXPECT_EQ(events, (Events{record(long_, Outcome::natural), record(long_, Outcome::natural)}));

    // A long break spent away is not also a natural break.
    Scheduler away(Settings{}, at(0));
    away.takeBreak(long_, at(100));
    EXPECT_EQ(away.tick(at(400), idle(300)), Events{record(long_, Outcome::taken)});
    EXPECT_TRUE(run(away, 401, 700, idle(320)).empty());
}

TEST(SchedulerTick, NudgesFireOnePerTickBlinkFirstAndWaitForAFreeUser) {
    Settings s;
    s.microEnabled = s.longEnabled = false;
    s.blinkEveryMinutes = 10;
    s.postureEveryMinutes = 10;
    Scheduler scheduler(s, at(0));
    EXPECT_EQ(scheduler.tick(at(600), active()), Events{event::Blink{}});
    EXPECT_EQ(scheduler.tick(at(601), active()), Events{event::Posture{}});
    EXPECT_TRUE(scheduler.tick(at(602), active()).empty());
    EXPECT_TRUE(scheduler.tick(at(1200), busy(BusyReason::fullscreen)).empty());
    EXPECT_EQ(scheduler.tick(at(1201), busy(BusyReason::typing)), Events{event::Blink{}});

    s.blinkEveryMinutes = s.postureEveryMinutes = 0;
    Scheduler off(s, at(0));
    EXPECT_TRUE(run(off, 0, 4000, active()).empty());
    EXPECT_FALSE(off.wantsBusySignals(at(3000), 0));
}

TEST(SchedulerTick, PauseEndsAtItsTimeWithTimersRestarted) {
    Scheduler scheduler(Settings{}, at(0));
    scheduler.pause(at(500));
    EXPECT_TRUE(run(scheduler, 1, 499, idle(1000)).empty());
    scheduler.tick(at(500.5), active());
    EXPECT_EQ(scheduler.phase(), Phase{phase::Working{}});
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 1700.5);
}

TEST(SchedulerTick, HugeIntervalsFromAFileDoNotOverflow) {
    constexpr auto huge = std::numeric_limits<std::int64_t>::max();
    Settings s;
    s.microEveryMinutes = s.longEveryMinutes = s.blinkEveryMinutes = s.longMinutes = huge;
    Scheduler scheduler(s, at(0));
    EXPECT_TRUE(run(scheduler, 0, 3600, active()).empty());
    scheduler.takeBreak(long_, at(10));
    EXPECT_GT(sinceStart(std::get<phase::OnBreak>(scheduler.phase()).endsAt), 5e20);
    EXPECT_TRUE(scheduler.tick(at(1e12), active()).empty());
    EXPECT_EQ(scheduler.skip(at(20)), Events{record(long_, Outcome::skipped)});
    EXPECT_GT(sinceStart(scheduler.nextLong()), 5e20);
}

TEST(SchedulerQuestions, NextBreakFollowsTheEnabledKinds) {
    Settings s;
    EXPECT_EQ(Scheduler(s, at(0)).nextBreak(), (NextBreak{micro, at(1200)}));
    s.longEnabled = false;
    s.microEveryMinutes = 90;
    EXPECT_EQ(Scheduler(s, at(0)).nextBreak(), (NextBreak{micro, at(5400)}));
    s.microEnabled = false;
    EXPECT_EQ(Scheduler(s, at(0)).nextBreak(), std::nullopt);
    s.longEnabled = true;
    EXPECT_EQ(Scheduler(s, at(0)).nextBreak(), (NextBreak{long_, at(3600)}));
}

TEST(SchedulerQuestions, BusySignalsAreWantedOnlyWhenTheyCanMatter) {
    Settings s;
    s.blinkEveryMinutes = 10;
    s.postureEveryMinutes = 15;
    Scheduler scheduler(s, at(0));
    struct Case {
        double t, idle;
        bool wanted;
    } cases[] = {{0, 0, false}, {100, 299, false}, {100, 300, true}, {599, 0, false}, {600, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.t);
        EXPECT_EQ(scheduler.wantsBusySignals(at(c.t), c.idle), c.wanted);
    }
    scheduler.tick(at(600), active());
    EXPECT_FALSE(scheduler.wantsBusySignals(at(899), 0));
    EXPECT_TRUE(scheduler.wantsBusySignals(at(900), 0));   // posture due
    scheduler.tick(at(900), active());
    EXPECT_FALSE(scheduler.wantsBusySignals(at(1164), 0));
    EXPECT_TRUE(scheduler.wantsBusySignals(at(1165), 0));  // due within 5 s plus the heads-up
    scheduler.tick(at(1170), busy(BusyReason::call));
    EXPECT_TRUE(scheduler.wantsBusySignals(at(1171), 0));  // held
    scheduler.startNow(at(1172));
    EXPECT_FALSE(scheduler.wantsBusySignals(at(1172), 9999));
}

// A few hours of defaults, second by second, with typing in bursts, a meeting that holds a break
// and a lunch that counts as a natural break. The busy reason is passed only when asked for.
TEST(SchedulerDay, AMorningOfWorkIsRecordedAsExpected) {
    Scheduler scheduler(Settings{}, at(0));
    std::vector<std::pair<double, event::Record>> records;
    int blinks = 0;
    auto signalsAt = [](double t) -> Signals {
        if (t >= 4800 && t < 5400) return busy(BusyReason::call);  // a meeting
        if (t >= 9000 && t < 11000) return idle(t - 9000);         // lunch
        if (std::fmod(t, 7) < 3) return busy(BusyReason::typing);  // typing in bursts
        return active();
    };
    for (double t = 1; t <= 4 * 3600; t += 1) {
        Signals signals = signalsAt(t);
        if (!scheduler.wantsBusySignals(at(t), signals.idleSeconds)) signals.busy.reset();
        for (const auto& e : scheduler.tick(at(t), signals)) {
            if (auto* r = std::get_if<event::Record>(&e)) records.emplace_back(t, *r);
            blinks += std::holds_alternative<event::Blink>(e);
        }
    }
    const std::vector<std::pair<double, event::Record>> expected{
        {1220, record(micro, Outcome::taken)},
        {2440, record(micro, Outcome::taken)},
        {3901, record(long_, Outcome::taken)},   // due at 3600, deferred a second by typing
        {5071, record(micro, Outcome::held)},    // falls due in the meeting
        {5450, record(micro, Outcome::taken)},   // announced again when the meeting ends
        {6673, record(micro, Outcome::taken)},   // deferred three seconds by typing
        {7801, record(long_, Outcome::taken)},
        {9021, record(micro, Outcome::taken)},   // begun as lunch starts
        {9300, record(long_, Outcome::natural)}, // five minutes into lunch
        {12219, record(micro, Outcome::taken)},  // timers ran from the return
        {13442, record(micro, Outcome::taken)},
    };
    EXPECT_EQ(records, expected);
    EXPECT_GT(blinks, 10);
}
