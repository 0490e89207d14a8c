// The settings window as its views read it: the model on fake ports and a manual clock, no QML.

#include <functional>
#include <map>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/settings_bounds.hpp"
#include "model_rig.hpp"
#include "ui/settings_view_model.hpp"

namespace tarnwick {
namespace {

using fakes::t0;

struct Window : fakes::ModelRig {
    // A model whose history holds `count` taken eye breaks.
    void withHistory(int count) {
        std::vector<BreakRecord> records;
        for (int i = 0; i < count; ++i) records.push_back({instantAt(t0 - 3600 + 60 * i), BreakKind::micro, Outcome::taken});
        ASSERT_TRUE(persistence.save(records, instantAt(t0)));
        vm.reset();
        makeModel();
        vm = std::make_unique<SettingsViewModel>(*model);
    }
    void tick() {
        clock.advance(1);
        model->tick();
    }
    QString chip(int i) const { return vm->liveSignals().at(i).toMap().value("text").toString(); }

    std::unique_ptr<SettingsViewModel> vm = std::make_unique<SettingsViewModel>(*model);
};

TEST(SettingsLabels, SayWhatEachPickerValueMeans) {
    struct Case {
        QString (*label)(qint64);
        qint64 n;
        QString expected;
    } cases[] = {
        {minutesLabel, 1, "1 minute"},         {minutesLabel, 20, "20 minutes"},      {minutesLabel, 2, "2 minutes"},
        {secondsLabel, 20, "20 seconds"},      {secondsLabel, 1, "1 second"},        {headsUpLabel, 0, "Don't warn me"},
        {headsUpLabel, 30, "30 seconds before"}, {skipsLabel, 99, "No limit"},        {skipsLabel, 5, "5"},
        {skipsLabel, 100, "100"},              {reminderLabel, 0, "Never"},           {reminderLabel, 8, "Every 8 minutes"},
        {reminderLabel, 7, "Every 7 minutes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        EXPECT_EQ(c.label(c.n), c.expected);
    }
}

TEST(SettingsLabels, PickerListsTheCurrentValueInSortedOrderWhenItIsNoOption) {
    const QList<qint64> every = {10, 15, 20, 25, 30, 45, 60};
    struct Case {
        qint64 value;
        QList<qint64> expected;
    } cases[] = {
        {20, every},
        {22, {10, 15, 20, 22, 25, 30, 45, 60}},
        {5, {5, 10, 15, 20, 25, 30, 45, 60}},
        {90, {10, 15, 20, 25, 30, 45, 60, 90}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(pickerChoices(every, c.value), c.expected);
    }
}

TEST(SettingsLabels, VersionAndDataFolder) {
    EXPECT_EQ(aboutVersionText("0.1.0"), QString::fromUtf8("Version 0.1.0 \u00B7 personal build"));
    EXPECT_EQ(aboutVersionText(""), QString::fromUtf8("Version dev \u00B7 personal build"));
    struct Case {
        const char *path, *home, *expected;
    } cases[] = {
        {"/home/al/.local/share/Tarnwick", "/home/al", "~/.local/share/Tarnwick"},
        {"/home/al/.local/share/Tarnwick", "/home/al/", "~/.local/share/Tarnwick"},
        {"/home/alice/.local/share/Tarnwick", "/home/al", "/home/alice/.local/share/Tarnwick"},
        {"/srv/data/Tarnwick", "/home/al", "/srv/data/Tarnwick"},
        {"/home/al", "/home/al", "~"},
        {"/data/Tarnwick", "/", "/data/Tarnwick"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(withTilde(c.path, c.home), QString::fromLatin1(c.expected));
    }
}

TEST(SettingsPicker, AValueSetElsewhereIsShownAndChoosingAnOptionRestoresTheStandardList) {
    Window w;
    w.edit([](Settings& s) { s.microEveryMinutes = 22; });
    ChoicePickerModel& every = *w.vm->microEvery();
    EXPECT_EQ(every.labels(), QStringList({"10 minutes", "15 minutes", "20 minutes", "22 minutes", "25 minutes",
                                           "30 minutes", "45 minutes", "60 minutes"}));
    EXPECT_EQ(every.currentLabel(), "22 minutes");

    int changes = 0;
    QObject::connect(&every, &ChoicePickerModel::changed, [&] { ++changes; });
    every.choose(2);
    EXPECT_EQ(w.model->settings().microEveryMinutes, 20);
    EXPECT_EQ(every.values(), QList<qint64>({10, 15, 20, 25, 30, 45, 60}));
    EXPECT_EQ(every.currentIndex(), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(every.options(), QList<qint64>({10, 15, 20, 25, 30, 45, 60})) << "the options never change";

    every.choose(7);  // out of range
    every.choose(-1);
    EXPECT_EQ(w.model->settings().microEveryMinutes, 20);

    w.edit([](Settings& s) { s.blinkEveryMinutes = 7; });
    EXPECT_EQ(w.vm->blinkEvery()->labels(), QStringList({"Never", "Every 5 minutes", "Every 7 minutes", "Every 8 minutes",
                                                         "Every 10 minutes", "Every 15 minutes", "Every 20 minutes"}));
    EXPECT_EQ(w.vm->blinkEvery()->currentIndex(), 2);
}

TEST(SettingsPicker, EachPickerShowsItsFieldWithItsOwnLabels) {
    Window w;
    w.edit([](Settings& s) {
        s.headsUpSeconds = 0;
        s.skipsPerWeek = 99;
        s.postureEveryMinutes = 0;
    });
    struct Case {
        ChoicePickerModel* picker;
        QString title, current;
        int count;
    } cases[] = {
        {w.vm->microEvery(), "Show a break every", "20 minutes", 7},
        {w.vm->microDuration(), "Break duration", "20 seconds", 5},
        {w.vm->longEvery(), "Show a long break every", "60 minutes", 5},
        {w.vm->longDuration(), "Long break duration", "5 minutes", 5},
        {w.vm->headsUp(), "Warn me before a break", "Don't warn me", 4},
        {w.vm->skips(), "Skips allowed per week", "No limit", 5},
        {w.vm->naturalBreak(), "Time away counts as a break after", "5 minutes", 4},
        {w.vm->blinkEvery(), "Remind me", "Every 8 minutes", 6},
        {w.vm->postureEvery(), "Remind me", "Never", 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        EXPECT_EQ(c.picker->title(), c.title);
        EXPECT_EQ(c.picker->currentLabel(), c.current);
        EXPECT_EQ(c.picker->labels().size(), c.count);
        EXPECT_TRUE(c.picker->enabled());
    }
}

// The model lowers a file's durations to the most the window offers: the two must agree.
TEST(SettingsPicker, TheLastChoiceOfEachPickerIsTheBoundTheModelKeepsTo) {
    Window w;
    const std::map<std::string, ChoicePickerModel*> pickers{
        {"microEveryMinutes", w.vm->microEvery()},   {"microSeconds", w.vm->microDuration()},
        {"longEveryMinutes", w.vm->longEvery()},     {"longMinutes", w.vm->longDuration()},
        {"headsUpSeconds", w.vm->headsUp()},         {"naturalBreakMinutes", w.vm->naturalBreak()},
        {"blinkEveryMinutes", w.vm->blinkEvery()},   {"postureEveryMinutes", w.vm->postureEvery()},
    };
    ASSERT_EQ(offeredBounds().size(), pickers.size());
    for (const OfferedBound& bound : offeredBounds()) {
        SCOPED_TRACE(bound.field);
        ASSERT_TRUE(pickers.count(bound.field));
        EXPECT_EQ(pickers.at(bound.field)->values().last(), bound.largest);
    }
}

TEST(SettingsPicker, SwitchedOffSettingsDisableTheirPickersAndKeepTheirValues) {
    Window w;
    w.edit([](Settings& s) {
        s.microEveryMinutes = 30;
        s.skipsPerWeek = 99;
    });
    w.edit([](Settings& s) { s.microEnabled = false; });
    EXPECT_FALSE(w.vm->microEvery()->enabled());
    EXPECT_FALSE(w.vm->microDuration()->enabled());
    EXPECT_TRUE(w.vm->longEvery()->enabled());
    EXPECT_EQ(w.vm->microEvery()->currentLabel(), "30 minutes");
    EXPECT_EQ(w.model->settings().microEveryMinutes, 30);

    w.edit([](Settings& s) { s.longEnabled = false; });
    EXPECT_FALSE(w.vm->longEvery()->enabled());
    EXPECT_FALSE(w.vm->longDuration()->enabled());

    w.model->settingsModel()->setEnforcement("hardcore");
    EXPECT_FALSE(w.vm->skips()->enabled());
    EXPECT_EQ(w.vm->skips()->currentLabel(), "No limit");
    EXPECT_EQ(w.model->settings().skipsPerWeek, 99);
    w.model->settingsModel()->setEnforcement("casual");
    EXPECT_TRUE(w.vm->skips()->enabled());
}

TEST(SettingsWindowModel, SidebarGroupsThePanesAndTheSelectionStartsOnScreenBreaks) {
    Window w;
    QStringList headings, titles;
    for (const QVariant& pane : w.vm->panes()) {
        headings << pane.toMap().value("heading").toString();
        titles << pane.toMap().value("title").toString();
    }
    EXPECT_EQ(headings, QStringList({"", "Focus & Wellbeing", "", "", "Behavior & Feedback", "", "Data", "Tarnwick"}));
    EXPECT_EQ(titles, QStringList({"General", "Screen Breaks", "Smart Pause", "Wellness Reminders", "Break Screen", "Sounds",
                                   "Privacy & Data", "About"}));
    EXPECT_EQ(w.vm->pane(), "breaks");
    EXPECT_EQ(w.vm->paneTitle(), "Screen Breaks");
    EXPECT_EQ(w.vm->paneSymbol(), "eye.fill");

    w.vm->selectPreviousPane();
    EXPECT_EQ(w.vm->pane(), "general");
    w.vm->selectPreviousPane();
    EXPECT_EQ(w.vm->pane(), "general") << "the top stays put";
    w.vm->setPane("nowhere");
    EXPECT_EQ(w.vm->pane(), "general");
    w.vm->setPane("privacy");
    w.vm->selectNextPane();
    w.vm->selectNextPane();
    EXPECT_EQ(w.vm->pane(), "about");
    EXPECT_EQ(w.vm->paneTile(), "yellow");
}

TEST(SettingsWindowModel, APresetIsSelectedOnlyWhileTheSettingsMatchIt) {
    Window w;
    EXPECT_EQ(w.vm->selectedPreset(), "classic") << "the defaults are the 20-20-20 preset";
    w.model->applyPreset(QStringLiteral("focus"));
    EXPECT_EQ(w.vm->selectedPreset(), "focus");
    w.vm->microEvery()->choose(0);
    EXPECT_EQ(w.vm->selectedPreset(), "");
    w.model->applyPreset(QStringLiteral("gentle"));
    EXPECT_EQ(w.vm->selectedPreset(), "gentle");

    QStringList names;
    for (const QVariant& preset : w.vm->presets()) names << preset.toMap().value("name").toString();
    EXPECT_EQ(names, QStringList({"20-20-20", "Deep focus", "Gentle"}));
}

TEST(SettingsWindowModel, EnforcementCardsNameTheirRules) {
    Window w;
    QStringList rules;
    for (const QVariant& mode : w.vm->enforcements()) {
        const QVariantMap m = mode.toMap();
        rules << m.value("name").toString() + ": " + m.value("rule").toString();
    }
    EXPECT_EQ(rules, QStringList({"Casual: Skip any time", "Balanced: Skip after 5 seconds", "Hardcore: No skipping"}));
    EXPECT_EQ(w.vm->enforcement(), "balanced");
    w.model->settingsModel()->setEnforcement("hardcore");
    EXPECT_EQ(w.vm->enforcement(), "hardcore");
}

TEST(SettingsWindowModel, ALoginChangeThatFailsSpringsBackAndSaysWhy) {
    Window w;
    w.vm->setPane("general");
    w.loginItem.accept = false;
    w.vm->setLaunchAtLogin(true);
    EXPECT_FALSE(w.model->settings().launchAtLogin);
    EXPECT_TRUE(w.vm->loginError());
    EXPECT_EQ(w.vm->loginMessage(),
              "Couldn't change this. Check that ~/.config/autostart can be written and try again.");

    w.loginItem.accept = true;
    w.vm->setLaunchAtLogin(true);
    EXPECT_TRUE(w.model->settings().launchAtLogin);
    EXPECT_FALSE(w.vm->loginError());
    EXPECT_EQ(w.vm->loginMessage(), "");

    // Switched off in the desktop's startup settings.
    w.loginItem.current = LoginItemStatus::requiresApproval;
    w.vm->setPane("about");
    w.vm->setPane("general");
    EXPECT_EQ(w.vm->loginMessage(),
              "Switched off in your desktop's startup settings. Allow Tarnwick there to start it at login.");

    // The error lives with its pane.
    w.loginItem.accept = false;
    w.vm->setLaunchAtLogin(false);
    EXPECT_TRUE(w.vm->loginError());
    w.vm->setPane("breaks");
    EXPECT_FALSE(w.vm->loginError());
}

TEST(SettingsWindowModel, LiveSignalsAreProbedOnEachTickOnlyWhileSmartPauseShows) {
    Window w;
    // Nothing is due, so the model itself never probes.
    w.edit([](Settings& s) {
        s.microEnabled = s.longEnabled = false;
        s.blinkEveryMinutes = s.postureEveryMinutes = 0;
    });
    w.probes.microphone = true;
    w.tick();
    EXPECT_EQ(w.probes.calls(), 0);
    EXPECT_EQ(w.chip(1), "Microphone: off");

    w.vm->setPane("smartPause");
    EXPECT_EQ(w.probes.calls(), 4) << "probed once as the pane shows";
    EXPECT_EQ(w.chip(0), "Camera: off");
    EXPECT_EQ(w.chip(1), "Microphone: on");
    EXPECT_EQ(w.chip(2), "Full screen: off");
    EXPECT_EQ(w.chip(3), "Screen sharing: not detectable here");
    EXPECT_TRUE(w.vm->liveSignals().at(1).toMap().value("on").toBool());

    w.probes.microphone = false;
    w.probes.fullscreen = true;
    w.probes.screen = true;
    w.tick();
    EXPECT_EQ(w.probes.calls(), 8);
    EXPECT_EQ(w.chip(1), "Microphone: off");
    EXPECT_EQ(w.chip(2), "Full screen: on");
    EXPECT_EQ(w.chip(3), "Screen sharing: on");
    EXPECT_TRUE(w.vm->liveSignals().at(3).toMap().value("on").toBool());

    w.probes.screen = false;
    w.tick();
    EXPECT_EQ(w.chip(3), "Screen sharing: off");

    w.vm->setPane("general");
    EXPECT_EQ(w.chip(2), "Full screen: off") << "the states go with the pane";
    w.tick();
    EXPECT_EQ(w.probes.calls(), 12);
}

TEST(SettingsWindowModel, ANewSoundPlaysOnceWhileTheSoundsPaneShows) {
    Window w;
    w.model->settingsModel()->setSoundName("Tink");
    EXPECT_TRUE(w.sounds.played.empty()) << "not while another pane shows";
    w.vm->setPane("sounds");
    EXPECT_EQ(w.vm->soundNames().size(), 10);
    EXPECT_EQ(w.vm->soundIndex(), 1);
    w.vm->chooseSound(4);
    EXPECT_EQ(w.model->settings().soundName, "Hero");
    EXPECT_EQ(w.sounds.played, std::vector<std::string>({"Hero"}));
    w.vm->chooseSound(4);
    w.model->settingsModel()->setSoundOnEnd(false);
    EXPECT_EQ(w.sounds.played.size(), 1u) << "nothing plays without a new sound";
    w.vm->playSound();
    EXPECT_EQ(w.sounds.played, std::vector<std::string>({"Hero", "Hero"}));

    // A name from a hand-edited file is still shown, after the ten.
    w.model->settingsModel()->setSoundName("Chime");
    EXPECT_EQ(w.vm->soundNames().size(), 11);
    EXPECT_EQ(w.vm->soundIndex(), 10);
}

TEST(SettingsWindowModel, MessagesAreAddedEditedAndRemovedAndTheFooterFollows) {
    Window w;
    EXPECT_EQ(w.vm->messagesFooter(), "Tarnwick uses its own calm lines until you add some.");
    w.vm->addMessage();
    EXPECT_EQ(w.vm->messages(), QStringList({""}));
    EXPECT_EQ(w.model->settings().customMessages, std::vector<std::string>({""}));
    EXPECT_EQ(w.vm->messagesFooter(), "Tarnwick shows one of these at random under the title.");

    w.vm->setMessage(0, "Stretch your arms");
    w.vm->addMessage();
    w.vm->setMessage(1, "Drink some water");
    w.vm->setMessage(5, "ignored");
    EXPECT_EQ(w.model->settings().customMessages, std::vector<std::string>({"Stretch your arms", "Drink some water"}));
    w.vm->removeMessage(0);
    w.vm->removeMessage(3);
    EXPECT_EQ(w.vm->messages(), QStringList({"Drink some water"}));
    EXPECT_EQ(w.vm->messageCount(), 1);
    w.vm->removeMessage(0);
    EXPECT_EQ(w.vm->messagesFooter(), "Tarnwick uses its own calm lines until you add some.");
}

TEST(SettingsWindowModel, PrivacyTextsCountTheHistory) {
    Window w;
    w.withHistory(12);
    const QString folder = withTilde(QDir::cleanPath(w.folder), QDir::homePath());
    EXPECT_EQ(w.vm->privacyText(), "Your settings and 12 recorded breaks are stored only on this computer, in " + folder +
                                       ". Tarnwick sends nothing anywhere.");
    EXPECT_EQ(w.vm->deleteQuestion(), "Delete 12 breaks and all settings?");
    w.withHistory(1);
    EXPECT_EQ(w.vm->deleteQuestion(), "Delete 1 break and all settings?");
}

TEST(SettingsWindowModel, ExportReportsWhereItSavedOrWhyItCouldNot) {
    Window w;
    w.withHistory(3);
    QTemporaryDir place;
    const QString path = place.filePath("my-breaks.json");
    w.vm->exportTo(path);
    EXPECT_EQ(w.vm->message(), "Saved to my-breaks.json.");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\"history\""));

    w.vm->exportTo(place.filePath("missing/folder/out.json"));
    EXPECT_TRUE(w.vm->message().startsWith("Couldn't save the file: ")) << w.vm->message().toStdString();
    EXPECT_GT(w.vm->message().size(), QString("Couldn't save the file: ").size()) << "with the system's reason";
    EXPECT_EQ(w.model->historyCount(), 3) << "the data stays";

    // A name that is a symbolic link (planted by someone else, or not) is not written through.
    const QString elsewhere = place.filePath("elsewhere.txt");
    const QString link = place.filePath("tarnwick-data.json");
    ASSERT_TRUE(QFile::link(elsewhere, link));
    w.vm->exportTo(link);
    EXPECT_EQ(w.vm->message(), "Couldn't save the file: tarnwick-data.json is a symbolic link");
    EXPECT_FALSE(QFile::exists(elsewhere));

    w.vm->setPane("about");
    EXPECT_EQ(w.vm->message(), "") << "the message goes with its pane";
}

TEST(SettingsWindowModel, DeletingEverythingEmptiesTheHistoryAndRestoresTheDefaults) {
    Window w;
    w.withHistory(4);
    w.edit([](Settings& s) {
        s.microEveryMinutes = 45;
        s.customMessages = {"Stretch"};
    });
    w.vm->deleteAll();
    EXPECT_EQ(w.model->historyCount(), 0);
    Settings expected;
    expected.onboarded = true;
    EXPECT_EQ(w.model->settings(), expected);
    EXPECT_EQ(w.vm->message(), "Deleted. Tarnwick is back to its defaults.");
    EXPECT_EQ(w.vm->deleteQuestion(), "Delete 0 breaks and all settings?");
}

TEST(SettingsWindowModel, PreviewsAndTheTryOutBreakReachTheModel) {
    Window w;
    QStringList nudges;
    w.vm->previewBlink();  // no callback yet: nothing happens
    w.model->onBlink = [&] { nudges << "blink"; };
    w.model->onPosture = [&] { nudges << "posture"; };
    w.vm->previewBlink();
    w.vm->previewPosture();
    EXPECT_EQ(nudges, QStringList({"blink", "posture"}));

    w.edit([](Settings& s) { s.microSeconds = 45; });
    w.vm->tryBreak();
    const auto* onBreak = std::get_if<phase::OnBreak>(&w.model->phase());
    ASSERT_NE(onBreak, nullptr);
    EXPECT_EQ(onBreak->kind, BreakKind::micro);
    EXPECT_DOUBLE_EQ((onBreak->endsAt - onBreak->startedAt).count(), 45.0);
}

TEST(SettingsWindowModel, TheWallpaperPreviewIsAskedForWhenTheBreakScreenPaneShows) {
    fakes::ModelRig rig;
    int asked = 0;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    SettingsViewModel vm(*rig.model, [&] {
        ++asked;
        return picture;
    });
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(vm.hasWallpaper());
    vm.setPane("breakScreen");
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(vm.hasWallpaper());
    EXPECT_FALSE(vm.sunset().value<QImage>().isNull());

    SettingsViewModel without(*rig.model, [] { return QImage(); });
    without.setPane("breakScreen");
    EXPECT_FALSE(without.hasWallpaper()) << "the preview falls back to the sunset";
}

TEST(SettingsSession, EachPaneSaysWhatServesThisDesktop) {
    const QString typing = "Waits up to 2 minutes for a pause", anyInput = "On Wayland, waits for a pause in any input";
    const QString x11Only = "Full-screen detection covers X11 applications on this desktop";
    const QString grab = "On this desktop, the shortcut works while an X11 application is in front";
    using F = FullscreenSource;
    using H = HotKeySource;
    struct Case { SessionFacts facts; QString typing, fullscreenNote, hotKeyNote; QStringList details; } cases[] = {
        {{false, "X screen saver extension", F::x11Windows, H::xGrab, {}}, typing, "", "",
         {"Session: X11", "Idle: X screen saver extension", "Full screen: X11 window properties (EWMH)", "Hot key: X key grab"}},
        {{true, "Mutter idle monitor", F::x11Windows, H::xGrab, "GNOME session manager, logind"}, anyInput, x11Only, grab,
         {"Session: Wayland, through XWayland", "Idle: Mutter idle monitor", "Idle inhibitors: GNOME session manager, logind",
          "Full screen: X11 window properties (EWMH), X11 applications only",
          "Hot key: X key grab, while an X11 application is in front"}},
        {{true, "", F::x11WindowsAndKWin, H::desktopPortal, {}}, anyInput, "", "",
         {"Session: Wayland, through XWayland", "Full screen: KWin scripting and X11 window properties (EWMH)",
          "Hot key: desktop portal global shortcut"}},
        {{true, "", F::x11WindowsAndSway, H::xGrab, {}}, anyInput, "", grab,
         {"Session: Wayland, through XWayland", "Full screen: sway IPC and X11 window properties (EWMH)",
          "Hot key: X key grab, while an X11 application is in front"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.details.join(" / ").toStdString());
        fakes::ModelRig rig;
        SettingsViewModel vm(*rig.model, {}, "1.0", [&] { return c.facts; });
        EXPECT_EQ(QStringList({vm.typingSubtitle(), vm.fullscreenNote(), vm.hotKeyNote()}),
                  QStringList({c.typing, c.fullscreenNote, c.hotKeyNote}));
        EXPECT_EQ(vm.details(), c.details);
    }
}

// The portal binds the hot key after launch: a window already open says so on its next pane.
TEST(SettingsSession, FactsSettledAfterTheWindowOpenedShowOnTheNextPane) {
    fakes::ModelRig rig;
    SessionFacts facts{true, "X screen saver extension", FullscreenSource::x11Windows, HotKeySource::xGrab, {}};
    SettingsViewModel vm(*rig.model, {}, "1.0", [&] { return facts; });
    EXPECT_FALSE(vm.hotKeyNote().isEmpty());
    int changes = 0;
    QObject::connect(&vm, &SettingsViewModel::changed, [&] { ++changes; });
    facts.hotKey = HotKeySource::desktopPortal;
    vm.setPane("general");
    EXPECT_GE(changes, 1);
    EXPECT_EQ(vm.hotKeyNote(), "");
    EXPECT_EQ(vm.details().last(), "Hot key: desktop portal global shortcut");
}

// Every caption the panes ask for by name is one the view model has.
TEST(SettingsWindowModel, EveryCaptionTheViewsUseExists) {
    fakes::ModelRig rig;
    SettingsViewModel vm(*rig.model);
    const QMetaObject& texts = *vm.text()->metaObject();
    const QRegularExpression use(QStringLiteral(R"(\.text\.([A-Za-z]+))"));
    QDir folder(QStringLiteral(TARNWICK_SOURCE_DIR "/src/ui/qml/settings"));
    int uses = 0;
    for (const QString& name : folder.entryList({"*.qml"})) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString source = QString::fromUtf8(file.readAll());
        for (auto match = use.globalMatch(source); match.hasNext();) {
            const QString key = match.next().captured(1);
            SCOPED_TRACE((name + ": " + key).toStdString());
            const int property = texts.indexOfProperty(key.toLatin1().constData());
            ASSERT_GE(property, 0);
            EXPECT_FALSE(texts.property(property).read(vm.text()).toString().isEmpty());
            ++uses;
        }
    }
    EXPECT_GT(uses, 50);
}

}  // namespace
}  // namespace tarnwick
