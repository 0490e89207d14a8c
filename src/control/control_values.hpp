#pragma once

// What the control interface tells of the running instance: the model's values as the bus carries
// them (instants in Unix milliseconds, 0 for none) and the tray's texts, in one comparable record.

#include <QString>
#include <QVariantMap>
#include <QtGlobal>

#include "app/app_model.hpp"

namespace tarnwick {

struct ControlValues {
    QString phase, breakKind;
    qint64 breakAt = 0, startedAt = 0, endsAt = 0;
    QString heldReason;
    qint64 heldSince = 0, pausedUntil = 0;
    QString nextBreakKind;
    qint64 nextBreakAt = 0, nextLongAt = 0;
    QString text, accessibleLabel, sentence;
    quint32 todayTaken = 0, todaySkipped = 0, skipsLeftThisWeek = 0, streak = 0;
    bool operator==(const ControlValues&) const = default;
};

// The values as last published by the model. They change only when the model publishes a change
// or when the tray's text would change (see phaseTextSteadyUntil).
ControlValues controlValues(const AppModel& model);

// Where the schedule stands in one sentence: the panel's status label with the tray's countdown
// ("Next eye break in 12m", "Eye break starting in 25s"), the reason of a hold ("Break held: You're
// on a call"), or the clock time a break or a pause ends ("Eye break until 14:32", "Paused until
// 14:30").
QString statusSentence(const AppModel& model);

// Seconds since the epoch as whole milliseconds; 0 stays 0.
qint64 unixMilliseconds(double epochSeconds);

// The values by their property names on the bus.
QVariantMap propertyMap(const ControlValues& values);
// The properties whose value differs from `before` to `after`, with their new values.
QVariantMap changedProperties(const ControlValues& before, const ControlValues& after);

}  // namespace tarnwick
