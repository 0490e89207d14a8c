#include <gtest/gtest.h>

#include <cmath>

#include "scheduler_support.hpp"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

Settings withHeadsUp(std::int64_t seconds) {
    Settings s;
    s.headsUpSeconds = seconds;
    return s;
}

}  // namespace

TEST(SchedulerTick, NewSchedulerWorksWithAllTimersFromNow) {
    Settings s;
    s.postureEveryMinutes = 30;
    Scheduler scheduler(s, at(0));
    EXPECT_EQ(scheduler.phase(), Phase{phase::Working{}});
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 1200);
    EXPECT_EQ(sinceStart(scheduler.nextLong()), 3600);
    EXPECT_EQ(sinceStart(scheduler.nextBlink()), 480);
    EXPECT_EQ(sinceStart(scheduler.nextPosture()), 1800);
}

TEST(SchedulerTick, MicroBreakIsAnnouncedRunsAndIsRecordedTaken) {
    Settings s;
    s.blinkEveryMinutes = 0;
    Scheduler scheduler(s, at(0));
    EXPECT_TRUE(run(scheduler, 1, 1169, active()).empty());
    EXPECT_EQ(scheduler.phase(), Phase{phase::Working{}});

    EXPECT_TRUE(scheduler.tick(at(1170), active()).empty());
    EXPECT_EQ(scheduler.phase(), Phase(phase::HeadsUp{BreakKind::micro, at(1200)}));

    EXPECT_TRUE(run(scheduler, 1171, 1199, active()).empty());
    EXPECT_TRUE(scheduler.tick(at(1200), active()).empty());
    EXPECT_EQ(scheduler.phase(), Phase(phase::OnBreak{BreakKind::micro, at(1200), at(1220)}));

    // Signals play no part during a break.
    EXPECT_TRUE(scheduler.tick(at(1210), busy(BusyReason::call, 9999)).empty());
    EXPECT_EQ(scheduler.tick(at(1220), active()), Events{record(BreakKind::micro, Outcome::taken)});
    EXPECT_EQ(scheduler.phase(), Phase{phase::Working{}});
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 2420);
    EXPECT_EQ(sinceStart(scheduler.nextLong()), 3600);
}

TEST(SchedulerTick, LongBreakWinsWhenBothAreDueAndBothRestartFromItsEnd) {
    Settings s;
    s.microEveryMinutes = 60;
    s.blinkEveryMinutes = 0;
    Scheduler scheduler(s, at(0));
    scheduler.tick(at(3570), active());
    EXPECT_EQ(scheduler.phase(), Phase(phase::HeadsUp{BreakKind::long_, at(3600)}));
    scheduler.tick(at(3600), active());
    EXPECT_EQ(scheduler.phase(), Phase(phase::OnBreak{BreakKind::long_, at(3600), at(3900)}));
    EXPECT_EQ(scheduler.tick(at(3900), active()), Events{record(BreakKind::long_, Outcome::taken)});
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 3900 + 3600);
    EXPECT_EQ(sinceStart(scheduler.nextLong()), 3900 + 3600);
}

TEST(SchedulerTick, CloseLongBreakMovesOntoTheNextMicroBreak) {
    struct Case {
        double minutesLeft;
        bool moved;
    } cases[] = {{8, true}, {9.5, true}, {10, false}, {12, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.minutesLeft);
        Settings s;
        s.headsUpSeconds = 0;
        Scheduler scheduler(s, at(0));
        // Let the micro break end c.minutesLeft minutes before the long break is due.
        const double end = 3600 - c.minutesLeft * 60;
        scheduler.takeBreak(BreakKind::micro, at(end - 20));
        EXPECT_EQ(scheduler.tick(at(end), active()), Events{record(BreakKind::micro, Outcome::taken)});
        EXPECT_EQ(sinceStart(scheduler.nextMicro()), end + 1200);
        EXPECT_EQ(sinceStart(scheduler.nextLong()), c.moved ? end + 1200 : 3600);
    }
}

TEST(SchedulerTick, ZeroHeadsUpBeginsAtOnceUnlessTyping) {
    Scheduler scheduler(withHeadsUp(0), at(0));
    scheduler.tick(at(1200), active());
    EXPECT_EQ(scheduler.phase(), Phase(phase::OnBreak{BreakKind::micro, at(1200), at(1220)}));

    Scheduler typing(withHeadsUp(0), at(0));
    typing.tick(at(1200), busy(BusyReason::typing));
    EXPECT_EQ(typing.phase(), Phase(phase::HeadsUp{BreakKind::micro, at(1200)}));
    typing.tick(at(1201), busy(BusyReason::typing));  // deferral starts here
    run(typing, 1202, 1320, busy(BusyReason::typing));
    EXPECT_TRUE(std::holds_alternative<phase::HeadsUp>(typing.phase()));
    typing.tick(at(1321), busy(BusyReason::typing));
    EXPECT_EQ(typing.phase(), Phase(phase::OnBreak{BreakKind::micro, at(1321), at(1341)}));
}

TEST(SchedulerTick, TypingDefersABreakForAtMostTwoMinutes) {
    Scheduler scheduler(Settings{}, at(0));
    run(scheduler, 1170, 1199, busy(BusyReason::typing));
    EXPECT_EQ(scheduler.phase(), Phase(phase::HeadsUp{BreakKind::micro, at(1200)}));
    run(scheduler, 1200, 1319, busy(BusyReason::typing));
    EXPECT_EQ(scheduler.phase(), Phase(phase::HeadsUp{BreakKind::micro, at(1200)}));
    scheduler.tick(at(1320), busy(BusyReason::typing));
    EXPECT_EQ(scheduler.phase(), Phase(phase::OnBreak{BreakKind::micro, at(1320), at(1340)}));
}

TEST(SchedulerTick, APauseInTypingBeginsTheDeferredBreakAtOnce) {
    Scheduler scheduler(Settings{}, at(0));
    scheduler.tick(at(1170), active());
    run(scheduler, 1200, 1230, busy(BusyReason::typing));
    scheduler.tick(at(1231), active());
    EXPECT_EQ(scheduler.phase(), Phase(phase::OnBreak{BreakKind::micro, at(1231), at(1251)}));
}

TEST(SchedulerTick, CallDuringHeadsUpHoldsRecordsOnceAndReannounces) {
    Scheduler scheduler(Settings{}, at(0));
    scheduler.tick(at(1170), active());
    EXPECT_EQ(scheduler.tick(at(1195), busy(BusyReason::call)), Events{record(BreakKind::micro, Outcome::held)});
    EXPECT_EQ(scheduler.phase(), Phase(phase::Held{BreakKind::micro, BusyReason::call, at(1195)}));
    EXPECT_TRUE(run(scheduler, 1196, 1500, busy(BusyReason::call)).empty());

    EXPECT_TRUE(scheduler.tick(at(1501), active()).empty());
    EXPECT_EQ(scheduler.phase(), Phase(phase::HeadsUp{BreakKind::micro, at(1531)}));

    // Held again before the break starts: a new hold window, no second record.
    EXPECT_TRUE(scheduler.tick(at(1510), busy(BusyReason::fullscreen)).empty());
    EXPECT_EQ(scheduler.phase(), Phase(phase::Held{BreakKind::micro, BusyReason::fullscreen, at(1510)}));
    scheduler.tick(at(1600), active());
    run(scheduler, 1601, 1630, active());
    EXPECT_EQ(scheduler.phase(), Phase(phase::OnBreak{BreakKind::micro, at(1630), at(1650)}));
    EXPECT_EQ(scheduler.tick(at(1650), active()), Events{record(BreakKind::micro, Outcome::taken)});
}

TEST(SchedulerTick, ReannouncedBreakGetsAtLeastFiveSecondsOfHeadsUp) {
    Scheduler scheduler(withHeadsUp(0), at(0));
    EXPECT_EQ(scheduler.tick(at(1200), busy(BusyReason::call)), Events{record(BreakKind::micro, Outcome::held)});
    scheduler.tick(at(1300), busy(BusyReason::typing));  // typing is not blocking: the hold ends
    EXPECT_EQ(scheduler.phase(), Phase(phase::HeadsUp{BreakKind::micro, at(1305)}));
}

TEST(SchedulerTick, HoldChangesItsReasonButKeepsItsStart) {
    Scheduler scheduler(Settings{}, at(0));
    scheduler.tick(at(1170), busy(BusyReason::call));
    EXPECT_TRUE(scheduler.tick(at(1180), busy(BusyReason::fullscreen)).empty());
    EXPECT_EQ(scheduler.phase(), Phase(phase::Held{BreakKind::micro, BusyReason::fullscreen, at(1170)}));
}

TEST(SchedulerTick, HoldGivesWayAfterNinetyMinutesAndTheBreakBeginsDuringTheCall) {
    Scheduler scheduler(Settings{}, at(0));
    EXPECT_EQ(scheduler.tick(at(1170), busy(BusyReason::call)), Events{record(BreakKind::micro, Outcome::held)});
    EXPECT_TRUE(run(scheduler, 1171, 1170 + 5399, busy(BusyReason::call)).empty());
    EXPECT_TRUE(std::holds_alternative<phase::Held>(scheduler.phase()));

    scheduler.tick(at(1170 + 5400), busy(BusyReason::call));
    EXPECT_EQ(scheduler.phase(), Phase(phase::HeadsUp{BreakKind::micro, at(1170 + 5430)}));
    EXPECT_TRUE(run(scheduler, 1170 + 5401, 1170 + 5429, busy(BusyReason::call)).empty());
    EXPECT_TRUE(std::holds_alternative<phase::HeadsUp>(scheduler.phase()));
    scheduler.tick(at(1170 + 5430), busy(BusyReason::call));
    EXPECT_TRUE(std::holds_alternative<phase::OnBreak>(scheduler.phase()));
}

TEST(SchedulerTick, AwayUserGetsNoAnnouncementsOrNudgesUntilBack) {
    Scheduler scheduler(Settings{}, at(0));
    EXPECT_TRUE(run(scheduler, 1100, 1250, idle(61)).empty());
    EXPECT_EQ(scheduler.phase(), Phase{phase::Working{}});
    // The blink nudge that fell due while away fires on return, with the heads-up.
    EXPECT_EQ(scheduler.tick(at(1251), idle(3)), Events{event::Blink{}});
    EXPECT_EQ(scheduler.phase(), Phase(phase::HeadsUp{BreakKind::micro, at(1281)}));
}

TEST(SchedulerTick, NaturalBreakCountsFromExactlyTheThresholdButNotDuringACall) {
    Scheduler scheduler(Settings{}, at(0));
    EXPECT_EQ(scheduler.tick(at(400), idle(299.9)), Events{});
    EXPECT_EQ(scheduler.tick(at(401), idle(300)), Events{record(BreakKind::long_, Outcome::natural)});
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 401 + 1200);
    EXPECT_TRUE(scheduler.tick(at(402), idle(301)).empty());
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 402 + 1200);  // the countdown runs from the return

    // A presentation watched without touching anything: no natural break, no restart, no hold.
    Scheduler watching(Settings{}, at(0));
    EXPECT_TRUE(run(watching, 900, 1300, busy(BusyReason::call, 600)).empty());
    EXPECT_EQ(watching.phase(), Phase{phase::Working{}});
    EXPECT_EQ(sinceStart(watching.nextMicro()), 1200);
}

TEST(SchedulerTick, NaturalBreakIsMicroWhenLongBreaksAreOffAndEndsAnnouncedBreaks) {
    Settings s;
    s.longEnabled = false;
    Scheduler scheduler(s, at(0));
    scheduler.tick(at(1170), active());
    EXPECT_EQ(scheduler.tick(at(1180), idle(400)), Events{record(BreakKind::micro, Outcome::natural)});
    EXPECT_EQ(scheduler.phase(), Phase{phase::Working{}});
}

TEST(SchedulerTick, EachAbsenceIsRecordedOnce) {
    Scheduler scheduler(Settings{}, at(0));
    Events events = run(scheduler, 300, 900, idle(300));
    scheduler.tick(at(901), idle(0.5));  // one input event between the absences
    for (auto& e : run(scheduler, 902, 1500, idle(400))) events.push_back(e);
    EXPECT_EQ(events, (Events{record(BreakKind::long_, Outcome::natural), record(BreakKind::long_, Outcome::natural)}));

    // Idle between one minute and the threshold does not clear the mark.
    Scheduler mark(Settings{}, at(0));
    mark.tick(at(300), idle(300));
    mark.tick(at(301), idle(120));
    EXPECT_TRUE(mark.tick(at(302), idle(300)).empty());
}

TEST(SchedulerTick, LongBreakSpentAwayIsNotAlsoANaturalBreak) {
    Scheduler scheduler(Settings{}, at(0));
    scheduler.takeBreak(BreakKind::long_, at(100));
    EXPECT_EQ(scheduler.tick(at(400), idle(300)), Events{record(BreakKind::long_, Outcome::taken)});
    EXPECT_TRUE(run(scheduler, 401, 700, idle(320)).empty());
    scheduler.tick(at(701), idle(1));
    EXPECT_EQ(scheduler.tick(at(1100), idle(300)), Events{record(BreakKind::long_, Outcome::natural)});
}

TEST(SchedulerTick, NudgesFireOnePerTickBlinkFirst) {
    Settings s;
    s.microEnabled = s.longEnabled = false;
    s.blinkEveryMinutes = 10;
    s.postureEveryMinutes = 10;
    Scheduler scheduler(s, at(0));
    EXPECT_EQ(scheduler.tick(at(600), active()), Events{event::Blink{}});
    EXPECT_EQ(scheduler.tick(at(601), active()), Events{event::Posture{}});
    EXPECT_TRUE(scheduler.tick(at(602), active()).empty());
    EXPECT_EQ(sinceStart(scheduler.nextBlink()), 1200);
    EXPECT_EQ(sinceStart(scheduler.nextPosture()), 1201);
    // A blocking user keeps the nudge due until free.
    EXPECT_TRUE(scheduler.tick(at(1200), busy(BusyReason::fullscreen)).empty());
    EXPECT_EQ(scheduler.tick(at(1201), busy(BusyReason::typing)), Events{event::Blink{}});
}

TEST(SchedulerTick, ZeroIntervalsTurnNudgesOff) {
    Settings s;
    s.blinkEveryMinutes = 0;
    s.postureEveryMinutes = 0;
    s.microEnabled = false;
    s.longEnabled = false;
    Scheduler scheduler(s, at(0));
    EXPECT_TRUE(run(scheduler, 0, 4000, active()).empty());
    for (double t : {0.0, 1.0, 3000.0}) EXPECT_FALSE(scheduler.wantsBusySignals(at(t), 0));
}

TEST(SchedulerTick, PauseEndsAtItsTimeWithTimersRestarted) {
    Scheduler scheduler(Settings{}, at(0));
    scheduler.pause(at(500));
    EXPECT_TRUE(run(scheduler, 1, 499, idle(1000)).empty());
    EXPECT_TRUE(std::holds_alternative<phase::Paused>(scheduler.phase()));
    scheduler.tick(at(500.5), active());
    EXPECT_EQ(scheduler.phase(), Phase{phase::Working{}});
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 1700.5);

    Scheduler past(Settings{}, at(0));
    past.pause(at(-100));
    past.tick(at(10), active());
    EXPECT_EQ(past.phase(), Phase{phase::Working{}});
    EXPECT_EQ(sinceStart(past.nextLong()), 3610);
}

TEST(SchedulerTick, HugeIntervalsFromAFileDoNotOverflow) {
    constexpr auto huge = std::numeric_limits<std::int64_t>::max();
    Settings s;
    s.microEveryMinutes = s.longEveryMinutes = s.blinkEveryMinutes = s.longMinutes = huge;
    Scheduler scheduler(s, at(0));
    EXPECT_GT(sinceStart(scheduler.nextMicro()), 5e20);
    EXPECT_TRUE(run(scheduler, 0, 3600, active()).empty());
    EXPECT_EQ(scheduler.phase(), Phase{phase::Working{}});

    scheduler.takeBreak(BreakKind::long_, at(10));
    EXPECT_GT(sinceStart(std::get<phase::OnBreak>(scheduler.phase()).endsAt), 5e20);
    EXPECT_TRUE(scheduler.tick(at(1e12), active()).empty());
    EXPECT_EQ(scheduler.skip(at(20)), Events{record(BreakKind::long_, Outcome::skipped)});
    EXPECT_GT(sinceStart(scheduler.nextLong()), 5e20);
}

TEST(SchedulerQuestions, NextBreakPrefersTheEarlierAndLongOnATie) {
    Settings s;
    s.microEveryMinutes = 60;
    EXPECT_EQ(Scheduler(s, at(0)).nextBreak(), (NextBreak{BreakKind::long_, at(3600)}));
    EXPECT_EQ(Scheduler(Settings{}, at(0)).nextBreak(), (NextBreak{BreakKind::micro, at(1200)}));
    s.longEnabled = false;
    EXPECT_EQ(Scheduler(s, at(0)).nextBreak(), (NextBreak{BreakKind::micro, at(3600)}));
    s.microEnabled = false;
    EXPECT_EQ(Scheduler(s, at(0)).nextBreak(), std::nullopt);
    s.longEnabled = true;
    EXPECT_EQ(Scheduler(s, at(0)).nextBreak(), (NextBreak{BreakKind::long_, at(3600)}));
}

TEST(SchedulerQuestions, BusySignalsAreWantedOnlyWhenTheyCanMatter) {
    Settings s;
    s.blinkEveryMinutes = 0;
    Scheduler scheduler(s, at(0));
    struct Case {
        double t, idle;
        bool wanted;
    } cases[] = {
        {0, 0, false}, {100, 299, false}, {100, 300, true},  // a call must keep an absence from counting
        {1164, 0, false}, {1165, 0, true},                   // due within 5 s plus the heads-up
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.t);
        EXPECT_EQ(scheduler.wantsBusySignals(at(c.t), c.idle), c.wanted);
    }

    Settings nudgesOnly;
    nudgesOnly.microEnabled = nudgesOnly.longEnabled = false;
    nudgesOnly.blinkEveryMinutes = 10;
    nudgesOnly.postureEveryMinutes = 15;
    Scheduler nudges(nudgesOnly, at(0));
    EXPECT_FALSE(nudges.wantsBusySignals(at(599), 0));
    EXPECT_TRUE(nudges.wantsBusySignals(at(600), 0));
    nudges.tick(at(600), active());
    EXPECT_FALSE(nudges.wantsBusySignals(at(899), 0));
    EXPECT_TRUE(nudges.wantsBusySignals(at(900), 0));

    scheduler.tick(at(1170), active());
    EXPECT_TRUE(scheduler.wantsBusySignals(at(1170), 0));  // heads-up
    scheduler.tick(at(1171), busy(BusyReason::call));
    EXPECT_TRUE(scheduler.wantsBusySignals(at(1171), 0));  // held
    scheduler.takeBreak(BreakKind::micro, at(1172));
    EXPECT_FALSE(scheduler.wantsBusySignals(at(1172), 9999));
    scheduler.pause(at(9999));
    EXPECT_FALSE(scheduler.wantsBusySignals(at(1173), 9999));
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
            if (std::holds_alternative<event::Blink>(e)) ++blinks;
        }
    }
    const auto micro = BreakKind::micro;
    const auto long_ = BreakKind::long_;
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
