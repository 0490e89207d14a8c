#include "ui/hours_status.hpp"

#include <QCoreApplication>
#include <QLocale>

#include "core/working_hours/hours_format.hpp"
#include "ui/view_text.hpp"

namespace tarnwick {

namespace {

struct HoursStatusTr {
    Q_DECLARE_TR_FUNCTIONS(HoursStatus)
};

// "18:00" for an instant on the local day of `now`, else with the locale's short weekday before
// it: "Mon 18:00". The time is the core's 24-hour wall-clock time.
QString dayAndTime(Instant at, Instant now, const Calendar& calendar) {
    // Measured against its own day, the core writes the time alone.
    const QString time = view::text(format::dayAndTime(at, at, calendar));
    const auto day = calendar.localDay(at);
    if (day == calendar.localDay(now)) return time;
    // QLocale counts the weekdays from 1 for Monday, the calendar from 0.
    const QString weekday = QLocale::system().dayName(Calendar::weekdayIndex(day) + 1, QLocale::ShortFormat);
    //: %1 is a short weekday name, %2 a time of day: "Mon 09:00"
    return HoursStatusTr::tr("%1 %2").arg(weekday, time);
}

}  // namespace

std::optional<HoursStatus> hoursPause(const AppModel& model) {
    const WorkingHoursGate& gate = model.workingHours();
    if (!gate.holdsPause(model.scheduler())) return std::nullopt;
    const auto* paused = std::get_if<phase::Paused>(&model.phase());
    if (!paused) return std::nullopt;
    const QString value = dayAndTime(paused->until, model.now(), model.calendar());
    //: Followed by when breaks come again, e.g. "09:00" or "Mon 09:00"
    return HoursStatus{HoursStatusTr::tr("Off until"), value,
                       //: %1 is when breaks come again, e.g. "09:00" or "Mon 09:00"
                       HoursStatusTr::tr("Off until %1").arg(value),
                       HoursStatusTr::tr("Outside your working hours.")};
}

QString hoursResumeNote(const AppModel& model) {
    const auto until = model.workingHours().resumedUntil();
    if (!until || !std::holds_alternative<phase::Working>(model.phase())) return {};
    //: %1 is when breaks stop again for the hours, e.g. "18:00" or "Mon 18:00"
    return HoursStatusTr::tr("Resumed outside your working hours, until %1.")
        .arg(dayAndTime(*until, model.now(), model.calendar()));
}

}  // namespace tarnwick
