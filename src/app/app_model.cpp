#include "app/app_model.hpp"

#include <algorithm>

#include <QPointer>

#include "app/system_signals.hpp"

Q_LOGGING_CATEGORY(lcModel, "tarnwick.model", QtInfoMsg)

namespace tarnwick {

QString phaseName(const Phase& phase) {
    constexpr const char* names[] = {"working", "headsUp", "held", "onBreak", "paused"};
    return QString::fromLatin1(names[phase.index()]);
}

namespace {

QString describe(const Phase& phase) {
    QString text = phaseName(phase);
    if (auto kind = kindOf(phase)) text += u' ' + QString::fromLatin1(rawValue(*kind).data());
    if (auto* held = std::get_if<phase::Held>(&phase)) text += u' ' + QString::fromLatin1(rawValue(held->reason).data());
    return text;
}

}  // namespace

AppModel::AppModel(Ports ports, Persistence& persistence, QObject* parent)
    : QObject(parent),
      m_ports(ports),
      m_persistence(persistence),
      m_calendar(&StatsCalculator::calendar),
      m_settings(persistence.loadSettings()),
      m_history(persistence.loadHistory()),
      m_now(ports.clock.now()),
      m_scheduler(m_settings, m_now) {
    m_timer.setInterval(1000);
    m_timer.setTimerType(Qt::PreciseTimer);  // countdowns step evenly
    connect(&m_timer, &QTimer::timeout, this, &AppModel::tick);
}

void AppModel::start() {
    if (m_timer.isActive()) return;
    m_timer.start();
    if (m_ports.sleep.available()) {
        QPointer<AppModel> self(this);
        m_ports.sleep.watch([self] { if (self) self->willSleep(); }, [self] { if (self) self->didWake(); });
    } else {
        m_watchClockGap = true;
        m_lastMonotonic = m_ports.clock.monotonicSeconds();
        m_lastBoot = m_ports.clock.bootSeconds();
    }
    tick();
}

double AppModel::naturalBreakSeconds() const { return minutes(m_settings.naturalBreakMinutes).count(); }

void AppModel::detectSleepGap() {
    if (!m_watchClockGap) return;
    const double monotonic = m_ports.clock.monotonicSeconds(), boot = m_ports.clock.bootSeconds();
    const double slept = (boot - m_lastBoot) - (monotonic - m_lastMonotonic);
    m_lastMonotonic = monotonic;
    m_lastBoot = boot;
    if (slept >= naturalBreakSeconds()) m_scheduler.didSleep(m_ports.clock.now());
}

void AppModel::tick() {
    detectSleepGap();
    m_now = m_ports.clock.now();
    const double idle = m_ports.input.idleSeconds();
    std::optional<BusyReason> busy;
    if (m_scheduler.wantsBusySignals(m_now, idle)) {
        busy = SystemSignals::busyReason(m_settings, m_ports.probes, m_ports.input);
    }
    apply(m_scheduler.tick(m_now, Signals{idle, busy}));
    publishPhase();
    Q_EMIT nowChanged();
}

void AppModel::apply(const Events& events) {
    bool recorded = false;
    for (const auto& event : events) {
        if (auto* record = std::get_if<event::Record>(&event)) {
            m_history.push_back(BreakRecord{m_now, record->kind, record->outcome});
            recorded = true;
            Q_EMIT historyChanged();
        } else if (std::holds_alternative<event::Blink>(event)) {
            if (onBlink) onBlink();
        } else if (std::holds_alternative<event::Posture>(event)) {
            if (onPosture) onPosture();
        }
    }
    if (recorded) m_persistence.save(m_history, m_now);
}

void AppModel::publishPhase() {
    const Phase& next = m_scheduler.phase();
    if (next == m_phase) return;
    const bool wasOnBreak = std::holds_alternative<phase::OnBreak>(m_phase);
    const bool isOnBreak = std::holds_alternative<phase::OnBreak>(next);
    m_phase = next;
    qCDebug(lcModel).noquote() << "phase" << describe(m_phase);
    Q_EMIT phaseChanged();
    if ((isOnBreak && !wasOnBreak && m_settings.soundOnStart) || (wasOnBreak && !isOnBreak && m_settings.soundOnEnd)) {
        m_ports.sounds.play(m_settings.soundName);
    }
}

void AppModel::setSettings(const Settings& settings) {
    if (settings == m_settings) return;
    m_settings = settings;
    m_persistence.save(m_settings);
    m_scheduler.update(m_settings, m_ports.clock.now());
    Q_EMIT settingsChanged();
    publishPhase();
}

void AppModel::startNow() {
    m_scheduler.startNow(m_ports.clock.now());
    publishPhase();
}

void AppModel::takeBreak(BreakKind kind) {
    m_scheduler.takeBreak(kind, m_ports.clock.now());
    publishPhase();
}

void AppModel::snooze(qint64 minutesCount) {
    m_scheduler.snooze(minutesCount, m_ports.clock.now());
    publishPhase();
}

void AppModel::resume() {
    m_scheduler.resume(m_ports.clock.now());
    publishPhase();
}

void AppModel::pauseFor(double seconds) {
    m_scheduler.pause(m_ports.clock.now() + Seconds{seconds});
    publishPhase();
}

void AppModel::skip() {
    m_now = m_ports.clock.now();
    apply(m_scheduler.skip(m_now));
    publishPhase();
    Q_EMIT nowChanged();
}

void AppModel::pauseUntilTomorrow() {
    const Instant now = m_ports.clock.now();
    const Calendar calendar = m_calendar();
    const auto today = calendar.localDay(now);
    Instant until = calendar.at(today, 6, 0);
    if (until <= now) until = calendar.at(today + 1, 6, 0);
    m_scheduler.pause(until);
    publishPhase();
}

void AppModel::applyPreset(Preset preset) {
    Settings copy = m_settings;
    tarnwick::apply(preset, copy);
    setSettings(copy);
}

std::optional<QString> AppModel::exportData(const QString& destination) {
    return m_persistence.exportTo(m_settings, m_history, m_ports.clock.now(), destination);
}

void AppModel::deleteAllData() {
    m_persistence.deleteAll();
    m_history.clear();
    Q_EMIT historyChanged();
    Settings fresh;
    fresh.launchAtLogin = m_settings.launchAtLogin;
    fresh.onboarded = true;
    setSettings(fresh);
    m_scheduler.resume(m_ports.clock.now());
    publishPhase();
}

bool AppModel::setLaunchAtLogin(bool on) {
    if (!m_ports.loginItem.set(on)) return false;
    Settings changed = m_settings;
    changed.launchAtLogin = on;
    setSettings(changed);
    return true;
}

void AppModel::syncLaunchAtLogin() {
    const auto status = m_ports.loginItem.status();
    if (m_settings.launchAtLogin &&
        (status == LoginItemStatus::notRegistered || status == LoginItemStatus::notFound)) {
        m_ports.loginItem.set(true);
    } else if (!m_settings.launchAtLogin && status == LoginItemStatus::enabled) {
        m_ports.loginItem.set(false);
    }
}

SkipState AppModel::skipState() const {
    if (auto* onBreak = std::get_if<phase::OnBreak>(&m_phase)) {
        return SkipPolicy::state(m_settings.enforcement, (m_now - onBreak->startedAt).count(), skipsLeftThisWeek());
    }
    return skip::NotAllowed{};
}

std::optional<BreakCopy> AppModel::breakCopy() const {
    auto* onBreak = std::get_if<phase::OnBreak>(&m_phase);
    if (!onBreak) return std::nullopt;
    const double started = std::clamp(epochSeconds(onBreak->startedAt), -9.2e18, 9.2e18);
    return BreakCopy::pick(onBreak->kind, std::int64_t(started), m_settings.customMessages);
}

double AppModel::nextBreakProgress() const {
    const auto next = m_scheduler.nextBreak();
    if (!next) return 0;
    const double interval = minutes(next->kind == BreakKind::micro ? m_settings.microEveryMinutes
                                                                   : m_settings.longEveryMinutes).count();
    const double remaining = (next->at - m_now).count();
    return std::clamp(1.0 - remaining / interval, 0.0, 1.0);
}

qint64 AppModel::skipsLeftThisWeek() const {
    const auto used = StatsCalculator::skipsThisWeek(m_history, m_now, m_calendar());
    return std::max<qint64>(m_settings.skipsPerWeek - used, 0);
}

TodayCounts AppModel::today() const { return StatsCalculator::today(m_history, m_now, m_calendar()); }

WeekSummary AppModel::week() const { return StatsCalculator::week(m_history, m_now, m_calendar()); }

void AppModel::willSleep() { m_sleptAt = m_ports.clock.now(); }

void AppModel::didWake() {
    const Instant now = m_ports.clock.now();
    if (m_sleptAt && (now - *m_sleptAt).count() >= naturalBreakSeconds()) m_scheduler.didSleep(now);
    m_sleptAt.reset();
    tick();
}

}  // namespace tarnwick
