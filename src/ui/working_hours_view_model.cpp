#include "ui/working_hours_view_model.hpp"

#include <algorithm>
#include <array>

#include <QCoreApplication>
#include <QVariantMap>

#include "app/working_hours_file.hpp"
#include "ui/view_text.hpp"

namespace tarnwick {

namespace {

struct WorkingHoursTr {
    Q_DECLARE_TR_FUNCTIONS(WorkingHours)
};

using view::text;

// Translated where they are shown, in the context "WorkingHours".
constexpr std::array<const char*, 7> dayNames = {
    QT_TRANSLATE_NOOP("WorkingHours", "Monday"),   QT_TRANSLATE_NOOP("WorkingHours", "Tuesday"),
    QT_TRANSLATE_NOOP("WorkingHours", "Wednesday"), QT_TRANSLATE_NOOP("WorkingHours", "Thursday"),
    QT_TRANSLATE_NOOP("WorkingHours", "Friday"),   QT_TRANSLATE_NOOP("WorkingHours", "Saturday"),
    QT_TRANSLATE_NOOP("WorkingHours", "Sunday")};
constexpr int quarter = 15;

bool isDay(int day) { return day >= 0 && day < 7; }

int aroundTheClock(int minutes) { return ((minutes % minutesPerDay) + minutesPerDay) % minutesPerDay; }

QString timeText(int minutes) { return text(timeOfDayText(minutes)); }

// The names a screen reader gives a range's controls.
QVariantMap rangeEntry(const MinuteRange& range, const QString& day, int index) {
    const QString number = QString::number(index + 1);
    return {
        {QStringLiteral("start"), timeText(range.start)},
        {QStringLiteral("end"), timeText(range.end)},
        {QStringLiteral("crossesMidnight"), range.crossesMidnight()},
        //: %1 is a weekday, %2 the range's number on that day: "Monday, range 1 start"
        {QStringLiteral("startName"), WorkingHoursTr::tr("%1, range %2 start").arg(day, number)},
        //: %1 is a weekday, %2 the range's number on that day: "Monday, range 1 end"
        {QStringLiteral("endName"), WorkingHoursTr::tr("%1, range %2 end").arg(day, number)},
        //: %1 is a weekday, %2 the range's number on that day: "Remove Monday range 1"
        {QStringLiteral("removeName"), WorkingHoursTr::tr("Remove %1 range %2").arg(day, number)},
    };
}

}  // namespace

int steppedTime(int minutes, int quarters) {
    int from = aroundTheClock(minutes);
    if (quarters == 0) return from;
    const int past = from % quarter;
    if (past != 0) {
        // The first step only reaches the quarter on that side.
        from += quarters > 0 ? quarter - past : -past;
        quarters += quarters > 0 ? -1 : 1;
    }
    return aroundTheClock(from + quarters * quarter);
}

MinuteRange rangeAfter(const std::vector<MinuteRange>& ranges) {
    if (ranges.empty()) return {9 * 60, 18 * 60};
    const int start = aroundTheClock(ranges.back().end + 60);
    return {start, aroundTheClock(start + 4 * 60)};
}

WorkingHoursViewModel::WorkingHoursViewModel(QObject* parent) : QObject(parent) { m_values = compute(); }

void WorkingHoursViewModel::setModel(AppModel* model) {
    if (model == m_model) return;
    if (m_model) disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (m_model) connect(m_model, &AppModel::workingHoursChanged, this, &WorkingHoursViewModel::refresh);
    setError({}, -1);
    Q_EMIT modelChanged();
    refresh();
}

WorkingHours WorkingHoursViewModel::hours() const { return m_model ? m_model->workingHours().hours() : WorkingHours{}; }

WorkingHoursViewModel::Values WorkingHoursViewModel::compute() const {
    const WorkingHours shown = hours();
    Values v;
    v.enabled = shown.enabled;
    bool anyRange = false;
    for (int day = 0; day < 7; ++day) {
        const QString name = QCoreApplication::translate("WorkingHours", dayNames[std::size_t(day)]);
        QVariantList ranges;
        const auto& dayRanges = shown.days[std::size_t(day)];
        for (std::size_t i = 0; i < dayRanges.size(); ++i) ranges.append(rangeEntry(dayRanges[i], name, int(i)));
        anyRange = anyRange || !dayRanges.empty();
        v.days.append(QVariantMap{
            {QStringLiteral("name"), name},
            //: %1 is a weekday
            {QStringLiteral("addName"), tr("Add a range on %1").arg(name)},
            {QStringLiteral("ranges"), ranges},
        });
    }
    if (!shown.enabled)
        v.summary = tr("While this is off, breaks can come at any time.");
    else if (!anyRange)
        v.summary = tr("No day has hours, so breaks can come at any time. Add a range to keep them to it.");
    else
        v.summary = tr("Breaks come only in these hours. A range that ends before it starts runs past midnight.");
    return v;
}

void WorkingHoursViewModel::refresh() {
    Values next = compute();
    const bool enabledMoved = next.enabled != m_values.enabled;
    const bool daysMoved = next.days != m_values.days;
    const bool summaryMoved = next.summary != m_values.summary;
    m_values = std::move(next);
    if (enabledMoved) Q_EMIT enabledChanged();
    if (daysMoved) Q_EMIT daysChanged();
    if (summaryMoved) Q_EMIT summaryChanged();
}

void WorkingHoursViewModel::apply(const WorkingHours& next) {
    setError({}, -1);
    if (!m_model || next == m_model->workingHours().hours()) return;
    // The model's signal refreshes what is shown.
    m_model->setWorkingHours(next);
}

void WorkingHoursViewModel::setError(QString error, int day) {
    if (error == m_error && day == m_errorDay) return;
    m_error = std::move(error);
    m_errorDay = day;
    Q_EMIT errorChanged();
}

std::optional<MinuteRange> WorkingHoursViewModel::rangeAt(int day, int index) const {
    if (!m_model || !isDay(day) || index < 0) return std::nullopt;
    const auto& ranges = m_model->workingHours().hours().days[std::size_t(day)];
    if (std::size_t(index) >= ranges.size()) return std::nullopt;
    return ranges[std::size_t(index)];
}

void WorkingHoursViewModel::setEnabled(bool on) {
    if (!m_model) return;
    WorkingHours next = hours();
    if (on == next.enabled) return;
    if (on) {
        next = switchedOn(next);
    } else {
        next.enabled = false;
    }
    apply(next);
}

void WorkingHoursViewModel::addRange(int day) {
    if (!m_model || !isDay(day)) return;
    WorkingHours next = hours();
    auto& ranges = next.days[std::size_t(day)];
    ranges.push_back(rangeAfter(ranges));
    apply(next);
}

void WorkingHoursViewModel::removeRange(int day, int index) {
    if (!rangeAt(day, index)) return;
    WorkingHours next = hours();
    auto& ranges = next.days[std::size_t(day)];
    ranges.erase(ranges.begin() + index);
    apply(next);
}

bool WorkingHoursViewModel::setStart(int day, int index, const QString& text) {
    return setTime(End::start, day, index, text);
}

bool WorkingHoursViewModel::setEnd(int day, int index, const QString& text) { return setTime(End::end, day, index, text); }

bool WorkingHoursViewModel::setTime(End which, int day, int index, const QString& typed) {
    if (!rangeAt(day, index)) return false;
    const QString trimmed = typed.trimmed();
    const std::optional<int> minutes = parseTimeOfDay(trimmed.toStdString());
    if (!minutes) {
        if (trimmed.isEmpty()) {
            //: HH:MM is the form of a time: two digits of hours, a colon, two of minutes
            setError(tr("Enter a time as HH:MM, from 00:00 to 23:59."), day);
        } else {
            //: %1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes
            setError(tr("\u201C%1\u201D isn't a time. Use HH:MM, from 00:00 to 23:59.").arg(trimmed), day);
        }
        return false;
    }
    return setMinutes(which, day, index, *minutes);
}

bool WorkingHoursViewModel::setMinutes(End which, int day, int index, int minutes) {
    MinuteRange range = *rangeAt(day, index);
    (which == End::start ? range.start : range.end) = minutes;
    if (range.start == range.end) {
        // A whole sentence for each end, so a translation need not fit the word into another.
        const QString time = timeText(minutes);
        if (which == End::start) {
            //: %1 is the time both ends would have, e.g. 09:00
            setError(tr("A range can't start and end at the same time (%1). Choose another start.").arg(time), day);
        } else {
            //: %1 is the time both ends would have, e.g. 09:00
            setError(tr("A range can't start and end at the same time (%1). Choose another end.").arg(time), day);
        }
        return false;
    }
    WorkingHours next = hours();
    next.days[std::size_t(day)][std::size_t(index)] = range;
    apply(next);
    return true;
}

bool WorkingHoursViewModel::stepStart(int day, int index, int quarters) { return step(End::start, day, index, quarters); }

bool WorkingHoursViewModel::stepEnd(int day, int index, int quarters) { return step(End::end, day, index, quarters); }

bool WorkingHoursViewModel::step(End which, int day, int index, int quarters) {
    const std::optional<MinuteRange> range = rangeAt(day, index);
    if (!range || quarters == 0) return false;
    const int from = which == End::start ? range->start : range->end;
    const int other = which == End::start ? range->end : range->start;
    int to = steppedTime(from, quarters);
    // Landing on the other end would leave no range: the step goes one quarter further.
    if (to == other) to = steppedTime(to, quarters > 0 ? 1 : -1);
    return setMinutes(which, day, index, to);
}

void WorkingHoursViewModel::copyMondayToWeekdays() {
    if (!m_model) return;
    WorkingHours next = hours();
    for (std::size_t day = 1; day <= 4; ++day) next.days[day] = next.days[0];
    apply(next);
}

}  // namespace tarnwick
