#include "app/app_model.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <QPointer>
#include <QUrl>
#include <QVarLengthArray>
#include <QVariantList>

#include "app/settings_bounds.hpp"
#include "app/system_signals.hpp"
#include "core/working_hours/working_streak.hpp"

Q_LOGGING_CATEGORY(lcModel, "tarnwick.model", QtInfoMsg)

namespace tarnwick {

QString phaseName(const Phase& phase) {
    constexpr const char* names[] = {"working", "headsUp", "held", "onBreak", "paused"};
    return QString::fromLatin1(names[phase.index()]);
}

namespace {

QString text(std::string_view value) { return QString::fromUtf8(value.data(), qsizetype(value.size())); }

QString presetOf(const Settings& settings) {
    for (Preset preset : allPresets) {
        if (matches(preset, settings)) return text(id(preset));
    }
    return {};
}

QString describe(const Phase& phase) {
    QString text = phaseName(phase);
    if (auto kind = kindOf(phase)) text += u' ' + QString::fromLatin1(rawValue(*kind).data());
    if (auto* held = std::get_if<phase::Held>(&phase)) text += u' ' + QString::fromLatin1(rawValue(held->reason).data());
    return text;
}

// Lowers what no settings window offers, saying so in one console line a field.
bool lowerToOfferedSaying(Settings& settings) {
    const auto lowered = lowerToOffered(settings);
    for (const LoweredValue& value : lowered) {
        std::fprintf(stderr, "Tarnwick: settings.json: %s was %lld, more than Tarnwick offers; it is now %lld\n",
                     value.field.c_str(), static_cast<long long>(value.was), static_cast<long long>(value.now));
    }
    std::fflush(stderr);
    return !lowered.empty();
}

}  // namespace

AppModel::AppModel(Ports ports, Persistence& persistence, QObject* parent)
    : QObject(parent),
      m_ports(ports),
      m_persistence(persistence),
      m_calendar(&StatsCalculator::calendar),
      m_settings(persistence.loadSettings()),
      m_settingsLowered(lowerToOfferedSaying(m_settings)),
      m_history(persistence.loadHistory()),
      m_now(ports.clock.now()),
      m_scheduler(m_settings, m_now),
      m_hours(persistence.loadWorkingHours()),
      m_settingsModel(*this),
      m_historySaver(persistence, [this](bool saved) { historySaved(saved); }) {
    m_timer.setInterval(1000);
    m_timer.setTimerType(Qt::PreciseTimer);  // countdowns step evenly
    connect(&m_timer, &QTimer::timeout, this, &AppModel::tick);
    m_askTimer.setSingleShot(true);
    m_askTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_askTimer, &QTimer::timeout, this, [this] { m_ports.input.idleSeconds(); });
    m_settingsFromFile = persistence.settingsFromFile();
    // The corrected file replaces the one that asked for more; a failure is retried as any save.
    if (m_settingsLowered) m_settingsUnsaved = !m_persistence.save(m_settings);
    m_derived.preset = presetOf(m_settings);
    refreshDerived();
}

void AppModel::setCalendarSource(std::function<Calendar()> source) {
    m_calendar = std::move(source);
    m_tickCalendar.reset();
    refreshDerived();
}

const Calendar& AppModel::tickCalendar() {
    if (!m_tickCalendar || std::abs((m_now - m_tickCalendarAt).count()) >= 60) {
        m_tickCalendar = m_calendar();
        m_tickCalendarAt = m_now;
    }
    return *m_tickCalendar;
}

void AppModel::start() {
    if (m_started) return;
    m_started = true;
    m_timer.start();
    // From here the clocks are compared at every tick whether or not the system announces sleep:
    // an announcement can come late, or never.
    m_lastMonotonic = m_ports.clock.monotonicSeconds();
    m_lastBoot = m_ports.clock.bootSeconds();
    m_lastWall = epochSeconds(m_ports.clock.now());
    if (m_ports.sleep.available()) {
        QPointer<AppModel> self(this);
        m_ports.sleep.watch([self] { if (self) self->willSleep(); }, [self] { if (self) self->didWake(); });
    }
    tick();
}

double AppModel::naturalBreakSeconds() const { return minutes(m_settings.naturalBreakMinutes).count(); }

void AppModel::detectSleepGap() {
    if (!m_started) return;
    const double monotonic = m_ports.clock.monotonicSeconds(), boot = m_ports.clock.bootSeconds();
    const double wall = epochSeconds(m_ports.clock.now());
    const double slept = (boot - m_lastBoot) - (monotonic - m_lastMonotonic);
    // The wall clock set forward or back: the due times no longer mean what they did.
    const double jumped = (wall - m_lastWall) - (boot - m_lastBoot);
    m_lastMonotonic = monotonic;
    m_lastBoot = boot;
    m_lastWall = wall;
    if (slept >= naturalBreakSeconds()) {
        m_scheduler.didSleep(m_ports.clock.now());
        m_sleepCounted = true;  // an announced wake that follows is the same sleep
    } else if (std::abs(jumped) >= clockJumpSeconds && std::holds_alternative<phase::OnBreak>(m_scheduler.phase())) {
        qCDebug(lcModel).noquote() << "the clock was set" << (jumped > 0 ? "forward" : "back") << "by" << std::abs(jumped)
                                  << "s; the break keeps its length";
        m_breakShift += jumped;
    } else if (std::abs(jumped) >= clockJumpSeconds) {
        qCDebug(lcModel).noquote() << "the clock was set" << (jumped > 0 ? "forward" : "back") << "by" << std::abs(jumped)
                                  << "s; the break timers restart";
        m_scheduler.didSleep(m_ports.clock.now());
    }
}

void AppModel::endOverlongBreak() {
    const auto* onBreak = std::get_if<phase::OnBreak>(&m_scheduler.phase());
    if (!onBreak) {
        m_breakClock.reset();
        return;
    }
    const double boot = m_ports.clock.bootSeconds(), length = (onBreak->endsAt - onBreak->startedAt).count();
    if (!m_breakClock || m_breakClock->startedAt != onBreak->startedAt) {
        const double elapsed = std::clamp((m_now - onBreak->startedAt).count(), 0.0, length);
        m_breakClock = BreakClock{onBreak->startedAt, boot - elapsed};
    }
    // Measured on the boot clock, a break never outlasts its setting, however the wall clock moved.
    if (boot - m_breakClock->bootAtStart >= length && m_now < onBreak->endsAt) {
        m_breakClock.reset();
        apply(m_scheduler.endBreak(m_now));
    }
}

void AppModel::followZoneForMorningPause() {
    if (!m_morningPause) return;
    const auto* paused = std::get_if<phase::Paused>(&m_scheduler.phase());
    if (!paused || paused->until != m_morningPause->until) {
        m_morningPause.reset();
        return;
    }
    const Calendar& calendar = tickCalendar();
    if (calendar.zone() == m_morningPause->zone) return;
    // The pause ends at 06:00 of the same local date in the zone the user is in now.
    m_morningPause->until = calendar.at(m_morningPause->day, 6, 0);
    m_morningPause->zone = calendar.zone();
    m_scheduler.pause(m_morningPause->until);
}

void AppModel::retryUnsavedSaves() {
    if (!m_settingsUnsaved && !m_historyUnsaved && !m_hoursUnsaved) return;
    if (--m_retryCountdown > 0) return;
    m_retryCountdown = retryEveryTicks;
    if (m_settingsUnsaved) m_settingsUnsaved = !m_persistence.save(m_settings);
    if (m_hoursUnsaved) m_hoursUnsaved = !m_persistence.saveWorkingHours(m_hours.hours());
    if (m_historyUnsaved) saveHistory();
}

void AppModel::saveHistory() {
    // A folder that appeared since the start may hold an older history: it goes first, not away.
    if (auto earlier = m_persistence.historyMissedAtLoad(); earlier && !earlier->empty()) {
        m_history.insert(m_history.begin(), earlier->begin(), earlier->end());
        m_historyMoved = true;
    }
    // Trimming, encoding and writing a year's history take long enough to stall the interface: they
    // run on the saver's thread, from a copy.
    m_historySaver.save(m_history, m_now);
}

void AppModel::historySaved(bool saved) {
    if (saved == !m_historyUnsaved) return;
    m_historyUnsaved = !saved;
    if (m_historyUnsaved) m_retryCountdown = retryEveryTicks;
    scheduleTick();  // every second while a retry waits
}

void AppModel::finishSaves() { m_historySaver.finish(); }

void AppModel::tick() {
    detectSleepGap();
    m_now = m_ports.clock.now() - Seconds{m_breakShift};
    followZoneForMorningPause();
    endOverlongBreak();
    m_hours.steer(m_scheduler, m_now, tickCalendar());
    const double idle = m_idle = m_ports.input.idleSeconds();
    std::optional<BusyReason> busy;
    if (m_scheduler.wantsBusySignals(m_now, idle)) {
        busy = SystemSignals::busyReason(m_settings, m_ports.probes, m_ports.input);
    }
    apply(m_scheduler.tick(m_now, Signals{idle, busy}));
    m_historySaver.collect();  // a save that failed since, when no event loop has told yet
    retryUnsavedSaves();
    publishPhase();
}

void AppModel::apply(const Events& events) {
    bool recorded = false;
    for (const auto& event : events) {
        if (auto* record = std::get_if<event::Record>(&event)) {
            // Dated by the wall clock, even for a break that kept to the monotonic one.
            m_history.push_back(BreakRecord{m_now + Seconds{m_breakShift}, record->kind, record->outcome});
            recorded = true;
        } else if (std::holds_alternative<event::Blink>(event)) {
            if (onBlink) onBlink();
        } else if (std::holds_alternative<event::Posture>(event)) {
            if (onPosture) onPosture();
        }
    }
    if (!recorded) return;
    m_historyMoved = true;
    saveHistory();
    m_retryCountdown = retryEveryTicks;
}

void AppModel::publishPhase() {
    if (m_breakShift != 0 && !std::holds_alternative<phase::OnBreak>(m_scheduler.phase())) {
        // The break that kept its length across a jump is over: back to the wall clock, and the
        // timers restart from it as after any jump.
        m_breakShift = 0;
        m_now = m_ports.clock.now();
        m_scheduler.didSleep(m_now);
    }
    // A command or a step of the scheduler may have left it outside the working hours.
    m_hours.steer(m_scheduler, m_now, tickCalendar());
    const Phase& next = m_scheduler.phase();
    if (next != m_phase) {
        const bool wasOnBreak = std::holds_alternative<phase::OnBreak>(m_phase);
        const bool isOnBreak = std::holds_alternative<phase::OnBreak>(next);
        m_phase = next;
        m_phaseMoved = true;
        qCDebug(lcModel).noquote() << "phase" << describe(m_phase);
        if ((isOnBreak && !wasOnBreak && m_settings.soundOnStart) ||
            (wasOnBreak && !isOnBreak && m_settings.soundOnEnd)) {
            m_ports.sounds.play(m_settings.soundName);
        }
    }
    refreshDerived();
    scheduleTick();
}

void AppModel::scheduleTick() {
    if (!m_started) return;
    const Instant from = m_ports.clock.now();
    m_quietUntil = quietUntil(from);
    if (!m_quietUntil) {
        m_askTimer.stop();
        if (m_timer.isSingleShot() || !m_timer.isActive()) {
            m_timer.setSingleShot(false);
            m_timer.start(1000);
        }
        return;
    }
    const int ms = int(std::ceil((*m_quietUntil - from).count() * 1000));
    m_timer.setSingleShot(true);
    m_timer.start(ms);
    if (ms > askAheadMs) m_askTimer.start(ms - askAheadMs);
}

std::optional<Instant> AppModel::quietUntil(Instant from) const {
    if (!m_holders.isEmpty() || m_settingsUnsaved || m_historyUnsaved || m_hoursUnsaved) return std::nullopt;
    Instant until = from + Seconds{quietMaxSeconds};
    if (const auto edge = m_hours.nextChange()) {
        if (*edge <= from) return std::nullopt;
        until = std::min(until, *edge);
    }
    const Phase& phase = m_scheduler.phase();
    if (const auto* paused = std::get_if<phase::Paused>(&phase)) {
        until = std::min(until, paused->until);
    } else if (std::holds_alternative<phase::Working>(phase)) {
        // Idle time grows by a second a second at most: it reaches a natural break no sooner than this.
        const double natural = naturalBreakSeconds();
        if (m_idle >= natural || m_scheduler.wantsBusySignals(from, m_idle)) return std::nullopt;
        until = std::min(until, m_now + Seconds{natural - m_idle});
        until = firstBusyWanted(from, until);
    } else {
        return std::nullopt;
    }
    for (auto it = m_wakes.cbegin(); it != m_wakes.cend(); ++it) {
        if (*it <= m_now) continue;  // seen at a publication since
        if (*it <= from) return std::nullopt;
        until = std::min(until, *it);
    }
    // Less than two seconds away: not worth a change of pace.
    if ((until - from).count() < 2) return std::nullopt;
    return until;
}

Instant AppModel::firstBusyWanted(Instant from, Instant limit) const {
    // Once wanted, wanted at every later instant while the timers stand: a search by halves, in
    // whole milliseconds from `from`, with the scheduler's own rule.
    if (!m_scheduler.wantsBusySignals(limit, 0)) return limit;
    auto at = [from](std::int64_t ms) { return from + Seconds{double(ms) / 1000}; };
    std::int64_t lo = 0, hi = std::int64_t(std::ceil((limit - from).count() * 1000));  // not wanted at lo, wanted at hi
    while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        (m_scheduler.wantsBusySignals(at(mid), 0) ? hi : lo) = mid;
    }
    return std::min(at(hi), limit);
}

void AppModel::holdEverySecond(QObject* holder, bool on) {
    if (!on) {
        m_holders.remove(holder);
        return;
    }
    if (m_holders.contains(holder)) return;
    m_holders.insert(holder);
    connect(holder, &QObject::destroyed, this, &AppModel::forget, Qt::UniqueConnection);
    if (!m_quietUntil) return;
    // From a quiet spell: the view starts from the current time, and the seconds run from here.
    m_now = m_ports.clock.now();
    publishPhase();
}

void AppModel::wakeAt(QObject* observer, Instant at) {
    connect(observer, &QObject::destroyed, this, &AppModel::forget, Qt::UniqueConnection);
    m_wakes.insert(observer, at);
}

void AppModel::forget(QObject* object) {
    m_holders.remove(object);
    m_wakes.remove(object);
}

void AppModel::refreshDerived() {
    QVarLengthArray<void (AppModel::*)(), 16> changed;
    auto note = [&](void (AppModel::*signal)()) {
        if (std::find(changed.begin(), changed.end(), signal) == changed.end()) changed.push_back(signal);
    };
    auto update = [&](auto& published, auto&& value, void (AppModel::*signal)()) {
        if (published == value) return;
        published = std::forward<decltype(value)>(value);
        note(signal);
    };

    update(m_derived.now, m_now, &AppModel::nowChanged);
    if (std::exchange(m_settingsMoved, false)) {
        note(&AppModel::settingsChanged);
        update(m_derived.preset, presetOf(m_settings), &AppModel::currentPresetChanged);
    }
    if (m_historyMoved) note(&AppModel::historyChanged);
    if (std::exchange(m_phaseMoved, false)) note(&AppModel::phaseChanged);

    // The history's numbers move with `now` only from one local day to the next, and the day is
    // looked up again only once `now` has left the one it was last found in.
    const Calendar& calendar = tickCalendar();
    const bool historyMoved = std::exchange(m_historyMoved, false);
    const bool sameDay = m_statsKey && m_statsKey->zone == calendar.zone() && m_now >= m_statsDayStart &&
                         m_now < m_statsDayEnd;
    if (historyMoved || !sameDay) {
        const StatsKey key{calendar.localDay(m_now), calendar.zone()};
        if (historyMoved || m_statsKey != key) {
            m_skipsUsed = StatsCalculator::skipsThisWeek(m_history, m_now, calendar);
            update(m_derived.today, StatsCalculator::today(m_history, m_now, calendar), &AppModel::todayChanged);
            WeekSummary week = StatsCalculator::week(m_history, m_now, calendar);
            // Days the working hours leave out do not end the streak.
            if (m_hours.hours().enabled) week.streak = workingStreak(m_history, m_now, calendar, m_hours.hours());
            update(m_derived.week, std::move(week), &AppModel::weekChanged);
        }
        m_statsKey = key;
        m_statsDayStart = calendar.startOfLocalDay(key.day);
        m_statsDayEnd = calendar.startOfLocalDay(key.day + 1);
    }
    update(m_derived.skipsLeft, std::max<qint64>(m_settings.skipsPerWeek - m_skipsUsed, 0),
           &AppModel::skipsLeftThisWeekChanged);

    SkipState skipState = skip::NotAllowed{};
    std::optional<BreakCopy> copy;
    if (auto* onBreak = std::get_if<phase::OnBreak>(&m_phase)) {
        const double elapsed = (m_now - onBreak->startedAt).count();
        skipState = SkipPolicy::state(m_settings.enforcement, elapsed, m_derived.skipsLeft);
        // Seeded by the start, so one break always shows the same texts.
        const double started = std::clamp(epochSeconds(onBreak->startedAt), -9.2e18, 9.2e18);
        copy = BreakCopy::pick(onBreak->kind, std::int64_t(started), m_settings.customMessages);
    }
    update(m_derived.skipState, std::move(skipState), &AppModel::skipStateChanged);
    update(m_derived.breakCopy, std::move(copy), &AppModel::breakCopyChanged);

    const auto next = m_scheduler.nextBreak();
    double progress = 0;
    if (next) {
        const auto everyMinutes = next->kind == BreakKind::micro ? m_settings.microEveryMinutes
                                                                 : m_settings.longEveryMinutes;
        const double interval = minutes(everyMinutes).count(), remaining = (next->at - m_now).count();
        progress = interval > 0 ? std::clamp(1.0 - remaining / interval, 0.0, 1.0) : 1.0;
    }
    update(m_derived.nextBreakProgress, progress, &AppModel::nextBreakProgressChanged);
    update(m_derived.nextBreak, next, &AppModel::nextBreakChanged);
    update(m_derived.nextLong, m_scheduler.nextLong(), &AppModel::nextBreakChanged);

    // Every value is current before anyone hears of a change.
    for (auto signal : changed) Q_EMIT (this->*signal)();
}

void AppModel::storeSettings(const Settings& settings) {
    if (settings == m_settings) return;
    m_settings = settings;
    m_settingsFromFile = true;
    m_settingsMoved = true;
    m_settingsUnsaved = !m_persistence.save(m_settings);
    m_retryCountdown = retryEveryTicks;
    m_scheduler.update(m_settings, m_ports.clock.now());
}

void AppModel::setSettings(const Settings& settings) {
    storeSettings(settings);
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
    const Instant now = m_ports.clock.now();
    m_scheduler.resume(now);
    m_hours.userResumed(now, m_calendar());
    publishPhase();
}

void AppModel::pauseFor(double seconds) {
    m_hours.userPaused();
    m_scheduler.pause(m_ports.clock.now() + Seconds{seconds});
    publishPhase();
}

void AppModel::takeBreak(const QString& kind) {
    if (const auto parsed = fromRawValue<BreakKind>(kind.toStdString())) takeBreak(*parsed);
}

void AppModel::skip() {
    m_now = m_ports.clock.now();
    apply(m_scheduler.skip(m_now));
    publishPhase();
}

void AppModel::pauseUntilTomorrow() {
    const Instant now = m_ports.clock.now();
    const Calendar calendar = m_calendar();
    const auto today = calendar.localDay(now);
    auto day = today;
    Instant until = calendar.at(day, 6, 0);
    if (until <= now) until = calendar.at(++day, 6, 0);
    m_hours.userPaused();
    m_scheduler.pause(until);
    m_morningPause = MorningPause{until, day, calendar.zone()};
    publishPhase();
}

void AppModel::setWorkingHours(const WorkingHours& hours) {
    if (hours == m_hours.hours()) return;
    const Instant now = m_ports.clock.now();
    m_hours.setHours(hours, m_scheduler, now, m_calendar());
    m_hoursUnsaved = !m_persistence.saveWorkingHours(hours);
    m_retryCountdown = retryEveryTicks;
    m_statsKey.reset();  // the streak reads the hours
    Q_EMIT workingHoursChanged();
    publishPhase();
}

void AppModel::applyPreset(Preset preset) {
    Settings copy = m_settings;
    tarnwick::apply(preset, copy);
    setSettings(copy);
}

void AppModel::applyPreset(const QString& id) {
    if (const auto preset = fromRawValue<Preset>(id.toStdString())) applyPreset(*preset);
}

QString AppModel::exportData(const QString& destination) {
    const QUrl url(destination);
    const QString path = url.isLocalFile() ? url.toLocalFile() : destination;
    return m_persistence.exportTo(m_settings, m_history, m_ports.clock.now(), path).value_or(QString());
}

void AppModel::deleteAllData() {
    m_historySaver.cancel();  // a save still to come would bring the history back
    m_persistence.deleteAll();
    m_historyUnsaved = false;  // nothing left to save
    if (!m_history.empty()) {
        m_history.clear();
        m_historyMoved = true;
    }
    Settings fresh;
    fresh.launchAtLogin = m_settings.launchAtLogin;
    fresh.onboarded = true;
    storeSettings(fresh);
    m_hoursUnsaved = false;  // the file is gone, and off is its default
    if (m_hours.hours() != WorkingHours{}) {
        m_hours.setHours({}, m_scheduler, m_ports.clock.now(), m_calendar());
        m_statsKey.reset();
        Q_EMIT workingHoursChanged();
    }
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
    // Defaults stand in for a missing or damaged file: they say nothing of what the user chose.
    if (!m_settingsFromFile) return;
    const auto status = m_ports.loginItem.status();
    // An entry that starts another copy (moved, or installed elsewhere) is rewritten for this one.
    const bool stale = status == LoginItemStatus::enabled && !m_ports.loginItem.startsThisProgram();
    if (m_settings.launchAtLogin &&
        (status == LoginItemStatus::notRegistered || status == LoginItemStatus::notFound || stale)) {
        m_ports.loginItem.set(true);
    } else if (!m_settings.launchAtLogin && status == LoginItemStatus::enabled) {
        m_ports.loginItem.set(false);
    }
}

QString AppModel::loginItemStatus() {
    constexpr const char* names[] = {"notRegistered", "enabled", "requiresApproval", "notFound"};
    return QString::fromLatin1(names[int(m_ports.loginItem.status())]);
}

QVariantMap AppModel::probeSignals() {
    const std::optional<bool> screen = m_ports.probes.screenShared();
    return {
        {QStringLiteral("camera"), m_ports.probes.cameraInUse()},
        {QStringLiteral("mic"), m_ports.probes.microphoneInUse()},
        {QStringLiteral("fullscreen"), m_ports.probes.frontAppIsFullscreen()},
        {QStringLiteral("screen"), screen ? QVariant(*screen) : QVariant()},
    };
}

void AppModel::playSound(const QString& name) { m_ports.sounds.play(name.toStdString()); }

void AppModel::lockScreen() { m_ports.screenLock.lock(); }

QString AppModel::breakKind() const {
    const auto kind = kindOf(m_phase);
    return kind ? text(rawValue(*kind)) : QString();
}

double AppModel::breakAt() const {
    auto* headsUp = std::get_if<phase::HeadsUp>(&m_phase);
    return headsUp ? epochSeconds(headsUp->breakAt) : 0;
}

double AppModel::startedAt() const {
    auto* onBreak = std::get_if<phase::OnBreak>(&m_phase);
    return onBreak ? epochSeconds(onBreak->startedAt) : 0;
}

double AppModel::endsAt() const {
    auto* onBreak = std::get_if<phase::OnBreak>(&m_phase);
    return onBreak ? epochSeconds(onBreak->endsAt) : 0;
}

QString AppModel::heldReason() const {
    auto* held = std::get_if<phase::Held>(&m_phase);
    return held ? text(rawValue(held->reason)) : QString();
}

QString AppModel::heldLabel() const {
    auto* held = std::get_if<phase::Held>(&m_phase);
    return held ? text(label(held->reason)) : QString();
}

double AppModel::heldSince() const {
    auto* held = std::get_if<phase::Held>(&m_phase);
    return held ? epochSeconds(held->since) : 0;
}

double AppModel::pausedUntil() const {
    auto* paused = std::get_if<phase::Paused>(&m_phase);
    return paused ? epochSeconds(paused->until) : 0;
}

QString AppModel::skipStateName() const {
    constexpr const char* names[] = {"wait", "available", "notAllowed"};  // in the variant's order
    return QString::fromLatin1(names[m_derived.skipState.index()]);
}

qint64 AppModel::skipWaitSeconds() const {
    auto* wait = std::get_if<skip::Wait>(&m_derived.skipState);
    return wait ? wait->seconds : 0;
}

QString AppModel::breakTitle() const {
    return m_derived.breakCopy ? QString::fromStdString(m_derived.breakCopy->title) : QString();
}

QString AppModel::breakSubtitle() const {
    return m_derived.breakCopy ? QString::fromStdString(m_derived.breakCopy->subtitle) : QString();
}

QVariantMap AppModel::weekMap() const {
    const WeekSummary& week = m_derived.week;
    QVariantList days;
    for (const auto& day : week.days) {
        days.append(QVariantMap{
            {QStringLiteral("date"), epochSeconds(day.date)},
            {QStringLiteral("label"), QString::fromStdString(day.label)},
            {QStringLiteral("taken"), qint64(day.taken)},
            {QStringLiteral("skipped"), qint64(day.skipped)},
        });
    }
    const double start = epochSeconds(week.start);
    return {
        {QStringLiteral("start"), start},
        {QStringLiteral("end"), start + 6 * 86400.0},  // the start of Sunday in a week without a clock change
        {QStringLiteral("days"), days},
        {QStringLiteral("taken"), qint64(week.taken)},
        {QStringLiteral("skipped"), qint64(week.skipped)},
        {QStringLiteral("held"), qint64(week.held)},
        {QStringLiteral("streak"), qint64(week.streak)},
        {QStringLiteral("takenRate"), week.takenRate()},
        {QStringLiteral("isEmpty"), week.isEmpty()},
    };
}

QString AppModel::nextBreakKind() const {
    return m_derived.nextBreak ? text(rawValue(m_derived.nextBreak->kind)) : QString();
}

double AppModel::nextBreakAt() const {
    return m_derived.nextBreak ? epochSeconds(m_derived.nextBreak->at) : 0;
}

void AppModel::willSleep() {
    m_sleptAt = m_ports.clock.now();
    m_sleepCounted = false;
}

void AppModel::didWake() {
    // The clocks tell the sleep's length when they can; the announced times serve only when the
    // clocks have not already counted it.
    detectSleepGap();
    const Instant now = m_ports.clock.now();
    if (m_sleptAt && !m_sleepCounted && (now - *m_sleptAt).count() >= naturalBreakSeconds()) m_scheduler.didSleep(now);
    m_sleptAt.reset();
    tick();
}

}  // namespace tarnwick
