#include "platform/session_input_idle.hpp"

#include <unistd.h>

#include <chrono>

#include "platform/dbus/idle_inhibitors.hpp"
#include "platform/dbus/idle_monitor.hpp"
#include "platform/session_type.hpp"
#include "platform/sway/sway_idle_inhibitors.hpp"
#include "platform/wayland/wayland_idle_source.hpp"
#include "platform/x11/input_idle.hpp"
#include "platform/x11/screen_saver_inhibitor.hpp"

Q_LOGGING_CATEGORY(lcIdle, "tarnwick.idle", QtInfoMsg)

namespace tarnwick {

namespace {

const QString noSource = QStringLiteral("none");

double steadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

SessionInputIdle::Parts SessionInputIdle::sessionParts(bool wayland, QDBusConnection sessionBus,
                                                       QDBusConnection systemBus) {
    Parts parts;
    if (wayland) {
        // The compositor's own notifications where it offers them (GNOME does not), then GNOME's
        // and the freedesktop service.
        parts.idleSources.push_back(
            std::make_unique<WaylandIdleSource>(X11InputIdle::defaultHorizon, steadySeconds));
        parts.idleSources.push_back(std::make_unique<DbusIdleSource>(sessionBus, DbusIdleSource::mutterIdleMonitor()));
        parts.idleSources.push_back(
            std::make_unique<DbusIdleSource>(sessionBus, DbusIdleSource::freedesktopScreenSaver()));
    } else {
        auto x11 = std::make_unique<X11InputIdle>();
        parts.inputName = x11->idleObservable() ? QStringLiteral("X screen saver extension") : noSource;
        parts.input = std::move(x11);
    }
    parts.inhibitors.push_back(DbusInhibitorSource::gnomeSession(sessionBus));
    parts.inhibitors.push_back(DbusInhibitorSource::logind(systemBus, ::getuid(), ::getpid()));
    parts.inhibitors.push_back(DbusInhibitorSource::kdePowerManagement(sessionBus));
    // sway: Wayland programs' own inhibitors, which no service on the bus reports.
    if (wayland && !qEnvironmentVariableIsEmpty("SWAYSOCK"))
        parts.inhibitors.push_back(std::make_unique<SwayIdleInhibitors>());
    // Under XWayland as well: X programs there suspend the saver the same way.
    parts.inhibitors.push_back(std::make_unique<X11ScreenSaverInhibitor>());
    parts.clock = steadySeconds;
    return parts;
}

SessionInputIdle::SessionInputIdle()
    : SessionInputIdle(sessionParts(isWaylandSession(), QDBusConnection::sessionBus(), QDBusConnection::systemBus())) {}

SessionInputIdle::SessionInputIdle(Parts parts)
    : m_input(std::move(parts.input)), m_inputName(std::move(parts.inputName)),
      m_chain(std::move(parts.idleSources)), m_inhibitors(std::move(parts.inhibitors)),
      m_clock(parts.clock ? std::move(parts.clock) : MonotonicClock(steadySeconds)) {
    qCDebug(lcIdle).noquote() << (m_input ? "X11 session" : "Wayland session");
}

SessionInputIdle::~SessionInputIdle() = default;

double SessionInputIdle::idleSeconds() {
    const double now = m_clock();
    const double sourceIdle = m_input ? m_input->idleSeconds() : m_chain.idleSeconds(now).value_or(0.0);
    // An inhibitor only changes what an absence of a minute or more means, so below the horizon
    // (where every rule reads the user as present) the sources are not asked, the first round
    // excepted; a release seen late only makes the absence count from later.
    const bool matters = !m_inhibitorsKnown || sourceIdle >= X11InputIdle::defaultHorizon;
    const bool inhibited = matters ? m_inhibitors.inhibited(now) : m_inhibitors.held();
    logChoices();
    // Until every inhibitor source has answered or given up once, a held inhibitor cannot be told
    // from none: started in the middle of a film, the film's length would pass for an absence.
    if (!m_inhibitorsKnown) {
        if (!m_inhibitors.settled()) return 0;
        m_inhibitorsKnown = true;
    }
    return m_rule.idleSeconds(sourceIdle, inhibited, now);
}

double SessionInputIdle::secondsSinceKeyDown() {
    if (m_input) return m_input->secondsSinceKeyDown();
    return m_chain.peek(m_clock()).value_or(X11InputIdle::noKeyDown);
}

QString SessionInputIdle::idleSourceName() const {
    if (m_input) return m_inputName.isEmpty() ? noSource : m_inputName;
    return m_chain.serving() ? m_chain.serving()->name() : noSource;
}

QString SessionInputIdle::inhibitorSourcesText() const {
    const QStringList names = m_inhibitors.answeringNames();
    return names.isEmpty() ? noSource : names.join(QStringLiteral(", "));
}

bool SessionInputIdle::awaitingReplies() const { return m_chain.awaitingReplies() || m_inhibitors.awaitingReplies(); }

void SessionInputIdle::logChoices() {
    // Only when someone reads them: the names are strings made anew, and this runs every second.
    if (!lcIdle().isDebugEnabled()) return;
    // The idle source once the first answers are in, and again whenever it changes.
    if (m_input || m_chain.decided()) {
        const QString name = idleSourceName();
        if (m_loggedIdleSource != name) {
            qCDebug(lcIdle).noquote() << "idle source:" << name;
            m_loggedIdleSource = name;
        }
    }
    // The inhibitor sources once, when the first round of questions has ended.
    if (!m_inhibitorsLogged && m_inhibitors.settled()) {
        m_inhibitorsLogged = true;
        for (const auto& source : m_inhibitors.sources()) {
            qCDebug(lcIdle).noquote() << "idle inhibitor source:" << source->name()
                                      << (source->answering() ? "answers" : "does not answer");
        }
    }
}

}  // namespace tarnwick
