#include <gtest/gtest.h>

#include <limits>

#include <date/date.h>
#include <nlohmann/json.hpp>

#include "core/stats.hpp"
#include "local_time.hpp"

using namespace tarnwick;
using nlohmann::json;
using namespace tarnwick::testing_time;

namespace {

BreakRecord rec(Instant date, Outcome outcome, BreakKind kind = BreakKind::micro) { return {date, kind, outcome}; }

std::vector<BreakRecord> repeat(Instant date, Outcome outcome, int count) {
    return std::vector<BreakRecord>(std::size_t(count), rec(date, outcome));
}

std::vector<BreakRecord> operator+(std::vector<BreakRecord> a, const std::vector<BreakRecord>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(BreakRecordJson, WritesUtcWholeSecondsAndReadsBack) {
    const Instant date = instantAt(1'772'439'300.75);  // 2026-03-02T08:15:00.75Z
    const json j = BreakRecord{date, BreakKind::long_, Outcome::natural};
    EXPECT_EQ(j, (json{{"date", "2026-03-02T08:15:00Z"}, {"kind", "long"}, {"outcome", "natural"}}));
    const auto back = j.get<BreakRecord>();
    EXPECT_EQ(back, (BreakRecord{instantAt(1'772'439'300), BreakKind::long_, Outcome::natural}));
    // Two records differing only in a fraction of a second are equal once written and read.
    EXPECT_EQ(json(BreakRecord{instantAt(1'772'439'300.1), BreakKind::micro, Outcome::held}).get<BreakRecord>(),
              json(BreakRecord{instantAt(1'772'439'300.9), BreakKind::micro, Outcome::held}).get<BreakRecord>());
    EXPECT_EQ(formatDate(instantAt(-0.5)), "1969-12-31T23:59:59Z");
}

TEST(BreakRecordJson, ReadsOffsetsAndRejectsEverythingElse) {
    EXPECT_EQ(parseDate("2026-03-02T09:15:00+01:00"), instantAt(1'772'439'300));
    EXPECT_EQ(parseDate("2026-03-02T03:15:00-05:00"), instantAt(1'772'439'300));
    EXPECT_EQ(parseDate("2024-02-29T00:00:00Z"), instantAt(1'709'164'800));
    for (const char* bad : {"2026-03-02 08:15:00Z", "2026-03-02T08:15:00", "2026-03-02T08:15:00.5Z",
                            "2026-02-30T08:15:00Z", "2026-03-02T24:00:00Z", "yesterday", "", "2026-03-02T08:15:00Z "}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(parseDate(bad), json::exception);
    }
}

TEST(BreakRecordJson, EveryAcceptedDateIsWrittenBackUnchanged) {
    // The far ends of what four year digits can hold, and ordinary dates, in UTC and with offsets.
    const struct { const char* read; const char* written; } cases[] = {
        {"9999-12-31T23:59:59Z", "9999-12-31T23:59:59Z"},
        {"0000-01-01T00:00:00Z", "0000-01-01T00:00:00Z"},
        {"5138-11-16T09:46:40Z", "5138-11-16T09:46:40Z"},
        {"1000-06-15T12:00:00Z", "1000-06-15T12:00:00Z"},
        {"1969-12-31T23:59:59Z", "1969-12-31T23:59:59Z"},
        {"9999-12-31T23:59:59+05:00", "9999-12-31T18:59:59Z"},
        {"0000-01-01T00:00:00-01:00", "0000-01-01T01:00:00Z"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.read);
        const json record{{"date", c.read}, {"kind", "micro"}, {"outcome", "taken"}};
        const json written = record.get<BreakRecord>();
        EXPECT_EQ(written.at("date"), c.written);
        EXPECT_EQ(written.get<BreakRecord>(), record.get<BreakRecord>());
    }
}

TEST(BreakRecordJson, ADateBeyondFourYearDigitsIsUnreadable) {
    // An offset can carry a date just past either end; it could not be written back as read.
    for (const char* bad : {"9999-12-31T23:59:59-00:01", "0000-01-01T00:00:00+00:01", "0000-01-01T00:59:59+01:00"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(parseDate(bad), json::exception);
        const json record{{"date", bad}, {"kind", "micro"}, {"outcome", "taken"}};
        EXPECT_THROW(record.get<BreakRecord>(), json::exception);
    }
    // An instant in memory beyond the range is written at the nearest end, which reads back.
    EXPECT_EQ(formatDate(instantAt(1e15)), "9999-12-31T23:59:59Z");
    EXPECT_EQ(formatDate(instantAt(-1e15)), "0000-01-01T00:00:00Z");
    EXPECT_EQ(formatDate(instantAt(std::numeric_limits<double>::quiet_NaN())), "1970-01-01T00:00:00Z");
}

TEST(BreakRecordJson, AnyBadFieldMakesTheRecordUnreadable) {
    const json good{{"date", "2026-03-02T08:15:00Z"}, {"kind", "micro"}, {"outcome", "taken"}, {"extra", 1}};
    EXPECT_NO_THROW(good.get<BreakRecord>());
    for (const char* key : {"date", "kind", "outcome"}) {
        SCOPED_TRACE(key);
        json missing = good;
        missing.erase(key);
        EXPECT_THROW(missing.get<BreakRecord>(), json::exception);
        json wrongType = good;
        wrongType[key] = 3;
        EXPECT_THROW(wrongType.get<BreakRecord>(), json::exception);
    }
    json upper = good;
    upper["outcome"] = "Taken";
    EXPECT_THROW(upper.get<BreakRecord>(), json::exception);
    // One bad record spoils the whole list.
    const json list = json::array({good, upper});
    EXPECT_THROW(list.get<std::vector<BreakRecord>>(), json::exception);
    EXPECT_THROW(json("not a record").get<BreakRecord>(), json::exception);
}

TEST(StatsCalendar, DaysAreLocalMidnightsAcrossDaylightSaving) {
    // 2026-03-29 has 23 hours in Berlin, 2026-10-25 has 25.
    const Instant spring = local(2026, 3, 29);
    EXPECT_EQ(epochSeconds(berlin().addDays(spring, 1)) - epochSeconds(spring), 23 * 3600);
    const Instant autumn = local(2026, 10, 25);
    EXPECT_EQ(epochSeconds(berlin().addDays(autumn, 1)) - epochSeconds(autumn), 25 * 3600);
    EXPECT_EQ(berlin().startOfDay(local(2026, 3, 29, 23, 59, 59)), spring);
    EXPECT_EQ(berlin().startOfDay(local(2026, 10, 25, 2, 30)), autumn);
    EXPECT_THROW(Calendar::forZone("Mars/Olympus_Mons"), std::exception);
    // 02:30 is skipped on the spring night: the next existing moment is 03:00 CEST = 01:00 UTC.
    EXPECT_EQ(formatDate(local(2026, 3, 29, 2, 30)), "2026-03-29T01:00:00Z");
    // 02:30 happens twice on the autumn night: the first one is CEST.
    EXPECT_EQ(formatDate(local(2026, 10, 25, 2, 30)), "2026-10-25T00:30:00Z");
}

TEST(StatsCalendar, CurrentZoneFollowsTZ) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", ":Asia/Tokyo", 1);
    EXPECT_EQ(Calendar::current().zoneName(), "Asia/Tokyo");
    setenv("TZ", "/usr/share/zoneinfo/America/New_York", 1);
    EXPECT_EQ(Calendar::current().zoneName(), "America/New_York");
    setenv("TZ", "Not/AZone", 1);
    EXPECT_FALSE(Calendar::current().zoneName().empty());  // falls back, does not throw
    if (old) setenv("TZ", saved.c_str(), 1);
    else unsetenv("TZ");
}

TEST(StatsWeek, EmptyHistory) {
    const auto week = StatsCalculator::week({}, local(2026, 3, 4, 12), berlin());
    ASSERT_EQ(week.days.size(), 7u);
    EXPECT_TRUE(week.isEmpty());
    EXPECT_EQ(week.takenRate(), 0.0);
    EXPECT_EQ(week.streak, 0);
    EXPECT_EQ(StatsCalculator::today({}, local(2026, 3, 4, 12), berlin()), TodayCounts{});
    EXPECT_EQ(StatsCalculator::skipsThisWeek({}, local(2026, 3, 4, 12), berlin()), 0);

    const auto held = StatsCalculator::week({rec(local(2026, 3, 3), Outcome::held)}, local(2026, 3, 4), berlin());
    EXPECT_FALSE(held.isEmpty());
    EXPECT_EQ(held.takenRate(), 0.0);
}

TEST(StatsWeek, StartsOnMondayMidnight) {
    EXPECT_EQ(StatsCalculator::weekStart(local(2026, 3, 8, 21), berlin()), local(2026, 3, 2));  // Sunday evening
    EXPECT_EQ(StatsCalculator::weekStart(local(2026, 3, 2), berlin()), local(2026, 3, 2));      // Monday 00:00:00
    EXPECT_EQ(StatsCalculator::weekStart(local(2026, 3, 1, 23, 59, 59), berlin()), local(2026, 2, 23));
}

TEST(StatsWeek, CountsEachDayAndTheWeekByOutcome) {
    const Instant now = local(2026, 3, 4, 9);  // Wednesday 09:00
    const std::vector<BreakRecord> records{
        rec(local(2026, 3, 1, 23, 59, 59), Outcome::taken),  // Sunday before: last week
        rec(local(2026, 3, 2), Outcome::taken),              // Monday 00:00: this week
        rec(local(2026, 3, 2, 10), Outcome::natural),
        rec(local(2026, 3, 2, 11), Outcome::skipped),
        rec(local(2026, 3, 3, 15), Outcome::held),
        rec(local(2026, 3, 4, 10), Outcome::taken),          // later today: in the week, not in today
        rec(local(2026, 3, 8, 23, 59, 59), Outcome::skipped),// Sunday night
        rec(local(2026, 3, 9), Outcome::taken),              // next Monday
    };
    const auto week = StatsCalculator::week(records, now, berlin());
    EXPECT_EQ(week.start, local(2026, 3, 2));
    const std::vector<std::pair<std::int64_t, std::int64_t>> expected{{2, 1}, {0, 0}, {1, 0}, {0, 0},
                                                                      {0, 0}, {0, 0}, {0, 1}};
    const char* labels[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (std::size_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(week.days[i].label, labels[i]);
        EXPECT_EQ(week.days[i].date, local(2026, 3, 2 + unsigned(i)));
        EXPECT_EQ(std::make_pair(week.days[i].taken, week.days[i].skipped), expected[i]);
    }
    EXPECT_EQ(week.taken, 3);
    EXPECT_EQ(week.skipped, 2);
    EXPECT_EQ(week.held, 1);
    EXPECT_DOUBLE_EQ(week.takenRate(), 0.6);
    EXPECT_EQ(StatsCalculator::today(records, now, berlin()), (TodayCounts{0, 0}));
    EXPECT_EQ(StatsCalculator::today(records, local(2026, 3, 4, 10), berlin()), (TodayCounts{1, 0}));
    EXPECT_EQ(StatsCalculator::skipsThisWeek(records, now, berlin()), 2);  // a future skip counts
}

TEST(StatsWeek, DaylightSavingWeeksHaveSevenConsecutiveLocalMidnights) {
    for (Instant now : {local(2026, 3, 29, 22), local(2026, 10, 25, 12), local(2026, 3, 30, 0, 30)}) {
        SCOPED_TRACE(formatDate(now));
        const std::vector<BreakRecord> records{rec(local(2026, 3, 29, 23, 30), Outcome::taken),
                                               rec(local(2026, 10, 25, 23, 30), Outcome::skipped),
                                               rec(local(2026, 3, 30, 0, 0), Outcome::natural)};
        const auto week = StatsCalculator::week(records, now, berlin());
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(week.days[i].date, berlin().startOfDay(week.days[i].date));
            if (i > 0) {
                EXPECT_EQ(week.days[i].date, berlin().addDays(week.days[i - 1].date, 1));
            }
        }
        // The last record of each DST Sunday is on the Sunday, not the next Monday.
        EXPECT_EQ(week.days[6].taken + week.days[6].skipped + week.days[0].taken, 1);
    }
}

TEST(StatsStreak, GoodDaysRunBackFromTodayOrYesterday) {
    const Instant today = local(2026, 3, 12, 18);
    const auto yesterday = [](Outcome o, int n) { return repeat(local(2026, 3, 11, 9), o, n); };
    const auto dayBefore = [](Outcome o, int n) { return repeat(local(2026, 3, 10, 9), o, n); };
    const auto onToday = [](Outcome o, int n) { return repeat(local(2026, 3, 12, 9), o, n); };
    const auto good = yesterday(Outcome::taken, 4) + yesterday(Outcome::skipped, 1) +
                      dayBefore(Outcome::natural, 1);
    struct Case {
        const char* name;
        std::vector<BreakRecord> records;
        std::int64_t expected;
    } cases[] = {
        {"two good days, nothing today", good, 2},
        {"and one taken today", good + onToday(Outcome::taken, 1), 3},
        {"and one skipped today", good + onToday(Outcome::skipped, 1), 0},
        {"held breaks are ignored", good + onToday(Outcome::held, 5), 2},
        {"3 of 4 is a bad day", yesterday(Outcome::taken, 3) + yesterday(Outcome::skipped, 1), 0},
        {"a skipped day alone is bad", dayBefore(Outcome::taken, 1) + yesterday(Outcome::skipped, 1), 0},
        {"a gap ends the streak", onToday(Outcome::taken, 1) + dayBefore(Outcome::taken, 1), 1},
        {"a future record today counts", repeat(local(2026, 3, 12, 23), Outcome::taken, 1), 1},
        {"records after today do not", repeat(local(2026, 3, 13, 9), Outcome::taken, 1), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StatsCalculator::streak(c.records, today, berlin()), c.expected);
        EXPECT_EQ(StatsCalculator::week(c.records, today, berlin()).streak, c.expected);
    }
}

TEST(StatsStreak, LongRunsAcrossDaylightSavingAndInAnyOrder) {
    std::vector<BreakRecord> records;
    for (int i = 0; i < 400; ++i) {
        const Instant day = berlin().addDays(local(2026, 12, 6), -i);
        records.push_back(rec(day + Seconds{3600 * 22.5}, Outcome::taken));  // late evening, near the boundary
    }
    std::reverse(records.begin() + 100, records.end());
    EXPECT_EQ(StatsCalculator::streak(records, local(2026, 12, 6, 23, 59), berlin()), 400);
}
