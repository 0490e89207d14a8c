#pragma once

// The running instance's control surface on the session bus: the tray's commands as methods, the
// model's values and the tray's texts as properties, and a signal when a break begins or the
// history records one. The interface is data/dbus/io.tarnwick.Tarnwick1.xml; the end-to-end tests
// check the program's introspection against it.
//
// Nothing here runs on a timer: PropertiesChanged follows the model's change signals, and the
// tray's texts are recomputed only when they can have changed (phaseTextSteadyUntil).

#include <functional>
#include <optional>

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>

#include "app/app_model.hpp"
#include "control/control_values.hpp"

namespace tarnwick {

class AppDelegate;

// What the methods that open a window call.
struct ControlWindows {
    std::function<void()> panel = [] {};
    std::function<void()> settings = [] {};
    std::function<void()> stats = [] {};
};
// The tray panel and the settings and stats windows of the program's delegate.
ControlWindows windowsOf(AppDelegate& delegate);

inline constexpr const char* controlServiceName = "io.tarnwick.Tarnwick";
inline constexpr const char* controlObjectPath = "/io/tarnwick/Tarnwick";
inline constexpr const char* controlInterfaceName = "io.tarnwick.Tarnwick1";

// Slots, signals and properties carry the names the bus shows, as D-Bus spells them.
class ControlService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.tarnwick.Tarnwick1")
    Q_PROPERTY(QString Phase READ phase)
    Q_PROPERTY(QString BreakKind READ breakKind)
    Q_PROPERTY(qint64 BreakAt READ breakAt)
    Q_PROPERTY(qint64 StartedAt READ startedAt)
    Q_PROPERTY(qint64 EndsAt READ endsAt)
    Q_PROPERTY(QString HeldReason READ heldReason)
    Q_PROPERTY(qint64 HeldSince READ heldSince)
    Q_PROPERTY(qint64 PausedUntil READ pausedUntil)
    Q_PROPERTY(QString NextBreakKind READ nextBreakKind)
    Q_PROPERTY(qint64 NextBreakAt READ nextBreakAt)
    Q_PROPERTY(qint64 NextLongAt READ nextLongAt)
    Q_PROPERTY(QString Text READ text)
    Q_PROPERTY(QString AccessibleLabel READ accessibleLabel)
    Q_PROPERTY(QString Sentence READ sentence)
    Q_PROPERTY(uint TodayTaken READ todayTaken)
    Q_PROPERTY(uint TodaySkipped READ todaySkipped)
    Q_PROPERTY(uint SkipsLeftThisWeek READ skipsLeftThisWeek)
    Q_PROPERTY(uint Streak READ streak)
    Q_PROPERTY(double Progress READ progress)

public:
    static constexpr uint maxPauseSeconds = 24 * 3600;
    static constexpr uint maxSnoozeMinutes = 24 * 60;

    ControlService(AppModel& model, ControlWindows windows, QObject* parent = nullptr);
    ~ControlService() override;

    // Serves the object on `bus` and asks for the name without waiting for the answer, which
    // `published` brings. False when the object cannot be served (no bus).
    bool publish(QDBusConnection bus);
    const ControlValues& values() const { return m_values; }

    QString phase() const { return m_values.phase; }
    QString breakKind() const { return m_values.breakKind; }
    qint64 breakAt() const { return m_values.breakAt; }
    qint64 startedAt() const { return m_values.startedAt; }
    qint64 endsAt() const { return m_values.endsAt; }
    QString heldReason() const { return m_values.heldReason; }
    qint64 heldSince() const { return m_values.heldSince; }
    qint64 pausedUntil() const { return m_values.pausedUntil; }
    QString nextBreakKind() const { return m_values.nextBreakKind; }
    qint64 nextBreakAt() const { return m_values.nextBreakAt; }
    qint64 nextLongAt() const { return m_values.nextLongAt; }
    QString text() const { return m_values.text; }
    QString accessibleLabel() const { return m_values.accessibleLabel; }
    QString sentence() const { return m_values.sentence; }
    uint todayTaken() const { return m_values.todayTaken; }
    uint todaySkipped() const { return m_values.todaySkipped; }
    uint skipsLeftThisWeek() const { return m_values.skipsLeftThisWeek; }
    uint streak() const { return m_values.streak; }
    // Read at the time of asking; it moves every second, so no change signal carries it.
    double progress() const { return m_model.nextBreakProgress(); }

public Q_SLOTS:
    // Each checks its argument and the phase first; a refusal answers InvalidArgs and changes nothing.
    Q_SCRIPTABLE void TakeBreak(const QString& kind);
    Q_SCRIPTABLE void StartNow();
    Q_SCRIPTABLE void Snooze(uint minutes);
    Q_SCRIPTABLE void PauseFor(uint seconds);
    Q_SCRIPTABLE void PauseUntilTomorrow();
    Q_SCRIPTABLE void Resume();
    Q_SCRIPTABLE void Skip();
    Q_SCRIPTABLE void OpenPanel();
    Q_SCRIPTABLE void OpenSettings();
    Q_SCRIPTABLE void OpenStats();

Q_SIGNALS:
    Q_SCRIPTABLE void BreakStarted(const QString& kind);
    Q_SCRIPTABLE void BreakEnded(const QString& kind, const QString& outcome);
    // The bus answered the request for the name: whether this instance owns it now.
    void published(bool owned);

private:
    void refresh();
    // Answers the call with InvalidArgs and `sentence` (when the call came over the bus).
    void refuse(const QString& sentence);
    // Why skipping is not allowed at this moment; empty when it is.
    QString skipRefusal() const;

    AppModel& m_model;
    ControlWindows m_windows;
    ControlValues m_values;
    std::optional<QDBusConnection> m_bus;
    std::size_t m_recorded = 0;  // history records already told of
    Instant m_steadyFrom{}, m_steadyUntil{};  // while now is in between, the texts stay as they are
};

}  // namespace tarnwick
