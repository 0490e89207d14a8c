#pragma once

// What `tarnwick status` prints, made from the properties the running instance serves: the whole
// status as one JSON object, and a status bar's line in waybar's custom-module form.

#include <QJsonObject>
#include <QString>
#include <QVariantMap>

namespace tarnwick {

// Every property under its name with a lower-case first letter; instants in Unix milliseconds, and
// null for an instant, a kind or a reason the phase does not have.
QJsonObject statusJson(const QVariantMap& properties);

// {"text", "tooltip", "class", "percentage"} as waybar reads them, and the whole status beside them
// under "status". The text is the tray's countdown, the tooltip the status sentence, the class the
// phase; the percentage is how far the countdown to the next break has run (100 while a break is
// announced, held or under way, 0 while paused or with breaks off).
QJsonObject statusBarLine(const QVariantMap& properties);
// The line while no Tarnwick runs: an empty text in the class "stopped".
QJsonObject stoppedLine();

// One JSON object on one line, without a line break.
QByteArray compactLine(const QJsonObject& object);

}  // namespace tarnwick
