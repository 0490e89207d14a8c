#include <functional>

#include <gtest/gtest.h>

#include <QStringList>

#include "model_rig.hpp"
#include "notify_watch.hpp"

using namespace tarnwick;
using fakes::ModelRig;
using Names = fakes::NotifyWatch::Names;

namespace {

struct Write {
    const char* field;
    QVariant value;                      // as QML hands it over
    std::function<void(Settings&)> set;  // the change it makes to the struct; empty: none
    QVariant readBack = {};              // when not `value`
};

#define FIELD(name, value) Write{#name, value, [](Settings& s) { s.name = value; }}

// A new value for every field, each unlike its default; then writes that are mended: unknown names are ignored
// (names are case-sensitive) and values below a bound are raised to it.
const Write writes[] = {
    FIELD(microEnabled, false), FIELD(microEveryMinutes, 35), FIELD(microSeconds, 40), FIELD(longEnabled, false),
    FIELD(longEveryMinutes, 75), FIELD(longMinutes, 9), FIELD(blinkEveryMinutes, 0), FIELD(postureEveryMinutes, 45),
    FIELD(headsUpSeconds, 10), FIELD(holdDuringCalls, false), FIELD(holdDuringFullscreen, false),
    FIELD(holdWhileTyping, false), FIELD(naturalBreakMinutes, 7), FIELD(skipsPerWeek, 2), FIELD(soundOnStart, false),
    FIELD(soundOnEnd, false), FIELD(soundName, "Tink"), FIELD(menuBarCountdown, false), FIELD(launchAtLogin, true),
    FIELD(onboarded, true),
    {"enforcement", "hardcore", [](Settings& s) { s.enforcement = BreakEnforcement::hardcore; }},
    {"breakBackground", "gradient", [](Settings& s) { s.breakBackground = BreakBackground::gradient; }},
    {"customMessages", QStringList{"Stretch", "Water"}, [](Settings& s) { s.customMessages = {"Stretch", "Water"}; }},
    {"enforcement", "strict", {}, "balanced"}, {"enforcement", "Hardcore", {}, "balanced"},
    {"breakBackground", "video", {}, "wallpaper"},
    {"microEveryMinutes", 0, [](Settings& s) { s.microEveryMinutes = 1; }, 1},
    {"microSeconds", 1, [](Settings& s) { s.microSeconds = 5; }, 5},
    {"skipsPerWeek", -3, [](Settings& s) { s.skipsPerWeek = 0; }, 0},
};
#undef FIELD

}  // namespace

TEST(SettingsModel, EachWriteByNameIsSavedScheduledAndAnnouncedAlone) {
    std::set<std::string> fields;
    for (const auto& w : writes) fields.insert(w.field);
    const QMetaObject& meta = SettingsModel::staticMetaObject;
    ASSERT_EQ(meta.propertyCount() - meta.propertyOffset(), int(fields.size()));
    for (const auto& w : writes) {
        SCOPED_TRACE(testing::Message() << w.field << " = " << w.value.toString().toStdString());
        ModelRig rig;
        QObject* settings = rig.model->property("settings").value<QObject*>();
        ASSERT_NE(settings, nullptr);
        Settings expected = rig.model->settings();
        if (w.set) w.set(expected);
        fakes::NotifyWatch watch(*settings);
        settings->setProperty(w.field, w.value);
        EXPECT_EQ(rig.model->settings(), expected);
        EXPECT_EQ(rig.persistence.loadSettings(), expected);
        EXPECT_EQ(rig.persistence.settingsSaves, w.set ? 1 : 0);
        EXPECT_EQ(rig.model->scheduler().settings(), expected);
        watch.check(w.set ? Names{w.field} : Names{});
        EXPECT_EQ(settings->property(w.field), w.readBack.isValid() ? w.readBack : w.value);
        EXPECT_TRUE(rig.loginItem.calls.empty());  // the setting only
    }
}

TEST(SettingsModel, ChangesFromElsewhereAnnounceExactlyTheFieldsTheyChange) {
    struct Case {
        const char* name;
        std::function<void(AppModel&)> prepare, act;
        Names mustChange, mustStay;
    } cases[] = {
        {"a preset", {}, [](AppModel& m) { QMetaObject::invokeMethod(&m, "applyPreset", Q_ARG(QString, "focus")); },
         {"microEveryMinutes", "longEveryMinutes", "blinkEveryMinutes"}, {"microEnabled", "microSeconds"}},
        {"launch at login", {}, [](AppModel& m) { m.setLaunchAtLogin(true); }, {"launchAtLogin"}, {}},
        {"deleting all data", [](AppModel& m) { m.setLaunchAtLogin(true); m.settingsModel()->setSoundName("Tink"); },
         [](AppModel& m) { m.deleteAllData(); }, {"soundName", "onboarded"}, {"launchAtLogin", "microEveryMinutes"}},
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
