#include "ui/overlay_controller.hpp"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QRegion>
#include <QScreen>

#include "platform/imaging/backdrops.hpp"
#include "platform/sway/sway_focus.hpp"
#include "platform/x11/panel_hints.hpp"
#include "ui/break_view_models.hpp"
#include "ui/panel_placement.hpp"
#include "ui/views_loader.hpp"

namespace tarnwick {

namespace {

OverlayController::Showing showingFor(const Phase& phase) {
    if (std::holds_alternative<phase::HeadsUp>(phase)) return OverlayController::Showing::headsUp;
    if (std::holds_alternative<phase::OnBreak>(phase)) return OverlayController::Showing::onBreak;
    return OverlayController::Showing::none;
}

// The card or capsule a small panel draws, and the disc of its orb when it has one, as the
// region the window keeps where there is no compositing manager to make the rest of it clear.
QRegion cardRegion(const QWindow& panel) {
    const QRectF card = panel.property("card").toRectF();
    if (card.isEmpty()) return {};
    QPainterPath path;
    path.addRoundedRect(card, panel.property("cardRadius").toReal(), panel.property("cardRadius").toReal());
    QRegion region(path.toFillPolygon().toPolygon());
    if (const QRectF disc = panel.property("disc").toRectF(); !disc.isEmpty()) {
        QPainterPath circle;
        circle.addEllipse(disc);
        region += QRegion(circle.toFillPolygon().toPolygon());
    }
    return region;
}

}  // namespace

OverlayController::OverlayController(AppModel& model, ViewsLoader& views, WallpaperSource wallpaper, QObject* parent)
    : QObject(parent), m_model(model), m_views(views), m_wallpaper(std::move(wallpaper)) {
    m_clock.start();
    m_cursorTimer.setInterval(1000 / 60);
    m_cursorTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_cursorTimer, &QTimer::timeout, this, &OverlayController::moveCursorPanel);
    connect(&m_model, &AppModel::phaseChanged, this, &OverlayController::reconcile);
    connect(&m_model, &AppModel::nowChanged, this, &OverlayController::updateCursorCountdown);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watchScreen(screen);
        rebuild();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &OverlayController::rebuild);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &OverlayController::rebuild);
    for (QScreen* screen : QGuiApplication::screens()) watchScreen(screen);
    connect(&m_activation, &ActiveWindowWatcher::otherApplicationActive, this, &OverlayController::reclaimKeyboard);
    connect(&m_overview, &ShellOverview::closed, this, &OverlayController::reclaimKeyboard);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationInactive) reclaimKeyboard();
    });
}

OverlayController::~OverlayController() {
    if (m_keyFilter) qGuiApp->removeEventFilter(this);
    for (auto& panel : m_panels) delete panel.data();
    delete m_cursorPanel.data();
    delete m_reminderPanel.data();
}

void OverlayController::watchScreen(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, &OverlayController::rebuild);
}

std::vector<QWindow*> OverlayController::panels() const {
    std::vector<QWindow*> shown;
    for (const auto& panel : m_panels) {
        if (panel) shown.push_back(panel);
    }
    return shown;
}

void OverlayController::reconcile() {
    const Showing next = showingFor(m_model.phase());
    if (next == m_showing) return;
    close(true);
    m_showing = next;
    build(next);
    updateCursorCountdown();
    if (next == Showing::none) trimSoon();
}

void OverlayController::trimSoon() {
    // Once the panels fading out are gone, and only if nothing was shown meanwhile.
    QTimer::singleShot(closeFadeOutMs + trimDelayMs, this, [this] {
        if (m_showing == Showing::none && !m_cursorPanel && !m_reminderPanel) m_views.trim();
    });
}

void OverlayController::build(Showing showing) {
    QScreen* main = QGuiApplication::primaryScreen();
    if (!main || showing == Showing::none) return;
    if (showing == Showing::onBreak) {
        if (m_views.views()) {
            for (QScreen* screen : QGuiApplication::screens()) {
                const bool isMain = screen == main;
                auto* vm = new BreakViewModel(m_model);
                const QImage wallpaper = m_wallpaper ? m_wallpaper(*screen) : QImage();
                const QVariantMap properties{
                    {QStringLiteral("vm"), QVariant::fromValue(vm)},
                    {QStringLiteral("isMainScreen"), isMain},
                    {QStringLiteral("wallpaper"), wallpaper},
                    {QStringLiteral("hasWallpaper"), !wallpaper.isNull()},
                    {QStringLiteral("sunset"), Backdrops::sunset()},
                };
                QWindow* panel = makePanel(QStringLiteral("BreakPanel.qml"), properties, screen->geometry(),
                                           isMain ? Kind::breakScreen : Kind::breakOther);
                vm->setParent(panel);
                if (!panel) {
                    delete vm;
                    continue;
                }
                present(panel, isMain ? Kind::breakScreen : Kind::breakOther, breakFadeInMs);
                if (isMain) {
                    m_mainBreakPanel = panel;
                    panel->requestActivate();
                }
                m_panels.emplace_back(panel);
            }
        }
        // Escape is watched even when no panel could be made.
        if (!m_keyFilter) qGuiApp->installEventFilter(this);
        m_keyFilter = true;
        m_overview.setArmed(true);
    } else {
        const QRect geometry = headsUpFrame(freeArea(*main));
        auto* vm = new HeadsUpViewModel(m_model);
        QWindow* panel = m_views.views()
                             ? makePanel(QStringLiteral("HeadsUpPanel.qml"), {{QStringLiteral("vm"), QVariant::fromValue(vm)}},
                                         geometry, Kind::headsUp)
                             : nullptr;
        vm->setParent(panel);
        if (!panel) {
            delete vm;
            return;
        }
        present(panel, Kind::headsUp, headsUpFadeInMs);
        m_panels.emplace_back(panel);
    }
    Q_EMIT panelsShown();
}

QWindow* OverlayController::makePanel(const QString& file, QVariantMap properties, const QRect& geometry, Kind kind) {
    properties.insert(QStringLiteral("composited"), m_compositing.active());
    QObject* object = m_views.views()->create(file, properties);
    auto* panel = qobject_cast<QWindow*>(object);
    if (!panel) {
        delete object;
        return nullptr;
    }
    // A break screen is an ordinary window asking for full screen: Mutter lets only such a window
    // cover its top bar (a utility window is kept below it). The small panels are tool windows.
    const bool breakPanel = kind == Kind::breakScreen || kind == Kind::breakOther;
    Qt::WindowFlags flags = Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | (breakPanel ? Qt::Window : Qt::Tool);
    if (kind != Kind::breakScreen) flags |= Qt::WindowDoesNotAcceptFocus;
    if (kind == Kind::cursor || kind == Kind::reminder) flags |= Qt::WindowTransparentForInput;
    // sway would move a small panel to the middle of the screen. Bypassing its window manager keeps
    // the panel in place, and costs nothing: it never takes the keyboard.
    if (!breakPanel && !x11::windowManagerKeepsPlaces()) flags |= Qt::X11BypassWindowManagerHint;
    panel->setFlags(flags);
    panel->setGeometry(geometry);
    return panel;
}

void OverlayController::present(QWindow* panel, Kind kind, int fadeInMs) {
    // Without a compositing manager a window cannot be translucent: it shows at once, opaque,
    // and a small panel keeps only its card so no dark corners show around it.
    const bool composited = m_compositing.active();
    if (!composited && kind != Kind::breakScreen && kind != Kind::breakOther) {
        const QRegion card = cardRegion(*panel);
        if (!card.isEmpty()) panel->setMask(card);
    }
    panel->setOpacity(composited && fadeInMs > 0 ? 0.0 : 1.0);
    const auto id = panel->winId();
    x11::showOnAllDesktops(id);
    if (composited) x11::blurBehind(id);
    panel->show();
    if (kind == Kind::breakScreen || kind == Kind::breakOther) {
        x11::addWindowStates(id, {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_FULLSCREEN", "_NET_WM_STATE_STICKY",
                                  "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
    } else {
        x11::addWindowStates(id, {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR",
                                  "_NET_WM_STATE_SKIP_PAGER"});
    }
    if (composited && fadeInMs > 0) {
        auto* fade = new QPropertyAnimation(panel, "opacity", panel);
        fade->setDuration(fadeInMs);
        fade->setEndValue(1.0);
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    }
}

void OverlayController::fadeOut(QWindow* panel, int ms) {
    if (!panel) return;
    if (!m_compositing.active() || ms <= 0 || !panel->isVisible()) {
        panel->hide();
        panel->deleteLater();
        return;
    }
    auto* fade = new QPropertyAnimation(panel, "opacity", panel);
    fade->setDuration(ms);
    fade->setEndValue(0.0);
    connect(fade, &QPropertyAnimation::finished, panel, [panel] {
        panel->hide();
        panel->deleteLater();
    });
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void OverlayController::close(bool animated) {
    for (auto& panel : m_panels) fadeOut(panel, animated ? closeFadeOutMs : 0);
    m_panels.clear();
    m_mainBreakPanel = nullptr;
    if (m_keyFilter) qGuiApp->removeEventFilter(this);
    m_keyFilter = false;
    m_overview.setArmed(false);
    m_showing = Showing::none;
}

void OverlayController::rebuild() {
    const Showing remembered = m_showing;
    close(false);
    m_showing = remembered;
    build(remembered);
}

void OverlayController::updateCursorCountdown() {
    if (pointerCountdownShown(m_model.phase(), m_model.now())) {
        if (m_cursorPanel || !m_views.views()) return;
        auto* vm = new HeadsUpViewModel(m_model);
        const QPoint at = QCursor::pos() + QPoint(8, 8);
        QWindow* panel = makePanel(QStringLiteral("PointerPanel.qml"), {{QStringLiteral("vm"), QVariant::fromValue(vm)}},
                                   QRect(at, QSize(240, 52)), Kind::cursor);
        vm->setParent(panel);
        if (!panel) {
            delete vm;
            return;
        }
        m_cursorPanel = panel;
        present(panel, Kind::cursor, cursorFadeInMs);
        m_cursorTimer.start();
    } else if (m_cursorPanel) {
        m_cursorTimer.stop();
        fadeOut(m_cursorPanel, cursorFadeOutMs);
        m_cursorPanel = nullptr;
    }
}

void OverlayController::moveCursorPanel() {
    if (m_cursorPanel) m_cursorPanel->setPosition(QCursor::pos() + QPoint(8, 8));
}

void OverlayController::remind(const QString& kind) {
    if (m_showing != Showing::none || m_reminderPanel) return;
    QScreen* main = QGuiApplication::primaryScreen();
    if (!main || !m_views.views()) return;
    const QRect geometry = reminderFrame(freeArea(*main));
    const bool blink = kind == QLatin1String("blink");
    // The eyes stay shut a quarter second; the arrow stays up a little longer.
    const QVariantMap properties{
        {QStringLiteral("blink"), blink},
        {QStringLiteral("text"), reminderText(kind)},
        {QStringLiteral("holdMs"), blink ? 260 : 450},
    };
    QWindow* panel = makePanel(QStringLiteral("ReminderPanel.qml"), properties, geometry, Kind::reminder);
    if (!panel) return;
    m_reminderPanel = panel;
    present(panel, Kind::reminder, 0);
    QTimer::singleShot(reminderLifetimeMs, this, [this, panel = QPointer<QWindow>(panel)] {
        if (!panel) return;
        if (m_reminderPanel == panel) m_reminderPanel = nullptr;
        panel->hide();
        panel->deleteLater();
        trimSoon();
    });
}

void OverlayController::reclaimKeyboard() {
    if (m_showing != Showing::onBreak || !m_mainBreakPanel) return;
    // sway never hands the focus to a window that asks for it, and has ended the full screen of a
    // break window the focus left: it is asked over its IPC instead.
    if (!x11::windowManagerKeepsPlaces()) {
        std::vector<quint64> windows;
        for (const auto& panel : m_panels) {
            if (panel) windows.push_back(panel->winId());
        }
        if (swayTakeBack(windows, m_mainBreakPanel->winId())) return;
    }
    m_mainBreakPanel->raise();
    m_mainBreakPanel->requestActivate();
}

bool OverlayController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Escape) return false;
    // Every Escape is swallowed; a held key is one press.
    if (!key->isAutoRepeat()) onEscape();
    return true;
}

void OverlayController::onEscape() {
    const qint64 now = m_clock.elapsed();
    if (m_lastEscapeMs && now - *m_lastEscapeMs < escapePairMs) {
        // The pair is used up either way, so a third press starts a new one.
        m_lastEscapeMs.reset();
        if (std::holds_alternative<skip::Available>(m_model.skipState())) m_model.skip();
    } else {
        m_lastEscapeMs = now;
    }
}

}  // namespace tarnwick
