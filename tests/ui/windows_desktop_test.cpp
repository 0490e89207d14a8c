// The welcome and stats windows on the virtual desktop of scripts/with-desktop, created from the
// views module as the program creates them, clicked and typed at with xdotool. The model runs on
// fake ports and a manual clock, with a real autostart entry in a temporary config folder.

#include <csignal>
#include <thread>

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "accessible_tree.hpp"
#include "desktop_drive.hpp"
#include "model_rig.hpp"
#include "screen_pixels.hpp"
#include "screenshot_path.hpp"
#include "platform/autostart/login_item.hpp"
#include "ui/i18n/language.hpp"
#include "ui/views_loader.hpp"

namespace tarnwick {
namespace {

using drive::accessibleTree;
using drive::missingFromTree;

using fakes::t0;
constexpr int waitMs = 5000;
constexpr double hour = 3600, day = 86400;

using drive::run;
using drive::xdotool;


class Windows : public ::testing::Test {
protected:
    void SetUp() override {
        rig.model.reset();
        model = std::make_unique<AppModel>(Ports{rig.clock, rig.input, rig.probes, rig.sounds, autostart,
                                                 rig.screenLock, rig.sleepMonitor},
                                           rig.persistence);
        model->setCalendarSource([] { return Calendar::forZone("Europe/Berlin"); });
    }
    void TearDown() override { delete window; }

    // Writes a history for the model and makes the model anew at `now`.
    void history(const std::vector<BreakRecord>& records, double now) {
        rig.clock.set(now);
        ASSERT_TRUE(rig.persistence.save(records, instantAt(now)));
        SetUp();
    }

    // Creates a window of the views module, given only the model, as its opener does.
    QWindow* open(const QString& file) {
        QObject* object = loader.views()->create(file, {{QStringLiteral("model"), QVariant::fromValue(model.get())}});
        window = qobject_cast<QWindow*>(object);
        if (!window) {
            delete object;
            return nullptr;
        }
        window->show();
        window->requestActivate();
        (void)QTest::qWaitForWindowExposed(window, waitMs);
        (void)QTest::qWaitFor([&] { return window->isActive(); }, waitMs);
        QTest::qWait(300);  // the window manager has placed it
        return window;
    }
    QObject* item(const char* name) const { return window->findChild<QObject*>(QLatin1String(name)); }
    QObject* viewModel(const char* type) const {
        for (QObject* child : window->findChildren<QObject*>())
            if (QLatin1String(child->metaObject()->className()) == QLatin1String(type)) return child;
        return nullptr;
    }
    // Clicks the middle of a control, found by its object name, where it shows on screen.
    bool press(const char* name) {
        QObject* control = item(name);
        if (!control) return false;
        return drive::clickAt(drive::centreOnScreen(control, window->position()));
    }
    bool key(const QString& name) { return xdotool({"key", name}); }
    int step() const { return viewModel("tarnwick::OnboardingViewModel")->property("step").toInt(); }
    bool waitForStep(int n) { return QTest::qWaitFor([&] { return step() == n; }, waitMs); }
    void screenshot(const QString& name) const {
        QTest::qWait(500);  // transitions are over
        const QRect frame = window->frameGeometry().adjusted(-8, -8, 8, 8);
        QGuiApplication::primaryScreen()
            ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
            .save(screenshotPath(name));
    }

    fakes::ModelRig rig;
    XdgLoginItem autostart{rig.temp.path() + QStringLiteral("/config"), QStringLiteral("/usr/bin/tarnwick")};
    std::unique_ptr<AppModel> model;
    ViewsLoader loader{{QStringLiteral(TARNWICK_BINARY_DIR)}};
    QWindow* window = nullptr;
};

TEST_F(Windows, OnboardingWalksThreeStepsAndFinishingWritesOnboardedAndClosesTheWindow) {
    ASSERT_NE(open(QStringLiteral("OnboardingWindow.qml")), nullptr);
    EXPECT_EQ(window->title(), QStringLiteral("Welcome to Tarnwick"));
    EXPECT_EQ(window->size(), QSize(640, 560));
    EXPECT_FALSE(item("back")->property("visible").toBool()) << "no Back on the first step";
    screenshot(QStringLiteral("onboarding-1-welcome.png"));

    ASSERT_TRUE(press("primary"));
    ASSERT_TRUE(waitForStep(2));
    EXPECT_TRUE(item("back")->property("visible").toBool());
    screenshot(QStringLiteral("onboarding-2-busy.png"));

    ASSERT_TRUE(key(QStringLiteral("Return")));  // Return presses the primary button
    ASSERT_TRUE(waitForStep(3));
    EXPECT_EQ(item("primary")->property("text").toString(), QStringLiteral("Start Tarnwick"));
    EXPECT_EQ(item("doneText")->property("text").toString(),
              QStringLiteral("Tarnwick lives in your system tray. Your first break is in 20 minutes."));
    screenshot(QStringLiteral("onboarding-3-done.png"));
    EXPECT_FALSE(model->settings().onboarded);

    ASSERT_TRUE(key(QStringLiteral("Return")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, waitMs)) << "the window closes";
    EXPECT_TRUE(model->settings().onboarded);
    EXPECT_TRUE(rig.persistence.loadSettings().onboarded);
}

TEST_F(Windows, DeepFocusThenContinueThenBackKeepsTheFocusTimings) {
    ASSERT_NE(open(QStringLiteral("OnboardingWindow.qml")), nullptr);
    ASSERT_TRUE(press("preset1"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return item("preset1")->property("chosen").toBool(); }, waitMs));
    EXPECT_EQ(model->settings().microEveryMinutes, 20) << "choosing writes nothing yet";
    ASSERT_TRUE(press("primary"));
    ASSERT_TRUE(waitForStep(2));
    ASSERT_TRUE(press("back"));
    ASSERT_TRUE(waitForStep(1));
    EXPECT_TRUE(matches(Preset::focus, model->settings()));
    EXPECT_EQ(model->settings().microEveryMinutes, 30);
    EXPECT_EQ(model->settings().longEveryMinutes, 90);
    EXPECT_TRUE(item("preset1")->property("chosen").toBool()) << "the row still shows the choice";
}

TEST_F(Windows, TurningTheLoginSwitchOffOnTheSecondStepRemovesTheAutostartFile) {
    ASSERT_TRUE(autostart.set(true));
    ASSERT_TRUE(QFile::exists(autostart.filePath()));
    ASSERT_NE(open(QStringLiteral("OnboardingWindow.qml")), nullptr);
    ASSERT_TRUE(press("primary"));
    ASSERT_TRUE(waitForStep(2));
    ASSERT_TRUE(item("login")->property("checked").toBool()) << "on unless turned off";
    ASSERT_TRUE(press("login"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !item("login")->property("checked").toBool(); }, waitMs));
    EXPECT_TRUE(QFile::exists(autostart.filePath())) << "nothing changes before Continue";
    ASSERT_TRUE(press("primary"));
    ASSERT_TRUE(waitForStep(3));
    EXPECT_FALSE(QFile::exists(autostart.filePath()));
    EXPECT_FALSE(model->settings().launchAtLogin);
}

TEST_F(Windows, TheStatsOfAWeekAndCopyAsTextPutsTheLineOnTheClipboard) {
    // Monday to Thursday of the rig's week, now Thursday afternoon.
    std::vector<BreakRecord> records;
    const int taken[] = {9, 6, 12, 3}, skipped[] = {1, 2, 0, 1};
    for (int d = 0; d < 4; ++d) {
        for (int i = 0; i < taken[d]; ++i) records.push_back({instantAt(t0 + d * day + i * 1200), BreakKind::micro, Outcome::taken});
        for (int i = 0; i < skipped[d]; ++i) records.push_back({instantAt(t0 + d * day + hour * 5), BreakKind::micro, Outcome::skipped});
    }
    records.push_back({instantAt(t0 + day + hour), BreakKind::long_, Outcome::held});
    history(records, t0 + 3 * day + 6 * hour);

    ASSERT_NE(open(QStringLiteral("StatsWindow.qml")), nullptr);
    EXPECT_EQ(window->title(), QStringLiteral("Tarnwick Stats"));
    EXPECT_EQ(window->size(), QSize(760, 560));
    EXPECT_EQ(item("plot")->property("visible").toBool(), true);
    EXPECT_EQ(item("copy")->property("text").toString(), QStringLiteral("Copy as text"));
    screenshot(QStringLiteral("stats-week.png"));
    // Monday's taken bar in the sunset, rose at its middle, the legend's square beside it, and the
    // first tile's pink icon tile.
    QObject* bar = pixels::find(window, QStringLiteral("takenBar"));
    ASSERT_NE(bar, nullptr);
    const QColor rose(0xF0, 0x62, 0x9B), pink0(0xF2, 0x7A, 0xB8), pink1(0xD9, 0x4A, 0x92);
    const pixels::Probe probes[] = {
        {"takenBar", {bar->property("width").toReal() / 2, bar->property("height").toReal() / 2}, rose},
        {"takenKey", {5, 5}, rose},
        {"takenTile/icon", {2, 9}, pixels::between(pink0, pink1, 9.5 / 18)},
    };
    for (const pixels::Probe& probe : probes) {
        SCOPED_TRACE(testing::Message() << probe.item << " at " << probe.within.x() << "," << probe.within.y());
        EXPECT_EQ(pixels::mismatch(window, probe), "");
    }

    ASSERT_TRUE(press("copy"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return item("copy")->property("text").toString() == QStringLiteral("Copied"); }, waitMs));
    const auto clipboard = run(QStringLiteral("xclip"), {"-o", "-selection", "clipboard"});
    ASSERT_TRUE(clipboard.has_value()) << "xclip read nothing";
    EXPECT_EQ(*clipboard, QStringLiteral("I rested my eyes 30 times this week with Tarnwick, a break reminder that "
                                         "waits while I'm on calls."));
    screenshot(QStringLiteral("stats-week-copied.png"));
}

TEST_F(Windows, AnEmptyWeekOffersABreakAndTakeOneNowStartsIt) {
    ASSERT_NE(open(QStringLiteral("StatsWindow.qml")), nullptr);
    EXPECT_FALSE(item("plot")->property("visible").toBool());
    EXPECT_EQ(item("next")->property("text").toString(),
              QStringLiteral("Next one is in 20:00. After it, breaks taken, skipped and held show up here."));
    screenshot(QStringLiteral("stats-empty.png"));

    ASSERT_TRUE(press("takeOne"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::holds_alternative<phase::OnBreak>(model->phase()); }, waitMs));
    EXPECT_EQ(std::get<phase::OnBreak>(model->phase()).kind, BreakKind::micro);
}

TEST_F(Windows, TheStatsButtonsAnswerTheKeyboard) {
    ASSERT_NE(open(QStringLiteral("StatsWindow.qml")), nullptr);
    ASSERT_TRUE(key(QStringLiteral("Tab")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return item("takeOne")->property("activeFocus").toBool(); }, waitMs));
    screenshot(QStringLiteral("stats-keyboard-focus.png"));
    ASSERT_TRUE(key(QStringLiteral("space")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::holds_alternative<phase::OnBreak>(model->phase()); }, waitMs));
}

TEST_F(Windows, TheWelcomeCanBeWalkedWithTheKeyboardAlone) {
    ASSERT_NE(open(QStringLiteral("OnboardingWindow.qml")), nullptr);
    // Tab reaches the first preset, Down the next one, Space chooses it.
    ASSERT_TRUE(xdotool({"key", "--delay", "150", "Tab", "Down", "space"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return item("preset1")->property("chosen").toBool(); }, waitMs));
    screenshot(QStringLiteral("onboarding-keyboard-focus.png"));
    ASSERT_TRUE(key(QStringLiteral("Return")));
    ASSERT_TRUE(waitForStep(2));
    EXPECT_TRUE(matches(Preset::focus, model->settings()));
    // The switch is the first control of the second step, at once; Space turns it off.
    ASSERT_TRUE(xdotool({"key", "--delay", "150", "Tab", "space"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !item("login")->property("checked").toBool(); }, waitMs));
    ASSERT_TRUE(key(QStringLiteral("Return")));
    ASSERT_TRUE(waitForStep(3));
    EXPECT_FALSE(model->settings().launchAtLogin);
    ASSERT_TRUE(key(QStringLiteral("Return")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, waitMs));
    EXPECT_TRUE(model->settings().onboarded);
}

TEST_F(Windows, EveryTextAndControlOfBothWindowsIsReadableThroughTheAccessibilityBus) {
    ASSERT_NE(open(QStringLiteral("OnboardingWindow.qml")), nullptr);
    EXPECT_EQ(missingFromTree({"label\tWelcome to Tarnwick",
                               "label\tEye breaks that wait for the right moment. How often should we remind you?",
                               "radio button\t20-20-20", "radio button\tDeep focus", "radio button\tGentle",
                               "label\tStep 1 of 3", "push button\tContinue"}),
              "");
    ASSERT_TRUE(press("primary"));
    ASSERT_TRUE(waitForStep(2));
    EXPECT_EQ(missingFromTree({"label\tBreaks wait while you're busy", "label\tMeetings or calls",
                               "label\tFull-screen games", "label\tTyping",
                               "check box\tStart Tarnwick when I log in", "push button\tBack",
                               "label\tStep 2 of 3"}),
              "");
    ASSERT_TRUE(press("primary"));
    ASSERT_TRUE(waitForStep(3));
    EXPECT_EQ(missingFromTree({"label\tYou're all set",
                               "label\tTarnwick lives in your system tray. Your first break is in 20 minutes.",
                               "label\tClick the tray icon to pause or take a break",
                               "label\tPress Ctrl Alt B in any app for a break right now",
                               "label\tPress esc twice to skip a break when you have to",
                               "label\tTarnwick helps you rest your eyes. It isn't medical advice.",
                               "push button\tStart Tarnwick"}),
              "");
    delete window;
    window = nullptr;

    std::vector<BreakRecord> monday(3, {instantAt(t0 - hour), BreakKind::micro, Outcome::taken});
    monday.push_back({instantAt(t0 - hour), BreakKind::micro, Outcome::skipped});
    history(monday, t0);
    ASSERT_NE(open(QStringLiteral("StatsWindow.qml")), nullptr);
    const QString range = viewModel("tarnwick::StatsViewModel")->property("rangeText").toString();
    EXPECT_EQ(missingFromTree({"label\tThis week", "label\t" + range, "label\tBreaks taken",
                               "label\t75% of finished breaks", "label\tSkipped", "label\t4 skips left",
                               "label\tHeld for you", "label\tStreak", "label\tdays at 80%+",
                               "label\tBreaks per day", "label\tMon: 3 taken, 1 skipped",
                               "label\tSun: 0 taken, 0 skipped", "label\tYou rested your eyes 3 times this week.",
                               "push button\tCopy as text"}),
              "");
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Screen readers reach the windows through the accessibility bus: one for this run, up before
    // the application so that it registers at once.
    qint64 bus = 0;
    if (QProcess::startDetached(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {"--launch-immediately"}, {}, &bus))
        std::this_thread::sleep_for(std::chrono::seconds(1));
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    int status = 0;
    {
        QApplication app(argc, argv);
        tarnwick::i18n::installTranslations(app, QLocale(QLocale::English, QLocale::UnitedStates));
        status = RUN_ALL_TESTS();
    }
    if (bus > 0) ::kill(pid_t(bus), SIGTERM);
    return status;
}
