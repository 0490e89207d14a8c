#include "ui/hours_status.hpp"

#include "core/working_hours/hours_format.hpp"
#include "ui/view_text.hpp"

namespace tarnwick {

std::optional<HoursStatus> hoursPause(const AppModel& model) {
    const WorkingHoursGate& gate = model.workingHours();
    if (!gate.holdsPause(model.scheduler())) return std::nullopt;
    const auto* paused = std::get_if<phase::Paused>(&model.phase());
    if (!paused) return std::nullopt;
    return HoursStatus{QStringLiteral("Off until"),
                       view::text(format::dayAndTime(paused->until, model.now(), model.calendar())),
                       QStringLiteral("Outside your working hours.")};
}

QString hoursResumeNote(const AppModel& model) {
    const auto until = model.workingHours().resumedUntil();
    if (!until || !std::holds_alternative<phase::Working>(model.phase())) return {};
    return QStringLiteral("Resumed outside your working hours, until %1.")
        .arg(view::text(format::dayAndTime(*until, model.now(), model.calendar())));
}

}  // namespace tarnwick
