#pragma once

// A global shortcut through the desktop portal's GlobalShortcuts interface. Unlike an X key grab,
// it fires whatever window is in front, native Wayland windows included.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

namespace tarnwick {

// One entry of the portal's shortcut lists, a(sa{sv}): an id and its properties
// ("description", "preferred_trigger", "trigger_description").
struct PortalShortcut {
    QString id;
    QVariantMap properties;
    bool operator==(const PortalShortcut&) const = default;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut);

// The object path of the portal's Request for a call made with `token` by the connection with
// `uniqueName` (":1.42" gives .../request/1_42/<token>).
QString portalRequestPath(const QString& uniqueName, const QString& token);

// Whether the portal's answer to BindShortcuts binds `id` to a key: it is listed, and not with
// an empty trigger (the user left it without one).
bool portalBindsShortcut(const QList<PortalShortcut>& shortcuts, const QString& id);

// What to do once the portal has listed the session's shortcuts: use the binding, ask for one, or
// go without the portal (the X grab serves). A shortcut listed without a key, one the user left
// without a key, is not asked for again: each bind would show the desktop's shortcut settings
// again (KDE opens them for every bind). `mayAskToBind` is false where a bind always opens a
// settings page (KDE), which the program never does unasked; there the portal serves only a
// shortcut that is bound already.
enum class PortalNextStep { useBinding, askToBind, goWithout };
PortalNextStep portalNextStep(const QList<PortalShortcut>& listed, const QString& id, bool mayAskToBind);

// Whether a bind may be asked without opening a settings page, for the desktops named as
// XDG_CURRENT_DESKTOP names them ("KDE", "ubuntu:GNOME").
bool portalMayAskToBind(const QString& currentDesktop);

class PortalHotKey : public QObject {
    Q_OBJECT
public:
    enum class State { binding, bound, unavailable };
    Q_ENUM(State)

    // The portal answers each call at once, but may show a dialog before it answers the bind.
    static constexpr int callTimeoutMs = 10000;

    // Starts binding one shortcut, `description` (shown in the desktop's shortcut settings) with
    // `preferredTrigger` in the form the portal documents ("CTRL+ALT+b"), once control
    // returns to the event loop. `action` runs later on the main thread, once per activation.
    PortalHotKey(QDBusConnection bus, QString description, QString preferredTrigger, std::function<void()> action,
                 bool mayAskToBind = true, QObject* parent = nullptr);
    ~PortalHotKey() override;

    State state() const { return m_state; }
    // The key as the portal describes it once bound ("Ctrl+Alt+B"); empty when it does not say.
    QString triggerDescription() const { return m_trigger; }

    static QString shortcutId() { return QStringLiteral("take-eye-break"); }

Q_SIGNALS:
    // Bound once the portal has bound the shortcut; unavailable when there is no such portal,
    // it refused, or later it closed the session or left the bus.
    void stateChanged(tarnwick::PortalHotKey::State state);

private Q_SLOTS:
    void onResponse(uint response, const QVariantMap& results);
    void onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp, const QVariantMap& options);
    void onClosed(const QVariantMap& details);

private:
    enum class Step { idle, creating, listing, binding, done };
    void start();
    void createSession();
    void request(Step step, const QString& method, const QVariantList& arguments, const QString& token);
    void listen(const QString& requestPath);
    void forget();
    void setState(State state);
    void fail();
    QString nextToken();
    void afterListing(const QList<PortalShortcut>& listed);
    void bind();
    void takeTrigger(const QList<PortalShortcut>& shortcuts);

    QDBusConnection m_bus;
    QString m_description;
    QString m_preferredTrigger;
    std::function<void()> m_action;
    bool m_mayAskToBind = true;
    State m_state = State::binding;
    Step m_step = Step::idle;
    QString m_requestPath;  // the request whose Response is awaited
    QString m_session;      // the session's object path once created
    QString m_trigger;
    int m_tokens = 0;
};

}  // namespace tarnwick

Q_DECLARE_METATYPE(tarnwick::PortalShortcut)
