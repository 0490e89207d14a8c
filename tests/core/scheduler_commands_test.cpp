#include <gtest/gtest.h>

#include "scheduler_support.hpp"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

// A scheduler in each phase, reached through the public surface.
enum class Where { working, headsUp, held, onBreak, paused };

Scheduler schedulerIn(Where where, const Settings& settings = Settings{}) {
    Scheduler scheduler(settings, at(0));
    switch (where) {
        case Where::working: break;
        case Where::headsUp: scheduler.tick(at(1170), active()); break;
        case Where::held: scheduler.tick(at(1170), busy(BusyReason::call)); break;
        case Where::onBreak: scheduler.takeBreak(BreakKind::micro, at(1000)); break;
        case Where::paused: scheduler.pause(at(5000)); break;
    }
    return scheduler;
}

const char* nameOf(Where where) {
    constexpr const char* names[] = {"working", "headsUp", "held", "onBreak", "paused"};
    return names[int(where)];
}

constexpr Where allPhases[] = {Where::working, Where::headsUp, Where::held, Where::onBreak, Where::paused};

}  // namespace

TEST(SchedulerCommands, SkipRecordsInAnnouncedHeldAndRunningBreaksOnly) {
    for (Where where : allPhases) {
        SCOPED_TRACE(nameOf(where));
        Scheduler scheduler = schedulerIn(where);
        const Phase before = scheduler.phase();
        const Events events = scheduler.skip(at(1180));
        if (where == Where::working || where == Where::paused) {
            EXPECT_TRUE(events.empty());
            EXPECT_EQ(scheduler.phase(), before);
        } else {
            EXPECT_EQ(events, Events{record(BreakKind::micro, Outcome::skipped)});
            EXPECT_EQ(scheduler.phase(), Phase{phase::Working{}});
            EXPECT_EQ(sinceStart(scheduler.nextMicro()), 1180 + 1200);
            EXPECT_EQ(sinceStart(scheduler.nextBlink()), 1180 + 480);
        }
    }
}

TEST(SchedulerCommands, SkippingAHeldBreakStartsAFreshDueBreak) {
    Scheduler scheduler = schedulerIn(Where::held);
    scheduler.skip(at(1180));
    // The next break that is held is recorded as held again.
    EXPECT_EQ(scheduler.tick(at(2350), busy(BusyReason::call)), Events{record(BreakKind::micro, Outcome::held)});
}

TEST(SchedulerCommands, EndBreakRecordsTakenOnlyDuringABreak) {
    for (Where where : allPhases) {
        SCOPED_TRACE(nameOf(where));
        Scheduler scheduler = schedulerIn(where);
        const Events events = scheduler.endBreak(at(1005));
        EXPECT_EQ(events.empty(), where != Where::onBreak);
        if (where == Where::onBreak) {
            EXPECT_EQ(events, Events{record(BreakKind::micro, Outcome::taken)});
            EXPECT_EQ(sinceStart(scheduler.nextMicro()), 1005 + 1200);
        }
    }
}

TEST(SchedulerCommands, StartNowBeginsTheAnnouncedKindAtOnce) {
    for (Where where : allPhases) {
        SCOPED_TRACE(nameOf(where));
        Scheduler scheduler = schedulerIn(where);
        const Phase before = scheduler.phase();
        scheduler.startNow(at(1180));
        if (where == Where::headsUp || where == Where::held) {
            EXPECT_EQ(scheduler.phase(), Phase(phase::OnBreak{BreakKind::micro, at(1180), at(1200)}));
        } else {
            EXPECT_EQ(scheduler.phase(), before);
        }
    }
}

TEST(SchedulerCommands, TakeBreakBeginsAnyKindExceptDuringABreak) {
    Scheduler heads = schedulerIn(Where::headsUp);
    heads.takeBreak(BreakKind::long_, at(1180));
    EXPECT_EQ(heads.phase(), Phase(phase::OnBreak{BreakKind::long_, at(1180), at(1480)}));
    EXPECT_EQ(heads.tick(at(1480), active()), Events{record(BreakKind::long_, Outcome::taken)});

    Scheduler paused = schedulerIn(Where::paused);
    paused.takeBreak(BreakKind::micro, at(100));
    EXPECT_TRUE(std::holds_alternative<phase::OnBreak>(paused.phase()));
    paused.tick(at(120), active());
    EXPECT_EQ(paused.phase(), Phase{phase::Working{}});

    Scheduler running = schedulerIn(Where::onBreak);
    running.takeBreak(BreakKind::long_, at(1010));
    EXPECT_EQ(running.phase(), Phase(phase::OnBreak{BreakKind::micro, at(1000), at(1020)}));

    // Timers are untouched until the break ends.
    Scheduler working = schedulerIn(Where::working);
    working.takeBreak(BreakKind::micro, at(100));
    EXPECT_EQ(sinceStart(working.nextMicro()), 1200);
}

TEST(SchedulerCommands, SnoozeMovesTheBreakAndLeavesNoRecord) {
    // A micro heads-up with nextMicro in 20 s and nextLong 2 minutes away.
    Settings s;
    s.longEveryMinutes = 22;
    s.blinkEveryMinutes = 0;
    Scheduler scheduler(s, at(0));
    scheduler.tick(at(1180), active());
    ASSERT_EQ(scheduler.phase(), Phase(phase::HeadsUp{BreakKind::micro, at(1210)}));
    scheduler.snooze(5, at(1180));
    EXPECT_EQ(scheduler.phase(), Phase{phase::Working{}});
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 1480);
    EXPECT_EQ(sinceStart(scheduler.nextLong()), 1320);
    // The long break comes first, announced its heads-up before it is due.
    EXPECT_TRUE(run(scheduler, 1181, 1289, active()).empty());
    scheduler.tick(at(1290), active());
    EXPECT_EQ(scheduler.phase(), Phase(phase::HeadsUp{BreakKind::long_, at(1320)}));

    // A long break snoozed 15 minutes moves both, and not the nudges.
    Settings p;
    p.postureEveryMinutes = 30;
    Scheduler longBreak(p, at(0));
    longBreak.takeBreak(BreakKind::long_, at(100));
    longBreak.snooze(15, at(110));
    EXPECT_EQ(sinceStart(longBreak.nextLong()), 1010);
    EXPECT_EQ(sinceStart(longBreak.nextMicro()), 1200);  // already later than now + 15 minutes
    EXPECT_EQ(sinceStart(longBreak.nextBlink()), 480);
    EXPECT_EQ(sinceStart(longBreak.nextPosture()), 1800);

    for (Where where : {Where::working, Where::paused}) {
        SCOPED_TRACE(nameOf(where));
        Scheduler other = schedulerIn(where);
        const Phase before = other.phase();
        other.snooze(5, at(100));
        EXPECT_EQ(other.phase(), before);
        EXPECT_EQ(sinceStart(other.nextMicro()), 1200);
    }
}

TEST(SchedulerCommands, SnoozeEndsAHoldSoTheNextHoldIsRecordedAgain) {
    Scheduler scheduler = schedulerIn(Where::held);
    scheduler.snooze(1, at(1180));
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 1240);
    EXPECT_EQ(scheduler.tick(at(1240), busy(BusyReason::call)), Events{record(BreakKind::micro, Outcome::held)});
}

TEST(SchedulerCommands, UpdateRestartsTimersOnlyWhenTimingChangesOutsideBreaksAndPauses) {
    Settings longer;
    longer.longMinutes = 10;
    Scheduler heads = schedulerIn(Where::headsUp);
    heads.update(longer, at(1180));
    EXPECT_EQ(heads.phase(), Phase(phase::HeadsUp{BreakKind::micro, at(1200)}));
    heads.takeBreak(BreakKind::long_, at(1190));
    EXPECT_EQ(std::get<phase::OnBreak>(heads.phase()).endsAt, at(1790));

    Settings faster;
    faster.microEveryMinutes = 10;
    Scheduler changed = schedulerIn(Where::held);
    changed.update(faster, at(1180));
    EXPECT_EQ(changed.phase(), Phase{phase::Working{}});
    EXPECT_EQ(sinceStart(changed.nextMicro()), 1780);
    EXPECT_EQ(changed.settings(), faster);
    // The dropped hold leaves the next hold to be recorded.
    EXPECT_EQ(changed.tick(at(1780), busy(BusyReason::call)), Events{record(BreakKind::micro, Outcome::held)});

    Settings blink;
    blink.blinkEveryMinutes = 3;
    Scheduler running = schedulerIn(Where::onBreak);
    running.update(blink, at(1005));
    EXPECT_EQ(running.phase(), Phase(phase::OnBreak{BreakKind::micro, at(1000), at(1020)}));
    running.tick(at(1020), active());
    EXPECT_EQ(sinceStart(running.nextBlink()), 1020 + 180);

    Settings strict;
    strict.enforcement = BreakEnforcement::hardcore;
    Scheduler same = schedulerIn(Where::headsUp);
    same.update(strict, at(1180));
    EXPECT_EQ(same.phase(), Phase(phase::HeadsUp{BreakKind::micro, at(1200)}));
    EXPECT_EQ(same.settings().enforcement, BreakEnforcement::hardcore);
    EXPECT_EQ(sinceStart(same.nextMicro()), 1200);
}

TEST(SchedulerCommands, PauseResumeAndSleep) {
    for (Where where : allPhases) {
        SCOPED_TRACE(nameOf(where));
        Scheduler paused = schedulerIn(where);
        paused.pause(at(9000));
        EXPECT_EQ(paused.phase(), Phase(phase::Paused{at(9000)}));
        EXPECT_EQ(sinceStart(paused.nextMicro()), 1200);  // timers untouched

        Scheduler resumed = schedulerIn(where);
        resumed.resume(at(1190));
        EXPECT_EQ(resumed.phase(), Phase{phase::Working{}});
        EXPECT_EQ(sinceStart(resumed.nextMicro()), 1190 + 1200);

        Scheduler slept = schedulerIn(where);
        const Phase before = slept.phase();
        slept.didSleep(at(1190));
        if (where == Where::onBreak || where == Where::paused) {
            EXPECT_EQ(slept.phase(), before);
        } else {
            EXPECT_EQ(slept.phase(), Phase{phase::Working{}});
            EXPECT_EQ(sinceStart(slept.nextLong()), 1190 + 3600);
        }
    }
}

TEST(SchedulerCommands, BreakWhoseEndPassedDuringSleepIsRecordedTakenAtTheNextTick) {
    Scheduler scheduler = schedulerIn(Where::onBreak);
    scheduler.didSleep(at(2000));
    EXPECT_EQ(scheduler.tick(at(2000), active()), Events{record(BreakKind::micro, Outcome::taken)});
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 3200);
}

TEST(SchedulerCommands, AnnounceOnlyFromWorking) {
    Settings quick;
    quick.headsUpSeconds = 2;
    Scheduler fromWorking(quick, at(0));
    fromWorking.announce(BreakKind::long_, at(100));
    EXPECT_EQ(fromWorking.phase(), Phase(phase::HeadsUp{BreakKind::long_, at(105)}));  // at least 5 s
    for (Where where : allPhases) {
        SCOPED_TRACE(nameOf(where));
        Scheduler scheduler = schedulerIn(where);
        const Phase before = scheduler.phase();
        scheduler.announce(BreakKind::long_, at(100));
        if (where == Where::working) {
            EXPECT_EQ(scheduler.phase(), Phase(phase::HeadsUp{BreakKind::long_, at(130)}));
        } else {
            EXPECT_EQ(scheduler.phase(), before);
        }
    }
}
