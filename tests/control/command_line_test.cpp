// The command line's words, as a user types them, and what each asks the running instance.

#include <gtest/gtest.h>

#include "control/command_line.hpp"

namespace tarnwick::cli {

void PrintTo(const Command& command, std::ostream* out) { *out << "command #" << command.index(); }

namespace {

Command parsed(const char* line) {
    return parse(QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts));
}

bool isUsageError(const Command& command) { return std::holds_alternative<UsageError>(command); }

TEST(CommandLineParse, EachCommandAndItsArguments) {
    struct Case { const char* line; Command expected; } cases[] = {
        {"", Launch{}},
        {"--help", Help{}},
        {"-h", Help{}},
        {"--version", Version{}},
        {"status", Status{}},
        {"status --json", Status{true, false}},
        {"status --follow", Status{false, true}},
        {"status --follow --json", Status{true, true}},
        {"break", Break{}},
        {"break micro", Break{BreakKind::micro}},
        {"break long", Break{BreakKind::long_}},
        {"pause 30m", Pause{1800}},
        {"pause 1h", Pause{3600}},
        {"pause 90s", Pause{90}},
        {"pause 1h30m", Pause{5400}},
        {"pause tomorrow", Pause{}},
        {"resume", Resume{}},
        {"skip", Skip{}},
        {"snooze", Snooze{5}},
        {"snooze 15", Snooze{15}},
        {"settings", OpenSettings{}},
        {"stats", OpenStats{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(parsed(c.line), c.expected);
    }
}

TEST(CommandLineParse, QtOptionsStillStartTheProgram) {
    EXPECT_EQ(parsed("-platform offscreen"), Command(Launch{}));
    EXPECT_EQ(parsed("--unknown-option"), Command(Launch{}));
}

TEST(CommandLineParse, WordsItDoesNotKnowAreUsageErrorsThatSayWhat) {
    const char* lines[] = {"pause banana", "pause", "pause 30", "pause 1m1h", "pause 5x", "pause 30m 1h",
                           "break short", "break micro long", "snooze soon", "snooze -1", "snooze 1 2",
                           "status --yaml", "resume now", "skip it", "settings general", "frobnicate"};
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        const Command command = parsed(line);
        ASSERT_TRUE(isUsageError(command));
        EXPECT_FALSE(std::get<UsageError>(command).problem.isEmpty());
    }
    // The problem names the word that was wrong.
    EXPECT_TRUE(std::get<UsageError>(parsed("pause banana")).problem.contains(QStringLiteral("banana")));
    EXPECT_TRUE(std::get<UsageError>(parsed("frobnicate")).problem.contains(QStringLiteral("frobnicate")));
}

TEST(CommandLineDuration, RangesAreLeftToTheInstanceButNothingOverflows) {
    // 0 and more than a day are well-formed: the instance refuses them, saying what is valid.
    EXPECT_EQ(parseDuration(QStringLiteral("0s")), 0u);
    EXPECT_EQ(parseDuration(QStringLiteral("25h")), 90000u);
    EXPECT_EQ(parseDuration(QStringLiteral("2h0m5s")), 7205u);
    // Beyond what the bus carries is kept at its largest value, never wrapped round to a short pause.
    EXPECT_EQ(parseDuration(QStringLiteral("9999999999h")), UINT32_MAX);
    EXPECT_TRUE(isUsageError(parsed("snooze 99999999999")));
    EXPECT_EQ(std::get<Snooze>(parsed("snooze 9999999999")).minutes, UINT32_MAX);
    for (const char* text : {"", "h", "1", "1.5h", " 1h", "1H", "-5m"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseDuration(QString::fromUtf8(text)));
    }
}

TEST(CommandLineUsage, NamesEveryCommandAndTheExitCodes) {
    const QString usage = usageText();
    for (const char* word : {"status", "--json", "--follow", "break", "pause", "resume", "skip", "snooze", "settings",
                             "stats", "--help", "--version", "3 Tarnwick is not running"}) {
        SCOPED_TRACE(word);
        EXPECT_TRUE(usage.contains(QString::fromUtf8(word)));
    }
}

}  // namespace
}  // namespace tarnwick::cli
