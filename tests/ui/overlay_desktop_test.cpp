// The overlay controller on the virtual desktop of scripts/with-desktop (Xvfb with two monitors,
// openbox), with the views module loaded as the program loads it and an xterm as the other
// application. The model runs on fake ports and a manual clock.

#include <gtest/gtest.h>

#include <cmath>

#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "desktop_drive.hpp"
#include "model_rig.hpp"
#include "screen_pixels.hpp"
#include "screenshot_path.hpp"
#include "platform/imaging/blur.hpp"
#include "platform/x11/panel_hints.hpp"
#include "platform/x11/x11_windows.hpp"
#include "ui/i18n/language.hpp"
#include "ui/overlay_controller.hpp"
#include "ui/views_loader.hpp"

namespace tarnwick {
namespace {

constexpr int waitMs = 5000;

using drive::run;
using drive::xdotool;

// A stand-in desktop picture: a dusk landscape, blurred as the program blurs real ones.
QImage testWallpaper() {
    QImage image(640, 400, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0, QColor(40, 70, 140));
    sky.setColorAt(0.6, QColor(240, 150, 110));
    sky.setColorAt(1, QColor(30, 40, 50));
    p.fillRect(image.rect(), sky);
    p.setBrush(QColor(20, 60, 50));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(150, 420), 300, 120);
    p.drawEllipse(QPointF(520, 440), 260, 130);
    p.end();
    return Blur::apply(image, 24, 1.15);
}

class Overlay : public ::testing::Test {
protected:
    void SetUp() override {
        Settings settings;
        settings.microEveryMinutes = 1;
        settings.headsUpSeconds = 10;
        settings.microSeconds = 20;
        settings.longEnabled = false;
        settings.blinkEveryMinutes = 0;
        settings.enforcement = BreakEnforcement::casual;
        settings.breakBackground = BreakBackground::gradient;
        ASSERT_TRUE(rig.writeSettings(settings));
        rig.makeModel();
        controller = std::make_unique<OverlayController>(*rig.model, loader, [this](const QScreen&) { return wallpaper; });
        xterm.start(QStringLiteral("xterm"), {"-geometry", "60x10+100+100", "-e", "sleep", "600"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return xtermWindow() != 0; }, waitMs)) << "no xterm window";
        xdotool({"windowactivate", "--sync", QString::number(xtermWindow())});
    }
    void TearDown() override {
        controller.reset();
        xterm.kill();
        xterm.waitForFinished(2000);
    }

    std::uint32_t xtermWindow() const {
        if (const auto s = X11Windows().snapshot())
            for (const ClientWindow& w : s->clients)
                if (w.pid && *w.pid == xterm.processId()) return w.id;
        return 0;
    }
    void setEnforcement(BreakEnforcement enforcement) {
        Settings s = rig.model->settings();
        s.enforcement = enforcement;
        rig.model->setSettings(s);
    }
    void startBreak() {
        rig.model->takeBreak(BreakKind::micro);
        ASSERT_TRUE(QTest::qWaitFor([&] { return qsizetype(controller->panels().size()) == QGuiApplication::screens().size(); }, waitMs));
    }
    std::size_t skips() const {
        return std::count_if(rig.model->history().begin(), rig.model->history().end(),
                             [](const BreakRecord& r) { return r.outcome == Outcome::skipped; });
    }
    // Presses Escape `count` times, `gapMs` apart, as the user does, into whichever window has
    // the keyboard; xdotool keeps the gaps.
    void escapes(int count, int gapMs = 0) {
        QStringList arguments{"key", "--delay", QString::number(gapMs)};
        for (int i = 0; i < count; ++i) arguments << "Escape";
        ASSERT_TRUE(xdotool(arguments));
        QTest::qWait(300);
    }
    QColor onScreen(QPoint at) const {
        return QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), 1, 1).toImage().pixelColor(0, 0);
    }
    void screenshot(const QString& name) const {
        QTest::qWait(900);  // the entrance and fades are over
        const QRect all = QGuiApplication::primaryScreen()->virtualGeometry();
        QGuiApplication::primaryScreen()->grabWindow(0, all.x(), all.y(), all.width(), all.height()).save(screenshotPath(name));
    }

    fakes::ModelRig rig;
    ViewsLoader loader{{QStringLiteral(TARNWICK_BINARY_DIR)}};
    QImage wallpaper;
    std::unique_ptr<OverlayController> controller;
    QProcess xterm;
};

TEST_F(Overlay, ABreakCoversEveryMonitorExactlyAboveOtherWindowsAndTheMainPanelTakesTheKeyboard) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    startBreak();
    for (QScreen* screen : QGuiApplication::screens()) {
        SCOPED_TRACE(screen->name().toStdString());
        const auto panels = controller->panels();
        const bool covered = std::any_of(panels.begin(), panels.end(), [&](QWindow* w) {
            return w->isVisible() && w->geometry() == screen->geometry();
        });
        EXPECT_TRUE(covered);
    }
    // Each is an ordinary window in full screen, kept off taskbars: window managers that keep a
    // utility window below their panels (Mutter) let only such a window cover them.
    for (QWindow* panel : controller->panels()) {
        const QString id = QString::number(panel->winId());
        EXPECT_TRUE(QTest::qWaitFor([&] {
            const auto states = run(QStringLiteral("xprop"), {"-id", id, "_NET_WM_STATE"});
            return states && states->contains("_NET_WM_STATE_FULLSCREEN") && states->contains("_NET_WM_STATE_SKIP_TASKBAR");
        }, waitMs)) << run(QStringLiteral("xprop"), {"-id", id, "_NET_WM_STATE"}).value_or("no answer").toStdString();
        const auto type = run(QStringLiteral("xprop"), {"-id", id, "_NET_WM_WINDOW_TYPE"});
        ASSERT_TRUE(type);
        EXPECT_TRUE(type->contains("_NET_WM_WINDOW_TYPE_NORMAL")) << type->toStdString();
        EXPECT_FALSE(type->contains("_NET_WM_WINDOW_TYPE_UTILITY")) << type->toStdString();
    }
    // The xterm's white is hidden behind the break.
    EXPECT_TRUE(QTest::qWaitFor([&] { return onScreen({300, 150}) != QColor(Qt::white); }, waitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() != nullptr; }, waitMs));
    EXPECT_EQ(QGuiApplication::focusWindow()->screen(), QGuiApplication::primaryScreen());
    screenshot(QStringLiteral("break-sunset-casual.png"));
}

TEST_F(Overlay, TheHeadsUpSitsTopCentreOnThePrimaryMonitorAndThePointerPillFollowsInTheLastFiveSeconds) {
    rig.tickUntil(fakes::t0 + 50);  // the heads-up of a break due at one minute
    ASSERT_EQ(controller->showing(), OverlayController::Showing::headsUp);
    ASSERT_EQ(controller->panels().size(), 1u);
    // The tray's bar along the top of the primary monitor reserves that edge; Qt reports the monitor
    // whole, the window manager's work area says where the bar ends.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto work = x11::workArea();
    ASSERT_TRUE(work);
    ASSERT_GT(work->y, screen.top()) << "a bar along the top";
    QWindow* card = controller->panels().front();
    // The work area counts device pixels; the card is placed in points.
    const int barEnd = int(std::ceil(work->y / QGuiApplication::primaryScreen()->devicePixelRatio()));
    EXPECT_EQ(card->geometry(), QRect(screen.x() + screen.width() / 2 - 216, barEnd, 432, 156)) << "just below the bar";
    // No compositing manager runs here: the panel keeps only its card, with a clear margin of 20.
    EXPECT_EQ(card->opacity(), 1.0);
    EXPECT_EQ(card->mask().boundingRect().topLeft(), QPoint(20, 20));
    EXPECT_EQ(card->mask().boundingRect().width(), 392);
    EXPECT_EQ(controller->cursorPanel(), nullptr);
    screenshot(QStringLiteral("heads-up.png"));
    // The card in its opaque material, and the dial full ten seconds before: its sunset ring and
    // its white wedge all round.
    const pixels::Probe full[] = {
        {"cardShape", {196, 6}, QColor(30, 28, 42), 8},
        {"dial", {18, 1.8}, QColor(214, 102, 194)},
        {"dial", {9, 18}, Qt::white},
        {"dial", {27, 18}, Qt::white},
        {"dial", {18, 27}, Qt::white},
    };
    for (const pixels::Probe& probe : full) {
        SCOPED_TRACE(testing::Message() << probe.item << " at " << probe.within.x() << "," << probe.within.y());
        EXPECT_EQ(pixels::mismatch(card, probe), "");
    }

    drive::moveTo({700, 400});
    rig.tickUntil(fakes::t0 + 55);  // exactly five seconds before
    ASSERT_NE(controller->cursorPanel(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller->cursorPanel()->position() == QPoint(708, 408); }, waitMs));
    drive::moveTo({900, 500});
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller->cursorPanel()->position() == QPoint(908, 508); }, waitMs));
    screenshot(QStringLiteral("pointer-countdown.png"));
    // Halfway through, the wedge has swept back to cover the right half only: the dark face shows
    // at nine o'clock.
    const pixels::Probe half[] = {
        {"dial", {27, 18}, Qt::white},
        {"dial", {9, 18}, QColor(185, 82, 145)},
    };
    for (const pixels::Probe& probe : half) {
        SCOPED_TRACE(testing::Message() << probe.item << " at " << probe.within.x() << "," << probe.within.y());
        EXPECT_TRUE(QTest::qWaitFor([&] { return pixels::mismatch(card, probe).empty(); }, 2000)) << pixels::mismatch(card, probe);
    }
    rig.tickUntil(fakes::t0 + 60);
    EXPECT_EQ(controller->cursorPanel(), nullptr);
    EXPECT_EQ(controller->showing(), OverlayController::Showing::onBreak);
}

TEST_F(Overlay, OnceThePanelsHaveGoneTheViewsAreReleasedAndTheNextHeadsUpAndBreakDrawAsTheFirst) {
    // The heads-up ten seconds before a break, drawn on screen.
    auto headsUp = [&] {
        const double limit = rig.clock.epoch() + 120;
        while (controller->showing() == OverlayController::Showing::none && rig.clock.epoch() < limit) rig.tickUntil(rig.clock.epoch() + 1);
        if (controller->showing() != OverlayController::Showing::headsUp || controller->panels().size() != 1) return QImage();
        QTest::qWait(900);
        const QRect card = controller->panels().front()->geometry();
        return QGuiApplication::primaryScreen()->grabWindow(0, card.x(), card.y(), card.width(), card.height()).toImage();
    };
    const QImage first = headsUp();
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(QGuiApplication::windowIcon().isNull());
    rig.model->skip();
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller->panels().empty(); }, waitMs));
    // A little after the last panel has gone, the views' engine and caches go (the icon with them).
    EXPECT_TRUE(QTest::qWaitFor([] { return QGuiApplication::windowIcon().isNull(); },
                                OverlayController::closeFadeOutMs + OverlayController::trimDelayMs + waitMs));

    const QImage second = headsUp();
    ASSERT_FALSE(second.isNull()) << "no heads-up after the release";
    second.save(QDir(QStringLiteral(TARNWICK_SCREENSHOT_FOLDER)).filePath(QStringLiteral("heads-up-after-release.png")));
    ASSERT_EQ(second.size(), first.size());
    // Made anew, the card is drawn as it was: the same text, symbols and shadow, pixel for pixel
    // but for a few edge pixels.
    int differing = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x) differing += first.pixel(x, y) != second.pixel(x, y);
    EXPECT_LT(differing, first.width() * first.height() / 200);

    // Its break covers both monitors, as the first break did.
    rig.tickUntil(rig.clock.epoch() + 10);
    ASSERT_EQ(controller->showing(), OverlayController::Showing::onBreak);
    EXPECT_TRUE(QTest::qWaitFor([&] { return qsizetype(controller->panels().size()) == QGuiApplication::screens().size(); }, waitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return onScreen({300, 150}) != QColor(Qt::white); }, waitMs));
    screenshot(QStringLiteral("break-after-release.png"));
}

TEST_F(Overlay, EscapeTwiceWithinASecondSkipsWhenSkippingIsAvailable) {
    startBreak();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() != nullptr; }, waitMs));
    escapes(2, 1200);
    EXPECT_EQ(skips(), 0u) << "1.2 s apart is two single presses";
    escapes(1);
    EXPECT_EQ(skips(), 0u) << "a single press does nothing";
    QTest::qWait(1100);
    escapes(2, 800);
    EXPECT_EQ(skips(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller->panels().empty(); }, waitMs));
}

TEST_F(Overlay, HardcoreSwallowsEveryEscapeAndSkipsNothing) {
    setEnforcement(BreakEnforcement::hardcore);
    startBreak();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() != nullptr; }, waitMs));
    screenshot(QStringLiteral("break-sunset-hardcore.png"));
    escapes(3, 200);
    EXPECT_EQ(skips(), 0u);
    EXPECT_EQ(controller->showing(), OverlayController::Showing::onBreak);
}

TEST_F(Overlay, FocusingAnotherApplicationDuringABreakGivesTheKeyboardBackToTheBreak) {
    startBreak();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() != nullptr; }, waitMs));
    xdotool({"windowactivate", QString::number(xtermWindow())});
    EXPECT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() != nullptr; }, waitMs));
    // The keyboard is ours again: Escape twice reaches the break.
    QTest::qWait(1100);
    escapes(2, 300);
    EXPECT_EQ(skips(), 1u);
}

TEST_F(Overlay, BreaksShowTheWallpaperAndTheBalancedWait) {
    wallpaper = testWallpaper();
    Settings s = rig.model->settings();
    s.breakBackground = BreakBackground::wallpaper;
    s.enforcement = BreakEnforcement::balanced;
    rig.model->setSettings(s);
    startBreak();
    screenshot(QStringLiteral("break-wallpaper-balanced-waiting.png"));
}

TEST_F(Overlay, ANudgeShowsWhileWorkingAndIsDroppedDuringAHeadsUpOrAnotherNudge) {
    controller->remind(QStringLiteral("blink"));
    ASSERT_NE(controller->reminderPanel(), nullptr);
    QWindow* blink = controller->reminderPanel();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto work = x11::workArea();
    ASSERT_TRUE(work);
    EXPECT_EQ(blink->geometry(), QRect(screen.x() + screen.width() / 2 - 120, work->y + 24, 240, 150))
        << "24 pixels below the tray's bar";
    controller->remind(QStringLiteral("posture"));
    EXPECT_EQ(controller->reminderPanel(), blink) << "a second orb waits for nothing";
    QTest::qWait(1500);
    screenshot(QStringLiteral("nudge-blink.png"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller->reminderPanel() == nullptr; }, waitMs));

    controller->remind(QStringLiteral("posture"));
    ASSERT_NE(controller->reminderPanel(), nullptr);
    QTest::qWait(1200);
    screenshot(QStringLiteral("nudge-posture.png"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller->reminderPanel() == nullptr; }, waitMs));

    rig.tickUntil(fakes::t0 + 50);
    ASSERT_EQ(controller->showing(), OverlayController::Showing::headsUp);
    controller->remind(QStringLiteral("blink"));
    EXPECT_EQ(controller->reminderPanel(), nullptr);
}

// The virtual desktop has no compositing manager: the nudge keeps just its orb and pill, so a
// light desktop shows around them and nothing dark stays once it has played.
TEST_F(Overlay, WithoutACompositorANudgeShowsOnlyItsOrbAndPillOverTheDesktop) {
    ASSERT_TRUE(run("xsetroot", {"-solid", "#e6e1d6"}));
    const QColor desk(0xe6, 0xe1, 0xd6);
    auto isDesk = [&](QPoint at) {
        const QColor c = onScreen(at);
        return std::abs(c.red() - desk.red()) < 8 && std::abs(c.green() - desk.green()) < 8 && std::abs(c.blue() - desk.blue()) < 8;
    };
    controller->remind(QStringLiteral("blink"));
    QWindow* nudge = controller->reminderPanel();
    ASSERT_NE(nudge, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return nudge->isExposed(); }, waitMs));
    QTest::qWait(400);
    screenshot(QStringLiteral("nudge-blink-light-desktop.png"));
    const QRect frame = nudge->geometry();
    const QRectF disc = nudge->property("disc").toRectF().translated(frame.topLeft());
    const QRectF pill = nudge->property("card").toRectF().translated(frame.topLeft());
    ASSERT_FALSE(disc.isEmpty() || pill.isEmpty());
    // The panel's corners, beside the orb, between the orb and the pill, and beside the pill.
    const QPoint around[] = {frame.topLeft() + QPoint(3, 3), frame.topRight() + QPoint(-3, 3),
                             frame.bottomLeft() + QPoint(3, -3), frame.bottomRight() + QPoint(-3, -3),
                             QPoint(int(disc.left()) - 6, int(disc.center().y())),
                             QPoint(int(disc.right()) + 6, int(disc.center().y())),
                             QPoint(int(pill.left()) - 6, int(pill.center().y())),
                             QPoint(int(disc.left()) + 4, int(disc.bottom()) + 4)};
    for (const QPoint& at : around) EXPECT_TRUE(isDesk(at)) << at.x() << "," << at.y() << " is " << onScreen(at).name().toStdString();
    EXPECT_FALSE(isDesk(disc.center().toPoint())) << "the orb is drawn";
    EXPECT_FALSE(isDesk(pill.center().toPoint() + QPoint(int(pill.width() / 2) - 4, 0))) << "the pill is drawn";
    // Once the nudge has played it leaves no shape behind, though the panel lives on a little.
    EXPECT_TRUE(QTest::qWaitFor([&] { return isDesk(disc.center().toPoint()); }, waitMs));
    run("xsetroot", {"-solid", "black"});
}

TEST_F(Overlay, AMonitorAddedDuringABreakGetsItsPanelAtOnce) {
    startBreak();
    // The right monitor splits in two: three screens now.
    ASSERT_TRUE(run("xrandr", {"--delmonitor", "right"}));
    ASSERT_TRUE(run("xrandr", {"--setmonitor", "right-a", "640/169x1024/270+1280+0", "none"}));
    ASSERT_TRUE(run("xrandr", {"--setmonitor", "right-b", "640/169x1024/270+1920+0", "none"}));
    const bool three = QTest::qWaitFor([&] { return QGuiApplication::screens().size() == 3; }, waitMs);
    EXPECT_TRUE(three);
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller->panels().size() == 3; }, waitMs));
    for (QScreen* screen : QGuiApplication::screens()) {
        SCOPED_TRACE(screen->name().toStdString());
        const auto panels = controller->panels();
        EXPECT_TRUE(std::any_of(panels.begin(), panels.end(), [&](QWindow* w) {
            return w->isVisible() && w->geometry() == screen->geometry();
        }));
    }
    EXPECT_EQ(controller->showing(), OverlayController::Showing::onBreak);
    run("xrandr", {"--delmonitor", "right-a"});
    run("xrandr", {"--delmonitor", "right-b"});
    run("xrandr", {"--setmonitor", "right", "1280/338x1024/270+1280+0", "none"});
    (void)QTest::qWaitFor([&] { return QGuiApplication::screens().size() == 2; }, waitMs);
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    tarnwick::i18n::installTranslations(app, QLocale(QLocale::English, QLocale::UnitedStates));
    return RUN_ALL_TESTS();
}
