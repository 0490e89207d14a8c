// What `tarnwick status --json` and `--follow` print, from the properties the instance serves.

#include <gtest/gtest.h>

#include <QJsonDocument>

#include "control/status_forms.hpp"

namespace tarnwick {
namespace {

// The properties of an instance working towards an eye break in 12 minutes.
QVariantMap working() {
    return {
        {"Phase", "working"}, {"BreakKind", ""}, {"BreakAt", qint64(0)}, {"StartedAt", qint64(0)},
        {"EndsAt", qint64(0)}, {"HeldReason", ""}, {"HeldSince", qint64(0)}, {"PausedUntil", qint64(0)},
        {"NextBreakKind", "micro"}, {"NextBreakAt", qint64(1'772'439'120'000)}, {"NextLongAt", qint64(1'772'442'000'000)},
        {"Text", "12m"}, {"AccessibleLabel", "Tarnwick: 12m"}, {"Sentence", "Next eye break in 12m"},
        {"TodayTaken", 3u}, {"TodaySkipped", 1u}, {"SkipsLeftThisWeek", 4u}, {"Streak", 2u}, {"Progress", 0.4},
    };
}

TEST(StatusJson, KeysInLowerCamelCaseWithNullForWhatThePhaseLacks) {
    const QJsonObject json = statusJson(working());
    EXPECT_EQ(json.size(), 19);
    EXPECT_EQ(json["phase"], "working");
    EXPECT_EQ(json["nextBreakAt"].toInteger(), 1'772'439'120'000);
    EXPECT_EQ(json["todayTaken"].toInteger(), 3);
    EXPECT_DOUBLE_EQ(json["progress"].toDouble(), 0.4);
    for (const char* none : {"breakKind", "breakAt", "startedAt", "endsAt", "heldReason", "heldSince", "pausedUntil"}) {
        SCOPED_TRACE(none);
        EXPECT_TRUE(json[none].isNull());
    }
    // Texts stay texts, even empty: a bar shows nothing rather than "null".
    QVariantMap off = working();
    off["Text"] = "";
    off["NextBreakKind"] = "";
    EXPECT_EQ(statusJson(off)["text"], "");
    EXPECT_TRUE(statusJson(off)["nextBreakKind"].isNull());
}

TEST(StatusBarLine, WaybarFieldsWithTheWholeStatusBeside) {
    const QJsonObject line = statusBarLine(working());
    EXPECT_EQ(line["text"], "12m");
    EXPECT_EQ(line["tooltip"], "Next eye break in 12m");
    EXPECT_EQ(line["class"], "working");
    EXPECT_EQ(line["percentage"], 40);
    EXPECT_EQ(line["status"].toObject(), statusJson(working()));
    // One line: waybar reads a line per update.
    EXPECT_FALSE(compactLine(line).contains('\n'));
    EXPECT_EQ(QJsonDocument::fromJson(compactLine(line)).object(), line);
}

TEST(StatusBarLine, PercentageByPhase) {
    struct Case { const char* phase; const char* next; double progress; int percentage; } cases[] = {
        {"working", "micro", 0.0, 0}, {"working", "micro", 0.996, 100}, {"working", "long", 1.7, 100},
        {"working", "", 0.5, 0},       // breaks off
        {"headsUp", "micro", 0.9, 100}, {"held", "micro", 1, 100}, {"onBreak", "micro", 0.1, 100},
        {"paused", "micro", 0.6, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.phase) + " " + c.next + " " + std::to_string(c.progress));
        QVariantMap p = working();
        p["Phase"] = c.phase;
        p["NextBreakKind"] = c.next;
        p["Progress"] = c.progress;
        EXPECT_EQ(statusBarLine(p)["percentage"], c.percentage);
        EXPECT_EQ(statusBarLine(p)["class"], c.phase);
    }
}

TEST(StatusBarLine, WithoutAnInstanceTheModuleEmptiesAndSaysWhy) {
    const QJsonObject line = stoppedLine();
    EXPECT_EQ(line["text"], "");
    EXPECT_EQ(line["class"], "stopped");
    EXPECT_EQ(line["tooltip"], "Tarnwick is not running.");
}

}  // namespace
}  // namespace tarnwick
