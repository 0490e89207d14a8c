#include "control/control_values.hpp"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

#include "ui/hours_status.hpp"
#include "ui/i18n/core_text.hpp"
#include "ui/menu_bar_view_model.hpp"
#include "ui/view_text.hpp"

namespace tarnwick {

namespace {

// The sentence is for people (a bar shows it), in the interface's language; the other values are
// for scripts and stay as they are.
struct StatusTr {
    Q_DECLARE_TR_FUNCTIONS(Status)
};

quint32 count(qint64 n) { return quint32(std::clamp<qint64>(n, 0, qint64(UINT32_MAX))); }

}  // namespace

qint64 unixMilliseconds(double epochSeconds) {
    if (epochSeconds == 0) return 0;
    return qint64(std::llround(std::clamp(epochSeconds * 1000.0, -9.2e18, 9.2e18)));
}

QString statusSentence(const AppModel& model) {
    const QString label = statusLabel(model);
    const Phase& phase = model.phase();
    if (std::holds_alternative<phase::Working>(phase)) {
        const QString countdown = phaseText(model);
        //: %1 is the tray's status ("Next eye break in"), %2 its countdown ("12m")
        return countdown.isEmpty() ? label : StatusTr::tr("%1 %2").arg(label, countdown);
    }
    //: %1 is "Eye break starting" or "Long break starting", %2 the time left ("10s")
    if (std::holds_alternative<phase::HeadsUp>(phase)) return StatusTr::tr("%1 in %2").arg(label, phaseText(model));
    //: %1 is "Break held", %2 the reason ("You're on a call")
    if (auto* p = std::get_if<phase::Held>(&phase)) return StatusTr::tr("%1: %2").arg(label, i18n::coreText(tarnwick::label(p->reason)));
    //: %1 is "Eye break" or "Long break", %2 the time of day it ends
    if (auto* p = std::get_if<phase::OnBreak>(&phase)) return StatusTr::tr("%1 until %2").arg(label, view::localTime(p->endsAt));
    if (auto hours = hoursPause(model)) return hours->sentence;
    const auto& paused = std::get<phase::Paused>(phase);
    //: %1 is "Paused until", %2 a time of day
    return StatusTr::tr("%1 %2").arg(label, view::localTime(paused.until));
}

ControlValues controlValues(const AppModel& model) {
    ControlValues v;
    v.phase = model.currentPhaseName();
    v.breakKind = model.breakKind();
    v.breakAt = unixMilliseconds(model.breakAt());
    v.startedAt = unixMilliseconds(model.startedAt());
    v.endsAt = unixMilliseconds(model.endsAt());
    v.heldReason = model.heldReason();
    v.heldSince = unixMilliseconds(model.heldSince());
    v.pausedUntil = unixMilliseconds(model.pausedUntil());
    v.nextBreakKind = model.nextBreakKind();
    v.nextBreakAt = unixMilliseconds(model.nextBreakAt());
    // With long breaks off the timetable has no next long break to tell.
    v.nextLongAt = model.settings().longEnabled ? unixMilliseconds(model.nextLongAt()) : 0;
    v.text = phaseText(model);
    v.accessibleLabel = trayAccessibleLabel(model);
    v.sentence = statusSentence(model);
    v.todayTaken = count(model.todayTaken());
    v.todaySkipped = count(model.todaySkipped());
    v.skipsLeftThisWeek = count(model.skipsLeftThisWeek());
    v.streak = count(model.week().streak);
    return v;
}

QVariantMap propertyMap(const ControlValues& v) {
    return {
        {QStringLiteral("Phase"), v.phase},
        {QStringLiteral("BreakKind"), v.breakKind},
        {QStringLiteral("BreakAt"), v.breakAt},
        {QStringLiteral("StartedAt"), v.startedAt},
        {QStringLiteral("EndsAt"), v.endsAt},
        {QStringLiteral("HeldReason"), v.heldReason},
        {QStringLiteral("HeldSince"), v.heldSince},
        {QStringLiteral("PausedUntil"), v.pausedUntil},
        {QStringLiteral("NextBreakKind"), v.nextBreakKind},
        {QStringLiteral("NextBreakAt"), v.nextBreakAt},
        {QStringLiteral("NextLongAt"), v.nextLongAt},
        {QStringLiteral("Text"), v.text},
        {QStringLiteral("AccessibleLabel"), v.accessibleLabel},
        {QStringLiteral("Sentence"), v.sentence},
        {QStringLiteral("TodayTaken"), v.todayTaken},
        {QStringLiteral("TodaySkipped"), v.todaySkipped},
        {QStringLiteral("SkipsLeftThisWeek"), v.skipsLeftThisWeek},
        {QStringLiteral("Streak"), v.streak},
    };
}

QVariantMap changedProperties(const ControlValues& before, const ControlValues& after) {
    const QVariantMap old = propertyMap(before);
    QVariantMap changed = propertyMap(after);
    for (auto it = changed.begin(); it != changed.end();) {
        if (old.value(it.key()) == it.value()) {
            it = changed.erase(it);
        } else {
            ++it;
        }
    }
    return changed;
}

}  // namespace tarnwick
