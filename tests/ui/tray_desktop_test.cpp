// The tray item and its panel on the virtual desktop of scripts/with-desktop, in either tray host
// it offers: trayer (XEmbed, dark) or xfce4-panel's status tray (StatusNotifierItem, light). The
// views module is loaded as the program loads it; clicks are made by xdotool.

#include <gtest/gtest.h>

#include <signal.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QGuiApplication>
#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QWindow>

#include "accessible_tree.hpp"
#include "desktop_drive.hpp"
#include "model_rig.hpp"
#include "screen_pixels.hpp"
#include "screenshot_path.hpp"
#include "platform/x11/panel_hints.hpp"
#include "ui/i18n/language.hpp"
#include "ui/status_controller.hpp"
#include "ui/views_loader.hpp"

namespace tarnwick {
namespace {

using drive::accessibleTree;
using drive::missingFromTree;

constexpr int waitMs = 5000;

using drive::clickAt;

bool statusNotifierHost() { return qgetenv("TARNWICK_DESKTOP_TRAY") == "sni"; }
bool trayAtBottom() { return qgetenv("TARNWICK_DESKTOP_TRAY_EDGE") == "bottom"; }

// A window's place as the X server has it (not as Qt last asked for it), from xwininfo.
QRect serverGeometry(const QWindow* window) {
    const auto out = drive::run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window->winId())});
    if (!out) return {};
    auto field = [&](const char* name) {
        const qsizetype at = out->indexOf(QLatin1String(name));
        if (at < 0) return -1;
        return out->mid(at + qsizetype(qstrlen(name))).section(u'\n', 0, 0).trimmed().toInt();
    };
    return {field("Absolute upper-left X:"), field("Absolute upper-left Y:"), field("Width:"), field("Height:")};
}

QImage grab(QRect r) { return QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage(); }

// A StatusNotifierItem host does not tell the item where it shows it: find the icon in the panel
// along the top of the screen (the strip above the window manager's work area) as the pixels that differ from
// the panel's own colour at its far end.
QRect iconInTopPanel() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto work = x11::workArea();
    const int height = work ? work->y - screen.top() : 0;
    if (height <= 0) return {};
    const QImage strip = grab({screen.left(), screen.top(), screen.width(), height});
    const QRgb panel = strip.pixel(strip.width() - 2, height / 2);
    QRect found;
    for (int y = 1; y < height - 1; ++y)
        for (int x = 0; x < strip.width(); ++x)
            if (strip.pixel(x, y) != panel) found |= QRect(x, y, 1, 1);
    return found.translated(screen.topLeft());
}

// Openbox set up so that a click on the bare desktop moves no focus, as some desktops have it: its
// own set-up without the focus bindings of the desktop, loaded at once. Put back when it goes.
class DesktopClicksMoveNoFocus {
public:
    DesktopClicksMoveNoFocus() {
        QFile system(QStringLiteral("/etc/xdg/openbox/rc.xml"));
        if (!system.open(QIODevice::ReadOnly)) return;
        QString rc = QString::fromUtf8(system.readAll());
        const qsizetype from = rc.indexOf(QLatin1String("<context name=\"Desktop\">"));
        const qsizetype to = rc.indexOf(QLatin1String("</context>"), from);
        if (from < 0 || to < 0) return;
        QString desktop = rc.mid(from, to - from);
        desktop.remove(QRegularExpression(QStringLiteral("<mousebind[^>]*>\\s*<action name=\"Focus\"/>[\\s\\S]*?</mousebind>")));
        if (desktop.contains(QLatin1String("\"Focus\""))) return;
        rc.replace(from, to - from, desktop);
        QDir().mkpath(QFileInfo(m_path).path());
        QFile mine(m_path);
        m_loaded = mine.open(QIODevice::WriteOnly) && mine.write(rc.toUtf8()) > 0;
        mine.close();
        m_loaded = m_loaded && drive::run(QStringLiteral("openbox"), {QStringLiteral("--reconfigure")}).has_value();
        QTest::qWait(500);
    }
    ~DesktopClicksMoveNoFocus() {
        QFile::remove(m_path);
        (void)drive::run(QStringLiteral("openbox"), {QStringLiteral("--reconfigure")});
        QTest::qWait(500);
    }
    bool loaded() const { return m_loaded; }

private:
    QString m_path = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/openbox/rc.xml");
    bool m_loaded = false;
};


// Runs the press action of the showing button or menu item named `name`, as a screen reader does.
bool pressThroughBus(const QString& name) {
    return drive::run(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(TARNWICK_SOURCE_DIR "/tests/e2e/accessible_tree.py"),
                       QCoreApplication::applicationName(), QStringLiteral("--press"), name},
                      15000)
        .has_value();
}

bool rightClickAt(QPoint at) {
    return drive::xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                           QStringLiteral("click"), QStringLiteral("3")});
}

class Tray : public ::testing::Test {
protected:
    void SetUp() override {
        rig.makeModel();
        status = std::make_unique<StatusController>(*rig.model, loader);
        ASSERT_TRUE(QTest::qWaitFor([&] { return icon().isValid(); }, waitMs)) << "the icon never appeared";
        QTest::qWait(300);  // the tray settles its layout
    }
    QRect icon() const { return statusNotifierHost() ? iconInTopPanel() : status->tray().geometry(); }
    QWindow* openByClick() {
        if (!clickAt(icon().center())) return nullptr;
        (void)QTest::qWaitFor([&] { return status->panel() && status->panel()->isVisible(); }, waitMs);
        return status->panel();
    }
    // A control of the panel by its object name, pressed where it shows on screen.
    bool press(const char* name) {
        QObject* item = status->panel()->findChild<QObject*>(QLatin1String(name));
        if (!item) return false;
        return clickAt(drive::centreOnScreen(item, status->panel()->position()));
    }
    QString shown(const char* property) const {
        auto* vm = status->panel()->property("vm").value<QObject*>();
        return vm ? vm->property(property).toString() : QString();
    }
    QString header() const { return shown("label"); }
    // Saved with the tray host in the name, as tray-<host>-<name>.png (tray-xembed-bottom-… for a tray
    // along the bottom).
    static void save(const QImage& image, const QString& name) {
        const QString host = statusNotifierHost() ? QStringLiteral("sni")
                             : trayAtBottom()      ? QStringLiteral("xembed-bottom")
                                                   : QStringLiteral("xembed");
        image.save(screenshotPath(QStringLiteral("tray-%1-%2.png").arg(host, name)));
    }
    void screenshot(const QString& name) const {
        QTest::qWait(400);
        save(grab(status->panel()->frameGeometry().adjusted(-8, -30, 8, 8)), name);
    }
    void menuShot(const QString& name) const {
        QTest::qWait(400);
        save(grab(status->menu()->frameGeometry().adjusted(-8, -30, 8, 8)), name);
    }
    // The icon with the tray around it, after the image has had time to reach the tray.
    void iconShot(const QString& name) const {
        QTest::qWait(600);
        save(grab(icon().adjusted(-40, -4, 40, 4)), name);
    }

    fakes::ModelRig rig;
    ViewsLoader loader{{QStringLiteral(TARNWICK_BINARY_DIR)}};
    std::unique_ptr<StatusController> status;
};

TEST_F(Tray, AClickOpensThePanelAgainstTheIconInsideTheScreen) {
    QWindow* panel = openByClick();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(panel->isVisible());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(panel->geometry())) << "inside the screen";
    EXPECT_EQ(panel->width(), 304);
    if (trayAtBottom()) {
        EXPECT_LE(std::abs(icon().top() - panel->geometry().bottom()), 12) << "just above the icon";
    } else {
        EXPECT_LE(std::abs(panel->y() - icon().bottom()), 12) << "just below the icon";
    }
    EXPECT_LE(std::abs(panel->geometry().center().x() - icon().center().x()), 160) << "beside the icon";
    EXPECT_EQ(header(), QStringLiteral("Next eye break in"));
    screenshot(QStringLiteral("panel-working"));

    // A second click on the icon closes it, and a third opens it again.
    clickAt(icon().center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); }, waitMs)) << "a second click closes";
    QTest::qWait(500);
    ASSERT_NE(openByClick(), nullptr);
    EXPECT_TRUE(panel->isVisible());

    // A click elsewhere closes it.
    clickAt({200, 600});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); }, waitMs));
}

TEST_F(Tray, ThePanelDrawsItsEmblemProgressTilesAndTodaysTally) {
    QWindow* panel = openByClick();
    ASSERT_NE(panel, nullptr);
    QTest::qWait(400);
    const QColor pink0(0xF2, 0x7A, 0xB8), pink1(0xD9, 0x4A, 0x92);
    const pixels::Probe probes[] = {
        {"emblem", {20, 20.8}, QColor(0xF2, 0x7D, 0xA6)},  // the sunset in the mark's dome
        {"emblem", {20, 27.2}, Qt::white},                 // the horizon
        {"progressFill", {3, 3}, QColor(0xB7, 0x6C, 0xF2)},  // orchid, where the sunset starts
        {"firstTile/icon", {2, 12}, pixels::between(pink0, pink1, 12.5 / 24)},
    };
    for (const pixels::Probe& probe : probes) {
        SCOPED_TRACE(testing::Message() << probe.item << " at " << probe.within.x() << "," << probe.within.y());
        EXPECT_EQ(pixels::mismatch(panel, probe), "");
    }
    // Today's tally lies on a card a shade off the panel's colour.
    QObject* today = pixels::find(panel, QStringLiteral("today"));
    ASSERT_NE(today, nullptr);
    const qreal middle = today->property("height").toReal() / 2;
    const QColor card = pixels::shownAt(drive::onScreen(today, {4, middle}, panel->position()));
    const QColor around = pixels::shownAt(drive::onScreen(today, {-8, middle}, panel->position()));
    EXPECT_GE(pixels::distance(card, around), 6) << card.name().toStdString() << " on " << around.name().toStdString();
}

TEST_F(Tray, AClickOnTheBareDesktopClosesThePanelWhereItMovesNoFocus) {
    const DesktopClicksMoveNoFocus desktop;
    ASSERT_TRUE(desktop.loaded());
    QWindow* panel = openByClick();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->isActive(); }, waitMs)) << "the panel has the keyboard";
    // A click inside it, away from its controls, leaves it open.
    clickAt(panel->geometry().topLeft() + QPoint(200, 20));
    QTest::qWait(500);
    EXPECT_TRUE(panel->isVisible()) << "a click inside";
    // On the bare desktop of either monitor: closed.
    clickAt({640, 700});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); }, waitMs)) << "a click on the bare desktop";
    QTest::qWait(500);
    ASSERT_NE(openByClick(), nullptr);
    clickAt({1900, 500});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); }, waitMs)) << "a click on the second monitor";
    // The icon still toggles it, and the press on it does not open it again.
    QTest::qWait(500);
    ASSERT_NE(openByClick(), nullptr);
    QTest::qWait(600);  // not a double click
    clickAt(icon().center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); }, waitMs)) << "a second click on the icon";
    QTest::qWait(800);
    EXPECT_FALSE(panel->isVisible()) << "stays closed";
    // Keys still reach it: Escape closes it.
    ASSERT_NE(openByClick(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->isActive(); }, waitMs));
    drive::xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); }, waitMs)) << "Escape";
}

TEST_F(Tray, TheEdgeNextToTheTrayStaysPutWhilePausingAndResumingChangeThePanelsHeight) {
    QWindow* panel = openByClick();
    ASSERT_NE(panel, nullptr);
    QTest::qWait(300);
    // The top edge under a tray along the top, the bottom edge over one along the bottom.
    auto nextToTray = [](QRect r) { return trayAtBottom() ? r.y() + r.height() : r.y(); };
    const QRect opened = serverGeometry(panel);
    ASSERT_FALSE(opened.isEmpty());
    EXPECT_LE(std::abs(nextToTray(opened) - (trayAtBottom() ? icon().top() : icon().bottom())), 12) << "against the tray";

    ASSERT_TRUE(press("pause30"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return header() == QStringLiteral("Paused until"); }, waitMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return serverGeometry(panel).height() != opened.height(); }, waitMs))
        << "pausing drops the progress bar and the detail line";
    QTest::qWait(200);
    const QRect paused = serverGeometry(panel);
    EXPECT_EQ(nextToTray(paused), nextToTray(opened)) << "paused: " << paused.height() << " high, was " << opened.height();
    screenshot(QStringLiteral("panel-paused-against-the-tray"));

    ASSERT_TRUE(press("resume"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return serverGeometry(panel).height() == opened.height(); }, waitMs));
    EXPECT_EQ(nextToTray(serverGeometry(panel)), nextToTray(opened)) << "resumed";
}

TEST_F(Tray, ThePanelFollowsTheHeadsUpAndTheHold) {
    Settings settings = rig.model->settings();
    settings.headsUpSeconds = 30;
    rig.model->setSettings(settings);
    const double due = rig.model->nextBreakAt();
    rig.tickUntil(due - 20);
    ASSERT_TRUE(std::holds_alternative<phase::HeadsUp>(rig.model->phase()));
    ASSERT_NE(openByClick(), nullptr);
    EXPECT_EQ(header(), QStringLiteral("Eye break starting"));
    screenshot(QStringLiteral("panel-heads-up"));
    status->closePanel();

    // A call at the moment the break is due holds it.
    rig.probes.camera = true;
    rig.tickUntil(due + 90);
    ASSERT_TRUE(std::holds_alternative<phase::Held>(rig.model->phase()));
    QTest::qWait(500);
    ASSERT_NE(openByClick(), nullptr);
    EXPECT_EQ(header(), QStringLiteral("Break held"));
    EXPECT_TRUE(shown("detail").endsWith(QStringLiteral("Held for 1 min.")));
    screenshot(QStringLiteral("panel-held"));
    EXPECT_EQ(status->shown().mark, TrayMark::held);
    iconShot(QStringLiteral("icon-held"));
}

TEST_F(Tray, TheIconShowsTheCountdownOnlyWhileItIsOn) {
    EXPECT_EQ(status->shown(), (TrayTitle{TrayMark::countdown, QStringLiteral("20m")}));
    iconShot(QStringLiteral("icon-countdown"));
    Settings settings = rig.model->settings();
    settings.menuBarCountdown = false;
    rig.model->setSettings(settings);
    EXPECT_EQ(status->shown(), TrayTitle{});
    EXPECT_EQ(status->tray().toolTip(), QStringLiteral("Tarnwick: 20m"));
    iconShot(QStringLiteral("icon-plain"));
}

TEST_F(Tray, PausingKeepsThePanelOpenResumingBringsTheCountdownBackAndABreakClosesIt) {
    ASSERT_NE(openByClick(), nullptr);
    ASSERT_TRUE(press("pause30"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return header() == QStringLiteral("Paused until"); }, waitMs));
    EXPECT_TRUE(status->panel()->isVisible());
    screenshot(QStringLiteral("panel-paused"));
    EXPECT_EQ(status->shown().mark, TrayMark::paused);
    iconShot(QStringLiteral("icon-paused"));

    ASSERT_TRUE(press("resume"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return header() == QStringLiteral("Next eye break in"); }, waitMs));
    EXPECT_TRUE(status->panel()->isVisible());

    ASSERT_TRUE(press("firstTile"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::holds_alternative<phase::OnBreak>(rig.model->phase()); }, waitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !status->panel()->isVisible(); }, waitMs));
}

// What the focus reaches in an open menu as the user presses Down, for a menu the tray host draws.
QStringList menuItemsByFocus() {
    const auto out = drive::run(QStringLiteral("/usr/bin/python3"),
                                {QStringLiteral(TARNWICK_SOURCE_DIR "/tests/e2e/accessible_tree.py"),
                                 QStringLiteral("--follow-focus")},
                                20000);
    return out ? out->split(u'\n', Qt::SkipEmptyParts) : QStringList();
}

bool pressByFocus(const QString& name) {
    return drive::run(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(TARNWICK_SOURCE_DIR "/tests/e2e/accessible_tree.py"), QStringLiteral("--follow-focus"), name},
                      20000)
        .has_value();
}

const char* const menuItems[] = {"Eye break now", "Long break now", "Pause 30 min", "Pause 1 hour", "Pause until tomorrow",
                                 "Stats", "Settings", "Quit"};

// A StatusNotifierItem host draws the menu the item exports, in the desktop's style. xfce4-panel
// leaves a menu it attached to its button out of its accessibility tree, so a screen reader meets
// the items as the focus moves through them: every one is read, and one is pressed that way.
TEST_F(Tray, ARightClickOpensTheHostsMenuThatAScreenReaderReadsAndPresses) {
    if (!statusNotifierHost()) GTEST_SKIP() << "an XEmbed tray shows the program's own menu";
    ASSERT_NE(status->hostMenu(), nullptr) << "exported to the host";
    ASSERT_TRUE(rightClickAt(icon().center()));
    QTest::qWait(800);
    const QStringList reached = menuItemsByFocus();
    for (const char* item : menuItems)
        EXPECT_TRUE(reached.contains(QStringLiteral("menu item\t") + QLatin1String(item)))
            << item << " in " << reached.join(u',').toStdString();
    ASSERT_TRUE(pressByFocus(QStringLiteral("Long break now")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::holds_alternative<phase::OnBreak>(rig.model->phase()); }, waitMs));
    EXPECT_EQ(std::get<phase::OnBreak>(rig.model->phase()).kind, BreakKind::long_);
    EXPECT_EQ(status->shown().mark, TrayMark::onBreak);
    iconShot(QStringLiteral("icon-break"));
}

TEST_F(Tray, ARightClickOpensAMenuThatAScreenReaderReadsAndPresses) {
    if (statusNotifierHost()) GTEST_SKIP() << "the host draws the menu";
    ASSERT_TRUE(rightClickAt(icon().center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return status->menu() && status->menu()->isVisible(); }, waitMs));
    QWindow* menu = status->menu();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(menu->geometry())) << "inside the screen";
    QStringList items;
    for (const char* item : menuItems) items << QStringLiteral("menu item\t") + QLatin1String(item);
    EXPECT_EQ(missingFromTree(items), "");
    menuShot(QStringLiteral("menu-working"));

    ASSERT_TRUE(pressThroughBus(QStringLiteral("Long break now")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::holds_alternative<phase::OnBreak>(rig.model->phase()); }, waitMs));
    EXPECT_EQ(std::get<phase::OnBreak>(rig.model->phase()).kind, BreakKind::long_);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !menu->isVisible(); }, waitMs)) << "the menu gets out of the way";
    EXPECT_EQ(status->shown().mark, TrayMark::onBreak);
    iconShot(QStringLiteral("icon-break"));
    EXPECT_EQ(status->tray().toolTip(), QStringLiteral("Tarnwick: Break"));
    ASSERT_NE(openByClick(), nullptr);
    screenshot(QStringLiteral("panel-break"));
}

TEST_F(Tray, TheMenuWorksFromTheKeyboardAndFollowsThePhase) {
    if (statusNotifierHost()) GTEST_SKIP() << "the host draws the menu";
    ASSERT_TRUE(rightClickAt(icon().center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return status->menu() && status->menu()->isActive(); }, waitMs));
    // The first item has the focus: down twice is "Pause 30 min".
    drive::xdotool({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::holds_alternative<phase::Paused>(rig.model->phase()); }, waitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !status->menu()->isVisible(); }, waitMs));
    QTest::qWait(600);

    // While paused it offers resuming in place of the pauses; Escape closes it.
    ASSERT_TRUE(rightClickAt(icon().center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return status->menu()->isActive(); }, waitMs));
    EXPECT_EQ(missingFromTree({QStringLiteral("menu item\tResume breaks")}), "");
    EXPECT_FALSE(accessibleTree().contains(QStringLiteral("menu item\tPause 30 min")));
    menuShot(QStringLiteral("menu-paused"));
    drive::xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !status->menu()->isVisible(); }, waitMs));
}

TEST_F(Tray, OutsideTheWorkingHoursThePanelSaysWhenTheyStartAndResumes) {
    // The rig's Monday 09:00, before hours that start on Tuesday.
    WorkingHours hours;
    hours.enabled = true;
    hours.days[1] = {{9 * 60, 18 * 60}};
    rig.model->setWorkingHours(hours);
    ASSERT_NE(openByClick(), nullptr);
    EXPECT_EQ(header(), QStringLiteral("Off until"));
    EXPECT_EQ(shown("value"), QStringLiteral("Tue 09:00"));
    EXPECT_EQ(status->shown().mark, TrayMark::paused);
    EXPECT_EQ(missingFromTree({QStringLiteral("label\tOff until"), QStringLiteral("label\tTue 09:00"),
                               QStringLiteral("push button\tResume breaks")}),
              "");
    screenshot(QStringLiteral("panel-outside-working-hours"));

    ASSERT_TRUE(press("resume"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return header() == QStringLiteral("Next eye break in"); }, waitMs));
    EXPECT_EQ(shown("detail"), QStringLiteral("Resumed outside your working hours, until Tue 18:00."));
    screenshot(QStringLiteral("panel-resumed-outside-working-hours"));
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Screen readers reach the menu and the panel through the accessibility bus: one for this run,
    // up before the application so that it registers at once.
    qint64 bus = 0;
    if (QProcess::startDetached(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {"--launch-immediately"}, {}, &bus))
        QThread::sleep(1);
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
