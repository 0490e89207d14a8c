#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/scheduler.hpp"
#include "core/settings.hpp"

using namespace tarnwick;
using nlohmann::json;

namespace {

Settings read(const json& j) { return j.get<Settings>(); }

}  // namespace

TEST(Vocabulary, StoredStringsAreMatchedExactly) {
    EXPECT_EQ(fromRawValue<BreakKind>("long"), BreakKind::long_);
    EXPECT_EQ(fromRawValue<Outcome>("natural"), Outcome::natural);
    EXPECT_EQ(fromRawValue<BusyReason>("fullscreen"), BusyReason::fullscreen);
    EXPECT_EQ(fromRawValue<BreakEnforcement>("hardcore"), BreakEnforcement::hardcore);
    EXPECT_EQ(fromRawValue<Preset>("gentle"), Preset::gentle);
    for (const char* text : {"Micro", "LONG", "Taken", "Call", " micro", "micro ", ""}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(fromRawValue<BreakKind>(text));
        EXPECT_FALSE(fromRawValue<Outcome>(text));
        EXPECT_FALSE(fromRawValue<BusyReason>(text));
    }
    for (auto outcome : allOutcomes) EXPECT_EQ(fromRawValue<Outcome>(rawValue(outcome)), outcome);
}

TEST(Vocabulary, LabelsAndTakenOutcomes) {
    EXPECT_EQ(label(BusyReason::call), "You're on a call");
    EXPECT_EQ(label(BusyReason::fullscreen), "A full-screen app is open");
    EXPECT_EQ(label(BusyReason::typing), "You're typing");
    EXPECT_TRUE(countsAsTaken(Outcome::taken));
    EXPECT_TRUE(countsAsTaken(Outcome::natural));
    EXPECT_FALSE(countsAsTaken(Outcome::skipped));
    EXPECT_FALSE(countsAsTaken(Outcome::held));
    EXPECT_EQ(Signals{}, (Signals{0, std::nullopt}));
}

TEST(SettingsJson, EmptyObjectAndRoundTripGiveDefaults) {
    EXPECT_EQ(read(json::object()), Settings{});
    EXPECT_EQ(read(json(Settings{})), Settings{});

    Settings custom;
    custom.enforcement = BreakEnforcement::hardcore;
    custom.breakBackground = BreakBackground::gradient;
    custom.customMessages = {"Drink water", "Look at a tree"};
    custom.soundName = "Tink";
    custom.microEveryMinutes = 45;
    custom.onboarded = true;
    EXPECT_EQ(read(json(custom)), custom);
}

TEST(SettingsJson, WritesAllKeysWithStoredStrings) {
    const json j = Settings{};
    EXPECT_EQ(j.size(), 23u);
    EXPECT_EQ(j.at("enforcement"), "balanced");
    EXPECT_EQ(j.at("breakBackground"), "wallpaper");
    EXPECT_EQ(j.at("customMessages"), json::array());
    EXPECT_EQ(j.at("soundName"), "Glass");
    EXPECT_EQ(j.at("microEveryMinutes"), 20);
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
        {"longEveryMinutes", -7, &Settings::longEveryMinutes, 1},
        {"longMinutes", 0, &Settings::longMinutes, 1},
        {"naturalBreakMinutes", 0, &Settings::naturalBreakMinutes, 1},
        {"skipsPerWeek", -3, &Settings::skipsPerWeek, 0},
        {"blinkEveryMinutes", -1, &Settings::blinkEveryMinutes, 0},
        {"postureEveryMinutes", -9, &Settings::postureEveryMinutes, 0},
        {"headsUpSeconds", -30, &Settings::headsUpSeconds, 0},
        {"microSeconds", 5, &Settings::microSeconds, 5},
        {"microEveryMinutes", 9'000'000'000'000'000'000, &Settings::microEveryMinutes, 9'000'000'000'000'000'000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        Settings expected;
        expected.*c.field = c.expected;
        EXPECT_EQ(read(json{{c.key, c.given}}), expected);
    }
}

TEST(SettingsJson, UnknownEnforcementOrBackgroundKeepsTheDefaultOnly) {
    Settings expected;
    expected.longMinutes = 10;
    EXPECT_EQ(read(json{{"enforcement", "strict"}, {"longMinutes", 10}}), expected);
    EXPECT_EQ(read(json{{"breakBackground", 7}, {"longMinutes", 10}}), expected);
    EXPECT_EQ(read(json{{"enforcement", "Casual"}, {"longMinutes", 10}}), expected);
    expected.enforcement = BreakEnforcement::casual;
    EXPECT_EQ(read(json{{"enforcement", "casual"}, {"longMinutes", 10}}), expected);
}

TEST(SettingsJson, NullOrAbsentKeysKeepDefaultsAndUnknownKeysAreIgnored) {
    EXPECT_EQ(read(json{{"customMessages", nullptr}, {"soundName", nullptr}, {"futureOption", 3}}), Settings{});
    Settings expected;
    expected.microEveryMinutes = 30;
    EXPECT_EQ(read(json{{"microEveryMinutes", 30.0}}), expected);  // a whole number written with a fraction
}

TEST(SettingsJson, AWrongTypeFailsTheWholeRead) {
    const json cases[] = {
        {{"microEnabled", "yes"}},
        {{"microEnabled", 1}},
        {{"soundName", 5}},
        {{"microEveryMinutes", "20"}},
        {{"microEveryMinutes", 20.5}},
        {{"microEveryMinutes", true}},
        {{"skipsPerWeek", 18446744073709551615ull}},
        {{"customMessages", "hello"}},
        {{"customMessages", json::array({"ok", 3})}},
        {{"customMessages", json::array({"ok", nullptr})}},
        json::array(),
        json("settings"),
        json(nullptr),
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dump());
        EXPECT_THROW(read(c), json::exception);
    }
}

TEST(SettingsTiming, OnlyTheSixTimetableFieldsCount) {
    const Settings base;
    auto differs = [&](auto change) {
        Settings other = base;
        change(other);
        return base.timingDiffers(other);
    };
    EXPECT_TRUE(differs([](Settings& s) { s.microEnabled = false; }));
    EXPECT_TRUE(differs([](Settings& s) { s.microEveryMinutes = 21; }));
    EXPECT_TRUE(differs([](Settings& s) { s.longEnabled = false; }));
    EXPECT_TRUE(differs([](Settings& s) { s.longEveryMinutes = 61; }));
    EXPECT_TRUE(differs([](Settings& s) { s.blinkEveryMinutes = 0; }));
    EXPECT_TRUE(differs([](Settings& s) { s.postureEveryMinutes = 30; }));
    EXPECT_FALSE(differs([](Settings& s) { s.microSeconds = 40; }));
    EXPECT_FALSE(differs([](Settings& s) { s.longMinutes = 10; }));
    EXPECT_FALSE(differs([](Settings& s) { s.headsUpSeconds = 0; }));
    EXPECT_FALSE(differs([](Settings& s) { s.naturalBreakMinutes = 9; }));
    EXPECT_FALSE(differs([](Settings& s) { s.enforcement = BreakEnforcement::hardcore; }));
    EXPECT_FALSE(differs([](Settings& s) { s.holdWhileTyping = false; }));
}

TEST(Presets, TextsAndIds) {
    EXPECT_EQ(id(Preset::classic), "classic");
    EXPECT_EQ(name(Preset::classic), "20-20-20");
    EXPECT_EQ(name(Preset::focus), "Deep focus");
    EXPECT_EQ(tag(Preset::focus), "Coding");
    EXPECT_EQ(summary(Preset::gentle), "Blink nudges only, plus a long break every 2 hours.");
    EXPECT_EQ(id(BreakEnforcement::casual), "casual");
    EXPECT_EQ(id(BreakBackground::gradient), "gradient");
}

TEST(Presets, DefaultsMatchClassicOnly) {
    EXPECT_TRUE(matches(Preset::classic, Settings{}));
    EXPECT_FALSE(matches(Preset::focus, Settings{}));
    EXPECT_FALSE(matches(Preset::gentle, Settings{}));
}

TEST(Presets, ApplyThenMatchesAndSurvivesUnrelatedChanges) {
    for (auto preset : allPresets) {
        SCOPED_TRACE(std::string(id(preset)));
        Settings s;
        s.postureEveryMinutes = 45;
        s.enforcement = BreakEnforcement::hardcore;
        apply(preset, s);
        EXPECT_TRUE(matches(preset, s));
        EXPECT_EQ(s.postureEveryMinutes, 45);
        EXPECT_EQ(s.enforcement, BreakEnforcement::hardcore);
        s.soundName = "Pop";
        s.headsUpSeconds = 3;
        EXPECT_TRUE(matches(preset, s));
        int matching = 0;
        for (auto other : allPresets) matching += matches(other, s);
        EXPECT_EQ(matching, 1);
    }
}

TEST(Presets, GentleIgnoresTheMicroIntervalAndLength) {
    Settings s;
    s.microEnabled = false;
    s.longEveryMinutes = 120;
    s.microEveryMinutes = 7;
    s.microSeconds = 99;
    EXPECT_TRUE(matches(Preset::gentle, s));
    s.blinkEveryMinutes = 9;
    EXPECT_FALSE(matches(Preset::gentle, s));
}
