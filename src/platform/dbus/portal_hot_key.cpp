#include "platform/dbus/portal_hot_key.hpp"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QTimer>

#include <unistd.h>

#include <algorithm>

namespace tarnwick {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");

void registerTypes() {
    static const bool registered = [] {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
        return true;
    }();
    (void)registered;
}

// An object path given as 'o' or, as the portal documents some, as 's'.
QString pathOf(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

}  // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

QString portalRequestPath(const QString& uniqueName, const QString& token) {
    QString sender = uniqueName;
    if (sender.startsWith(u':')) sender.remove(0, 1);
    sender.replace(u'.', u'_');
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

bool portalBindsShortcut(const QList<PortalShortcut>& shortcuts, const QString& id) {
    for (const PortalShortcut& shortcut : shortcuts) {
        if (shortcut.id != id) continue;
        const QVariant trigger = shortcut.properties.value(QStringLiteral("trigger_description"));
        return !trigger.isValid() || !trigger.toString().isEmpty();
    }
    return false;
}

PortalNextStep portalNextStep(const QList<PortalShortcut>& listed, const QString& id, bool mayAskToBind) {
    if (portalBindsShortcut(listed, id)) return PortalNextStep::useBinding;
    const bool filed = std::any_of(listed.begin(), listed.end(), [&](const PortalShortcut& s) { return s.id == id; });
    return !filed && mayAskToBind ? PortalNextStep::askToBind : PortalNextStep::goWithout;
}

bool portalMayAskToBind(const QString& currentDesktop) {
    const QStringList names = currentDesktop.split(u':', Qt::SkipEmptyParts);
    return !names.contains(QStringLiteral("KDE"), Qt::CaseInsensitive);
}

PortalHotKey::PortalHotKey(QDBusConnection bus, QString description, QString preferredTrigger,
                           std::function<void()> action, bool mayAskToBind, QObject* parent)
    : QObject(parent),
      m_bus(std::move(bus)),
      m_description(std::move(description)),
      m_preferredTrigger(std::move(preferredTrigger)),
      m_action(std::move(action)),
      m_mayAskToBind(mayAskToBind) {
    registerTypes();
    // Later, so whoever made this object has connected to stateChanged first.
    QTimer::singleShot(0, this, &PortalHotKey::start);
}

PortalHotKey::~PortalHotKey() {
    if (!m_session.isEmpty() && m_bus.isConnected()) {
        m_bus.send(QDBusMessage::createMethodCall(portalService, m_session, sessionInterface, QStringLiteral("Close")));
    }
}

QString PortalHotKey::nextToken() {
    return QStringLiteral("tarnwick%1_%2").arg(::getpid()).arg(++m_tokens);
}

void PortalHotKey::start() {
    if (!m_bus.isConnected()) return fail();
    // A program outside a sandbox names itself, so the desktop files the shortcut under its name
    // (newer portals only; an older one's refusal changes nothing). It must precede other calls.
    QDBusMessage registration = QDBusMessage::createMethodCall(
        portalService, portalPath, QStringLiteral("org.freedesktop.host.portal.Registry"), QStringLiteral("Register"));
    registration << QStringLiteral("tarnwick") << QVariantMap{};
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(registration, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        createSession();
    });
}

void PortalHotKey::createSession() {
    // KDE files the shortcut under the session's token when a program has no application id, so
    // the token stays the same from start to start and a binding the user made is found again.
    // (The session's path also holds the bus connection's name, so instances never collide.)
    const QString sessionToken = QStringLiteral("tarnwick");
    const QString token = nextToken();
    request(Step::creating, QStringLiteral("CreateSession"),
            {QVariantMap{{QStringLiteral("handle_token"), token}, {QStringLiteral("session_handle_token"), sessionToken}}},
            token);
}

void PortalHotKey::listen(const QString& requestPath) {
    forget();
    m_requestPath = requestPath;
    m_bus.connect(portalService, m_requestPath, requestInterface, QStringLiteral("Response"), this,
                  SLOT(onResponse(uint, QVariantMap)));
}

void PortalHotKey::forget() {
    if (m_requestPath.isEmpty()) return;
    m_bus.disconnect(portalService, m_requestPath, requestInterface, QStringLiteral("Response"), this,
                     SLOT(onResponse(uint, QVariantMap)));
    m_requestPath.clear();
}

void PortalHotKey::request(Step step, const QString& method, const QVariantList& arguments, const QString& token) {
    m_step = step;
    // Listening starts before the call, so a Response sent right after the reply is not missed.
    listen(portalRequestPath(m_bus.baseService(), token));
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, shortcutsInterface, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, step] {
        watcher->deleteLater();
        if (m_step != step) return;  // answered already, or given up
        const QDBusMessage reply = watcher->reply();
        if (reply.type() != QDBusMessage::ReplyMessage) return step == Step::listing ? afterListing({}) : fail();
        // An older portal names the request its own way; its Response comes there.
        const QString handle = pathOf(reply.arguments().value(0));
        if (!handle.isEmpty() && handle != m_requestPath) listen(handle);
    });
}

void PortalHotKey::onResponse(uint response, const QVariantMap& results) {
    if (m_step != Step::creating && m_step != Step::listing && m_step != Step::binding) return;
    forget();
    if (m_step == Step::listing) {
        // Bound at an earlier start: nothing to ask, and no desktop shows its shortcut settings.
        // A refused listing counts as an empty one.
        return afterListing(response == 0 ? qdbus_cast<QList<PortalShortcut>>(results.value(QStringLiteral("shortcuts")))
                                          : QList<PortalShortcut>{});
    }
    if (response != 0) return fail();  // 1: the user cancelled, 2: anything else
    if (m_step == Step::creating) {
        m_session = pathOf(results.value(QStringLiteral("session_handle")));
        if (m_session.isEmpty()) return fail();
        m_bus.connect(portalService, m_session, sessionInterface, QStringLiteral("Closed"), this,
                      SLOT(onClosed(QVariantMap)));
        // A portal that quits or restarts takes the session with it, without a word.
        auto* watcher = new QDBusServiceWatcher(portalService, m_bus, QDBusServiceWatcher::WatchForUnregistration, this);
        connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this, watcher] {
            watcher->deleteLater();
            onClosed({});
        });
        m_bus.connect(portalService, portalPath, shortcutsInterface, QStringLiteral("Activated"), this,
                      SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
        const QString token = nextToken();
        request(Step::listing, QStringLiteral("ListShortcuts"),
                {QVariant::fromValue(QDBusObjectPath(m_session)), QVariantMap{{QStringLiteral("handle_token"), token}}},
                token);
    } else if (m_step == Step::binding) {
        const auto shortcuts = qdbus_cast<QList<PortalShortcut>>(results.value(QStringLiteral("shortcuts")));
        if (!portalBindsShortcut(shortcuts, shortcutId())) return fail();
        takeTrigger(shortcuts);
        m_step = Step::done;
        setState(State::bound);
    }
}

void PortalHotKey::afterListing(const QList<PortalShortcut>& listed) {
    switch (portalNextStep(listed, shortcutId(), m_mayAskToBind)) {
    case PortalNextStep::askToBind: return bind();
    case PortalNextStep::goWithout: return fail();
    case PortalNextStep::useBinding: break;
    }
    takeTrigger(listed);
    m_step = Step::done;
    setState(State::bound);
}

void PortalHotKey::bind() {
    const QList<PortalShortcut> shortcuts{
        {shortcutId(),
         {{QStringLiteral("description"), m_description}, {QStringLiteral("preferred_trigger"), m_preferredTrigger}}}};
    const QString token = nextToken();
    request(Step::binding, QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(shortcuts), QString(),
             QVariantMap{{QStringLiteral("handle_token"), token}}},
            token);
}

void PortalHotKey::takeTrigger(const QList<PortalShortcut>& shortcuts) {
    for (const PortalShortcut& shortcut : shortcuts) {
        if (shortcut.id == shortcutId())
            m_trigger = shortcut.properties.value(QStringLiteral("trigger_description")).toString();
    }
}

void PortalHotKey::onActivated(const QDBusObjectPath& session, const QString& id, qulonglong, const QVariantMap&) {
    if (m_session.isEmpty() || session.path() != m_session || id != shortcutId()) return;
    // Never inside the bus's dispatch: the action may open windows.
    QTimer::singleShot(0, this, [this] {
        if (m_action) m_action();
    });
}

void PortalHotKey::onClosed(const QVariantMap&) {
    if (m_state == State::unavailable) return;
    m_session.clear();  // closed by the portal: nothing to close any more
    fail();
}

void PortalHotKey::setState(State state) {
    if (state == m_state) return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void PortalHotKey::fail() {
    forget();
    m_step = Step::done;
    m_bus.disconnect(portalService, portalPath, shortcutsInterface, QStringLiteral("Activated"), this,
                     SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    if (!m_session.isEmpty()) {
        m_bus.disconnect(portalService, m_session, sessionInterface, QStringLiteral("Closed"), this,
                         SLOT(onClosed(QVariantMap)));
        m_bus.send(QDBusMessage::createMethodCall(portalService, m_session, sessionInterface, QStringLiteral("Close")));
        m_session.clear();
    }
    setState(State::unavailable);
}

}  // namespace tarnwick
