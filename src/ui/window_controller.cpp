#include "ui/window_controller.hpp"

#include <algorithm>
#include <utility>

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "ui/views_loader.hpp"

namespace tarnwick {

WindowController::WindowController(ViewsLoader& views, std::vector<WindowKind> kinds, QObject* parent)
    : QObject(parent), m_views(views), m_kinds(std::move(kinds)) {}

WindowController::~WindowController() {
    // A window closing as it goes would otherwise forget itself from the map being walked.
    const auto open = std::exchange(m_open, {});
    for (const auto& [key, window] : open) {
        if (!window) continue;
        disconnect(window, nullptr, this, nullptr);
        delete window.data();
    }
}

QWindow* WindowController::window(const QString& key) const {
    const auto found = m_open.find(key);
    return found == m_open.end() ? nullptr : found->second.data();
}

QWindow* WindowController::open(const QString& key) {
    QWindow* shown = window(key);
    if (!shown) {
        const auto kind = std::find_if(m_kinds.begin(), m_kinds.end(), [&](const WindowKind& k) { return k.key == key; });
        if (kind == m_kinds.end()) return nullptr;
        shown = make(*kind);
        if (!shown) return nullptr;
        m_open[key] = shown;
        shown->show();
        Q_EMIT opened(key, shown);
    } else if (shown->visibility() == QWindow::Minimized) {
        shown->showNormal();
    }
    shown->raise();
    shown->requestActivate();
    return shown;
}

QWindow* WindowController::make(const WindowKind& kind) {
    Views* views = m_views.views();
    if (!views) return nullptr;
    auto* owner = new QObject;
    QObject* object = views->create(kind.file, kind.properties ? kind.properties(owner) : QVariantMap());
    auto* window = qobject_cast<QWindow*>(object);
    if (!window) {
        delete object;
        delete owner;
        return nullptr;
    }
    owner->setParent(window);
    window->setTitle(kind.title);
    window->setMinimumSize(kind.minimumSize);
    window->resize(kind.size);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), kind.size);
        frame.moveCenter(screen->availableGeometry().center());
        window->setPosition(frame.topLeft());
    }
    // Closed is gone: the next request starts afresh.
    connect(window, &QWindow::visibleChanged, this, [this, key = kind.key, window](bool visible) {
        if (visible) return;
        const auto found = m_open.find(key);
        if (found != m_open.end() && found->second == window) m_open.erase(found);
        window->deleteLater();
        // Once it is gone, and if no other window was opened meanwhile, what it left behind goes back.
        QTimer::singleShot(trimDelayMs, this, [this] {
            if (m_open.empty()) m_views.trim();
        });
    });
    return window;
}

}  // namespace tarnwick
