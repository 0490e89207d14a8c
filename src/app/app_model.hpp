#pragma once

// The one observable object between the break rules and everything the user sees: it owns the
// settings, the history and the scheduler, ticks once a second and carries out the user's actions.

#include <functional>
#include <optional>
#include <vector>

#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <QTimer>

#include "app/persistence.hpp"
#include "app/ports.hpp"
#include "core/break_rules.hpp"
#include "core/scheduler.hpp"
#include "core/stats.hpp"

Q_DECLARE_LOGGING_CATEGORY(lcModel)

namespace tarnwick {

// The system services the model reaches. All must outlive the model.
struct Ports {
    Clock& clock;
    InputIdle& input;
    BusyProbes& probes;
    SoundPlayer& sounds;
    LoginItem& loginItem;
    SleepMonitor& sleep;
};

// "working", "headsUp", "held", "onBreak" or "paused".
QString phaseName(const Phase& phase);

class AppModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(double now READ nowSeconds NOTIFY nowChanged)
    Q_PROPERTY(QString phaseName READ currentPhaseName NOTIFY phaseChanged)
    Q_PROPERTY(double nextBreakProgress READ nextBreakProgress NOTIFY nowChanged)
    Q_PROPERTY(qint64 skipsLeftThisWeek READ skipsLeftThisWeek NOTIFY nowChanged)

public:
    // Loads the settings and the history from `persistence` and creates the scheduler at the
    // clock's current time. Nothing is written.
    AppModel(Ports ports, Persistence& persistence, QObject* parent = nullptr);

    // The user's calendar; the current time zone unless a test gives another.
    void setCalendarSource(std::function<Calendar()> source) { m_calendar = std::move(source); }

    // Starts the one-second tick and the sleep and wake observers, then ticks once.
    void start();
    void tick();
    // Copies the scheduler's phase if it changed, playing the start or end sound.
    void publishPhase();

    const Settings& settings() const { return m_settings; }
    // Saves and hands the settings to the scheduler when they differ from the current ones.
    void setSettings(const Settings& settings);
    const Phase& phase() const { return m_phase; }
    Instant now() const { return m_now; }
    double nowSeconds() const { return epochSeconds(m_now); }
    QString currentPhaseName() const { return phaseName(m_phase); }
    const std::vector<BreakRecord>& history() const { return m_history; }
    const Scheduler& scheduler() const { return m_scheduler; }

    std::function<void()> onBlink;
    std::function<void()> onPosture;

    // User actions: a scheduler command at the current time, then the phase is published.
    Q_INVOKABLE void startNow();
    void takeBreak(BreakKind kind);
    Q_INVOKABLE void snooze(qint64 minutes);
    Q_INVOKABLE void resume();
    Q_INVOKABLE void pauseFor(double seconds);
    Q_INVOKABLE void skip();
    Q_INVOKABLE void pauseUntilTomorrow();
    void applyPreset(Preset preset);
    // A message for the user when the export fails.
    std::optional<QString> exportData(const QString& destination);
    Q_INVOKABLE void deleteAllData();

    // Turns launch at login on or off; the setting follows only when the change was made.
    bool setLaunchAtLogin(bool on);
    // Brings the login item into line with the setting, as at every launch.
    void syncLaunchAtLogin();

    // Derived values; each follows `now` and the phase.
    SkipState skipState() const;
    std::optional<BreakCopy> breakCopy() const;
    double nextBreakProgress() const;
    qint64 skipsLeftThisWeek() const;
    TodayCounts today() const;
    WeekSummary week() const;

    // Sleep and wake as the system reports them.
    void willSleep();
    void didWake();

Q_SIGNALS:
    void nowChanged();
    void phaseChanged();
    void settingsChanged();
    void historyChanged();

private:
    void apply(const Events& events);
    // Without a sleep monitor, a boot-clock lead over the monotonic clock is a sleep of that length.
    void detectSleepGap();
    double naturalBreakSeconds() const;

    Ports m_ports;
    Persistence& m_persistence;
    std::function<Calendar()> m_calendar;
    Settings m_settings;
    std::vector<BreakRecord> m_history;
    Instant m_now;
    Scheduler m_scheduler;
    Phase m_phase = phase::Working{};
    std::optional<Instant> m_sleptAt;
    QTimer m_timer;
    bool m_watchClockGap = false;
    double m_lastMonotonic = 0;
    double m_lastBoot = 0;
};

}  // namespace tarnwick
