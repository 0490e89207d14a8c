#include "platform/wayland/wayland_idle_source.hpp"

#include <QLoggingCategory>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "ext-idle-notify-v1-client-protocol.h"
#include "kde-idle-client-protocol.h"

Q_DECLARE_LOGGING_CATEGORY(lcIdle)

namespace tarnwick {

namespace {

// The versions this program speaks.
constexpr uint32_t seatVersion = 1;
constexpr uint32_t extNotifierVersion = 2;
constexpr uint32_t kdeIdleVersion = 1;

uint32_t milliseconds(double seconds) {
    return static_cast<uint32_t>(std::clamp(seconds * 1000.0, 1.0, 4.0e9));
}

}  // namespace

struct WaylandIdleSource::Connection {
    WaylandIdleSource* owner = nullptr;
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    wl_callback* globalsDone = nullptr;
    wl_seat* seat = nullptr;
    ext_idle_notifier_v1* extNotifier = nullptr;
    org_kde_kwin_idle* kdeIdle = nullptr;
    ext_idle_notification_v1* extWatches[IdleNotifications::watches] = {};
    org_kde_kwin_idle_timeout* kdeWatches[IdleNotifications::watches] = {};
    // The watch each listener's data points at, with its owner.
    struct WatchRef {
        Connection* connection;
        IdleNotifications::Watch watch;
    } refs[IdleNotifications::watches] = {{this, IdleNotifications::Short}, {this, IdleNotifications::Long}};

    ~Connection() {
        for (auto* watch : extWatches) {
            if (watch) ext_idle_notification_v1_destroy(watch);
        }
        for (auto* watch : kdeWatches) {
            if (watch) org_kde_kwin_idle_timeout_release(watch);
        }
        if (extNotifier) ext_idle_notifier_v1_destroy(extNotifier);
        if (kdeIdle) org_kde_kwin_idle_destroy(kdeIdle);
        if (seat) wl_seat_destroy(seat);
        if (globalsDone) wl_callback_destroy(globalsDone);
        if (registry) wl_registry_destroy(registry);
        if (display) wl_display_disconnect(display);
    }
};

// The C listeners, with access to the source's handlers.
struct ListenerAccess {
    using Connection = WaylandIdleSource::Connection;

    static void global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
        auto* c = static_cast<Connection*>(data);
        if (std::strcmp(interface, wl_seat_interface.name) == 0 && !c->seat) {
            c->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, seatVersion));
        } else if (std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0 && !c->extNotifier) {
            c->extNotifier = static_cast<ext_idle_notifier_v1*>(wl_registry_bind(
                registry, name, &ext_idle_notifier_v1_interface, std::min(version, extNotifierVersion)));
        } else if (std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0 && !c->kdeIdle) {
            c->kdeIdle = static_cast<org_kde_kwin_idle*>(
                wl_registry_bind(registry, name, &org_kde_kwin_idle_interface, kdeIdleVersion));
        }
    }
    static void globalRemove(void*, wl_registry*, uint32_t) {}
    static constexpr wl_registry_listener registry{global, globalRemove};

    static void done(void* data, wl_callback* callback, uint32_t) {
        auto* c = static_cast<Connection*>(data);
        wl_callback_destroy(callback);
        c->globalsDone = nullptr;
        c->owner->onGlobalsDone();
    }
    static constexpr wl_callback_listener callback{done};

    static void idled(void* data) {
        auto* ref = static_cast<Connection::WatchRef*>(data);
        ref->connection->owner->onIdled(ref->watch);
    }
    static void resumed(void* data) { static_cast<Connection::WatchRef*>(data)->connection->owner->onResumed(); }
    static void extIdled(void* data, ext_idle_notification_v1*) { idled(data); }
    static void extResumed(void* data, ext_idle_notification_v1*) { resumed(data); }
    static constexpr ext_idle_notification_v1_listener ext{extIdled, extResumed};
    static void kdeIdled(void* data, org_kde_kwin_idle_timeout*) { idled(data); }
    static void kdeResumed(void* data, org_kde_kwin_idle_timeout*) { resumed(data); }
    static constexpr org_kde_kwin_idle_timeout_listener kde{kdeIdled, kdeResumed};
};

WaylandIdleSource::WaylandIdleSource(double horizon, Clock clock, QString display, QObject* parent)
    : QObject(parent), m_horizon(horizon), m_clock(std::move(clock)), m_display(std::move(display)),
      m_idle(shortTimeout, horizon) {}

WaylandIdleSource::~WaylandIdleSource() = default;

QString WaylandIdleSource::name() const {
    switch (m_protocol) {
    case Protocol::ExtIdleNotify:
    case Protocol::ExtIdleNotifyInput: return QStringLiteral("ext-idle-notify (Wayland)");
    case Protocol::KdeIdle: return QStringLiteral("KDE idle (Wayland)");
    case Protocol::None: break;
    }
    return QStringLiteral("Wayland idle notifications");
}

void WaylandIdleSource::ask(double) {
    if (m_state != State::NotStarted) return;
    m_state = State::Connecting;
    const QByteArray name = m_display.toLocal8Bit();
    wl_display* display = wl_display_connect(name.isEmpty() ? nullptr : name.constData());
    if (!display) {
        m_state = State::Unavailable;
        qCDebug(lcIdle).noquote() << "Wayland idle: no connection to the compositor:" << std::strerror(errno);
        return;
    }
    m_connection = std::make_unique<Connection>();
    Connection& c = *m_connection;
    c.owner = this;
    c.display = display;
    c.registry = wl_display_get_registry(display);
    wl_registry_add_listener(c.registry, &ListenerAccess::registry, &c);
    // The compositor answers the sync after it has announced every global.
    c.globalsDone = wl_display_sync(display);
    wl_callback_add_listener(c.globalsDone, &ListenerAccess::callback, &c);
    m_notifier = new QSocketNotifier(wl_display_get_fd(display), QSocketNotifier::Read, this);
    QObject::connect(m_notifier, &QSocketNotifier::activated, this, [this] { onReadable(); });
    if (wl_display_flush(display) < 0 && errno != EAGAIN) disconnect(State::Unavailable, "could not write to it");
}

std::optional<double> WaylandIdleSource::idleSeconds(double now) const {
    if (m_state != State::Serving) return std::nullopt;
    return m_idle.idleSeconds(now);
}

void WaylandIdleSource::onReadable() {
    if (!m_connection) return;
    wl_display* display = m_connection->display;
    // Events already queued go first; then what the socket holds, which does not block as the
    // notifier said it is readable.
    while (wl_display_prepare_read(display) != 0) {
        if (wl_display_dispatch_pending(display) < 0) return disconnect(State::Closed, "the connection failed");
    }
    if (wl_display_read_events(display) < 0) return disconnect(State::Closed, "the compositor closed the connection");
    // A handler may have closed the connection.
    if (!m_connection) return;
    if (wl_display_dispatch_pending(m_connection->display) < 0)
        return disconnect(State::Closed, "the connection failed");
    if (m_connection && wl_display_flush(m_connection->display) < 0 && errno != EAGAIN)
        disconnect(State::Closed, "could not write to it");
}

void WaylandIdleSource::onGlobalsDone() {
    Connection& c = *m_connection;
    if (!c.seat || (!c.extNotifier && !c.kdeIdle)) {
        // Deferred: this runs inside the connection's own dispatch.
        QMetaObject::invokeMethod(
            this, [this] { disconnect(State::Unavailable, "the compositor offers no idle notifications"); },
            Qt::QueuedConnection);
        m_state = State::Unavailable;
        return;
    }
    for (int i = 0; i < IdleNotifications::watches; ++i) {
        const auto watch = static_cast<IdleNotifications::Watch>(i);
        const uint32_t timeout = milliseconds(m_idle.timeout(watch));
        if (c.extNotifier) {
            const bool inputOnly = ext_idle_notifier_v1_get_version(c.extNotifier) >= 2;
            c.extWatches[i] = inputOnly
                ? ext_idle_notifier_v1_get_input_idle_notification(c.extNotifier, timeout, c.seat)
                : ext_idle_notifier_v1_get_idle_notification(c.extNotifier, timeout, c.seat);
            ext_idle_notification_v1_add_listener(c.extWatches[i], &ListenerAccess::ext, &c.refs[i]);
            m_protocol = inputOnly ? Protocol::ExtIdleNotifyInput : Protocol::ExtIdleNotify;
        } else {
            c.kdeWatches[i] = org_kde_kwin_idle_get_idle_timeout(c.kdeIdle, c.seat, timeout);
            org_kde_kwin_idle_timeout_add_listener(c.kdeWatches[i], &ListenerAccess::kde, &c.refs[i]);
            m_protocol = Protocol::KdeIdle;
        }
    }
    m_state = State::Serving;
    const bool inputOnly = m_protocol == Protocol::ExtIdleNotifyInput;
    qCDebug(lcIdle).noquote() << "Wayland idle:" << name()
                              << (inputOnly ? "- input only, past idle inhibitors" : "- paused by idle inhibitors");
}

void WaylandIdleSource::onIdled(IdleNotifications::Watch watch) { m_idle.idled(watch, m_clock()); }

void WaylandIdleSource::onResumed() { m_idle.resumed(); }

void WaylandIdleSource::disconnect(State to, const char* why) {
    if (!m_connection) return;
    qCDebug(lcIdle).noquote() << "Wayland idle:" << why;
    delete m_notifier;
    m_notifier = nullptr;
    m_connection.reset();
    m_state = to;
    m_idle = IdleNotifications(shortTimeout, m_horizon);
}

}  // namespace tarnwick
