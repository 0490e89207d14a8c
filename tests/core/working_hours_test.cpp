#include <gtest/gtest.h>

#include <date/date.h>

#include "core/working_hours/hours_format.hpp"
#include "core/working_hours/working_hours.hpp"
#include "local_time.hpp"

using namespace tarnwick;
using namespace tarnwick::testing_time;

namespace {

Instant utc(const char* text) { return parseDate(text); }

MinuteRange range(int startHour, int startMinute, int endHour, int endMinute) {
    return {startHour * 60 + startMinute, endHour * 60 + endMinute};
}

enum Day { mon, tue, wed, thu, fri, sat, sun };

WorkingHours on(std::initializer_list<std::pair<Day, MinuteRange>> ranges) {
    WorkingHours hours;
    hours.enabled = true;
    for (const auto& [day, r] : ranges) hours.days[std::size_t(day)].push_back(r);
    return hours;
}

// 2026-06-01 is a Monday, far from any clock change.
Instant june(unsigned day, int h, int mi = 0) { return local(berlin(), 2026, 6, day, h, mi); }

}  // namespace

TEST(WorkingHoursDefaults, OffUntilSwitchedOnThenWeekdaysNineToSix) {
    const WorkingHours off;
    EXPECT_FALSE(off.enabled);
    EXPECT_TRUE(isWorkingTime(off, june(6, 3), berlin()));  // a Saturday night: no hours, no limit
    EXPECT_EQ(nextEdge(off, june(1, 8), berlin()), std::nullopt);

    const WorkingHours first = switchedOn(off);
    EXPECT_EQ(first, defaultWorkingHours());
    EXPECT_TRUE(first.enabled);
    for (int day = 0; day < 7; ++day) {
        SCOPED_TRACE(day);
        EXPECT_EQ(hasRangesOn(first, day), day < 5);
        EXPECT_EQ(first.days[std::size_t(day)],
                  day < 5 ? std::vector{range(9, 0, 18, 0)} : std::vector<MinuteRange>{});
    }

    // Switching back on keeps the user's own ranges.
    WorkingHours own = on({{sat, range(10, 0, 12, 0)}});
    own.enabled = false;
    const WorkingHours again = switchedOn(own);
    EXPECT_TRUE(again.enabled);
    EXPECT_EQ(again.days, own.days);
}

TEST(WorkingHoursEdges, NextEdgeAfterAnInstant) {
    const WorkingHours weekdays = defaultWorkingHours();
    const struct Case {
        const char* name;
        WorkingHours hours;
        Instant after;
        std::optional<HoursEdge> expected;
    } cases[] = {
        {"before the day's start", weekdays, june(1, 8), HoursEdge{june(1, 9), true}},
        {"a second before the start", weekdays, june(1, 9) - Seconds{1}, HoursEdge{june(1, 9), true}},
        {"at the start itself: the end is next", weekdays, june(1, 9), HoursEdge{june(1, 18), false}},
        {"at the end itself: the next morning", weekdays, june(1, 18), HoursEdge{june(2, 9), true}},
        {"Friday evening: over the empty weekend", weekdays, june(5, 18, 30), HoursEdge{june(8, 9), true}},
        {"an empty Wednesday is passed over", on({{tue, range(9, 0, 18, 0)}, {thu, range(9, 0, 18, 0)}}),
         june(2, 18), HoursEdge{june(4, 9), true}},
        {"crossing midnight: ends the next day", on({{fri, range(22, 0, 2, 0)}}), june(5, 23),
         HoursEdge{june(6, 2), false}},
        {"crossing midnight: still inside after midnight", on({{fri, range(22, 0, 2, 0)}}), june(6, 1),
         HoursEdge{june(6, 2), false}},
        {"crossing midnight: a week to the next start", on({{fri, range(22, 0, 2, 0)}}), june(6, 2),
         HoursEdge{june(12, 22), true}},
        {"ranges that touch are one", on({{mon, range(12, 0, 13, 0)}, {mon, range(13, 0, 14, 0)}}), june(1, 12, 30),
         HoursEdge{june(1, 14), false}},
        {"ranges that overlap are one", on({{mon, range(9, 0, 12, 0)}, {mon, range(10, 0, 10, 30)}, {mon, range(11, 0, 13, 0)}}),
         june(1, 9, 30), HoursEdge{june(1, 13), false}},
        {"a range ending at midnight touches the next day's", on({{mon, range(22, 0, 0, 0)}, {tue, range(0, 0, 6, 0)}}),
         june(1, 23), HoursEdge{june(2, 6), false}},
        {"a gap between ranges is an end then a start", on({{mon, range(9, 0, 12, 30)}, {mon, range(13, 30, 18, 0)}}),
         june(1, 12, 45), HoursEdge{june(1, 13, 30), true}},
        {"ranges listed out of order", on({{mon, range(13, 30, 18, 0)}, {mon, range(9, 0, 12, 30)}}), june(1, 8),
         HoursEdge{june(1, 9), true}},
        {"only Mondays: almost a week ahead", on({{mon, range(9, 0, 18, 0)}}), june(1, 18, 1),
         HoursEdge{june(8, 9), true}},
        {"only Mondays, at the end itself", on({{mon, range(9, 0, 10, 0)}}),
         june(1, 10), HoursEdge{june(8, 9), true}},
        {"invalid ranges are ignored", on({{mon, range(9, 0, 9, 0)}, {mon, {1500, 1600}}, {tue, range(9, 0, 10, 0)}}),
         june(1, 0), HoursEdge{june(2, 9), true}},
        {"a whole empty week has no edge", on({}), june(1, 8), std::nullopt},
        {"a week covered end to end has no edge",
         [] {
             WorkingHours all;
             all.enabled = true;
             for (auto& day : all.days) day = {range(0, 0, 12, 0), range(12, 0, 0, 0)};
             return all;
         }(),
         june(3, 15), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto edge = nextEdge(c.hours, c.after, berlin());
        EXPECT_EQ(edge, c.expected);
        // Just before an edge, the instant is on the other side of it.
        if (edge) {
            EXPECT_EQ(isWorkingTime(c.hours, edge->at - Seconds{1}, berlin()), !edge->starts);
            EXPECT_EQ(isWorkingTime(c.hours, edge->at, berlin()), edge->starts);
        }
    }
    WorkingHours all;
    all.enabled = true;
    for (auto& day : all.days) day = {range(0, 0, 12, 0), range(12, 0, 0, 0)};
    EXPECT_TRUE(isWorkingTime(all, june(6, 3), berlin()));
}

TEST(WorkingHoursEdges, StartAndEndAreFoundPastTheOtherKind) {
    const WorkingHours hours = on({{mon, range(9, 0, 12, 30)}, {mon, range(13, 30, 18, 0)}, {wed, range(22, 0, 2, 0)}});
    // Outside: the next end is that of the range about to start.
    EXPECT_EQ(nextStart(hours, june(1, 12, 45), berlin()), june(1, 13, 30));
    EXPECT_EQ(nextEnd(hours, june(1, 12, 45), berlin()), june(1, 18));
    // Inside: the next start is after the end.
    EXPECT_EQ(nextEnd(hours, june(3, 23), berlin()), june(4, 2));
    EXPECT_EQ(nextStart(hours, june(3, 23), berlin()), june(8, 9));

    EXPECT_FALSE(isWorkingTime(hours, june(1, 13), berlin()));
    EXPECT_TRUE(isWorkingTime(hours, june(4, 1, 59), berlin()));
    EXPECT_FALSE(isWorkingTime(hours, june(4, 2), berlin()));
    EXPECT_FALSE(isWorkingTime(on({}), june(1, 10), berlin()));
    EXPECT_EQ(nextStart(on({}), june(1, 10), berlin()), std::nullopt);
}

TEST(WorkingHoursDaylightSaving, EdgesFollowTheWallClockInBerlin) {
    const Calendar& cal = berlin();
    const struct Case {
        const char* name;
        WorkingHours hours;
        Instant after;
        HoursEdge expected;
    } cases[] = {
        // 2026-03-29: 02:00 CET becomes 03:00 CEST.
        {"a start the clock skips happens at the jump", on({{sun, range(2, 30, 4, 0)}}), utc("2026-03-28T23:00:00Z"),
         {utc("2026-03-29T01:00:00Z"), true}},
        {"an end after the jump is in summer time", on({{sun, range(1, 0, 3, 30)}}), utc("2026-03-29T00:30:00Z"),
         {utc("2026-03-29T01:30:00Z"), false}},
        {"a range wholly in the skipped hour does not happen", on({{sun, range(2, 0, 2, 30)}}),
         utc("2026-03-28T23:00:00Z"), {utc("2026-04-05T00:00:00Z"), true}},
        {"a night range across the jump", on({{sat, range(22, 0, 9, 0)}}), utc("2026-03-28T22:00:00Z"),
         {utc("2026-03-29T07:00:00Z"), false}},
        {"the weekend before is an hour short", defaultWorkingHours(), local(cal, 2026, 3, 27, 18, 30),
         {utc("2026-03-30T07:00:00Z"), true}},
        // 2026-10-25: 03:00 CEST becomes 02:00 CET; 02:00 to 03:00 passes twice.
        {"a start in the repeated hour takes the first pass", on({{sun, range(2, 30, 5, 0)}}),
         utc("2026-10-24T22:00:00Z"), {utc("2026-10-25T00:30:00Z"), true}},
        {"an end after the repeated hour is in winter time", on({{sun, range(2, 30, 5, 0)}}),
         utc("2026-10-25T00:30:00Z"), {utc("2026-10-25T04:00:00Z"), false}},
        {"an end in the repeated hour takes the first pass", on({{sun, range(1, 0, 2, 30)}}),
         utc("2026-10-25T00:00:00Z"), {utc("2026-10-25T00:30:00Z"), false}},
        {"the weekend after is an hour long", defaultWorkingHours(), local(cal, 2026, 10, 23, 18, 30),
         {utc("2026-10-26T08:00:00Z"), true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(nextEdge(c.hours, c.after, cal), c.expected);
    }
    // On the second pass through 02:15 the range that ended at the first 02:30 is over.
    EXPECT_FALSE(isWorkingTime(on({{sun, range(1, 0, 2, 30)}}), utc("2026-10-25T01:15:00Z"), cal));
    EXPECT_TRUE(isWorkingTime(on({{sun, range(1, 0, 2, 30)}}), utc("2026-10-25T00:15:00Z"), cal));
}

TEST(WorkingHoursDaylightSaving, EdgesFollowTheWallClockInNewYork) {
    const Calendar& cal = newYork();
    const struct Case {
        const char* name;
        WorkingHours hours;
        Instant after;
        HoursEdge expected;
    } cases[] = {
        // 2026-03-08: 02:00 EST becomes 03:00 EDT.
        {"a start the clock skips happens at the jump", on({{sun, range(2, 30, 10, 0)}}), utc("2026-03-08T05:00:00Z"),
         {utc("2026-03-08T07:00:00Z"), true}},
        {"the weekend before is an hour short", defaultWorkingHours(), local(cal, 2026, 3, 6, 18, 30),
         {utc("2026-03-09T13:00:00Z"), true}},
        // 2026-11-01: 02:00 EDT becomes 01:00 EST; 01:00 to 02:00 passes twice.
        {"a start in the repeated hour takes the first pass", on({{sun, range(1, 30, 3, 0)}}),
         utc("2026-11-01T04:00:00Z"), {utc("2026-11-01T05:30:00Z"), true}},
        {"its end is in winter time", on({{sun, range(1, 30, 3, 0)}}), utc("2026-11-01T05:30:00Z"),
         {utc("2026-11-01T08:00:00Z"), false}},
        {"a night range across the change lasts nine hours", on({{sat, range(22, 0, 6, 0)}}),
         utc("2026-11-01T02:00:00Z"), {utc("2026-11-01T11:00:00Z"), false}},
        {"the weekend after is an hour long", defaultWorkingHours(), local(cal, 2026, 10, 30, 18, 30),
         {utc("2026-11-02T14:00:00Z"), true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(nextEdge(c.hours, c.after, cal), c.expected);
    }
}

TEST(WorkingHoursText, SaysWhenTheHoursStartAgain) {
    const WorkingHours hours = defaultWorkingHours();
    const struct Case {
        const char* name;
        Instant now;
        const char* text;  // empty: inside the hours
    } cases[] = {
        {"early the same day", june(1, 7, 15), "Off until 09:00"},
        {"the evening before", june(1, 20), "Off until Tue 09:00"},
        {"after midnight, the same day", june(2, 0, 30), "Off until 09:00"},
        {"Friday evening", june(5, 18), "Off until Mon 09:00"},
        {"Sunday", june(7, 12), "Off until Mon 09:00"},
        {"inside the hours", june(3, 12), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto pieces = offUntil(hours, c.now, berlin());
        EXPECT_EQ(pieces ? format::offUntilText(*pieces) : std::string(), c.text);
        if (pieces) {
            EXPECT_EQ(pieces->at, nextStart(hours, c.now, berlin()));
        }
    }
    // A start the clock skips reads as the time the clock shows then.
    const auto skipped = offUntil(on({{sun, range(2, 30, 4, 0)}}), utc("2026-03-28T22:00:00Z"), berlin());
    ASSERT_TRUE(skipped);
    EXPECT_EQ(*skipped, (OffUntil{utc("2026-03-29T01:00:00Z"), true, "Sun", "03:00"}));
    EXPECT_EQ(format::offUntilText(*skipped), "Off until Sun 03:00");
    // No text when the hours are off or never start.
    EXPECT_EQ(offUntil(WorkingHours{}, june(6, 12), berlin()), std::nullopt);
    EXPECT_EQ(offUntil(on({}), june(6, 12), berlin()), std::nullopt);
}
