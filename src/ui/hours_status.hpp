#pragma once

// What the tray says of the working hours: outside them, when breaks come again; after the user
// resumed outside them, until when.

#include <optional>

#include <QString>

#include "app/app_model.hpp"

namespace tarnwick {

struct HoursStatus {
    QString label;     // "Off until"
    QString value;     // "09:00", or "Mon 09:00" when the hours start on another day
    QString sentence;  // the two as one sentence: "Off until Mon 09:00"
    QString detail;    // why
};

// While the scheduler is paused by the working hours; nothing otherwise. The weekday is the
// locale's short name.
std::optional<HoursStatus> hoursPause(const AppModel& model);
// While breaks run outside the hours because the user resumed them: "Resumed outside your working
// hours, until 18:00." Empty otherwise.
QString hoursResumeNote(const AppModel& model);

}  // namespace tarnwick
