#include "ui/stats_view_model.hpp"

#include <algorithm>

#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QVariantMap>

#include "core/format.hpp"
#include "ui/view_text.hpp"

namespace tarnwick {

namespace {

struct StatsTr {
    Q_DECLARE_TR_FUNCTIONS(Stats)
};

using view::text;

constexpr double sixDaysSeconds = 6 * 86'400.0;

// Counts as QML reads them (it has no 64-bit integers).
int toInt(std::int64_t value) { return int(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX)); }

QString number(std::int64_t value) { return QString::number(value); }

QString localDate(Instant instant, const Calendar& calendar, const QLocale& locale) {
    const QDate day = QDate(1970, 1, 1).addDays(calendar.localDay(instant));
    return locale.toString(day, QStringLiteral("d MMM"));
}

}  // namespace

std::int64_t chartScaleTop(std::int64_t largestDay) {
    const std::int64_t largest = std::max<std::int64_t>(largestDay, 0);
    return std::max<std::int64_t>(10, 5 * ((largest + 4) / 5));
}

std::int64_t finishedPercent(std::int64_t taken, std::int64_t skipped) {
    const std::int64_t finished = taken + skipped;
    if (finished <= 0) return 0;
    // round(100 t / f) for t, f ≥ 0, halves up: (200 t + f) div (2 f).
    return (200 * taken + finished) / (2 * finished);
}

QString weekRangeText(Instant weekStart, const Calendar& calendar, const QLocale& locale) {
    //: A week's first and last day, e.g. "2 Mar – 8 Mar"
    return StatsTr::tr("%1 \u2013 %2")
        .arg(localDate(weekStart, calendar, locale), localDate(weekStart + Seconds{sixDaysSeconds}, calendar, locale));
}

QString shareLine(std::int64_t taken) {
    return StatsTr::tr("You rested your eyes %n times this week.", nullptr, toInt(taken));
}

QString shareClipboardText(std::int64_t taken) {
    return StatsTr::tr("I rested my eyes %n times this week with Tarnwick, a break reminder that waits while "
                       "I'm on calls.",
                       nullptr, toInt(taken));
}

QString skipsLeftText(std::int64_t skipsLeft) { return StatsTr::tr("%n skips left", nullptr, toInt(skipsLeft)); }

QString streakSubtitle(std::int64_t streak) {
    //: Under the number of days in a row on which at least 80% of the finished breaks were taken
    return StatsTr::tr("days at 80%+", nullptr, toInt(streak));
}

QString weekdayLabel(int dayOfWeek) { return QLocale::system().standaloneDayName(dayOfWeek, QLocale::ShortFormat); }

QString dayAccessibleText(const QString& dayName, std::int64_t taken, std::int64_t skipped) {
    // Each count agrees with its own word, so the sentence takes them as finished parts.
    const QString takenPart = StatsTr::tr("%n taken", "breaks", toInt(taken));
    const QString skippedPart = StatsTr::tr("%n skipped", "breaks", toInt(skipped));
    //: A day's column of the chart: %1 is the weekday, %2 the breaks taken ("3 taken"), %3 the skipped ("1 skipped")
    return StatsTr::tr("%1: %2, %3").arg(dayName, takenPart, skippedPart);
}

StatsViewModel::StatsViewModel(QObject* parent) : QObject(parent) { m_values = compute(); }

void StatsViewModel::setModel(AppModel* model) {
    if (model == m_model) return;
    if (m_model) disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (m_model) {
        for (auto signal : {&AppModel::nowChanged, &AppModel::phaseChanged, &AppModel::settingsChanged,
                            &AppModel::weekChanged, &AppModel::skipsLeftThisWeekChanged,
                            &AppModel::nextBreakChanged}) {
            connect(m_model, signal, this, &StatsViewModel::refresh);
        }
    }
    Q_EMIT modelChanged();
    refresh();
}

StatsViewModel::Values StatsViewModel::compute() {
    Values v;
    if (!m_model) return v;
    const WeekSummary& week = m_model->week();

    if (!m_rangeStart || *m_rangeStart != week.start) {
        m_rangeStart = week.start;
        m_rangeText = weekRangeText(week.start, m_model->calendar(), QLocale::system());
    }
    v.rangeText = m_rangeText;
    v.empty = week.isEmpty();

    v.takenValue = number(week.taken);
    //: %1 is a whole percentage
    v.takenSubtitle = tr("%1% of finished breaks").arg(finishedPercent(week.taken, week.skipped));
    v.skippedValue = number(week.skipped);
    v.skippedSubtitle = skipsLeftText(m_model->skipsLeftThisWeek());
    v.heldValue = number(week.held);
    v.streakValue = number(week.streak);
    v.streakSubtitle = streakSubtitle(week.streak);

    std::int64_t largest = 0;
    for (const DaySummary& day : week.days) largest = std::max(largest, day.taken + day.skipped);
    const std::int64_t top = chartScaleTop(largest);
    v.scaleTop = toInt(top);
    v.scaleLabels = {number(top), number(top / 2), QStringLiteral("0")};
    for (const DaySummary& day : week.days) {
        // The core's own label is English; the column shows the weekday as the locale names it.
        const QString label = weekdayLabel(Calendar::weekdayIndex(m_model->calendar().localDay(day.date)) + 1);
        v.days.append(QVariantMap{
            {QStringLiteral("label"), label},
            {QStringLiteral("taken"), toInt(day.taken)},
            {QStringLiteral("skipped"), toInt(day.skipped)},
            {QStringLiteral("takenShare"), double(day.taken) / double(top)},
            {QStringLiteral("skippedShare"), double(day.skipped) / double(top)},
            {QStringLiteral("accessibleText"), dayAccessibleText(label, day.taken, day.skipped)},
        });
    }

    v.shareText = shareLine(week.taken);
    if (v.empty) {
        if (const auto next = m_model->scheduler().nextBreak()) {
            //: %1 is the time to the next break in minutes and seconds, e.g. 4:59
            v.nextText = tr("Next one is in %1. After it, breaks taken, skipped and held show up here.")
                             .arg(text(format::clock((next->at - m_model->now()).count())));
        }
    }
    return v;
}

void StatsViewModel::refresh() {
    Values next = compute();
    if (next == m_values) return;
    m_values = std::move(next);
    Q_EMIT changed();
}

QString StatsViewModel::clipboardText() const { return shareClipboardText(m_model ? m_model->week().taken : 0); }

void StatsViewModel::copyShareText() {
    if (!m_model) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(clipboardText());
    if (m_copied) return;
    m_copied = true;
    Q_EMIT changed();
}

void StatsViewModel::takeBreak() {
    if (m_model) m_model->takeBreak(BreakKind::micro);
}

}  // namespace tarnwick
