#include <functional>

#include <gtest/gtest.h>

#include <QStringList>

#include "model_rig.hpp"
#include "notify_watch.hpp"

using namespace tarnwick;
using fakes::ModelRig;

namespace {

struct Write {
    const char* field;
    QVariant value;                      // as QML hands it over
    std::function<void(Settings&)> set;  // the same change on the struct
};

// One new value for every field, each different from its default.
const Write everyField[] = {
    {"microEnabled", false, [](Settings& s) { s.microEnabled = false; }},
    {"microEveryMinutes", 35, [](Settings& s) { s.microEveryMinutes = 35; }},
    {"microSeconds", 40, [](Settings& s) { s.microSeconds = 40; }},
    {"longEnabled", false, [](Settings& s) { s.longEnabled = false; }},
    {"longEveryMinutes", 75, [](Settings& s) { s.longEveryMinutes = 75; }},
    {"longMinutes", 9, [](Settings& s) { s.longMinutes = 9; }},
    {"blinkEveryMinutes", 0, [](Settings& s) { s.blinkEveryMinutes = 0; }},
    {"postureEveryMinutes", 45, [](Settings& s) { s.postureEveryMinutes = 45; }},
    {"headsUpSeconds", 10, [](Settings& s) { s.headsUpSeconds = 10; }},
    {"holdDuringCalls", false, [](Settings& s) { s.holdDuringCalls = false; }},
    {"holdDuringFullscreen", false, [](Settings& s) { s.holdDuringFullscreen = false; }},
    {"holdWhileTyping", false, [](Settings& s) { s.holdWhileTyping = false; }},
    {"naturalBreakMinutes", 7, [](Settings& s) { s.naturalBreakMinutes = 7; }},
    {"enforcement", "hardcore", [](Settings& s) { s.enforcement = BreakEnforcement::hardcore; }},
    {"skipsPerWeek", 2, [](Settings& s) { s.skipsPerWeek = 2; }},
    {"breakBackground", "gradient", [](Settings& s) { s.breakBackground = BreakBackground::gradient; }},
    {"customMessages", QStringList{"Stretch", "Water"}, [](Settings& s) { s.customMessages = {"Stretch", "Water"}; }},
    {"soundOnStart", false, [](Settings& s) { s.soundOnStart = false; }},
    {"soundOnEnd", false, [](Settings& s) { s.soundOnEnd = false; }},
    {"soundName", "Tink", [](Settings& s) { s.soundName = "Tink"; }},
    {"menuBarCountdown", false, [](Settings& s) { s.menuBarCountdown = false; }},
    {"launchAtLogin", true, [](Settings& s) { s.launchAtLogin = true; }},
    {"onboarded", true, [](Settings& s) { s.onboarded = true; }},
};

}  // namespace

TEST(SettingsModel, EveryFieldWrittenByNameIsSavedScheduledAndAnnouncedAlone) {
    ModelRig rig;
    ASSERT_EQ(rig.model->settingsModel()->metaObject()->propertyCount() -
                  rig.model->settingsModel()->metaObject()->propertyOffset(),
              int(std::size(everyField)));
    for (const auto& w : everyField) {
        SCOPED_TRACE(w.field);
        Settings expected = rig.model->settings();
        w.set(expected);
        QObject* settings = rig.model->property("settings").value<QObject*>();
        ASSERT_NE(settings, nullptr);
        fakes::NotifyWatch watch(*settings);

        EXPECT_TRUE(settings->setProperty(w.field, w.value));

        EXPECT_EQ(rig.model->settings(), expected);
        EXPECT_EQ(rig.persistence.loadSettings(), expected);
        EXPECT_EQ(rig.model->scheduler().settings(), expected);
        watch.check({w.field});
        EXPECT_EQ(settings->property(w.field), w.value);
    }
    EXPECT_TRUE(rig.loginItem.calls.empty());  // the setting only
}

TEST(SettingsModel, WritesThatNameNothingOrFallBelowABoundAreMended) {
    struct Case {
        const char* field;
        QVariant value;
        std::function<void(Settings&)> set;  // empty: nothing changes
    } cases[] = {
        {"enforcement", "strict", {}},
        {"breakBackground", "video", {}},
        {"enforcement", "Hardcore", {}},  // names are case-sensitive
        {"microEveryMinutes", 0, [](Settings& s) { s.microEveryMinutes = 1; }},
        {"microSeconds", 1, [](Settings& s) { s.microSeconds = 5; }},
        {"skipsPerWeek", -3, [](Settings& s) { s.skipsPerWeek = 0; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.field << " = " << c.value.toString().toStdString());
        ModelRig rig;
        SettingsModel& settings = *rig.model->settingsModel();
        Settings expected = rig.model->settings();
        if (c.set) c.set(expected);
        fakes::NotifyWatch watch(settings);
        settings.setProperty(c.field, c.value);
        EXPECT_EQ(rig.model->settings(), expected);
        EXPECT_EQ(rig.persistence.settingsSaves, c.set ? 1 : 0);
        watch.check(c.set ? std::set<std::string>{c.field} : std::set<std::string>{});
    }
}

TEST(SettingsModel, ChangesFromElsewhereAnnounceExactlyTheFieldsTheyChange) {
    struct Case {
        const char* name;
        std::function<void(AppModel&)> prepare, act;
        std::set<std::string> mustChange, mustStay;
    } cases[] = {
        {"a preset", {}, [](AppModel& m) { m.applyPreset(Preset::gentle); },
         {"microEnabled", "longEveryMinutes"},
         {"blinkEveryMinutes", "longMinutes", "skipsPerWeek"}},
        {"a preset by id", {}, [](AppModel& m) { QMetaObject::invokeMethod(&m, "applyPreset", Q_ARG(QString, "focus")); },
         {"microEveryMinutes", "longEveryMinutes", "blinkEveryMinutes"},
         {"microEnabled", "microSeconds"}},
        {"launch at login", {}, [](AppModel& m) { m.setLaunchAtLogin(true); }, {"launchAtLogin"}, {}},
        {"deleting all data",
         [](AppModel& m) {
             Settings s;
             s.soundName = "Tink";
             s.customMessages = {"Stretch"};
             s.launchAtLogin = true;
             m.setSettings(s);
         },
         [](AppModel& m) { m.deleteAllData(); },
         {"soundName", "customMessages", "onboarded"},
         {"launchAtLogin", "microEveryMinutes"}},
        {"equal settings", {}, [](AppModel& m) { m.setSettings(Settings{}); }, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ModelRig rig;
        if (c.prepare) c.prepare(*rig.model);
        fakes::NotifyWatch watch(*rig.model->settingsModel());
        c.act(*rig.model);
        watch.check(c.mustChange, c.mustStay);
    }
}
