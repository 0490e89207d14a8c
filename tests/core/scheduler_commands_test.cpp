#include <gtest/gtest.h>

#include "scheduler_support.hpp"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

// A scheduler in each phase, reached through the public surface.
enum class Where { working, headsUp, held, onBreak, paused };
constexpr Where allPhases[] = {Where::working, Where::headsUp, Where::held, Where::onBreak, Where::paused};

Scheduler schedulerIn(Where where) {
    Scheduler scheduler(Settings{}, at(0));
    if (where == Where::headsUp) scheduler.tick(at(1170), active());
    if (where == Where::held) scheduler.tick(at(1170), busy(BusyReason::call));
    if (where == Where::onBreak) scheduler.takeBreak(BreakKind::micro, at(1000));
    if (where == Where::paused) scheduler.pause(at(5000));
    return scheduler;
}

bool announcedOrHeld(Where where) { return where == Where::headsUp || where == Where::held; }

}  // namespace

// Which phases each command acts in, and what it leaves behind.
TEST(SchedulerCommands, EachCommandActsOnlyInItsPhases) {
    for (Where where : allPhases) {
        SCOPED_TRACE(int(where));
        const Phase before = schedulerIn(where).phase();
        const bool breakInHand = announcedOrHeld(where) || where == Where::onBreak;

        Scheduler skipped = schedulerIn(where);
        const Events skipEvents = skipped.skip(at(1180));
        EXPECT_EQ(skipEvents, breakInHand ? Events{record(BreakKind::micro, Outcome::skipped)} : Events{});
        EXPECT_EQ(sinceStart(skipped.nextMicro()), breakInHand ? 1180 + 1200 : 1200);
        EXPECT_EQ(skipped.phase(), breakInHand ? Phase{phase::Working{}} : before);

        Scheduler ended = schedulerIn(where);
        EXPECT_EQ(ended.endBreak(at(1005)).empty(), where != Where::onBreak);

        Scheduler started = schedulerIn(where);
        started.startNow(at(1180));
        EXPECT_EQ(started.phase(), announcedOrHeld(where) ? Phase(phase::OnBreak{BreakKind::micro, at(1180), at(1200)})
                                                          : before);

        Scheduler snoozed = schedulerIn(where);
        snoozed.snooze(5, at(1180));
        EXPECT_EQ(snoozed.phase(), breakInHand ? Phase{phase::Working{}} : before);

        Scheduler announced = schedulerIn(where);
        announced.announce(BreakKind::long_, at(100));
        EXPECT_EQ(announced.phase(), where == Where::working ? Phase(phase::HeadsUp{BreakKind::long_, at(130)}) : before);

        Scheduler paused = schedulerIn(where);
        paused.pause(at(9000));
        EXPECT_EQ(paused.phase(), Phase(phase::Paused{at(9000)}));
        EXPECT_EQ(sinceStart(paused.nextMicro()), 1200);  // timers untouched

        Scheduler resumed = schedulerIn(where);
        resumed.resume(at(1190));
        EXPECT_EQ(resumed.phase(), Phase{phase::Working{}});
        EXPECT_EQ(sinceStart(resumed.nextMicro()), 2390);

        Scheduler slept = schedulerIn(where);
        slept.didSleep(at(1190));
        const bool goesOn = where == Where::onBreak || where == Where::paused;
        EXPECT_EQ(slept.phase(), goesOn ? before : Phase{phase::Working{}});
        EXPECT_EQ(sinceStart(slept.nextLong()), goesOn ? 3600 : 1190 + 3600);
    }
}

TEST(SchedulerCommands, DroppingAHoldLetsTheNextHoldBeRecorded) {
    Scheduler skipped = schedulerIn(Where::held);
    skipped.skip(at(1180));
    EXPECT_EQ(skipped.tick(at(2350), busy(BusyReason::call)), Events{record(BreakKind::micro, Outcome::held)});

    Scheduler snoozed = schedulerIn(Where::held);
    snoozed.snooze(1, at(1180));
    EXPECT_EQ(snoozed.tick(at(1240), busy(BusyReason::call)), Events{record(BreakKind::micro, Outcome::held)});
}

TEST(SchedulerCommands, TakeBreakReplacesAnAnnouncementEndsAPauseButNotABreak) {
    Scheduler heads = schedulerIn(Where::headsUp);
    heads.takeBreak(BreakKind::long_, at(1180));
    EXPECT_EQ(heads.tick(at(1480), active()), Events{record(BreakKind::long_, Outcome::taken)});

    Scheduler paused = schedulerIn(Where::paused);
    paused.takeBreak(BreakKind::micro, at(100));
    EXPECT_EQ(sinceStart(paused.nextMicro()), 1200);  // untouched until the break ends
    paused.tick(at(120), active());
    EXPECT_EQ(paused.phase(), Phase{phase::Working{}});

    Scheduler running = schedulerIn(Where::onBreak);
    running.takeBreak(BreakKind::long_, at(1010));
    EXPECT_EQ(running.phase(), Phase(phase::OnBreak{BreakKind::micro, at(1000), at(1020)}));
}

TEST(SchedulerCommands, SnoozeMovesTheBreakAndAnEarlierLongBreakComesFirst) {
    Settings s;
    s.longEveryMinutes = 22;
    Scheduler scheduler(s, at(0));
    scheduler.tick(at(1180), active());
    scheduler.snooze(5, at(1180));
    EXPECT_EQ(sinceStart(scheduler.nextMicro()), 1480);
    EXPECT_EQ(sinceStart(scheduler.nextLong()), 1320);
    run(scheduler, 1181, 1290, active());
    EXPECT_EQ(scheduler.phase(), Phase(phase::HeadsUp{BreakKind::long_, at(1320)}));

    Scheduler longBreak(Settings{}, at(0));
    longBreak.takeBreak(BreakKind::long_, at(100));
    longBreak.snooze(15, at(110));
    EXPECT_EQ(sinceStart(longBreak.nextLong()), 1010);
    EXPECT_EQ(sinceStart(longBreak.nextMicro()), 1200);  // already later
    EXPECT_EQ(sinceStart(longBreak.nextBlink()), 480);
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
    Scheduler held = schedulerIn(Where::held);
    held.update(faster, at(1180));
    EXPECT_EQ(held.phase(), Phase{phase::Working{}});
    EXPECT_EQ(sinceStart(held.nextMicro()), 1780);

    Settings blink;
    blink.blinkEveryMinutes = 3;
    Scheduler running = schedulerIn(Where::onBreak);
    running.update(blink, at(1005));
    EXPECT_EQ(running.settings(), blink);
    EXPECT_TRUE(std::holds_alternative<phase::OnBreak>(running.phase()));
    running.tick(at(1020), active());
    EXPECT_EQ(sinceStart(running.nextBlink()), 1020 + 180);
}

TEST(SchedulerCommands, BreakWhoseEndPassedDuringSleepIsRecordedTakenAtTheNextTick) {
    Scheduler scheduler = schedulerIn(Where::onBreak);
    scheduler.didSleep(at(2000));
    EXPECT_EQ(scheduler.tick(at(2000), active()), Events{record(BreakKind::micro, Outcome::taken)});
}
