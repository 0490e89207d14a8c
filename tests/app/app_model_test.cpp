#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QUrl>

#include <date/date.h>

#include "model_rig.hpp"

using namespace tarnwick;

namespace {

using fakes::t0;

class AppModelTest : public ::testing::Test, public fakes::ModelRig {};

}  // namespace

TEST_F(AppModelTest, StartsWithDefaultsTicksAtOnceAndWritesNothing) {
    EXPECT_EQ(model->settings(), Settings{});
    EXPECT_TRUE(model->history().empty());
    EXPECT_EQ(model->phase(), Phase{phase::Working{}});
    clock.advance(0.5);
    model->start();
    EXPECT_EQ(model->nowSeconds(), t0 + 0.5);
    EXPECT_EQ(nowSignals, 1);
    EXPECT_EQ(phaseSignals, 0);
    tickUntil(t0 + 600);
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(persistence.settingsSaves + persistence.historySaves, 0);
}

TEST_F(AppModelTest, EndOfABreakIsRecordedSavedOncePublishedAndSounded) {
    model->start();
    model->takeBreak(BreakKind::micro);
    EXPECT_EQ(phaseSignals, 1);
    EXPECT_EQ(sounds.played, std::vector<std::string>{"Glass"});

    tickUntil(t0 + 19);
    EXPECT_TRUE(model->history().empty());
    clock.advance(1.25);
    model->tick();
    ASSERT_EQ(model->history().size(), 1u);
    EXPECT_EQ(model->history()[0], (BreakRecord{instantAt(t0 + 20.25), BreakKind::micro, Outcome::taken}));
    model->finishSaves();
    EXPECT_EQ(persistence.historySaves, 1);
    EXPECT_EQ(model->phase(), Phase{phase::Working{}});
    EXPECT_EQ(phaseSignals, 2);
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"Glass", "Glass"}));

    Settings quiet;
    quiet.soundOnStart = false;
    quiet.soundName = "Tink";
    model->setSettings(quiet);
    model->takeBreak(BreakKind::micro);
    model->resume();  // a break abandoned still ends with the sound
    EXPECT_EQ(sounds.played.back(), "Tink");
    EXPECT_EQ(sounds.played.size(), 3u);

    EXPECT_EQ(persistence.loadHistory(),
              (std::vector<BreakRecord>{{instantAt(t0 + 20), BreakKind::micro, Outcome::taken}}));  // whole seconds
}

TEST_F(AppModelTest, NudgesCallBackAndProbesRunOnlyWhenWanted) {
    int blinks = 0;
    model->onBlink = [&] { ++blinks; };
    model->start();
    tickUntil(t0 + 470);
    EXPECT_EQ(probes.calls(), 0);
    tickUntil(t0 + 480);
    EXPECT_EQ(blinks, 1);
    EXPECT_EQ(persistence.historySaves, 0);
    EXPECT_EQ(phaseSignals, 0);
    input.idle = 400;  // a long absence: a call must be able to keep it from counting
    probes.camera = true;
    model->tick();
    EXPECT_GT(probes.cameraCalls, 0);
    EXPECT_TRUE(model->history().empty());
    probes.camera = false;
    model->tick();
    EXPECT_EQ(model->history().size(), 1u);
    EXPECT_EQ(model->history()[0].outcome, Outcome::natural);
}

TEST_F(AppModelTest, EqualSettingsChangeNothing) {
    Settings same = model->settings();
    int changes = 0;
    QObject::connect(model.get(), &AppModel::settingsChanged, [&] { ++changes; });
    model->setSettings(same);
    EXPECT_EQ(persistence.settingsSaves, 0);
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(QFile::exists(persistence.settingsPath()));

    model->applyPreset(Preset::focus);
    EXPECT_EQ(persistence.settingsSaves, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(persistence.loadSettings(), model->settings());
    EXPECT_EQ(epochSeconds(model->scheduler().nextMicro()), t0 + 1800);
    model->applyPreset(Preset::focus);
    EXPECT_EQ(persistence.settingsSaves, 1);
}

TEST_F(AppModelTest, SleepAsLongAsANaturalBreakRestartsTheTimers) {
    model->start();
    tickUntil(t0 + 1100);
    // Four minutes: the break that fell due is announced at the wake tick.
    sleepMonitor.willSleep();
    clock.sleep(240);
    sleepMonitor.didWake();
    EXPECT_TRUE(std::holds_alternative<phase::HeadsUp>(model->phase()));
    EXPECT_EQ(epochSeconds(model->scheduler().nextMicro()), t0 + 1200);

    // Six minutes: the heads-up is dropped and the timers run from the wake.
    sleepMonitor.willSleep();
    clock.sleep(360);
    sleepMonitor.didWake();
    EXPECT_EQ(model->phase(), Phase{phase::Working{}});
    EXPECT_EQ(epochSeconds(model->scheduler().nextMicro()), clock.epoch() + 1200);
    EXPECT_TRUE(model->history().empty());  // a sleep is never recorded

    // A wake without a sleep is just a tick.
    const int before = nowSignals;
    clock.advance(1);
    sleepMonitor.didWake();
    EXPECT_EQ(nowSignals, before + 1);

    // A running break is not cut short; its end passed during the sleep, so the wake records it.
    model->takeBreak(BreakKind::micro);
    sleepMonitor.willSleep();
    clock.sleep(600);
    sleepMonitor.didWake();
    ASSERT_EQ(model->history().size(), 1u);
    EXPECT_EQ(model->history()[0].outcome, Outcome::taken);
}

TEST_F(AppModelTest, WithoutASleepMonitorTheClockGapRevealsSleep) {
    sleepMonitor.present = false;
    makeModel();
    model->start();
    tickUntil(t0 + 1175);
    ASSERT_TRUE(std::holds_alternative<phase::HeadsUp>(model->phase()));
    clock.sleep(240);  // shorter than a natural break: nothing restarts
    model->tick();
    EXPECT_TRUE(std::holds_alternative<phase::OnBreak>(model->phase()));
    model->resume();
    tickUntil(clock.epoch() + 1190);
    ASSERT_TRUE(std::holds_alternative<phase::HeadsUp>(model->phase()));
    clock.sleep(400);
    model->tick();
    EXPECT_EQ(model->phase(), Phase{phase::Working{}});
    EXPECT_EQ(epochSeconds(model->scheduler().nextMicro()), clock.epoch() + 1200);
}

TEST_F(AppModelTest, ASleepIsSeenOnceBeforeTheTickAfterItWhateverLogindSays) {
    // How the sleep is announced: 0 not at all, 1 will-sleep only before the tick, 2 will-sleep
    // and did-wake after the first tick, 3 both, before the tick (as logind usually does).
    for (int announced : {0, 1, 2, 3}) {
        SCOPED_TRACE(announced);
        makeModel();
        model->start();
        tickUntil(clock.epoch() + 1175);
        ASSERT_TRUE(std::holds_alternative<phase::HeadsUp>(model->phase()));
        sounds.played.clear();
        if (announced >= 1) sleepMonitor.willSleep();
        clock.sleep(600);
        const double woke = clock.epoch();
        if (announced == 3) sleepMonitor.didWake();
        else model->tick();  // the timer fires before the wake is heard, or it is never heard
        EXPECT_EQ(model->phase(), Phase{phase::Working{}}) << "no break begins across the sleep";
        EXPECT_EQ(epochSeconds(model->scheduler().nextMicro()), woke + 1200);
        EXPECT_TRUE(sounds.played.empty());
        // A late did-wake does not count the same sleep again.
        clock.advance(2);
        if (announced == 2) sleepMonitor.didWake();
        model->tick();
        EXPECT_EQ(epochSeconds(model->scheduler().nextMicro()), woke + 1200);
        EXPECT_TRUE(model->history().empty());
    }
}

TEST_F(AppModelTest, AnUnwritableDataFolderLosesNothingAndSavingResumesByItself) {
    {
        QDir(folder).removeRecursively();
        QFile inTheWay(folder);  // the data folder's place is taken by a file
        ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
    }
    makeModel();
    model->start();
    model->takeBreak(BreakKind::micro);
    tickUntil(clock.epoch() + 21);
    ASSERT_EQ(model->history().size(), 1u);
    Settings changed = model->settings();
    changed.microSeconds = 30;
    model->setSettings(changed);
    tickUntil(clock.epoch() + 30);
    EXPECT_EQ(model->phase(), Phase{phase::Working{}}) << "it keeps ticking";
    EXPECT_EQ(model->settings().microSeconds, 30);

    // The folder becomes possible, and something put an older history there meanwhile.
    ASSERT_TRUE(QFile::remove(folder));
    const BreakRecord older{instantAt(t0 - 86400), BreakKind::long_, Outcome::taken};
    {
        Persistence earlier(folder);
        ASSERT_TRUE(earlier.save(std::vector<BreakRecord>{older}, instantAt(t0)));
    }
    const auto recorded = model->history();
    const int savesBefore = persistence.settingsSaves + persistence.historySaves;
    tickUntil(clock.epoch() + 10);
    model->finishSaves();
    Persistence disk(folder);
    ASSERT_EQ(model->history().size(), recorded.size() + 1);
    EXPECT_EQ(model->history().front(), older) << "the older history is kept, ahead of this run's records";
    EXPECT_EQ(disk.loadHistory(), model->history());
    EXPECT_EQ(disk.loadSettings(), model->settings());
    // Once saved, nothing is written again until something changes.
    const int savesAfter = persistence.settingsSaves + persistence.historySaves;
    EXPECT_GT(savesAfter, savesBefore);
    tickUntil(clock.epoch() + 30);
    model->finishSaves();
    EXPECT_EQ(persistence.settingsSaves + persistence.historySaves, savesAfter);
}

TEST_F(AppModelTest, PauseUntilTomorrowEndsAtTheNextSixInTheMorning) {
    const auto& berlin = Calendar::forZone("Europe/Berlin");
    auto local = [&](int y, unsigned m, unsigned d, int h, int mi, int s = 0) {
        return epochSeconds(
            berlin.at(date::sys_days{date::year{y} / m / d}.time_since_epoch().count(), h, mi, s));
    };
    struct Case {
        const char* name;
        double now, until;
    } cases[] = {
        {"23:30", local(2026, 3, 3, 23, 30), local(2026, 3, 4, 6, 0)},
        {"05:00", local(2026, 3, 4, 5, 0), local(2026, 3, 4, 6, 0)},
        {"exactly 06:00", local(2026, 3, 4, 6, 0), local(2026, 3, 5, 6, 0)},
        {"the spring night", local(2026, 3, 28, 23, 0), local(2026, 3, 29, 6, 0)},
        {"the autumn night", local(2026, 10, 25, 1, 0), local(2026, 10, 25, 6, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clock.set(c.now);
        model->pauseUntilTomorrow();
        EXPECT_EQ(model->phase(), Phase(phase::Paused{instantAt(c.until)}));
    }
    // The spring night is an hour shorter: 6 hours from 23:00 to 06:00.
    EXPECT_EQ(cases[3].until - cases[3].now, 6 * 3600);
}

TEST_F(AppModelTest, DerivedValuesFollowPhaseAndTime) {
    model->start();
    EXPECT_EQ(model->skipState(), SkipState{skip::NotAllowed{}});
    EXPECT_EQ(model->breakCopy(), std::nullopt);
    tickUntil(t0 + 900);
    EXPECT_DOUBLE_EQ(model->nextBreakProgress(), 0.75);
    tickUntil(t0 + 1170);
    EXPECT_TRUE(std::holds_alternative<phase::HeadsUp>(model->phase()));
    EXPECT_EQ(model->skipState(), SkipState{skip::NotAllowed{}});
    EXPECT_DOUBLE_EQ(model->nextBreakProgress(), 0.975);

    tickUntil(t0 + 1200);
    ASSERT_TRUE(std::holds_alternative<phase::OnBreak>(model->phase()));
    EXPECT_EQ(model->nextBreakProgress(), 1.0);  // due
    tickUntil(t0 + 1203);
    EXPECT_EQ(model->skipState(), SkipState{skip::Wait{2}});
    EXPECT_EQ(model->breakCopy(), BreakCopy::pick(BreakKind::micro, std::int64_t(t0 + 1200), {}));
}

TEST_F(AppModelTest, SkipsLeftNeverGoBelowZeroAndSkippingRecords) {
    EXPECT_EQ(model->skipsLeftThisWeek(), 5);
    for (int i = 0; i < 7; ++i) {
        model->takeBreak(BreakKind::micro);
        clock.advance(10);
        model->skip();
    }
    EXPECT_EQ(model->history().size(), 7u);
    model->finishSaves();
    // One save a record at most: a save overtaken by a newer one before it began is not written.
    EXPECT_GE(persistence.historySaves, 1);
    EXPECT_LE(persistence.historySaves, 7);
    EXPECT_EQ(Persistence(folder).loadHistory(), model->history());
    EXPECT_EQ(model->skipsLeftThisWeek(), 0);
    EXPECT_EQ(model->today(), (TodayCounts{0, 7}));
    EXPECT_EQ(model->week().skipped, 7);
    model->takeBreak(BreakKind::micro);
    EXPECT_EQ(model->skipState(), SkipState{skip::Wait{15}});
}

TEST_F(AppModelTest, DeleteAllDataKeepsLaunchAtLoginAndOnboarding) {
    Settings s;
    s.launchAtLogin = true;
    s.microEveryMinutes = 45;
    model->setSettings(s);
    model->takeBreak(BreakKind::micro);
    model->skip();
    model->finishSaves();
    ASSERT_TRUE(QFile::exists(persistence.historyPath()));
    clock.advance(100);
    model->pauseFor(600);

    model->deleteAllData();
    EXPECT_TRUE(model->history().empty());
    Settings expected;
    expected.launchAtLogin = true;
    expected.onboarded = true;
    EXPECT_EQ(model->settings(), expected);
    EXPECT_EQ(persistence.loadSettings(), expected);
    EXPECT_FALSE(QFile::exists(persistence.historyPath()));
    EXPECT_EQ(model->phase(), Phase{phase::Working{}});
    EXPECT_EQ(epochSeconds(model->scheduler().nextMicro()), clock.epoch() + 1200);
    EXPECT_TRUE(loginItem.calls.empty());

    // Already at those settings: nothing to write until the next change.
    model->deleteAllData();
    EXPECT_FALSE(QFile::exists(persistence.settingsPath()));
}

TEST_F(AppModelTest, ABadRecordIsLeftOutTheFileSetAsideAndTheGoodOnesKept) {
    QDir().mkpath(folder);
    const QByteArray corrupt =
        R"([{"date":"2026-03-01T08:15:00Z","kind":"micro","outcome":"taken"},{"date":"bad","kind":"micro","outcome":"taken"}])";
    {
        QFile file(folder + QStringLiteral("/history.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(corrupt);
    }
    makeModel();
    const BreakRecord good{parseDate("2026-03-01T08:15:00Z"), BreakKind::micro, Outcome::taken};
    EXPECT_EQ(model->history(), std::vector<BreakRecord>{good});
    EXPECT_EQ(model->historyCount(), 1);
    model->takeBreak(BreakKind::long_);
    model->skip();
    model->finishSaves();
    const auto aside = QDir(folder).entryList({QStringLiteral("history.json.unreadable-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(folder + u'/' + aside.first());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), corrupt);
    const auto onDisk = persistence.loadHistory();
    ASSERT_EQ(onDisk.size(), 2u);
    EXPECT_EQ(onDisk[0], good);
    EXPECT_EQ(onDisk[1].outcome, Outcome::skipped);
}

TEST_F(AppModelTest, LaunchAtLoginIsBroughtIntoLineWithTheSetting) {
    struct Case {
        bool setting;
        LoginItemStatus status;
        std::vector<bool> calls;
        bool pointsHere = true;
    } cases[] = {
        {true, LoginItemStatus::notRegistered, {true}},
        {true, LoginItemStatus::notFound, {true}},
        {true, LoginItemStatus::enabled, {}},
        {true, LoginItemStatus::requiresApproval, {}},
        {false, LoginItemStatus::enabled, {false}},
        {false, LoginItemStatus::requiresApproval, {}},
        {false, LoginItemStatus::notRegistered, {}},
        // An entry left by a moved or older copy is rewritten to start this one.
        {true, LoginItemStatus::enabled, {true}, false},
        {false, LoginItemStatus::enabled, {false}, false},
        // Switched off by the user: left alone, wherever it points.
        {true, LoginItemStatus::requiresApproval, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.setting << " status " << int(c.status) << " here " << c.pointsHere);
        Settings s;
        s.launchAtLogin = c.setting;
        ASSERT_TRUE(writeSettings(s));
        makeModel();
        loginItem.calls.clear();
        loginItem.current = c.status;
        loginItem.pointsHere = c.pointsHere;
        model->syncLaunchAtLogin();
        EXPECT_EQ(loginItem.calls, c.calls);
    }
}

// Defaults that stand in for a missing or damaged file leave the login item alone: a cut-off file
// must not switch launch at login off.
TEST_F(AppModelTest, SettingsFromDefaultsLeaveTheLoginItemAsItIs) {
    Settings s;
    s.launchAtLogin = true;
    ASSERT_TRUE(writeSettings(s));
    QFile file(persistence.settingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray whole = file.readAll();
    ASSERT_TRUE(file.resize(whole.size() - 3));
    file.close();
    for (bool missing : {false, true}) {
        SCOPED_TRACE(missing ? "missing" : "damaged");
        if (missing) QFile::remove(persistence.settingsPath());
        makeModel();
        ASSERT_FALSE(model->settings().launchAtLogin);
        loginItem.calls.clear();
        loginItem.current = LoginItemStatus::enabled;
        model->syncLaunchAtLogin();
        EXPECT_TRUE(loginItem.calls.empty());
    }
}

// A file asking for a break of a hundred billion seconds in hardcore mode would lock the desktop
// for good: what no settings window offers is lowered to the most it offers, said and saved.
TEST_F(AppModelTest, DurationsBeyondWhatTheWindowOffersAreLoweredSaidAndSaved) {
    Settings s;
    s.enforcement = BreakEnforcement::hardcore;
    s.microSeconds = 100'000'000'000;
    s.longEveryMinutes = 100'000;
    s.headsUpSeconds = 45;  // within what is offered, though not one of the choices: kept
    ASSERT_TRUE(writeSettings(s));
    testing::internal::CaptureStderr();
    makeModel();
    const std::string console = testing::internal::GetCapturedStderr();
    EXPECT_EQ(model->settings().microSeconds, 60);
    EXPECT_EQ(model->settings().longEveryMinutes, 120);
    EXPECT_EQ(model->settings().headsUpSeconds, 45);
    EXPECT_NE(console.find("microSeconds was 100000000000"), std::string::npos) << console;
    EXPECT_NE(console.find("longEveryMinutes was 100000"), std::string::npos) << console;
    EXPECT_EQ(std::count(console.begin(), console.end(), '\n'), 2) << console;
    EXPECT_EQ(persistence.loadSettings(), model->settings());

    model->takeBreak(BreakKind::micro);
    const auto* onBreak = std::get_if<phase::OnBreak>(&model->phase());
    ASSERT_NE(onBreak, nullptr);
    EXPECT_DOUBLE_EQ((onBreak->endsAt - onBreak->startedAt).count(), 60.0);

    // A file within the bounds is neither changed nor written again.
    const int saves = persistence.settingsSaves;
    testing::internal::CaptureStderr();
    makeModel();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(persistence.settingsSaves, saves);
}

TEST_F(AppModelTest, LaunchAtLoginSettingFollowsOnlyASuccessfulChange) {
    loginItem.accept = false;
    EXPECT_FALSE(model->setLaunchAtLogin(true));
    EXPECT_FALSE(model->settings().launchAtLogin);
    loginItem.accept = true;
    EXPECT_TRUE(model->setLaunchAtLogin(true));
    EXPECT_TRUE(model->settings().launchAtLogin);
    EXPECT_TRUE(persistence.loadSettings().launchAtLogin);
}

TEST_F(AppModelTest, CommandsByNameStartTheBreakTheyName) {
    struct Case {
        const char* method;
        QString argument;
        Phase expected;
    } cases[] = {
        {"takeBreak", "micro", phase::OnBreak{BreakKind::micro, instantAt(t0), instantAt(t0 + 20)}},
        {"takeBreak", "long", phase::OnBreak{BreakKind::long_, instantAt(t0), instantAt(t0 + 300)}},
        {"takeBreak", "Long", phase::Working{}},
        {"applyPreset", "nonsense", phase::Working{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.method << "(" << c.argument.toStdString() << ")");
        makeModel();
        ASSERT_TRUE(QMetaObject::invokeMethod(model.get(), c.method, Q_ARG(QString, c.argument)));
        EXPECT_EQ(model->phase(), c.expected);
        EXPECT_EQ(model->settings(), Settings{});
    }
    EXPECT_EQ(persistence.settingsSaves, 0);
}

TEST_F(AppModelTest, ExportAnswersEmptyOrTheSystemsOwnDescription) {
    const QString path = temp.path() + QStringLiteral("/export.json");
    struct Case {
        const char* name;
        QString destination, written;  // `written` empty: the export fails
    } cases[] = {
        {"a path", path, path},
        {"a file URL", QUrl::fromLocalFile(path + u'2').toString(), path + u'2'},
        {"a missing folder", temp.path() + QStringLiteral("/missing/export.json"), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString answer;
        ASSERT_TRUE(QMetaObject::invokeMethod(model.get(), "exportData", Q_RETURN_ARG(QString, answer),
                                              Q_ARG(QString, c.destination)));
        if (c.written.isEmpty()) {
            EXPECT_FALSE(answer.isEmpty());
            EXPECT_FALSE(answer.startsWith(QStringLiteral("Couldn't"))) << answer.toStdString();
            EXPECT_FALSE(answer.contains(QStringLiteral("missing"))) << "names no path: " << answer.toStdString();
        } else {
            EXPECT_EQ(answer, QString());
            EXPECT_TRUE(QFile::exists(c.written));
        }
    }
}

TEST_F(AppModelTest, SettingsWindowActionsReachTheirPorts) {
    struct Status {
        LoginItemStatus status;
        const char* name;
    } statuses[] = {
        {LoginItemStatus::notRegistered, "notRegistered"},
        {LoginItemStatus::enabled, "enabled"},
        {LoginItemStatus::requiresApproval, "requiresApproval"},
        {LoginItemStatus::notFound, "notFound"},
    };
    for (const auto& s : statuses) {
        SCOPED_TRACE(s.name);
        loginItem.current = s.status;
        QString answer;
        ASSERT_TRUE(QMetaObject::invokeMethod(model.get(), "loginItemStatus", Q_RETURN_ARG(QString, answer)));
        EXPECT_EQ(answer, s.name);
    }

    // The probes answer live, whatever the hold settings say.
    Settings noHolds;
    noHolds.holdDuringCalls = noHolds.holdDuringFullscreen = false;
    model->setSettings(noHolds);
    struct Probe {
        bool camera, microphone, fullscreen;
        std::optional<bool> screen;
    } probeCases[] = {{false, false, false, std::nullopt}, {true, false, false, false}, {false, true, false, std::nullopt},
                      {false, false, true, std::nullopt}, {false, false, false, true}};
    for (const auto& p : probeCases) {
        SCOPED_TRACE(testing::Message() << p.camera << p.microphone << p.fullscreen << p.screen.has_value());
        probes.camera = p.camera;
        probes.microphone = p.microphone;
        probes.fullscreen = p.fullscreen;
        probes.screen = p.screen;
        QVariantMap answer;
        ASSERT_TRUE(QMetaObject::invokeMethod(model.get(), "probeSignals", Q_RETURN_ARG(QVariantMap, answer)));
        EXPECT_EQ(answer, (QVariantMap{{"camera", p.camera}, {"mic", p.microphone}, {"fullscreen", p.fullscreen},
                                       {"screen", p.screen ? QVariant(*p.screen) : QVariant()}}));
    }

    ASSERT_TRUE(QMetaObject::invokeMethod(model.get(), "playSound", Q_ARG(QString, "Tink")));
    EXPECT_EQ(sounds.played, std::vector<std::string>{"Tink"});
    ASSERT_TRUE(QMetaObject::invokeMethod(model.get(), "lockScreen"));
    EXPECT_EQ(screenLock.locks, 1);
    bool changed = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(model.get(), "setLaunchAtLogin", Q_RETURN_ARG(bool, changed), Q_ARG(bool, true)));
    EXPECT_TRUE(changed);
    EXPECT_EQ(loginItem.calls, std::vector<bool>{true});
    EXPECT_EQ(model->property("dataFolder").toString(), folder);
}
