// The working hours in the running model, on a manual clock ticked only at the instants the model
// asks for, as its timer would: no break, nudge or natural break outside them, fresh timers at each
// start, the edges of the day, the user's own commands, and clock changes.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "local_time.hpp"
#include "model_rig.hpp"

using namespace tarnwick;
using namespace tarnwick::fakes;

namespace {

using testing_time::berlin;

// A Berlin wall-clock time, in seconds since 1970, as the rig's clock takes it.
double local(int y, unsigned m, unsigned d, int h, int mi = 0, int s = 0, const Calendar& calendar = berlin()) {
    return epochSeconds(testing_time::local(calendar, y, m, d, h, mi, s));
}

// A rig whose model starts at `epoch` with the weekday hours.
struct HoursRig : ModelRig {
    explicit HoursRig(double epoch, WorkingHours hours = defaultWorkingHours()) {
        clock.set(epoch);
        makeModel();
        model->setWorkingHours(hours);
        model->start();
    }

    // Runs the clock to `epoch`, ticking where the model's timer would fire.
    void paceUntil(double epoch) {
        while (clock.epoch() < epoch) {
            const auto at = model->nextTickAt();
            const double next = at ? epochSeconds(*at) : clock.epoch() + 1;
            ASSERT_GT(next, clock.epoch());
            clock.set(std::min(next, epoch));
            if (beforeTick) beforeTick(clock.epoch());
            model->tick();
            model->finishSaves();
        }
    }

    bool pausedByHours() const { return model->workingHours().holdsPause(model->scheduler()); }
    double pausedUntil() const { return model->pausedUntil(); }

    std::function<void(double)> beforeTick;
};

struct LocalTime {
    int weekday;  // 0 Monday
    int seconds;  // since local midnight
};

LocalTime localTime(Instant at) {
    const auto day = berlin().localDay(at);
    return {Calendar::weekdayIndex(day), int(std::lround((at - berlin().startOfLocalDay(day)).count()))};
}

}  // namespace

TEST(WorkingHoursModel, AWeekOfWeekdaysNineToSix) {
    HoursRig rig(local(2026, 3, 1, 20));  // Sunday evening
    std::vector<Instant> breakStarts, blinks;
    QObject::connect(rig.model.get(), &AppModel::phaseChanged, [&] {
        if (auto* onBreak = std::get_if<phase::OnBreak>(&rig.model->phase())) breakStarts.push_back(onBreak->startedAt);
    });
    rig.model->onBlink = [&] { blinks.push_back(rig.model->now()); };
    // Away a quarter of an hour at Tuesday lunch, and again on Tuesday evening.
    const double lunch = local(2026, 3, 3, 12, 30), evening = local(2026, 3, 3, 20, 0);
    rig.beforeTick = [&](double t) {
        rig.input.idle = 0;
        for (double away : {lunch, evening}) {
            if (t >= away && t < away + 900) rig.input.idle = t - away;
        }
    };
    ASSERT_TRUE(rig.pausedByHours());
    EXPECT_EQ(rig.pausedUntil(), local(2026, 3, 2, 9));

    rig.paceUntil(local(2026, 3, 8, 23));

    ASSERT_FALSE(rig.model->history().empty());
    int naturals = 0;
    for (const BreakRecord& record : rig.model->history()) {
        const LocalTime at = localTime(record.date);
        SCOPED_TRACE(formatDate(record.date));
        EXPECT_LT(at.weekday, 5);
        EXPECT_GE(at.seconds, 9 * 3600);
        EXPECT_LE(at.seconds, 18 * 3600 + 5 * 60);  // a long break begun before six ends after it
        naturals += record.outcome == Outcome::natural;
    }
    EXPECT_EQ(naturals, 1);  // at lunch, not in the evening
    for (Instant blink : blinks) {
        const LocalTime at = localTime(blink);
        EXPECT_TRUE(at.weekday < 5 && at.seconds >= 9 * 3600 && at.seconds < 18 * 3600) << formatDate(blink);
    }
    EXPECT_FALSE(blinks.empty());
    // Each morning's first break a full interval after nine, whatever the evening before left.
    for (unsigned day = 2; day <= 6; ++day) {
        const Instant nine = instantAt(local(2026, 3, day, 9));
        const auto first = std::find_if(breakStarts.begin(), breakStarts.end(), [&](Instant s) { return s >= nine; });
        ASSERT_NE(first, breakStarts.end());
        EXPECT_EQ(epochSeconds(*first), local(2026, 3, day, 9, 20)) << "on March " << day;
    }
    EXPECT_TRUE(rig.pausedByHours());
    EXPECT_EQ(rig.pausedUntil(), local(2026, 3, 9, 9));
}

TEST(WorkingHoursModel, AtSixABreakUnderWayFinishesAndAnAnnouncedOrHeldOneIsDropped) {
    // Monday: a break begun at 17:59:50 runs its length and is recorded.
    HoursRig rig(local(2026, 3, 2, 17, 59, 50));
    rig.model->takeBreak(BreakKind::micro);
    rig.paceUntil(local(2026, 3, 2, 18, 1));
    ASSERT_EQ(rig.model->history().size(), 1u);
    EXPECT_EQ(rig.model->history()[0].outcome, Outcome::taken);
    EXPECT_EQ(epochSeconds(rig.model->history()[0].date), local(2026, 3, 2, 18, 0, 10));
    EXPECT_TRUE(rig.pausedByHours());
    EXPECT_EQ(rig.pausedUntil(), local(2026, 3, 3, 9));

    // Tuesday: the break due at 18:00:10 is announced at 17:59:40; at six the heads-up goes, unrecorded.
    HoursRig announced(local(2026, 3, 3, 17, 40, 10));
    announced.paceUntil(local(2026, 3, 3, 17, 59, 45));
    ASSERT_TRUE(std::holds_alternative<phase::HeadsUp>(announced.model->phase()));
    announced.paceUntil(local(2026, 3, 3, 18, 30));
    EXPECT_TRUE(announced.model->history().empty());
    EXPECT_TRUE(announced.pausedByHours());

    // Wednesday: held by a call; the hold was recorded when it began, and nothing more comes of it.
    HoursRig held(local(2026, 3, 4, 17, 40, 10));
    held.probes.camera = true;
    held.paceUntil(local(2026, 3, 4, 17, 59, 50));
    ASSERT_TRUE(std::holds_alternative<phase::Held>(held.model->phase()));
    held.paceUntil(local(2026, 3, 4, 19));
    ASSERT_EQ(held.model->history().size(), 1u);
    EXPECT_EQ(held.model->history()[0].outcome, Outcome::held);
    EXPECT_TRUE(held.pausedByHours());
}

TEST(WorkingHoursModel, TheUsersOwnCommandsOutsideTheHours) {
    HoursRig rig(local(2026, 3, 7, 11));  // Saturday
    ASSERT_TRUE(rig.pausedByHours());
    EXPECT_EQ(rig.pausedUntil(), local(2026, 3, 9, 9));

    // A break taken by hand runs, is recorded, and the hours' pause follows it.
    rig.model->takeBreak(BreakKind::micro);
    rig.paceUntil(local(2026, 3, 7, 11, 1));
    ASSERT_EQ(rig.model->history().size(), 1u);
    EXPECT_EQ(rig.model->history()[0].outcome, Outcome::taken);
    EXPECT_EQ(localTime(rig.model->history()[0].date).weekday, 5);
    EXPECT_TRUE(rig.pausedByHours());

    // Resumed on Saturday: breaks come all weekend and through Monday, until Monday's hours end.
    rig.model->resume();
    EXPECT_EQ(rig.model->currentPhaseName(), QStringLiteral("working"));
    ASSERT_TRUE(rig.model->workingHours().resumedUntil());
    EXPECT_EQ(epochSeconds(*rig.model->workingHours().resumedUntil()), local(2026, 3, 9, 18));
    rig.paceUntil(local(2026, 3, 8, 12));
    const auto sundayBreaks = std::count_if(rig.model->history().begin(), rig.model->history().end(),
                                            [](const BreakRecord& r) { return localTime(r.date).weekday == 6; });
    EXPECT_GT(sundayBreaks, 0);
    rig.paceUntil(local(2026, 3, 9, 17, 59));
    EXPECT_FALSE(rig.pausedByHours());
    rig.paceUntil(local(2026, 3, 9, 18, 10));
    EXPECT_TRUE(rig.pausedByHours());
    EXPECT_EQ(rig.pausedUntil(), local(2026, 3, 10, 9));

    // A pause of the user's own ends any resume, and its end outside the hours gives way to theirs.
    rig.model->resume();
    rig.model->pauseFor(1800);
    EXPECT_FALSE(rig.model->workingHours().resumedUntil());
    rig.paceUntil(local(2026, 3, 9, 18, 41));
    EXPECT_TRUE(rig.pausedByHours());
    EXPECT_EQ(rig.pausedUntil(), local(2026, 3, 10, 9));
}

TEST(WorkingHoursModel, APauseThatRunsPastTheStartWins) {
    HoursRig rig(local(2026, 3, 2, 8, 30));
    rig.model->pauseFor(2 * 3600);  // to 10:30
    rig.paceUntil(local(2026, 3, 2, 10));
    EXPECT_FALSE(rig.pausedByHours());
    EXPECT_EQ(rig.pausedUntil(), local(2026, 3, 2, 10, 30));
    rig.paceUntil(local(2026, 3, 2, 10, 31));
    EXPECT_EQ(rig.model->currentPhaseName(), QStringLiteral("working"));
    EXPECT_EQ(rig.model->nextBreakAt(), local(2026, 3, 2, 10, 50));
}

TEST(WorkingHoursModel, TheNextStartFollowsClockChanges) {
    // Saturday before the spring-forward night: Monday 09:00 is in summer time.
    HoursRig spring(local(2026, 3, 28, 12));
    EXPECT_EQ(spring.pausedUntil(), epochSeconds(parseDate("2026-03-30T07:00:00Z")));
    spring.paceUntil(local(2026, 3, 30, 9, 0, 1));
    EXPECT_EQ(spring.model->nextBreakAt(), epochSeconds(parseDate("2026-03-30T07:20:00Z")));

    // A change of the system's time zone while paused: the pause ends at nine where the user is now.
    HoursRig moved(local(2026, 3, 7, 12));
    const Calendar newYork = Calendar::forZone("America/New_York");
    moved.model->setCalendarSource([newYork] { return newYork; });
    moved.paceUntil(local(2026, 3, 7, 12, 2));
    EXPECT_TRUE(moved.pausedByHours());
    EXPECT_EQ(moved.pausedUntil(), local(2026, 3, 9, 9, 0, 0, newYork));

    // The clock set forward into the hours: breaks start at once, with fresh timers.
    HoursRig set(local(2026, 3, 7, 12));
    set.clock.jump(local(2026, 3, 9, 10) - local(2026, 3, 7, 12));
    set.model->tick();
    EXPECT_EQ(set.model->currentPhaseName(), QStringLiteral("working"));
    EXPECT_EQ(set.model->nextBreakAt(), local(2026, 3, 9, 10, 20));

    // And set back, from Saturday into Friday's hours: the pause ends there too.
    HoursRig back(local(2026, 3, 7, 12));
    back.clock.jump(local(2026, 3, 6, 10) - local(2026, 3, 7, 12));
    back.model->tick();
    EXPECT_EQ(back.model->currentPhaseName(), QStringLiteral("working"));
    back.paceUntil(local(2026, 3, 6, 18, 1));
    EXPECT_TRUE(back.pausedByHours());
    EXPECT_EQ(back.pausedUntil(), local(2026, 3, 9, 9));
}

TEST(WorkingHoursModel, TheScheduleIsSavedAndSwitchingItOffEndsItsPause) {
    HoursRig rig(local(2026, 3, 7, 12));
    ASSERT_TRUE(rig.pausedByHours());
    ModelRig reader;  // the same file, read by a model of its own
    Persistence again(rig.folder);
    EXPECT_EQ(again.loadWorkingHours(), defaultWorkingHours());

    WorkingHours off = defaultWorkingHours();
    off.enabled = false;
    rig.model->setWorkingHours(off);
    EXPECT_EQ(rig.model->currentPhaseName(), QStringLiteral("working"));
    EXPECT_EQ(rig.model->nextBreakAt(), local(2026, 3, 7, 12, 20));
    EXPECT_EQ(Persistence(rig.folder).loadWorkingHours(), off);

    // Deleting every file leaves the hours off, as a first start does.
    rig.model->setWorkingHours(defaultWorkingHours());
    rig.model->deleteAllData();
    EXPECT_FALSE(rig.model->workingHours().hours().enabled);
    EXPECT_FALSE(QFile::exists(rig.persistence.schedulePath()));
    EXPECT_EQ(rig.model->currentPhaseName(), QStringLiteral("working"));
}

TEST(WorkingHoursModel, TheStreakPassesOverDaysOffOnlyWhileTheHoursAreOn) {
    // Breaks taken Monday to Friday, none at the weekend, and one this Monday morning.
    std::vector<BreakRecord> history;
    for (unsigned day : {2u, 3u, 4u, 5u, 6u, 9u}) {
        history.push_back({instantAt(local(2026, 3, day, 10)), BreakKind::micro, Outcome::taken});
    }
    HoursRig rig(local(2026, 3, 9, 11));
    rig.model->deleteAllData();
    ASSERT_TRUE(rig.persistence.save(history, instantAt(local(2026, 3, 9, 11))));
    rig.makeModel();
    EXPECT_EQ(rig.model->week().streak, 1);  // hours off: the weekend ends it
    rig.model->setWorkingHours(defaultWorkingHours());
    EXPECT_EQ(rig.model->week().streak, 6);
}
