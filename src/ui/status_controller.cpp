#include "ui/status_controller.hpp"

#include <algorithm>
#include <cmath>
#include <vector>
#include <QCoreApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDateTime>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QLoggingCategory>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTextLayout>
#include <QWidget>

#include <time.h>

#include "platform/sway/sway_layout.hpp"
#include "platform/x11/panel_hints.hpp"
#include "ui/menu_bar_view_model.hpp"
#include "ui/panel_placement.hpp"
#include "ui/tray_menu_model.hpp"
#include "ui/views_loader.hpp"

namespace tarnwick {

namespace {

// The arch and the line beneath it, in a box of side `side` at `origin`.
QPainterPath glyph(QPointF origin, qreal width, qreal height) {
    QPainterPath path;
    path.moveTo(origin + QPointF(0.1 * width, 0.6 * height));
    path.cubicTo(origin + QPointF(0.33 * width, 0.12 * height), origin + QPointF(0.67 * width, 0.12 * height),
                 origin + QPointF(0.9 * width, 0.6 * height));
    path.moveTo(origin + QPointF(0.3 * width, 0.77 * height));
    path.lineTo(origin + QPointF(0.7 * width, 0.77 * height));
    return path;
}

// Strokes a path white over a wider, nearly opaque dark edge: the white carries it on a dark tray,
// the edge on a light one.
void strokeLegibly(QPainter& p, const QPainterPath& path, qreal width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 200), width + 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

// Timing marks for the tray benchmark, off unless QT_LOGGING_RULES turns on tarnwick.trace.debug.
Q_LOGGING_CATEGORY(lcTrace, "tarnwick.trace", QtInfoMsg)

// CLOCK_MONOTONIC in nanoseconds, the clock a benchmark in another process reads too.
qint64 monotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

constexpr qint64 reopenGuardMs = 400;  // a click on the icon that closed the panel does not reopen it

// The click on the icon that took the focus from an open popup has already closed it.
bool closedJustNow(qint64 closedAtMs) {
    return closedAtMs >= 0 && QDateTime::currentMSecsSinceEpoch() - closedAtMs < reopenGuardMs;
}

}  // namespace

namespace {

// The pixels within `radius` of any covered pixel of `mask`, at the strongest coverage among them:
// a dark edge around letters at a fraction of the cost of stroking their outlines. The disc is
// taken row by row: each row of it is a horizontal run, so the maximum over a run is computed once
// per run length and the rows combine those.
QImage dilated(const QImage& mask, int radius) {
    const int w = mask.width(), h = mask.height();
    // runs[k]: the strongest coverage within k pixels to either side along a row.
    std::vector<std::vector<uchar>> runs(size_t(radius) + 1, std::vector<uchar>(size_t(w) * size_t(h)));
    for (int k = 0; k <= radius; ++k) {
        uchar* out = runs[size_t(k)].data();
        for (int y = 0; y < h; ++y) {
            const uchar* row = mask.constScanLine(y);
            for (int x = 0; x < w; ++x) {
                uchar strongest = 0;
                for (int sx = std::max(0, x - k), end = std::min(w - 1, x + k); sx <= end; ++sx) {
                    strongest = std::max(strongest, row[sx]);
                }
                out[size_t(y) * size_t(w) + size_t(x)] = strongest;
            }
        }
    }
    QImage out(mask.size(), QImage::Format_Alpha8);
    for (int y = 0; y < h; ++y) {
        uchar* row = out.scanLine(y);
        std::fill_n(row, w, uchar(0));
        for (int dy = -radius; dy <= radius; ++dy) {
            const int sy = y + dy;
            if (sy < 0 || sy >= h) continue;
            // The half-width of the disc's row at dy, where dx² + dy² ≤ radius² + 1.
            int k = 0;
            while ((k + 1) * (k + 1) + dy * dy <= radius * radius + 1 && k < radius) ++k;
            const uchar* source = runs[size_t(k)].data() + size_t(sy) * size_t(w);
            for (int x = 0; x < w; ++x) row[x] = std::max(row[x], source[x]);
        }
    }
    return out;
}

// The largest pixel size, from `largest` down, at which `text` in `font` fits `width`; 6 when
// none from 7 up does. Advances grow nearly in proportion to the size, so the search starts from
// the proportional guess and usually measures twice.
int measuredPixelSize(QFont font, const QString& text, int largest, qreal width) {
    auto fits = [&](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetricsF(font).horizontalAdvance(text) <= width;
    };
    font.setPixelSize(largest);
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    if (advance <= width) return largest;
    int pixels = std::clamp(int(largest * width / advance), 7, largest - 1);
    if (fits(pixels)) {
        while (pixels + 1 < largest && fits(pixels + 1)) ++pixels;
        return pixels;
    }
    for (--pixels; pixels > 6; --pixels) {
        if (fits(pixels)) return pixels;
    }
    return 6;
}

// The same, remembered: the texts are few ("1s" to "59s" and whole minutes) and come
// back every cycle, and measuring one shapes it with two fonts.
int fittingPixelSize(const QFont& font, const QString& text, int largest, qreal width) {
    static QHash<QString, int> known;
    const QString key = QStringList{text, font.key(), QString::number(largest), QString::number(width)}.join(u'\n');
    if (const auto found = known.constFind(key); found != known.cend()) return *found;
    if (known.size() >= 1024) known.clear();
    const int pixels = measuredPixelSize(font, text, largest, width);
    known.insert(key, pixels);
    return pixels;
}

// The small glyph above the countdown: the same for every text, so drawn once per size.
const QImage& smallGlyph(int size) {
    static QImage images[2];
    QImage& image = images[size > 22 ? 1 : 0];
    if (image.width() != size) {
        image = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal unit = size / 22.0;
        strokeLegibly(p, glyph(QPointF(5 * unit, -0.5 * unit), 12 * unit, 10 * unit), 1.5 * unit);
    }
    return image;
}

}  // namespace

namespace {

// The mark of a phase without a time, beneath the small glyph, in the 22-pixel drawing's units: it
// takes the text's place and nearly half the icon's height, so it reads at 16 pixels.
QPainterPath markPath(TrayMark mark, qreal unit) {
    QPainterPath path;
    auto at = [unit](qreal x, qreal y) { return QPointF(x * unit, y * unit); };
    switch (mark) {
    case TrayMark::paused:  // two bars
        path.addRoundedRect(QRectF(at(6.2, 10.5), at(9.6, 21)), 0.8 * unit, 0.8 * unit);
        path.addRoundedRect(QRectF(at(12.4, 10.5), at(15.8, 21)), 0.8 * unit, 0.8 * unit);
        break;
    case TrayMark::held: {  // an hourglass: waiting for the moment to be right
        QPolygonF glass;
        glass << at(6, 10.5) << at(16, 10.5) << at(11.9, 15.75) << at(16, 21) << at(6, 21) << at(10.1, 15.75);
        path.addPolygon(glass);
        path.closeSubpath();
        break;
    }
    case TrayMark::onBreak: {  // a crescent moon: resting
        QPainterPath disc, bite;
        disc.addEllipse(at(11, 15.75), 5.4 * unit, 5.4 * unit);
        bite.addEllipse(at(13.9, 13.4), 4.6 * unit, 4.6 * unit);
        path = disc.subtracted(bite);
        break;
    }
    case TrayMark::none:
    case TrayMark::countdown:
        break;
    }
    return path;
}

// Fills a shape white over a dark edge about a pixel wide, as the letters are drawn.
void fillLegibly(QPainter& p, const QPainterPath& path, qreal unit) {
    p.setPen(QPen(QColor(0, 0, 0, 200), 2 * std::max(1.0, 1.1 * unit), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(path);
}

}  // namespace

QImage trayImage(const TrayTitle& title, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const qreal unit = size / 22.0;  // the drawing is made for 22 pixels
    if (title.mark == TrayMark::none || (title.mark == TrayMark::countdown && title.text.isEmpty())) {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        strokeLegibly(p, glyph(QPointF(2 * unit, 2 * unit), 18 * unit, 18 * unit), 1.9 * unit);
        return image;
    }
    if (title.mark != TrayMark::countdown) {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        fillLegibly(p, markPath(title.mark, unit), unit);
        p.drawImage(0, 0, smallGlyph(size));
        return image;
    }
    const QString& text = title.text;
    // The glyph, small, above the text, which takes the largest bold size that fits the width.
    QFont font = QGuiApplication::font();
    font.setBold(true);
    font.setPixelSize(fittingPixelSize(font, text, int(12 * unit), size - 1));
    // Shaped once, drawn twice.
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    const QPointF baseline((size - line.naturalTextWidth()) / 2, size - line.descent() - 0.5 * unit);
    const QPointF origin = baseline - QPointF(0, line.ascent());
    auto drawLetters = [&](QPainter& p) {
        p.setPen(Qt::white);
        for (const QGlyphRun& run : runs) p.drawGlyphRun(origin, run);
    };

    // The letters as coverage, then white over a dark edge about a pixel wide (two at 44).
    QImage letters(size, size, QImage::Format_Alpha8);
    letters.fill(0);
    {
        QPainter p(&letters);
        p.setRenderHint(QPainter::TextAntialiasing);
        drawLetters(p);
    }
    QImage edge(size, size, QImage::Format_ARGB32_Premultiplied);
    edge.fill(QColor(0, 0, 0, 200));
    {
        QPainter p(&edge);
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        p.drawImage(0, 0, dilated(letters, qMax(1, qRound(1.1 * unit))));
    }
    QPainter p(&image);
    p.drawImage(0, 0, smallGlyph(size));
    p.drawImage(0, 0, edge);
    drawLetters(p);
    return image;
}

namespace {

// The tray image drawn at the size the tray asks, and only then: an XEmbed tray paints one size,
// a StatusNotifierItem host takes the few its protocol sends. Each title gets its own engine, which
// keeps what it drew for repaints.
class TrayIconEngine final : public QIconEngine {
public:
    explicit TrayIconEngine(TrayTitle title) : m_title(std::move(title)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        if (side <= 0) return {};
        for (const QPixmap& drawn : m_drawn) {
            if (drawn.width() == side) return drawn;
        }
        if (m_drawn.size() >= 4) m_drawn.removeFirst();
        m_drawn.append(QPixmap::fromImage(trayImage(m_title, side)));
        return m_drawn.last();
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        const int side = std::min(rect.width(), rect.height());
        QPixmap image = pixmap(QSize(side, side) * ratio, mode, state);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(QRect(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side),
                            image);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {{22, 22}, {44, 44}}; }
    QIconEngine* clone() const override { return new TrayIconEngine(m_title); }
    QString key() const override { return QStringLiteral("TarnwickTray"); }

private:
    TrayTitle m_title;
    QList<QPixmap> m_drawn;
};

}  // namespace

QIcon trayIcon(const TrayTitle& title) { return QIcon(new TrayIconEngine(title)); }

StatusController::StatusController(AppModel& model, ViewsLoader& views, QObject* parent)
    : QObject(parent), m_model(model), m_views(views) {
    m_menuVm = new TrayMenuModel(m_model, this);
    connect(m_menuVm, &TrayMenuModel::closeRequested, this, &StatusController::closeMenu);
    connect(m_menuVm, &TrayMenuModel::settingsRequested, this, &StatusController::onSettings);
    connect(m_menuVm, &TrayMenuModel::statsRequested, this, &StatusController::onStats);
    connect(m_menuVm, &TrayMenuModel::quitRequested, this, [] { QCoreApplication::exit(0); });
    // An XEmbed tray reports a right click as Context, and the menu shown is the program's own
    // window (a Qt menu is a popup, which Qt leaves out of what screen readers see). A
    // StatusNotifierItem host draws the menu itself from the one exported to it, in the desktop's
    // style, and some (xfce4-panel) never ask the item to show one.
    if (QDBusConnection::sessionBus().interface() &&
        QDBusConnection::sessionBus().interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        m_hostMenu = std::make_unique<QMenu>();
        fillHostMenu();
        connect(m_menuVm, &TrayMenuModel::changed, this, &StatusController::fillHostMenu);
        m_tray.setContextMenu(m_hostMenu.get());
    }
    connect(&m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A quick second click is a double click to the tray: it closes the panel all the same.
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) toggle();
        if (reason == QSystemTrayIcon::Context) toggleMenu();
    });
    connect(&m_model, &AppModel::nowChanged, this, [this] {
        // Most seconds change nothing the tray shows: they cost one comparison.
        const Instant now = m_model.now();
        if (now >= m_steadyFrom && now < m_steadyUntil) return;
        updateTitle();
    });
    connect(&m_model, &AppModel::phaseChanged, this, &StatusController::updateTitle);
    connect(&m_model, &AppModel::settingsChanged, this, &StatusController::updateTitle);
    connect(&m_model, &AppModel::nextBreakChanged, this, &StatusController::updateTitle);
    connect(&m_presses, &PointerPressWatch::pressed, this, &StatusController::onPointerPress);
    updateTitle();
    if (lcTrace().isDebugEnabled()) qApp->installEventFilter(this);
    m_tray.show();
}

bool StatusController::eventFilter(QObject* watched, QEvent* event) {
    // The first paint of the tray's icon window: the icon is in the tray and drawn. Its window id
    // lets the benchmark find where the tray has put it.
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        qstrcmp(watched->metaObject()->className(), "QSystemTrayIconSys") == 0) {
        qCDebug(lcTrace).noquote() << "tray-icon-drawn" << monotonicNs() << static_cast<QWidget*>(watched)->winId();
        qApp->removeEventFilter(this);
    }
    return false;
}

StatusController::~StatusController() {
    delete m_panel.data();
    delete m_menu.data();
}

void StatusController::updateTitle() {
    m_steadyFrom = m_model.now();
    m_steadyUntil = phaseTextSteadyUntil(m_model);
    m_model.wakeAt(this, m_steadyUntil);
    TrayTitle title = trayTitle(m_model);
    if (!m_imageDrawn || title != m_shown) {
        m_shown = std::move(title);
        m_imageDrawn = true;
        m_tray.setIcon(trayIcon(m_shown));
    }
    const QString label = trayAccessibleLabel(m_model);
    if (m_tray.toolTip() != label) m_tray.setToolTip(label);
}

void StatusController::toggle() {
    if (m_panel && m_panel->isVisible()) {
        closePanel();
        return;
    }
    if (closedJustNow(m_panelClosedAtMs)) return;
    openPanel();
}

void StatusController::toggleMenu() {
    if (m_menu && m_menu->isVisible()) {
        closeMenu();
        return;
    }
    if (closedJustNow(m_menuClosedAtMs)) return;
    openMenu();
}

QWindow* StatusController::makePopup(const QString& file, QObject* vm) {
    Views* views = m_views.views();
    if (!views) return nullptr;
    QObject* object = views->create(file, {{QStringLiteral("vm"), QVariant::fromValue(vm)}});
    auto* window = qobject_cast<QWindow*>(object);
    if (!window) {
        delete object;
        return nullptr;
    }
    window->setFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    // sway moves it to the middle of the screen when it maps and whenever it changes size, and can
    // leave its size as it was: sway is asked to put it back by the tray at once. (A window that
    // bypassed the window manager would stay in place, but could never have the keyboard.)
    if (!x11::windowManagerKeepsPlaces()) {
        m_swayPlaces = true;
        auto keepPlace = [this, window] {
            const QRect frame = frameOf(window);
            if (window->isVisible() && window->geometry() != frame) swayPlaceWindow(window->winId(), frame);
        };
        connect(window, &QWindow::xChanged, this, keepPlace);
        connect(window, &QWindow::yChanged, this, keepPlace);
        connect(window, &QWindow::widthChanged, this, keepPlace);
        connect(window, &QWindow::heightChanged, this, keepPlace);
    }
    return window;
}

void StatusController::openPanel() {
    if (!m_panel) {
        auto* vm = new MenuBarViewModel(m_model, this);
        m_panel = makePopup(QStringLiteral("MenuBarPanel.qml"), vm);
        if (!m_panel) {
            delete vm;
            return;
        }
        m_vm = vm;
        connect(m_vm, &MenuBarViewModel::closeRequested, this, &StatusController::closePanel);
        connect(m_panel, SIGNAL(closeRequested()), this, SLOT(closePanel()));
        connect(m_panel, SIGNAL(settingsRequested()), this, SLOT(onSettings()));
        connect(m_panel, SIGNAL(statsRequested()), this, SLOT(onStats()));
        connect(m_panel, SIGNAL(contentHeightChanged()), this, SLOT(fitPanel()));
        if (lcTrace().isDebugEnabled()) connect(m_panel, SIGNAL(frameSwapped()), this, SLOT(traceFrame()));
        connect(m_panel, &QWindow::activeChanged, this, [this] {
            if (m_panel && m_panel->isVisible() && !m_panel->isActive()) closePanel();
        });
    }
    closeMenu();
    m_vm->setActive(true);
    m_awaitingFrame = true;
    present(m_panel);
}

void StatusController::fillHostMenu() {
    m_hostMenu->clear();
    const auto& entries = m_menuVm->entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].separated) m_hostMenu->addSeparator();
        m_hostMenu->addAction(entries[i].title, this, [this, i] { m_menuVm->trigger(int(i)); });
    }
}

void StatusController::openMenu() {
    if (!m_menu) {
        m_menu = makePopup(QStringLiteral("TrayMenu.qml"), m_menuVm);
        if (!m_menu) return;
        connect(m_menu, SIGNAL(closeRequested()), this, SLOT(closeMenu()));
        connect(m_menu, SIGNAL(contentHeightChanged()), this, SLOT(fitMenu()));
        connect(m_menu, &QWindow::activeChanged, this, [this] {
            if (m_menu && m_menu->isVisible() && !m_menu->isActive()) closeMenu();
        });
    }
    closePanel();
    present(m_menu);
}

void StatusController::present(QWindow* popup) {
    const QRect icon = m_tray.geometry();
    const QPoint pointer = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(icon.isValid() ? icon.center() : pointer);
    if (!screen) screen = QGuiApplication::primaryScreen();
    // With several monitors Qt reports each one whole; the window manager knows the bars' edges.
    m_freeArea = screen ? freeArea(*screen) : QRect(pointer, popup->size());
    // The pointer moves on once it is open: the anchor is where it clicked.
    m_anchorRect = icon.isValid() ? icon : screen ? trayClickPlace(pointer, screen->geometry(), m_freeArea)
                                                  : QRect(pointer, QSize(1, 1));
    fit(popup);
    m_presses.setWatching(true);
    popup->show();
    // A panel of the tray, not a window of its own: no entry in the task bar or the pager.
    x11::addWindowStates(popup->winId(), {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
    popup->raise();
    popup->requestActivate();
}

bool StatusController::dismiss(QWindow* popup) {
    if (!popup || !popup->isVisible()) return false;
    popup->hide();
    if (!(m_panel && m_panel->isVisible()) && !(m_menu && m_menu->isVisible())) m_presses.setWatching(false);
    return true;
}

void StatusController::closePanel() {
    if (!dismiss(m_panel)) return;
    m_vm->setActive(false);
    m_panelClosedAtMs = QDateTime::currentMSecsSinceEpoch();
}

void StatusController::closeMenu() {
    if (dismiss(m_menu)) m_menuClosedAtMs = QDateTime::currentMSecsSinceEpoch();
}

QRect StatusController::frameOf(QWindow* popup) const {
    const QSize size(popup->width(), std::max(1, popup->property("contentHeight").toInt()));
    return {placePanel(size, m_anchorRect, m_anchorRect.topLeft(), m_freeArea).at, size};
}

void StatusController::fit(QWindow* popup) {
    if (!popup) return;
    // One request moves and resizes the window, so no frame shows it away from the tray.
    const QRect frame = frameOf(popup);
    if (popup->geometry() == frame) return;
    popup->setGeometry(frame);
    // Qt takes the new size for granted at once; sway may keep the old one, and is asked itself.
    if (popup->isVisible() && m_swayPlaces) swayPlaceWindow(popup->winId(), frame);
}

void StatusController::fitPanel() { fit(m_panel); }

void StatusController::fitMenu() { fit(m_menu); }

void StatusController::onPointerPress() {
    const QPoint at = QCursor::pos();
    // A press on the icon is the tray's: its click toggles the panel or the menu.
    const QRect icon = m_tray.geometry();
    if (icon.isValid() && icon.contains(at)) return;
    if (m_panel && m_panel->isVisible() && !m_panel->frameGeometry().contains(at)) closePanel();
    if (m_menu && m_menu->isVisible() && !m_menu->frameGeometry().contains(at)) closeMenu();
}

void StatusController::traceFrame() {
    if (!m_awaitingFrame) return;
    m_awaitingFrame = false;
    qCDebug(lcTrace).noquote() << "panel-drawn" << monotonicNs();
}

void StatusController::onSettings() {
    closePanel();
    closeMenu();
    openSettings();
}

void StatusController::onStats() {
    closePanel();
    closeMenu();
    openStats();
}

}  // namespace tarnwick
