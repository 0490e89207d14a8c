#include "ui/menu_bar_view_model.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include <QCoreApplication>

#include "core/format.hpp"
#include "ui/hours_status.hpp"
#include "ui/i18n/core_text.hpp"
#include "ui/view_text.hpp"

namespace tarnwick {

namespace {

struct MenuBarTr {
    Q_DECLARE_TR_FUNCTIONS(MenuBar)
};

constexpr double halfHourSeconds = 1800, hourSeconds = 3600;

using view::localTime;
using view::text;
using view::whole;

QString clockUntil(Instant at, Instant now) { return text(format::clock((at - now).count())); }

// format::shortDuration with the unit in the user's language: "59s", "2m".
QString shortDuration(double seconds) {
    const format::ShortDuration d = format::shortDurationParts(seconds);
    return d.minutes ? MenuBarTr::tr("%1m", "minutes, short").arg(d.value) : MenuBarTr::tr("%1s", "seconds, short").arg(d.value);
}

struct Status {
    QString label, value, detail;
};

Status workingStatus(const AppModel& model) {
    const auto next = model.scheduler().nextBreak();
    if (!next) {
        return {MenuBarTr::tr("Breaks are off"), QStringLiteral("\u2014"), MenuBarTr::tr("Turn them on in Settings.")};
    }
    const QString value = clockUntil(next->at, model.now());
    if (next->kind == BreakKind::long_) return {MenuBarTr::tr("Long break in"), value, hoursResumeNote(model)};
    QString detail = hoursResumeNote(model);
    if (detail.isEmpty() && model.settings().longEnabled) {
        //: %1 is a time of day, e.g. 15:45
        detail = MenuBarTr::tr("Long break at %1").arg(localTime(model.scheduler().nextLong()));
    }
    return {MenuBarTr::tr("Next eye break in"), value, detail};
}

Status status(const AppModel& model) {
    const Instant now = model.now();
    const Phase& phase = model.phase();
    if (auto* p = std::get_if<phase::HeadsUp>(&phase)) {
        return {p->kind == BreakKind::long_ ? MenuBarTr::tr("Long break starting")
                                            : MenuBarTr::tr("Eye break starting"),
                clockUntil(p->breakAt, now), {}};
    }
    if (auto* p = std::get_if<phase::Held>(&phase)) {
        const qint64 minutes = whole(std::trunc((now - p->since).count() / 60.0));
        return {MenuBarTr::tr("Break held"), i18n::coreText(label(p->reason)),
                MenuBarTr::tr("You'll get a heads-up when you're free. Held for %n min.", nullptr,
                              int(std::clamp<qint64>(minutes, INT_MIN, INT_MAX)))};
    }
    if (auto* p = std::get_if<phase::OnBreak>(&phase)) {
        return {p->kind == BreakKind::long_ ? MenuBarTr::tr("Long break") : MenuBarTr::tr("Eye break"),
                clockUntil(p->endsAt, now), {}};
    }
    if (auto hours = hoursPause(model)) return {hours->label, hours->value, hours->detail};
    if (auto* p = std::get_if<phase::Paused>(&phase)) {
        return {MenuBarTr::tr("Paused until"), localTime(p->until), {}};
    }
    return workingStatus(model);
}

bool breakPending(const Phase& phase) {
    return std::holds_alternative<phase::HeadsUp>(phase) || std::holds_alternative<phase::Held>(phase);
}

}  // namespace

QString phaseText(const AppModel& model) {
    const Phase& phase = model.phase();
    if (std::holds_alternative<phase::Working>(phase)) {
        const auto next = model.scheduler().nextBreak();
        return next ? shortDuration((next->at - model.now()).count()) : QString();
    }
    if (auto* p = std::get_if<phase::HeadsUp>(&phase)) return shortDuration((p->breakAt - model.now()).count());
    //: The tray's state while a break waits for the user to be free
    if (std::holds_alternative<phase::Held>(phase)) return MenuBarTr::tr("Held");
    //: The tray's state during a break
    if (std::holds_alternative<phase::OnBreak>(phase)) return MenuBarTr::tr("Break");
    //: The tray's state while breaks are paused
    return MenuBarTr::tr("Paused");
}

Instant phaseTextSteadyUntil(const AppModel& model) {
    const Phase& phase = model.phase();
    std::optional<Instant> target;  // what the countdown runs to
    if (std::holds_alternative<phase::Working>(phase)) {
        if (const auto next = model.scheduler().nextBreak()) target = next->at;
    } else if (auto* p = std::get_if<phase::HeadsUp>(&phase)) {
        target = p->breakAt;
    }
    if (!target) return Instant::max();
    // The countdown shows s = ceil(remaining) seconds, or from 60 on ceil(s / 60) minutes. The same
    // text lasts while s stays at or above `lowest`, that is while remaining > lowest - 1.
    const double remaining = (*target - model.now()).count();
    if (!(remaining > 0)) return Instant::max();  // "0s" until the phase moves
    const double s = std::ceil(std::min(remaining, 1e15));
    const double lowest = s < 60 ? s : std::max(60 * (std::ceil(s / 60) - 1) + 1, 60.0);
    const Instant turns = *target - Seconds{lowest - 1};
    // A tick within the moment before the text turns (ticks run a whole number of seconds from
    // the timers' restart, so they come there often): the turn itself, never an instant already past,
    // which the model would take as seen and sleep through.
    const Instant early = turns - Seconds{0.001};
    return early > model.now() ? early : turns;
}

TrayTitle trayTitle(const AppModel& model) {
    if (!model.settings().menuBarCountdown) return {};
    const Phase& phase = model.phase();
    if (std::holds_alternative<phase::Held>(phase)) return {TrayMark::held, {}};
    if (std::holds_alternative<phase::OnBreak>(phase)) return {TrayMark::onBreak, {}};
    if (std::holds_alternative<phase::Paused>(phase)) return {TrayMark::paused, {}};
    QString countdown = phaseText(model);
    if (countdown.isEmpty()) return {};
    return {TrayMark::countdown, std::move(countdown)};
}

QString trayAccessibleLabel(const AppModel& model) {
    if (auto hours = hoursPause(model)) {
        //: The tray's tooltip: %1 is a status such as "Off until", %2 a time such as "09:00" or "Tue 09:00"
        return MenuBarTr::tr("Tarnwick: %1 %2").arg(hours->label, hours->value);
    }
    //: The tray's tooltip: %1 is the time to the next break ("4m", "59s") or a state ("Held", "Paused")
    return MenuBarTr::tr("Tarnwick: %1").arg(phaseText(model));
}

QString statusLabel(const AppModel& model) { return status(model).label; }

MenuBarViewModel::MenuBarViewModel(AppModel& model, QObject* parent) : QObject(parent), m_model(model) {
    m_values = compute();
    for (auto signal : {&AppModel::nowChanged, &AppModel::phaseChanged, &AppModel::settingsChanged,
                        &AppModel::nextBreakProgressChanged, &AppModel::todayChanged, &AppModel::weekChanged,
                        &AppModel::nextBreakChanged}) {
        connect(&m_model, signal, this, &MenuBarViewModel::refresh);
    }
}

MenuBarViewModel::Values MenuBarViewModel::compute() const {
    const Phase& phase = m_model.phase();
    Status s = status(m_model);
    Values v;
    v.label = std::move(s.label);
    v.value = std::move(s.value);
    v.detail = std::move(s.detail);
    v.showProgress = std::holds_alternative<phase::Working>(phase) && m_model.scheduler().nextBreak();
    // A hidden bar's fill would otherwise move every tick while paused or on a break.
    v.progress = v.showProgress ? m_model.nextBreakProgress() : 0.0;
    const bool pending = breakPending(phase);
    v.firstTileTitle = pending ? tr("Start break now") : tr("Eye break now");
    v.firstTileSymbol = pending ? QStringLiteral("play.fill") : QStringLiteral("eye.fill");
    v.paused = std::holds_alternative<phase::Paused>(phase);
    v.todayTaken = m_model.today().taken;
    v.todaySkipped = m_model.today().skipped;
    v.streak = m_model.week().streak;
    return v;
}

void MenuBarViewModel::setActive(bool active) {
    m_active = active;
    // The countdown shows seconds while the panel is open.
    m_model.holdEverySecond(this, active);
    refresh();
}

void MenuBarViewModel::refresh() {
    if (!m_active) return;
    Values next = compute();
    if (next == m_values) return;
    m_values = std::move(next);
    Q_EMIT changed();
}

QStringList MenuBarViewModel::pauseChips() const {
    return {tr("30 min"), tr("1 hour"), tr("Until tomorrow")};
}

void MenuBarViewModel::firstTile() {
    if (breakPending(m_model.phase())) {
        m_model.startNow();
    } else {
        m_model.takeBreak(BreakKind::micro);
    }
    Q_EMIT closeRequested();
}

void MenuBarViewModel::longBreak() {
    m_model.takeBreak(BreakKind::long_);
    Q_EMIT closeRequested();
}

void MenuBarViewModel::resume() { m_model.resume(); }

void MenuBarViewModel::pauseChip(int index) {
    switch (index) {
    case 0: m_model.pauseFor(halfHourSeconds); break;
    case 1: m_model.pauseFor(hourSeconds); break;
    case 2: m_model.pauseUntilTomorrow(); break;
    default: break;
    }
}

}  // namespace tarnwick
