#pragma once

// The working hours as the settings window shows and edits them: the switch, each weekday's time
// ranges as "HH:MM" texts with the names a screen reader gives their controls, and the line that
// says why a typed time was refused. Every edit hands the model one whole schedule, which it saves
// to schedule.json and applies at once; an edit that changes nothing hands it nothing.

#include <optional>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>

#include "app/app_model.hpp"
#include "core/working_hours/working_hours.hpp"

namespace tarnwick {

// The time of day a step of `quarters` quarter-hours from `minutes` lands on, around the clock: a
// time between quarters first moves to the nearest quarter in the step's direction, so 09:05 goes
// up to 09:15 and down to 09:00.
int steppedTime(int minutes, int quarters);

// The range a day gets from "Add range": 09:00–18:00 on a day without ranges, else one of four
// hours starting an hour after the last range ends (around midnight where it comes to that).
MinuteRange rangeAfter(const std::vector<MinuteRange>& ranges);

class WorkingHoursViewModel : public QObject {
    Q_OBJECT
    // The model whose schedule is shown; views set it, and nothing shows until they do.
    Q_PROPERTY(tarnwick::AppModel* model READ model WRITE setModel NOTIFY modelChanged)

    Q_PROPERTY(QString heading READ heading CONSTANT)
    Q_PROPERTY(QString switchText READ switchText CONSTANT)
    Q_PROPERTY(QString addRangeText READ addRangeText CONSTANT)
    Q_PROPERTY(QString copyMondayText READ copyMondayText CONSTANT)
    // Tuesday to Friday get Monday's hours: the copy button's description.
    Q_PROPERTY(QString copyMondayDescription READ copyMondayDescription CONSTANT)
    // What a day without ranges shows in their place.
    Q_PROPERTY(QString noRangesText READ noRangesText CONSTANT)
    // Beside an end before its start: the range runs into the next day.
    Q_PROPERTY(QString nextDayText READ nextDayText CONSTANT)
    // What a time field is for, read by screen readers after its name.
    Q_PROPERTY(QString timeDescription READ timeDescription CONSTANT)

    Q_PROPERTY(bool enabled READ enabled NOTIFY enabledChanged)
    // Monday to Sunday, each a map: name ("Monday"), addName ("Add a range on
    // Monday"), and ranges, each a map: start and end ("09:00"), crossesMidnight, and the names of
    // its controls, startName ("Monday, range 1 start"), endName and removeName ("Remove Monday
    // range 1").
    Q_PROPERTY(QVariantList days READ days NOTIFY daysChanged)
    // The note under the section: what the hours do while on, what switching them on does while off.
    Q_PROPERTY(QString summary READ summary NOTIFY summaryChanged)
    // Why the last time entered was refused, and the day (0 Monday .. 6 Sunday) of its field; empty
    // and -1 once an edit is made or none was refused.
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)
    Q_PROPERTY(int errorDay READ errorDay NOTIFY errorChanged)

public:
    explicit WorkingHoursViewModel(QObject* parent = nullptr);

    AppModel* model() const { return m_model; }
    void setModel(AppModel* model);

    static QString heading() { return tr("Working hours"); }
    static QString switchText() { return tr("Only remind me during working hours"); }
    static QString addRangeText() { return tr("Add range"); }
    static QString copyMondayText() { return tr("Copy Monday to weekdays"); }
    static QString copyMondayDescription() { return tr("Tuesday to Friday get Monday's hours"); }
    static QString noRangesText() { return tr("No hours"); }
    //: Beside a range's end time that falls on the next day
    static QString nextDayText() { return tr("next day"); }
    static QString timeDescription() {
        //: Read by screen readers for a time field; Up and Down are the arrow keys
        return tr("Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes");
    }

    bool enabled() const { return m_values.enabled; }
    QVariantList days() const { return m_values.days; }
    QString summary() const { return m_values.summary; }
    QString error() const { return m_error; }
    int errorDay() const { return m_errorDay; }

    // On: the schedule as it was, or Monday to Friday 09:00–18:00 when it has no ranges. Off: breaks
    // come at any time, and the ranges are kept for the next time.
    Q_INVOKABLE void setEnabled(bool on);
    // Adds rangeAfter(the day's ranges) at the end of the day's list.
    Q_INVOKABLE void addRange(int day);
    Q_INVOKABLE void removeRange(int day, int index);
    // Sets one end of a range from what was typed: exactly "HH:MM", 00:00 to 23:59, spaces around it
    // aside. A text that is no such time, or one that would make the range end where it starts, is
    // refused: false, the range stays, and `error` says why. A day or index out of range is false.
    Q_INVOKABLE bool setStart(int day, int index, const QString& text);
    Q_INVOKABLE bool setEnd(int day, int index, const QString& text);
    // Moves one end by quarter-hours (see steppedTime), past the other end when it lands on it.
    Q_INVOKABLE bool stepStart(int day, int index, int quarters);
    Q_INVOKABLE bool stepEnd(int day, int index, int quarters);
    // Tuesday to Friday get Monday's ranges, none included.
    Q_INVOKABLE void copyMondayToWeekdays();

Q_SIGNALS:
    void modelChanged();
    void enabledChanged();
    void daysChanged();
    void summaryChanged();
    void errorChanged();

private:
    struct Values {
        bool enabled = false;
        QVariantList days;
        QString summary;
    };
    enum class End { start, end };

    WorkingHours hours() const;
    Values compute() const;
    void refresh();
    // Hands the schedule to the model when it differs from the current one; the error goes.
    void apply(const WorkingHours& hours);
    bool setTime(End which, int day, int index, const QString& text);
    bool setMinutes(End which, int day, int index, int minutes);
    bool step(End which, int day, int index, int quarters);
    void setError(QString error, int day);
    // The range at `index` of `day`, or nothing when there is no model or no such range.
    std::optional<MinuteRange> rangeAt(int day, int index) const;

    QPointer<AppModel> m_model;
    Values m_values;
    QString m_error;
    int m_errorDay = -1;
};

}  // namespace tarnwick
