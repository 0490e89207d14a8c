#include "ui/stats_view_model.hpp"

#include <algorithm>

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QVariantMap>

#include "core/format.hpp"
#include "ui/view_text.hpp"

namespace tarnwick {

namespace {

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
    return localDate(weekStart, calendar, locale) + QStringLiteral(" \u2013 ") +
           localDate(weekStart + Seconds{sixDaysSeconds}, calendar, locale);
}

QString shareLine(std::int64_t taken) {
    return QStringLiteral("You rested your eyes %1 this week.").arg(view::counted(taken, "time", "times"));
}

QString shareClipboardText(std::int64_t taken) {
    return QStringLiteral("I rested my eyes %1 this week with Tarnwick, a break reminder that waits while "
                          "I'm on calls.")
        .arg(view::counted(taken, "time", "times"));
}

QString skipsLeftText(std::int64_t skipsLeft) {
    return view::counted(skipsLeft, "skip", "skips") + QStringLiteral(" left");
}

QString streakSubtitle(std::int64_t streak) {
    return streak == 1 ? QStringLiteral("day at 80%+") : QStringLiteral("days at 80%+");
}

QString dayAccessibleText(const DaySummary& day) {
    return QStringLiteral("%1: %2 taken, %3 skipped").arg(text(day.label), number(day.taken), number(day.skipped));
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
    v.takenSubtitle = number(finishedPercent(week.taken, week.skipped)) + QStringLiteral("% of finished breaks");
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
        v.days.append(QVariantMap{
            {QStringLiteral("label"), text(day.label)},
            {QStringLiteral("taken"), toInt(day.taken)},
            {QStringLiteral("skipped"), toInt(day.skipped)},
            {QStringLiteral("takenShare"), double(day.taken) / double(top)},
            {QStringLiteral("skippedShare"), double(day.skipped) / double(top)},
            {QStringLiteral("accessibleText"), dayAccessibleText(day)},
        });
    }

    v.shareText = shareLine(week.taken);
    if (v.empty) {
        if (const auto next = m_model->scheduler().nextBreak()) {
            v.nextText = QStringLiteral("Next one is in ") + text(format::clock((next->at - m_model->now()).count())) +
                         QStringLiteral(". After it, breaks taken, skipped and held show up here.");
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
