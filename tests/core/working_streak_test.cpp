#include <gtest/gtest.h>

#include <date/date.h>

#include "core/working_hours/working_streak.hpp"

using namespace tarnwick;

namespace {

const Calendar& berlin() {
    static const Calendar calendar = Calendar::forZone("Europe/Berlin");
    return calendar;
}

// A Berlin wall-clock time in 2026.
Instant local(unsigned m, unsigned d, int h = 12) {
    return berlin().at(date::sys_days{date::year{2026} / m / d}.time_since_epoch().count(), h, 0);
}

using Records = std::vector<BreakRecord>;

// A day's breaks: `taken` taken and `skipped` skipped, around noon.
Records day(unsigned m, unsigned d, int taken, int skipped = 0, Outcome good = Outcome::taken) {
    Records records;
    for (int i = 0; i < taken; ++i) records.push_back({local(m, d, 10 + i % 8), BreakKind::micro, good});
    for (int i = 0; i < skipped; ++i) records.push_back({local(m, d, 11 + i % 8), BreakKind::micro, Outcome::skipped});
    return records;
}

Records operator+(Records a, const Records& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Monday 2026-06-01 to Friday 06-05, each good, and the weekend empty.
Records goodWeek() { return day(6, 1, 5) + day(6, 2, 4, 1) + day(6, 3, 5) + day(6, 4, 3, 0, Outcome::natural) + day(6, 5, 5); }

}  // namespace

TEST(WorkingStreak, DaysOffDoNotEndTheStreakWhenTheHoursAreOn) {
    const WorkingHours weekdays = defaultWorkingHours();
    WorkingHours off = weekdays;
    off.enabled = false;
    const Records monday = day(6, 8, 5);
    const struct Case {
        const char* name;
        Records records;
        Instant now;
        std::int64_t withHours, withoutHours;
    } cases[] = {
        {"a good week, an empty weekend and a good Monday", goodWeek() + monday, local(6, 8, 20), 6, 1},
        {"Tuesday without breaks yet", goodWeek() + monday, local(6, 9, 10), 6, 1},
        {"on Sunday, after the week", goodWeek(), local(6, 7), 5, 0},
        {"a held break on Saturday is no break", goodWeek() + day(6, 6, 0, 0) +
                                                     Records{{local(6, 6), BreakKind::long_, Outcome::held}} + monday,
         local(6, 8, 20), 6, 1},
        {"a good Saturday counts", goodWeek() + day(6, 6, 2) + monday, local(6, 8, 20), 7, 1},
        {"a poor Saturday ends it", goodWeek() + day(6, 6, 3, 1) + monday, local(6, 8, 20), 1, 1},
        {"a poor Wednesday ends it", day(6, 1, 5) + day(6, 2, 5) + day(6, 3, 3, 1) + day(6, 4, 5) + day(6, 5, 5) + monday,
         local(6, 8, 20), 3, 1},
        {"an empty working day ends it", day(6, 1, 5) + day(6, 2, 5) + day(6, 3, 5) + day(6, 5, 5) + monday,
         local(6, 8, 20), 2, 1},
        {"a poor Monday today", goodWeek() + day(6, 8, 1, 1), local(6, 8, 20), 0, 0},
        {"no records", Records{}, local(6, 8, 20), 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(workingStreak(c.records, c.now, berlin(), weekdays), c.withHours);
        EXPECT_EQ(workingStreak(c.records, c.now, berlin(), off), c.withoutHours);
        EXPECT_EQ(StatsCalculator::streak(c.records, c.now, berlin()), c.withoutHours);
    }
}

TEST(WorkingStreak, HoursOnEveryDayReadAsThePlainStreak) {
    WorkingHours everyDay;
    everyDay.enabled = true;
    for (auto& ranges : everyDay.days) ranges = {MinuteRange{22 * 60, 2 * 60}};  // a night range still starts each day
    const Records sets[] = {
        goodWeek() + day(6, 8, 5),
        goodWeek() + day(6, 6, 1) + day(6, 7, 2) + day(6, 8, 5),
        day(6, 7, 1) + day(6, 8, 1, 1),
    };
    for (const auto& records : sets) {
        for (const Instant now : {local(6, 8, 20), local(6, 9, 8)}) {
            EXPECT_EQ(workingStreak(records, now, berlin(), everyDay), StatsCalculator::streak(records, now, berlin()));
        }
    }
}

TEST(WorkingStreak, RunsBackOverManyWeekendsAndAClockChange) {
    // One break on each weekday from Monday 2026-01-05 to Friday 2026-12-04: 48 weeks, over both
    // clock changes, listed newest first.
    Records records;
    std::int64_t weekdaysCount = 0;
    const auto first = date::sys_days{date::year{2026} / 1 / 5}.time_since_epoch().count();
    for (std::int64_t d = first + 48 * 7 - 1; d >= first; --d) {
        if (Calendar::weekdayIndex(d) >= 5) continue;
        records.push_back({berlin().at(d, 8, 30), BreakKind::micro, Outcome::taken});
        ++weekdaysCount;
    }
    EXPECT_EQ(weekdaysCount, 240);
    EXPECT_EQ(workingStreak(records, local(12, 6), berlin(), defaultWorkingHours()), 240);
    EXPECT_EQ(StatsCalculator::streak(records, local(12, 6), berlin()), 0);
    // Hours on Mondays only: the other weekdays have breaks, and count as good days too.
    WorkingHours mondays;
    mondays.enabled = true;
    mondays.days[0] = {MinuteRange{9 * 60, 17 * 60}};
    EXPECT_EQ(workingStreak(records, local(12, 6), berlin(), mondays), 240);
}
