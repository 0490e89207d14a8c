#pragma once

// The one observable object between the break rules and everything the user sees: it owns the
// settings, the history and the scheduler, ticks it every second while a second can matter, and
// carries out the user's actions.

#include <functional>
#include <optional>
#include <vector>

#include <QLoggingCategory>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include "app/history_saver.hpp"
#include "app/persistence.hpp"
#include "app/ports.hpp"
#include "app/settings_model.hpp"
#include "core/break_rules.hpp"
#include "core/scheduler.hpp"
#include "core/stats.hpp"
#include "core/working_hours/working_hours_gate.hpp"

Q_DECLARE_LOGGING_CATEGORY(lcModel)

namespace tarnwick {

// The system services the model reaches. All must outlive the model.
struct Ports {
    Clock& clock;
    InputIdle& input;
    BusyProbes& probes;
    SoundPlayer& sounds;
    LoginItem& loginItem;
    ScreenLock& screenLock;
    SleepMonitor& sleep;
};

// "working", "headsUp", "held", "onBreak" or "paused".
QString phaseName(const Phase& phase);

// Every published value is a property whose signal fires once after each change of its value (a
// tick, a command, a settings edit or a new record) and never otherwise. Instants are seconds since
// 1970-01-01 00:00 UTC, 0 where the phase or the timetable has none.
class AppModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(double now READ nowSeconds NOTIFY nowChanged)

    Q_PROPERTY(QString phaseName READ currentPhaseName NOTIFY phaseChanged)
    Q_PROPERTY(QString breakKind READ breakKind NOTIFY phaseChanged)
    Q_PROPERTY(double breakAt READ breakAt NOTIFY phaseChanged)
    Q_PROPERTY(double startedAt READ startedAt NOTIFY phaseChanged)
    Q_PROPERTY(double endsAt READ endsAt NOTIFY phaseChanged)
    Q_PROPERTY(QString heldReason READ heldReason NOTIFY phaseChanged)
    Q_PROPERTY(QString heldLabel READ heldLabel NOTIFY phaseChanged)
    Q_PROPERTY(double heldSince READ heldSince NOTIFY phaseChanged)
    Q_PROPERTY(double pausedUntil READ pausedUntil NOTIFY phaseChanged)

    Q_PROPERTY(QString skipStateName READ skipStateName NOTIFY skipStateChanged)
    Q_PROPERTY(qint64 skipWaitSeconds READ skipWaitSeconds NOTIFY skipStateChanged)
    Q_PROPERTY(QString breakTitle READ breakTitle NOTIFY breakCopyChanged)
    Q_PROPERTY(QString breakSubtitle READ breakSubtitle NOTIFY breakCopyChanged)
    Q_PROPERTY(double nextBreakProgress READ nextBreakProgress NOTIFY nextBreakProgressChanged)
    Q_PROPERTY(qint64 skipsLeftThisWeek READ skipsLeftThisWeek NOTIFY skipsLeftThisWeekChanged)
    Q_PROPERTY(qint64 todayTaken READ todayTaken NOTIFY todayChanged)
    Q_PROPERTY(qint64 todaySkipped READ todaySkipped NOTIFY todayChanged)
    Q_PROPERTY(QVariantMap week READ weekMap NOTIFY weekChanged)
    Q_PROPERTY(QString nextBreakKind READ nextBreakKind NOTIFY nextBreakChanged)
    Q_PROPERTY(double nextBreakAt READ nextBreakAt NOTIFY nextBreakChanged)
    Q_PROPERTY(double nextLongAt READ nextLongAt NOTIFY nextBreakChanged)
    Q_PROPERTY(int historyCount READ historyCount NOTIFY historyChanged)
    Q_PROPERTY(QString currentPreset READ currentPreset NOTIFY currentPresetChanged)
    Q_PROPERTY(QString dataFolder READ dataFolder CONSTANT)
    Q_PROPERTY(tarnwick::SettingsModel* settings READ settingsModel CONSTANT)

public:
    // Loads the settings and the history from `persistence` and creates the scheduler at the
    // clock's current time. Nothing is written.
    AppModel(Ports ports, Persistence& persistence, QObject* parent = nullptr);

    // The user's calendar; the current time zone unless a test gives another.
    void setCalendarSource(std::function<Calendar()> source);
    // The calendar the week and the day are computed in, looked up now.
    Calendar calendar() const { return m_calendar(); }

    // Starts the tick and the sleep and wake observers, then ticks once.
    void start();
    void tick();

    // The tick runs every second while anything can move from one second to the next: a break or
    // nudge is near or under way, the user is away, a view shows seconds, a save waits for a retry.
    // Otherwise the seconds in between could change nothing, so the next tick is the first instant
    // at which something can: a break or nudge coming near, idle time reaching a natural break,
    // a pause's end, an observer's wake-up, or `quietMaxSeconds` on (under the minute from which
    // idle time means "away", so no return of the user goes unseen). Empty: every second.
    std::optional<Instant> nextTickAt() const { return m_quietUntil; }
    static constexpr double quietMaxSeconds = 30;
    // Idle time is read this long before a tick that follows a quiet spell, so that the sources,
    // which answer at the next reading, answer with a fresh figure.
    static constexpr int askAheadMs = 500;
    // While any holder holds on (a window or panel that shows seconds), `now` is published every
    // second. The hold ends with the holder.
    void holdEverySecond(QObject* holder, bool on);
    // `observer` needs `now` published again at `at` (a countdown text that changes then). The
    // latest call per observer counts; it is read at the end of every publication.
    void wakeAt(QObject* observer, Instant at);
    // Copies the scheduler's phase if it changed, playing the start or end sound, then publishes
    // every value that changed. Every path that changes the state ends here.
    void publishPhase();

    const Settings& settings() const { return m_settings; }
    SettingsModel* settingsModel() { return &m_settingsModel; }
    // Saves and hands the settings to the scheduler when they differ from the current ones.
    void setSettings(const Settings& settings);
    // The working hours, and whether the current pause is theirs.
    const WorkingHoursGate& workingHours() const { return m_hours; }
    // Saves the schedule and applies it at once.
    void setWorkingHours(const WorkingHours& hours);
    const Phase& phase() const { return m_phase; }
    Instant now() const { return m_now; }
    double nowSeconds() const { return epochSeconds(m_now); }
    QString currentPhaseName() const { return phaseName(m_phase); }
    const std::vector<BreakRecord>& history() const { return m_history; }
    int historyCount() const { return int(m_history.size()); }
    const Scheduler& scheduler() const { return m_scheduler; }
    QString dataFolder() const { return m_persistence.folderPath(); }
    // The history is written on a thread of its own; this waits until the latest history asked for
    // is written (or its write failed, which the retry takes up). Quitting does the same.
    void finishSaves();

    std::function<void()> onBlink;
    std::function<void()> onPosture;

    // User actions: a scheduler command at the current time, then the phase is published.
    Q_INVOKABLE void startNow();
    void takeBreak(BreakKind kind);
    // "micro" or "long"; any other name does nothing.
    Q_INVOKABLE void takeBreak(const QString& kind);
    Q_INVOKABLE void snooze(qint64 minutes);
    Q_INVOKABLE void resume();
    Q_INVOKABLE void pauseFor(double seconds);
    Q_INVOKABLE void skip();
    Q_INVOKABLE void pauseUntilTomorrow();
    void applyPreset(Preset preset);
    // A preset's id ("classic", "focus", "gentle"); any other does nothing.
    Q_INVOKABLE void applyPreset(const QString& id);
    // Writes the export to a path or a file URL. Empty on success, otherwise the system's description
    // of the failure.
    Q_INVOKABLE QString exportData(const QString& destination);
    Q_INVOKABLE void deleteAllData();

    // Turns launch at login on or off; the setting follows only when the change was made.
    Q_INVOKABLE bool setLaunchAtLogin(bool on);
    // Brings the login item into line with the setting, as at every launch.
    void syncLaunchAtLogin();
    // "notRegistered", "enabled", "requiresApproval" or "notFound".
    Q_INVOKABLE QString loginItemStatus();
    // Runs the busy probes now: {"camera", "mic", "fullscreen"}, each a bool, and "screen", a bool
    // or null where screen sharing cannot be told.
    Q_INVOKABLE QVariantMap probeSignals();
    // Plays the named sound, as a preview.
    Q_INVOKABLE void playSound(const QString& name);
    Q_INVOKABLE void lockScreen();

    // Derived values, as last published.
    const SkipState& skipState() const { return m_derived.skipState; }
    const std::optional<BreakCopy>& breakCopy() const { return m_derived.breakCopy; }
    double nextBreakProgress() const { return m_derived.nextBreakProgress; }
    qint64 skipsLeftThisWeek() const { return m_derived.skipsLeft; }
    const TodayCounts& today() const { return m_derived.today; }
    const WeekSummary& week() const { return m_derived.week; }
    const std::optional<NextBreak>& nextBreak() const { return m_derived.nextBreak; }

    // The same, as views read them.
    QString breakKind() const;
    double breakAt() const;
    double startedAt() const;
    double endsAt() const;
    QString heldReason() const;
    QString heldLabel() const;
    double heldSince() const;
    double pausedUntil() const;
    QString skipStateName() const;
    qint64 skipWaitSeconds() const;
    QString breakTitle() const;
    QString breakSubtitle() const;
    qint64 todayTaken() const { return m_derived.today.taken; }
    qint64 todaySkipped() const { return m_derived.today.skipped; }
    QVariantMap weekMap() const;
    QString nextBreakKind() const;
    double nextBreakAt() const;
    double nextLongAt() const { return epochSeconds(m_derived.nextLong); }
    QString currentPreset() const { return m_derived.preset; }

    // Sleep and wake as the system reports them.
    void willSleep();
    void didWake();

Q_SIGNALS:
    void nowChanged();
    void phaseChanged();
    void settingsChanged();
    void historyChanged();
    void skipStateChanged();
    void breakCopyChanged();
    void nextBreakProgressChanged();
    void skipsLeftThisWeekChanged();
    void todayChanged();
    void weekChanged();
    void nextBreakChanged();
    void currentPresetChanged();
    void workingHoursChanged();

private Q_SLOTS:
    void forget(QObject* object);

private:
    // What views were last told.
    struct Derived {
        Instant now;
        SkipState skipState = skip::NotAllowed{};
        std::optional<BreakCopy> breakCopy;
        double nextBreakProgress = 0;
        qint64 skipsLeft = 0;
        TodayCounts today;
        WeekSummary week;
        std::optional<NextBreak> nextBreak;
        Instant nextLong;
        QString preset;
    };
    // The history's numbers hold for one local day of one time zone.
    struct StatsKey {
        std::int64_t day;
        const date::time_zone* zone;
        bool operator==(const StatsKey&) const = default;
    };

    void apply(const Events& events);
    // Saves and hands the settings to the scheduler when they differ; publishes nothing.
    void storeSettings(const Settings& settings);
    // Recomputes the derived values, then emits the signal of each that changed (and of the phase,
    // the settings and the history when they moved), once each, after all values are current.
    void refreshDerived();
    // The user's calendar for the tick's refresh, looked up again at most once a minute:
    // finding the time zone reads the file system, and zones change seldom.
    const Calendar& tickCalendar();
    // Plans the next tick (see nextTickAt).
    void scheduleTick();
    std::optional<Instant> quietUntil(Instant from) const;
    // The first instant after `from`, up to `limit`, at which the scheduler wants busy signals
    // because a break or nudge comes near; `limit` when none does by then.
    Instant firstBusyWanted(Instant from, Instant limit) const;
    // A boot-clock lead over the monotonic clock since the last look is a sleep of that length.
    void detectSleepGap();
    // A save that failed (folder missing, read-only or full) is tried again every few ticks until
    // it succeeds; the state in memory is never dropped.
    void retryUnsavedSaves();
    void saveHistory();
    // The outcome of the latest history save, as the saver hands it back on the main thread.
    void historySaved(bool saved);
    static constexpr int retryEveryTicks = 3;
    // A wall clock that moves this much more or less than the boot clock between two ticks was set.
    static constexpr double clockJumpSeconds = 60;
    // Ends a running break whose length has passed on the boot clock (the wall clock was set back).
    void endOverlongBreak();
    // A pause until tomorrow morning ends at 06:00 in the current time zone, also after it changed.
    void followZoneForMorningPause();
    double naturalBreakSeconds() const;

    Ports m_ports;
    Persistence& m_persistence;
    std::function<Calendar()> m_calendar;
    std::optional<Calendar> m_tickCalendar;
    Instant m_tickCalendarAt;
    Settings m_settings;
    bool m_settingsLowered;  // a duration in the file was beyond what the settings window offers
    std::vector<BreakRecord> m_history;
    Instant m_now;
    Scheduler m_scheduler;
    Phase m_phase = phase::Working{};
    std::optional<Instant> m_sleptAt;
    QTimer m_timer;
    QTimer m_askTimer;
    // How far the wall clock jumped during the break under way: the break keeps to the monotonic
    // clock, so until it ends the scheduler's time is the wall clock less this.
    double m_breakShift = 0;
    bool m_started = false;  // ticking, and watching the clocks for sleeps and jumps
    double m_idle = 0;  // the last tick's idle seconds
    std::optional<Instant> m_quietUntil;
    QSet<QObject*> m_holders;
    QHash<QObject*, Instant> m_wakes;
    double m_lastMonotonic = 0;
    double m_lastBoot = 0;
    double m_lastWall = 0;
    bool m_sleepCounted = false;
    struct BreakClock {
        Instant startedAt;
        double bootAtStart;
    };
    std::optional<BreakClock> m_breakClock;
    struct MorningPause {
        Instant until;
        std::int64_t day;
        const date::time_zone* zone;
    };
    std::optional<MorningPause> m_morningPause;  // the clocks have counted the sleep announced last
    WorkingHoursGate m_hours;
    bool m_settingsUnsaved = false, m_historyUnsaved = false, m_hoursUnsaved = false;
    // The settings are the user's: read from their file, or changed in this run.
    bool m_settingsFromFile = false;
    int m_retryCountdown = 0;

    Derived m_derived;
    std::optional<StatsKey> m_statsKey;  // empty: the history's numbers need recomputing
    Instant m_statsDayStart{}, m_statsDayEnd{};  // the local day of `m_statsKey`
    std::int64_t m_skipsUsed = 0;        // skips recorded this week
    bool m_phaseMoved = false, m_settingsMoved = false, m_historyMoved = false;
    SettingsModel m_settingsModel;
    // Last, so that it goes first: a save that waits or runs is written before the rest goes.
    HistorySaver m_historySaver;
};

}  // namespace tarnwick
