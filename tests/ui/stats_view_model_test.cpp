// The weekly stats window as its view reads it: the model on fake ports, a manual clock and a
// history written beforehand, no QML.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QVariantMap>

#include "model_rig.hpp"
#include "ui/stats_view_model.hpp"

namespace tarnwick {
namespace {

using fakes::t0;
constexpr double hour = 3600, day = 86400;

TEST(StatsPresenter, ChartScaleIsTheSmallestMultipleOfFiveHoldingTheLargestDayButAtLeastTen) {
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {0, 10}, {7, 10}, {10, 10}, {11, 15}, {15, 15}, {16, 20}, {21, 25}, {100, 100},
    };
    for (auto [largest, top] : cases) {
        SCOPED_TRACE(largest);
        EXPECT_EQ(chartScaleTop(largest), top);
    }
}

TEST(StatsPresenter, PercentOfFinishedBreaksRoundsHalvesAwayFromZero) {
    struct Case { std::int64_t taken, skipped, percent; } cases[] = {
        {1, 7, 13},     // 12.5
        {2, 1, 67},     // 66.7
        {1, 1, 50},
        {0, 0, 0},      // nothing finished
        {0, 3, 0},
        {5, 0, 100},
        {57, 143, 29},  // 28.5, which 0.285 × 100 in floating point puts just below the half
        {1, 199, 1},    // 0.5
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.taken << " of " << c.taken + c.skipped);
        EXPECT_EQ(finishedPercent(c.taken, c.skipped), c.percent);
    }
}

TEST(StatsPresenter, CountsSpeakInTheSingularForExactlyOne) {
    EXPECT_EQ(shareLine(0), "You rested your eyes 0 times this week.");
    EXPECT_EQ(shareLine(1), "You rested your eyes 1 time this week.");
    EXPECT_EQ(shareLine(12), "You rested your eyes 12 times this week.");
    EXPECT_EQ(shareClipboardText(1),
              "I rested my eyes 1 time this week with Tarnwick, a break reminder that waits while I'm on calls.");
    EXPECT_EQ(shareClipboardText(2),
              "I rested my eyes 2 times this week with Tarnwick, a break reminder that waits while I'm on calls.");
    EXPECT_EQ(streakSubtitle(0), "days at 80%+");
    EXPECT_EQ(streakSubtitle(1), "day at 80%+");
    EXPECT_EQ(streakSubtitle(2), "days at 80%+");
    EXPECT_EQ(skipsLeftText(0), "0 skips left");
    EXPECT_EQ(skipsLeftText(1), "1 skip left");
    EXPECT_EQ(skipsLeftText(5), "5 skips left");
    EXPECT_EQ(dayAccessibleText("Mon", 3, 1), "Mon: 3 taken, 1 skipped");
}

TEST(StatsPresenter, RangeRunsFromMondayToSundayInTheCalendarsZoneAcrossMonthsAndYears) {
    const Calendar berlin = Calendar::forZone("Europe/Berlin");
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    struct Case { const char* name; double mondayUtc; QString range; } cases[] = {
        // Monday 00:00 in Berlin is still Sunday in UTC: the dates are Berlin's.
        {"within a month", 1'772'406'000, "2 Mar \u2013 8 Mar"},     // 2026-03-01 23:00 UTC
        {"across a month", 1'774'821'600, "30 Mar \u2013 5 Apr"},    // 2026-03-29 22:00 UTC (summer time)
        {"across a year", 1'766'962'800, "29 Dec \u2013 4 Jan"},     // 2025-12-28 23:00 UTC
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(StatsCalculator::weekStart(instantAt(c.mondayUtc), berlin), instantAt(c.mondayUtc));
        EXPECT_EQ(weekRangeText(instantAt(c.mondayUtc), berlin, english), c.range);
    }
}

// A model whose history was written before it started, at `now`.
struct Week : fakes::ModelRig {
    explicit Week(const std::vector<BreakRecord>& records, double now = t0) {
        clock.set(now);
        EXPECT_TRUE(persistence.save(records, instantAt(now)));
        makeModel();
        vm.setModel(model.get());
    }
    QVariantMap dayAt(int index) const { return vm.days().value(index).toMap(); }

    StatsViewModel vm;
};

std::vector<BreakRecord> repeat(double at, Outcome outcome, int count) {
    return std::vector<BreakRecord>(std::size_t(count), BreakRecord{instantAt(at), BreakKind::micro, outcome});
}

std::vector<BreakRecord> concat(std::initializer_list<std::vector<BreakRecord>> parts) {
    std::vector<BreakRecord> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(StatsViewModel, AWeekOfRecordsFillsTheTilesTheChartAndTheShareLine) {
    // Monday: 3 taken and 1 skipped (a bad day); Tuesday: 4 taken, 1 natural, 1 skipped (good);
    // Wednesday, today: nothing yet. Two calls held breaks.
    const double wednesday = t0 + 2 * day + 2 * hour;
    Week w(concat({repeat(t0, Outcome::taken, 3), repeat(t0 + hour, Outcome::skipped, 1),
                   repeat(t0 + day, Outcome::taken, 4), repeat(t0 + day, Outcome::natural, 1),
                   repeat(t0 + day + hour, Outcome::skipped, 1), repeat(t0 + day, Outcome::held, 2)}),
           wednesday);

    EXPECT_FALSE(w.vm.empty());
    EXPECT_EQ(w.vm.takenValue(), "8");
    EXPECT_EQ(w.vm.takenSubtitle(), "80% of finished breaks");
    EXPECT_EQ(w.vm.skippedValue(), "2");
    EXPECT_EQ(w.vm.skippedSubtitle(), "3 skips left");
    EXPECT_EQ(w.vm.heldValue(), "2");
    EXPECT_EQ(w.vm.streakValue(), "1");
    EXPECT_EQ(w.vm.streakSubtitleText(), "day at 80%+");
    EXPECT_EQ(w.vm.shareText(), "You rested your eyes 8 times this week.");

    EXPECT_EQ(w.vm.scaleTop(), 10);
    EXPECT_EQ(w.vm.scaleLabels(), QStringList({"10", "5", "0"}));
    ASSERT_EQ(w.vm.days().size(), 7);
    const QVariantMap monday = w.dayAt(0), tuesday = w.dayAt(1), sunday = w.dayAt(6);
    EXPECT_EQ(monday["accessibleText"].toString(), "Mon: 3 taken, 1 skipped");
    EXPECT_DOUBLE_EQ(monday["takenShare"].toDouble(), 0.3);
    EXPECT_DOUBLE_EQ(monday["skippedShare"].toDouble(), 0.1);
    EXPECT_EQ(tuesday["accessibleText"].toString(), "Tue: 5 taken, 1 skipped");
    EXPECT_EQ(sunday["label"].toString(), "Sun");
    EXPECT_EQ(sunday["takenShare"].toDouble(), 0.0) << "a bar of nothing is not drawn";
    EXPECT_EQ(sunday["skippedShare"].toDouble(), 0.0);
}

TEST(StatsViewModel, ABusyDayRaisesTheScaleAndTheBarsShrinkToIt) {
    struct Case { int taken, skipped, top; QString half; } cases[] = {
        {10, 0, 10, "5"}, {9, 2, 15, "7"}, {15, 0, 15, "7"}, {12, 4, 20, "10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.taken + c.skipped);
        Week w(concat({repeat(t0 - hour, Outcome::taken, c.taken), repeat(t0 - hour, Outcome::skipped, c.skipped)}));
        EXPECT_EQ(w.vm.scaleTop(), c.top);
        EXPECT_EQ(w.vm.scaleLabels(), QStringList({QString::number(c.top), c.half, "0"}));
        EXPECT_DOUBLE_EQ(w.dayAt(0)["takenShare"].toDouble(), double(c.taken) / c.top);
        EXPECT_DOUBLE_EQ(w.dayAt(0)["skippedShare"].toDouble(), double(c.skipped) / c.top);
    }
}

TEST(StatsViewModel, OnlyHeldBreaksShowTheTilesWithNoneFinished) {
    Week w(repeat(t0 - hour, Outcome::held, 2));
    EXPECT_FALSE(w.vm.empty());
    EXPECT_EQ(w.vm.takenSubtitle(), "0% of finished breaks");
    EXPECT_EQ(w.vm.streakSubtitleText(), "days at 80%+");
    EXPECT_EQ(w.vm.nextText(), "") << "the invitation is not shown";
}

TEST(StatsViewModel, AnEmptyWeekInvitesTheFirstBreakWithALiveCountdown) {
    // Last week's records do not count.
    Week w(repeat(t0 - 2 * day, Outcome::taken, 5));
    EXPECT_TRUE(w.vm.empty());
    const QString after = ". After it, breaks taken, skipped and held show up here.";
    EXPECT_EQ(w.vm.nextText(), "Next one is in 20:00" + after);
    int changes = 0;
    QObject::connect(&w.vm, &StatsViewModel::changed, [&] { ++changes; });
    w.tickUntil(t0 + 61);
    EXPECT_EQ(w.vm.nextText(), "Next one is in 18:59" + after);
    EXPECT_GT(changes, 0);

    Settings off = w.model->settings();
    off.microEnabled = off.longEnabled = false;
    w.model->setSettings(off);
    EXPECT_EQ(w.vm.nextText(), "") << "no break is scheduled";
}

TEST(StatsViewModel, TakeOneNowStartsAnEyeBreakAndTheFirstRecordEndsTheEmptyState) {
    Week w({});
    ASSERT_TRUE(w.vm.empty());
    w.vm.takeBreak();
    const auto* onBreak = std::get_if<phase::OnBreak>(&w.model->phase());
    ASSERT_NE(onBreak, nullptr);
    EXPECT_EQ(onBreak->kind, BreakKind::micro);
    w.tickUntil(t0 + 21);  // the break runs out: one taken
    EXPECT_FALSE(w.vm.empty());
    EXPECT_EQ(w.vm.takenValue(), "1");
    EXPECT_EQ(w.vm.shareText(), "You rested your eyes 1 time this week.");
}

TEST(StatsViewModel, CopyPutsTheLineOnTheClipboardAndTheButtonSaysCopiedForThisViewOnly) {
    Week w(repeat(t0 - hour, Outcome::taken, 1));
    QGuiApplication::clipboard()->setText("something else");
    EXPECT_EQ(w.vm.copyText(), "Copy as text");
    w.vm.copyShareText();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "I rested my eyes 1 time this week with Tarnwick, a break reminder that waits while I'm on calls.");
    EXPECT_TRUE(w.vm.copied());
    EXPECT_EQ(w.vm.copyText(), "Copied");
    w.tickUntil(t0 + 5);
    EXPECT_EQ(w.vm.copyText(), "Copied") << "nothing sets it back";

    StatsViewModel fresh;
    fresh.setModel(w.model.get());
    EXPECT_EQ(fresh.copyText(), "Copy as text");
}

TEST(StatsViewModel, WithoutAModelItShowsNothingAndDoesNothing) {
    StatsViewModel vm;
    EXPECT_TRUE(vm.empty());
    EXPECT_TRUE(vm.days().isEmpty());
    vm.takeBreak();
    vm.copyShareText();
    EXPECT_FALSE(vm.copied());
}

}  // namespace
}  // namespace tarnwick
