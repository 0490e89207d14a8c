#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/scheduler.hpp"

using namespace tarnwick;
using nlohmann::json;

namespace {
Settings read(const json& j) { return j.get<Settings>(); }
}  // namespace

TEST(Vocabulary, StoredStringsAreMatchedExactly) {
    EXPECT_EQ(fromRawValue<BreakKind>("long"), BreakKind::long_);
    EXPECT_EQ(fromRawValue<Outcome>("natural"), Outcome::natural);
    for (const char* text : {"Micro", "LONG", "Taken", "Call", " micro", ""}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(fromRawValue<BreakKind>(text));
        EXPECT_FALSE(fromRawValue<Outcome>(text));
        EXPECT_FALSE(fromRawValue<BusyReason>(text));
    }
    EXPECT_TRUE(countsAsTaken(Outcome::natural));
    EXPECT_FALSE(countsAsTaken(Outcome::held));
}

TEST(SettingsJson, RoundTripsAndEmptyObjectGivesDefaults) {
    EXPECT_EQ(read(json::object()), Settings{});
    Settings custom;
    custom.enforcement = BreakEnforcement::hardcore;
    custom.breakBackground = BreakBackground::gradient;
    custom.customMessages = {"Drink water", "Look at a tree"};
    custom.microEveryMinutes = 45;
    const json written = custom;
    EXPECT_EQ(written.size(), 23u);
    EXPECT_EQ(written.at("enforcement"), "hardcore");
    EXPECT_EQ(read(written), custom);
}

TEST(SettingsJson, ValuesBelowTheirBoundAreRaised) {
    struct Case {
        const char* key;
        std::int64_t given;
        std::int64_t Settings::*field;
        std::int64_t expected;
    } cases[] = {
        {"microSeconds", 2, &Settings::microSeconds, 5},
        {"microEveryMinutes", 0, &Settings::microEveryMinutes, 1},
        {"naturalBreakMinutes", 0, &Settings::naturalBreakMinutes, 1},
        {"skipsPerWeek", -3, &Settings::skipsPerWeek, 0},
        {"blinkEveryMinutes", -1, &Settings::blinkEveryMinutes, 0},
        {"headsUpSeconds", -30, &Settings::headsUpSeconds, 0},
        {"longEveryMinutes", 9'000'000'000'000'000'000, &Settings::longEveryMinutes, 9'000'000'000'000'000'000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        Settings expected;
        expected.*c.field = c.expected;
        EXPECT_EQ(read(json{{c.key, c.given}}), expected);
    }
}

TEST(SettingsJson, LenientEnumerationsNullsAndUnknownKeys) {
    Settings expected;
    expected.longMinutes = 10;
    EXPECT_EQ(read(json{{"enforcement", "strict"}, {"longMinutes", 10}}), expected);
    EXPECT_EQ(read(json{{"breakBackground", 7}, {"longMinutes", 10.0}}), expected);  // 10.0 is a whole number
    EXPECT_EQ(read(json{{"customMessages", nullptr}, {"soundName", nullptr}, {"futureOption", 3}}), Settings{});
}

TEST(SettingsJson, AWrongTypeFailsTheWholeRead) {
    const json cases[] = {
        {{"microEnabled", "yes"}},  {{"microEnabled", 1}},          {{"soundName", 5}},
        {{"microEveryMinutes", "20"}}, {{"microEveryMinutes", 20.5}}, {{"skipsPerWeek", 18446744073709551615ull}},
        {{"customMessages", "hi"}}, {{"customMessages", json::array({"ok", 3})}}, json::array(), json(nullptr),
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dump());
        EXPECT_THROW(read(c), json::exception);
    }
}

TEST(SettingsTiming, OnlyTheSixTimetableFieldsCount) {
    const std::vector<std::pair<void (*)(Settings&), bool>> changes{
        {[](Settings& s) { s.microEnabled = false; }, true},
        {[](Settings& s) { s.microEveryMinutes = 21; }, true},
        {[](Settings& s) { s.longEnabled = false; }, true},
        {[](Settings& s) { s.longEveryMinutes = 61; }, true},
        {[](Settings& s) { s.blinkEveryMinutes = 0; }, true},
        {[](Settings& s) { s.postureEveryMinutes = 30; }, true},
        {[](Settings& s) { s.microSeconds = 40; }, false},
        {[](Settings& s) { s.headsUpSeconds = 0; }, false},
        {[](Settings& s) { s.enforcement = BreakEnforcement::hardcore; }, false},
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        SCOPED_TRACE(i);
        Settings other;
        changes[i].first(other);
        EXPECT_EQ(Settings{}.timingDiffers(other), changes[i].second);
    }
}

TEST(Presets, EachMatchesAfterApplyAndOnlyItsOwnFieldsCount) {
    EXPECT_TRUE(matches(Preset::classic, Settings{}));
    EXPECT_FALSE(matches(Preset::focus, Settings{}));
    for (auto preset : allPresets) {
        SCOPED_TRACE(std::string(id(preset)));
        Settings s;
        s.postureEveryMinutes = 45;
        apply(preset, s);
        EXPECT_EQ(s.postureEveryMinutes, 45);
        s.soundName = "Pop";
        int matching = 0;
        for (auto other : allPresets) matching += matches(other, s);
        EXPECT_TRUE(matches(preset, s));
        EXPECT_EQ(matching, 1);
    }
    Settings gentle;  // any micro interval and length
    gentle.microEnabled = false;
    gentle.longEveryMinutes = 120;
    gentle.microEveryMinutes = 7;
    EXPECT_TRUE(matches(Preset::gentle, gentle));
}
