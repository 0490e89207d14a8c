// Every surface in one language (TARNWICK_TEST_LANGUAGE: a translation's name such as "de", or
// "pseudo" for the pseudo-translation that makes every text 40 % longer), drawn on the virtual
// desktop: no text may be elided, cut by its lines, or reach past its box, its card or the window.
// Pictures of a few languages go to the screenshot folder as i18n-<language>-<surface>.png.

#include <gtest/gtest.h>

#include <QApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTest>

#include "desktop_drive.hpp"
#include "model_rig.hpp"
#include "screenshot_path.hpp"
#include "ui/i18n/language.hpp"
#include "ui/menu_bar_view_model.hpp"
#include "ui/overlay_controller.hpp"
#include "ui/settings_view_model.hpp"
#include "ui/status_controller.hpp"
#include "ui/views_loader.hpp"
#include "ui/window_controller.hpp"

namespace tarnwick {
namespace {

constexpr int waitMs = 5000;

QString language() { return qEnvironmentVariable("TARNWICK_TEST_LANGUAGE", QStringLiteral("pseudo")); }

bool pictured() {
    static const QStringList languages{QStringLiteral("de"), QStringLiteral("ja"), QStringLiteral("ar"),
                                       QStringLiteral("pseudo")};
    return languages.contains(language());
}

bool rightToLeft() { return QGuiApplication::layoutDirection() == Qt::RightToLeft; }

bool inherits(const QObject* object, const char* className) { return object->inherits(className); }

bool shows(const QQuickItem* item) {
    for (const QQuickItem* at = item; at; at = at->parentItem()) {
        if (!at->isVisible() || at->opacity() <= 0.01) return false;
    }
    return true;
}

// The texts of a window that do not fit, one line each: elided or cut by a line limit, wider than
// their own box, or reaching past a clipping ancestor, the nearest drawn card around them or the
// window itself.
QStringList misfits(QQuickWindow* window) {
    QStringList faults;
    const QRectF windowRect(QPointF(0, 0), window->size());
    std::function<void(QQuickItem*)> visit = [&](QQuickItem* item) {
        if (!shows(item)) return;
        if (inherits(item, "QQuickText")) {
            const QString text = item->property("text").toString();
            const QString name = item->objectName().isEmpty() ? QStringLiteral("\"%1\"").arg(text.left(40)) : item->objectName();
            const bool wraps = item->property("wrapMode").toInt() != 0;
            const qreal contentWidth = item->property("contentWidth").toReal();
            const qreal contentHeight = item->property("contentHeight").toReal();
            if (!text.trimmed().isEmpty()) {
                if (item->property("truncated").toBool()) faults << name + QStringLiteral(": elided or cut");
                if (contentWidth > item->width() + 1.5)
                    faults << QStringLiteral("%1: %2 wide in a box of %3").arg(name).arg(contentWidth).arg(item->width());
                if (wraps && contentHeight > item->height() + 1.5 && item->height() > 0 &&
                    item->property("clip").toBool())
                    faults << QStringLiteral("%1: %2 high in a clipped box of %3").arg(name).arg(contentHeight).arg(item->height());
                // Where the text's lines are: its box, deeper when wrapped lines spill below it.
                const QRectF ink = item->mapRectToScene(QRectF(0, 0, item->width(), std::max<qreal>(item->height(), contentHeight)));
                bool cardChecked = false, scrolls = false;
                for (QQuickItem* up = item->parentItem(); up && up != window->contentItem(); up = up->parentItem()) {
                    // Text scrolled out of a view's sight is in its place.
                    if (inherits(up, "QQuickFlickable")) {
                        scrolls = true;
                        break;
                    }
                    // Bounds that a text must keep inside: clips, the nearest drawn card, and every
                    // layout or row it sits in (a layout narrower than its children lets them spill).
                    const bool card = !cardChecked && inherits(up, "QQuickRectangle") && up->width() > 0 && up->height() > 0 &&
                                      up->property("color").value<QColor>().alpha() > 0;
                    const bool arranges = inherits(up, "QQuickLayout") || inherits(up, "QQuickBasePositioner");
                    if (!up->clip() && !card && !arranges) continue;
                    cardChecked = cardChecked || card;
                    QRectF bounds = up->mapRectToScene(QRectF(0, 0, up->width(), up->height())).adjusted(-1.5, -1.5, 1.5, 1.5);
                    // A countdown rolls its old digits out below and its new ones in from above.
                    const bool rolls = QLatin1String(up->metaObject()->className()).startsWith(QLatin1String("RollingText"));
                    if (rolls || arranges) bounds.setTop(-1e6), bounds.setBottom(1e6);
                    if (!bounds.contains(ink)) {
                        const QString kind = up->clip() ? QStringLiteral("clip") : card ? QStringLiteral("card") : QStringLiteral("layout");
                        faults << QStringLiteral("%1: reaches past its %2 %3 (%4..%5 in %6..%7)")
                                      .arg(name, kind, QString::fromLatin1(up->metaObject()->className()))
                                      .arg(ink.left()).arg(ink.right()).arg(bounds.left()).arg(bounds.right());
                        break;
                    }
                }
                if (!scrolls && !windowRect.adjusted(-1, -1, 1, 1).contains(ink))
                    faults << QStringLiteral("%1: past the window (%2,%3 %4x%5)").arg(name).arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height());
            }
        }
        for (QQuickItem* child : item->childItems()) visit(child);
    };
    visit(window->contentItem());
    return faults;
}

void expectFits(QWindow* window, const QString& surface) {
    ASSERT_NE(window, nullptr) << surface.toStdString();
    auto* quick = qobject_cast<QQuickWindow*>(window);
    ASSERT_NE(quick, nullptr) << surface.toStdString();
    QTest::qWait(700);  // rolls, fades and a panel's new height are done
    const QStringList faults = misfits(quick);
    EXPECT_TRUE(faults.isEmpty()) << language().toStdString() << " " << surface.toStdString() << ":\n  "
                                  << faults.join(QStringLiteral("\n  ")).toStdString();
    if (pictured()) {
        const QRect frame = window->frameGeometry();
        QGuiApplication::primaryScreen()
            ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
            .save(screenshotPath(QStringLiteral("i18n-%1-%2.png").arg(language(), surface)));
    }
}

class Translated : public ::testing::Test {
protected:
    void SetUp() override {
        Settings settings;
        settings.microEveryMinutes = 1;
        settings.headsUpSeconds = 10;
        settings.longEnabled = true;
        settings.breakBackground = BreakBackground::gradient;
        ASSERT_TRUE(rig.writeSettings(settings));
        rig.makeModel();
    }
    void setEnforcement(BreakEnforcement enforcement) {
        rig.edit([&](Settings& s) { s.enforcement = enforcement; });
    }
    fakes::ModelRig rig;
    ViewsLoader loader{{QStringLiteral(TARNWICK_BINARY_DIR)}};
};

TEST_F(Translated, TheHeadsUpThePointerCountdownAndTheBreakScreenInEachEnforcementFit) {
    OverlayController overlay(*rig.model, loader, [](const QScreen&) { return QImage(); });
    rig.tickUntil(fakes::t0 + 50);
    ASSERT_EQ(overlay.showing(), OverlayController::Showing::headsUp);
    QTest::qWait(600);
    expectFits(overlay.panels().front(), QStringLiteral("heads-up"));
    if (rightToLeft()) {
        // The first button in reading order, "start now", is the rightmost.
        QWindow* card = overlay.panels().front();
        QQuickItem* start = nullptr;
        QList<QQuickItem*> buttons;
        for (QQuickItem* item : card->findChildren<QQuickItem*>())
            if (inherits(item, "QQuickAbstractButton") && shows(item) && item->property("text").toString() != QString()) buttons << item;
        ASSERT_GE(buttons.size(), 4);
        auto* vm = card->property("vm").value<QObject*>();
        for (QQuickItem* b : buttons)
            if (vm && b->property("text") == vm->property("startNowText")) start = b;
        ASSERT_NE(start, nullptr);
        for (QQuickItem* b : buttons) {
            if (b == start || b->width() < 1) continue;
            EXPECT_GT(start->mapToScene({0, 0}).x(), b->mapToScene({0, 0}).x()) << b->property("text").toString().toStdString();
        }
    }
    drive::moveTo({700, 400});
    rig.tickUntil(fakes::t0 + 56);
    ASSERT_TRUE(QTest::qWaitFor([&] { return overlay.cursorPanel() != nullptr; }, waitMs));
    QTest::qWait(300);
    expectFits(overlay.cursorPanel(), QStringLiteral("pointer-countdown"));
    for (const auto enforcement : {BreakEnforcement::casual, BreakEnforcement::balanced, BreakEnforcement::hardcore}) {
        setEnforcement(enforcement);
        rig.model->takeBreak(BreakKind::micro);
        ASSERT_TRUE(QTest::qWaitFor([&] { return overlay.showing() == OverlayController::Showing::onBreak; }, waitMs));
        QTest::qWait(900);
        const QString name = QStringLiteral("break-%1").arg(QString::fromUtf8(std::string(rawValue(enforcement)).c_str()));
        // The main screen's panel carries the controls; the other shows the break alone.
        for (QWindow* panel : overlay.panels())
            expectFits(panel, panel->screen() == QGuiApplication::primaryScreen() ? name : name + QStringLiteral("-other-screen"));
        rig.model->skip();
        ASSERT_TRUE(QTest::qWaitFor([&] { return overlay.panels().empty(); }, waitMs));
    }
}

TEST_F(Translated, TheTrayPanelFitsInEveryPhase) {
    StatusController status(*rig.model, loader);
    status.openPanel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return status.panel() && status.panel()->isExposed(); }, waitMs));
    QTest::qWait(400);
    expectFits(status.panel(), QStringLiteral("tray-working"));
    rig.tickUntil(fakes::t0 + 52);
    expectFits(status.panel(), QStringLiteral("tray-heads-up"));
    rig.probes.microphone = true;
    rig.tickUntil(fakes::t0 + 61);
    rig.tickUntil(fakes::t0 + 200);
    expectFits(status.panel(), QStringLiteral("tray-held"));
    rig.probes.microphone = false;
    rig.model->skip();
    rig.model->takeBreak(BreakKind::long_);
    QTest::qWait(200);
    if (status.panel()) expectFits(status.panel(), QStringLiteral("tray-on-break"));
    rig.model->skip();
    rig.model->pauseFor(3600);
    status.openPanel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return status.panel() && status.panel()->isExposed(); }, waitMs));
    QTest::qWait(300);
    expectFits(status.panel(), QStringLiteral("tray-paused"));
    rig.model->resume();
    rig.edit([](Settings& s) {
        s.microEnabled = false;
        s.longEnabled = false;
    });
    QTest::qWait(300);
    expectFits(status.panel(), QStringLiteral("tray-off"));
}

TEST_F(Translated, EverySettingsPaneFits) {
    rig.probes.microphone = true;
    rig.model->settingsModel()->setCustomMessages({"Drink some water"});
    WindowController windows(loader, std::vector<WindowKind>{settingsWindowKind(*rig.model, [] { return QImage(); },
                                                                               QStringLiteral("0.1.0"), {})});
    QWindow* window = windows.open(QStringLiteral("settings"));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window, waitMs));
    QTest::qWait(300);
    auto* vm = window->property("vm").value<SettingsViewModel*>();
    ASSERT_NE(vm, nullptr);
    if (rightToLeft()) {
        // The sidebar on the right: it starts past the middle of the window.
        std::function<QQuickItem*(QQuickItem*)> find = [&](QQuickItem* at) -> QQuickItem* {
            if (at->objectName() == QLatin1String("sidebar")) return at;
            for (QQuickItem* child : at->childItems())
                if (QQuickItem* found = find(child)) return found;
            return nullptr;
        };
        QQuickItem* sidebar = find(qobject_cast<QQuickWindow*>(window)->contentItem());
        ASSERT_NE(sidebar, nullptr);
        EXPECT_GT(sidebar->mapToScene({0, 0}).x(), window->width() / 2.0);
        EXPECT_NEAR(sidebar->mapToScene({sidebar->width(), 0}).x(), window->width(), 1.0);
    }
    for (const QString& pane : SettingsViewModel::paneIds()) {
        vm->setPane(pane);
        QTest::qWait(250);
        expectFits(window, QStringLiteral("settings-%1").arg(pane));
    }
}

TEST_F(Translated, TheStatsAndTheThreeWelcomeStepsFit) {
    for (const QString& file : {QStringLiteral("StatsWindow.qml"), QStringLiteral("OnboardingWindow.qml")}) {
        QObject* object = loader.views()->create(file, {{QStringLiteral("model"), QVariant::fromValue(rig.model.get())}});
        std::unique_ptr<QWindow> window(qobject_cast<QWindow*>(object));
        ASSERT_NE(window, nullptr) << file.toStdString();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get(), waitMs));
        QTest::qWait(500);
        if (file.startsWith(QLatin1String("Stats"))) {
            expectFits(window.get(), QStringLiteral("stats"));
            continue;
        }
        QObject* vm = nullptr;
        for (QObject* child : window->findChildren<QObject*>())
            if (QLatin1String(child->metaObject()->className()) == QLatin1String("tarnwick::OnboardingViewModel")) vm = child;
        ASSERT_NE(vm, nullptr);
        for (int step = 0; step < 3; ++step) {
            expectFits(window.get(), QStringLiteral("welcome-%1").arg(step + 1));
            QMetaObject::invokeMethod(vm, "next");
            QTest::qWait(600);
        }
    }
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    const QString chosen = tarnwick::language();
    const QString file = chosen == QLatin1String("pseudo")
                             ? QStringLiteral(TARNWICK_PSEUDO_QM)
                             : QStringLiteral(":/i18n/tarnwick_%1.qm").arg(chosen);
    const auto direction = chosen == QLatin1String("pseudo") ? Qt::LeftToRight : QLocale(chosen).textDirection();
    if (tarnwick::i18n::installTranslationFile(app, file, direction).isEmpty()) {
        std::fprintf(stderr, "no translation %s\n", qPrintable(file));
        return 1;
    }
    return RUN_ALL_TESTS();
}
