#include "control/control_service.hpp"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>

#include "ui/app_delegate.hpp"
#include "ui/menu_bar_view_model.hpp"
#include "ui/window_controller.hpp"

namespace tarnwick {

namespace {

Q_LOGGING_CATEGORY(lcControl, "tarnwick.control", QtInfoMsg)

QString word(std::string_view value) { return QString::fromUtf8(value.data(), qsizetype(value.size())); }

bool breakPending(const Phase& phase) {
    return std::holds_alternative<phase::HeadsUp>(phase) || std::holds_alternative<phase::Held>(phase);
}

constexpr uint requestNameDoNotQueue = 4;  // DBUS_NAME_FLAG_DO_NOT_QUEUE
constexpr uint requestNamePrimaryOwner = 1;  // DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER
constexpr uint requestNameAlreadyOwner = 4;  // DBUS_REQUEST_NAME_REPLY_ALREADY_OWNER

}  // namespace

ControlWindows windowsOf(AppDelegate& delegate) {
    return {
        [&delegate] { delegate.showPanel(); },
        [&delegate] {
            if (delegate.windows()) delegate.windows()->open(QStringLiteral("settings"));
        },
        [&delegate] {
            if (delegate.windows()) delegate.windows()->open(QStringLiteral("stats"));
        },
    };
}

ControlService::ControlService(AppModel& model, ControlWindows windows, QObject* parent)
    : QObject(parent), m_model(model), m_windows(std::move(windows)), m_recorded(model.history().size()) {
    for (auto signal : {&AppModel::phaseChanged, &AppModel::settingsChanged, &AppModel::historyChanged,
                        &AppModel::nextBreakChanged, &AppModel::todayChanged, &AppModel::weekChanged,
                        &AppModel::skipsLeftThisWeekChanged}) {
        connect(&m_model, signal, this, &ControlService::refresh);
    }
    connect(&m_model, &AppModel::nowChanged, this, [this] {
        // Most seconds change nothing the tray shows, and so nothing here.
        const Instant now = m_model.now();
        if (now >= m_steadyFrom && now < m_steadyUntil) return;
        refresh();
    });
    m_steadyFrom = m_model.now();
    m_steadyUntil = phaseTextSteadyUntil(m_model);
    m_model.wakeAt(this, m_steadyUntil);
    m_values = controlValues(m_model);
}

ControlService::~ControlService() {
    if (m_bus) m_bus->unregisterObject(QString::fromLatin1(controlObjectPath));
}

bool ControlService::publish(QDBusConnection bus) {
    if (!bus.isConnected()) return false;
    if (!bus.registerObject(QString::fromLatin1(controlObjectPath), this,
                            QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals |
                                QDBusConnection::ExportAllProperties)) {
        return false;
    }
    m_bus = bus;
    // Asked without waiting: the start does not wait for the bus.
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    request << QString::fromLatin1(controlServiceName) << requestNameDoNotQueue;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(request), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<uint> reply = *call;
        call->deleteLater();
        const bool owned = reply.isValid() &&
                           (reply.value() == requestNamePrimaryOwner || reply.value() == requestNameAlreadyOwner);
        if (!owned) {
            qCWarning(lcControl).noquote() << "the name" << controlServiceName << "is not this instance's:"
                                           << (reply.isError() ? reply.error().message() : QStringLiteral("another program has it"));
        }
        Q_EMIT published(owned);
    });
    return true;
}

void ControlService::refresh() {
    m_steadyFrom = m_model.now();
    m_steadyUntil = phaseTextSteadyUntil(m_model);
    m_model.wakeAt(this, m_steadyUntil);
    ControlValues next = controlValues(m_model);
    const QVariantMap changed = changedProperties(m_values, next);
    const bool started = next.phase == QLatin1String("onBreak") &&
                         (m_values.phase != QLatin1String("onBreak") || m_values.startedAt != next.startedAt);
    m_values = std::move(next);
    if (!changed.isEmpty() && m_bus) {
        QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(controlObjectPath),
                                                         QStringLiteral("org.freedesktop.DBus.Properties"),
                                                         QStringLiteral("PropertiesChanged"));
        signal << QString::fromLatin1(controlInterfaceName) << changed << QStringList();
        m_bus->send(signal);
    }
    const auto& history = m_model.history();
    if (history.size() < m_recorded) m_recorded = history.size();  // the data was deleted
    for (; m_recorded < history.size(); ++m_recorded) {
        const BreakRecord& record = history[m_recorded];
        Q_EMIT BreakEnded(word(rawValue(record.kind)), word(rawValue(record.outcome)));
    }
    if (started) Q_EMIT BreakStarted(m_values.breakKind);
}

void ControlService::refuse(const QString& sentence) {
    if (calledFromDBus()) sendErrorReply(QDBusError::InvalidArgs, sentence);
}

void ControlService::TakeBreak(const QString& kind) {
    const auto parsed = fromRawValue<BreakKind>(kind.toStdString());
    if (!parsed) {
        return refuse(QStringLiteral("There is no break kind \"%1\": the kinds are \"micro\" and \"long\".").arg(kind));
    }
    if (std::holds_alternative<phase::OnBreak>(m_model.phase())) {
        return refuse(QStringLiteral("A break is under way: a break can be taken while working, paused, or with one announced or held."));
    }
    m_model.takeBreak(*parsed);
}

void ControlService::StartNow() {
    if (!breakPending(m_model.phase())) {
        return refuse(QStringLiteral("No break is announced or held: StartNow starts one that is (phase headsUp or held)."));
    }
    m_model.startNow();
}

void ControlService::Snooze(uint minutes) {
    if (minutes < 1 || minutes > maxSnoozeMinutes) {
        return refuse(QStringLiteral("A snooze lasts 1 to %1 minutes (24 hours).").arg(maxSnoozeMinutes));
    }
    const Phase& phase = m_model.phase();
    if (!breakPending(phase) && !std::holds_alternative<phase::OnBreak>(phase)) {
        return refuse(QStringLiteral("Nothing to snooze: a snooze puts off a break that is announced, held or under way."));
    }
    m_model.snooze(minutes);
}

void ControlService::PauseFor(uint seconds) {
    if (seconds < 1 || seconds > maxPauseSeconds) {
        return refuse(QStringLiteral("A pause lasts 1 to %1 seconds (24 hours).").arg(maxPauseSeconds));
    }
    m_model.pauseFor(seconds);
}

void ControlService::PauseUntilTomorrow() { m_model.pauseUntilTomorrow(); }

void ControlService::Resume() {
    if (!std::holds_alternative<phase::Paused>(m_model.phase())) {
        return refuse(QStringLiteral("Tarnwick is not paused: Resume ends a pause (phase paused)."));
    }
    m_model.resume();
}

QString ControlService::skipRefusal() const {
    const Phase& phase = m_model.phase();
    const bool hardcore = m_model.settings().enforcement == BreakEnforcement::hardcore;
    if (breakPending(phase)) {
        return hardcore ? QStringLiteral("Breaks cannot be skipped in hardcore mode.") : QString();
    }
    if (!std::holds_alternative<phase::OnBreak>(phase)) {
        return QStringLiteral("There is no break to skip: Skip acts on a break that is announced, held or under way.");
    }
    // As the break screen's button: judged by the published state.
    const SkipState& state = m_model.skipState();
    if (auto* wait = std::get_if<skip::Wait>(&state)) {
        return QStringLiteral("This break can be skipped in %1 s.").arg(wait->seconds);
    }
    if (std::holds_alternative<skip::NotAllowed>(state)) return QStringLiteral("Breaks cannot be skipped in hardcore mode.");
    return {};
}

void ControlService::Skip() {
    if (const QString why = skipRefusal(); !why.isEmpty()) return refuse(why);
    m_model.skip();
}

void ControlService::OpenPanel() { m_windows.panel(); }

void ControlService::OpenSettings() { m_windows.settings(); }

void ControlService::OpenStats() { m_windows.stats(); }

}  // namespace tarnwick
