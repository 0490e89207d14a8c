#pragma once

// What the weekly stats window shows: the week's range, four number tiles, the chart of breaks per
// day, the line to share, and the invitation shown while the week has no records. It reads the
// week the AppModel already computed and recomputes whenever the model publishes; `changed` fires
// only when a shown value moved.

#include <climits>
#include <cstdint>
#include <optional>

#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include "app/app_model.hpp"

namespace tarnwick {

// The chart's top: the smallest multiple of 5 that holds the largest day, never below 10.
std::int64_t chartScaleTop(std::int64_t largestDay);
// Taken as a share of finished (taken or skipped) breaks, in whole percent, halves away from zero;
// 0 when nothing finished. Exact in integers, so 57 of 200 gives 29, as 28.5 rounds.
std::int64_t finishedPercent(std::int64_t taken, std::int64_t skipped);
// "2 Mar – 8 Mar": the week's Monday and the day six days of 86,400 s later, each as "d MMM" in the
// locale, in the calendar's time zone.
QString weekRangeText(Instant weekStart, const Calendar& calendar, const QLocale& locale);
// "You rested your eyes 3 times this week."
QString shareLine(std::int64_t taken);
// What "Copy as text" puts on the clipboard.
QString shareClipboardText(std::int64_t taken);
// "day at 80%+" for a streak of exactly one day, "days at 80%+" otherwise.
QString streakSubtitle(std::int64_t streak);
// "1 skip left" for exactly one, else the number and " skips left".
QString skipsLeftText(std::int64_t skipsLeft);
// The short name of the weekday, 1 for Monday to 7 for Sunday, as the system's locale writes it
// standing alone: "Mon".
QString weekdayLabel(int dayOfWeek);
// What a screen reader says for one day's column: "Mon: 3 taken, 1 skipped".
QString dayAccessibleText(const QString& dayName, std::int64_t taken, std::int64_t skipped);

class StatsViewModel : public QObject {
    Q_OBJECT
    // The model whose week is shown; views set it, and nothing shows until they do.
    Q_PROPERTY(tarnwick::AppModel* model READ model WRITE setModel NOTIFY modelChanged)

    Q_PROPERTY(QString windowTitle READ windowTitle CONSTANT)
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString rangeText READ rangeText NOTIFY changed)
    // No taken, skipped or held record this week: the invitation replaces tiles, chart and share row.
    Q_PROPERTY(bool empty READ empty NOTIFY changed)

    Q_PROPERTY(QString takenTitle READ takenTitle CONSTANT)
    Q_PROPERTY(QString takenValue READ takenValue NOTIFY changed)
    Q_PROPERTY(QString takenSubtitle READ takenSubtitle NOTIFY changed)
    Q_PROPERTY(QString skippedTitle READ skippedTitle CONSTANT)
    Q_PROPERTY(QString skippedValue READ skippedValue NOTIFY changed)
    Q_PROPERTY(QString skippedSubtitle READ skippedSubtitle NOTIFY changed)
    Q_PROPERTY(QString heldTitle READ heldTitle CONSTANT)
    Q_PROPERTY(QString heldValue READ heldValue NOTIFY changed)
    Q_PROPERTY(QString heldSubtitle READ heldSubtitle CONSTANT)
    Q_PROPERTY(QString streakTitle READ streakTitle CONSTANT)
    Q_PROPERTY(QString streakValue READ streakValue NOTIFY changed)
    Q_PROPERTY(QString streakSubtitle READ streakSubtitleText NOTIFY changed)

    Q_PROPERTY(QString chartTitle READ chartTitle CONSTANT)
    Q_PROPERTY(QString takenLegend READ takenLegend CONSTANT)
    Q_PROPERTY(QString skippedLegend READ skippedLegend CONSTANT)
    Q_PROPERTY(int scaleTop READ scaleTop NOTIFY changed)
    // The scale's labels from the top down: the top, half of it (whole), "0".
    Q_PROPERTY(QStringList scaleLabels READ scaleLabels NOTIFY changed)
    // Monday to Sunday, each a map: label (the weekday in the locale), taken, skipped (ints),
    // takenShare and skippedShare (the bars' heights as shares of the plot's height, 0 for a bar
    // not drawn), accessibleText.
    Q_PROPERTY(QVariantList days READ days NOTIFY changed)

    Q_PROPERTY(QString shareText READ shareText NOTIFY changed)
    Q_PROPERTY(QString copyText READ copyText NOTIFY changed)
    Q_PROPERTY(bool copied READ copied NOTIFY changed)

    Q_PROPERTY(QString emptyTitle READ emptyTitle CONSTANT)
    // "Next one is in 4:59. After it, …"; empty when no break is scheduled.
    Q_PROPERTY(QString nextText READ nextText NOTIFY changed)
    Q_PROPERTY(QString takeOneText READ takeOneText CONSTANT)

public:
    explicit StatsViewModel(QObject* parent = nullptr);

    AppModel* model() const { return m_model; }
    void setModel(AppModel* model);

    QString windowTitle() const { return tr("Tarnwick Stats"); }
    QString title() const { return tr("This week"); }
    QString rangeText() const { return m_values.rangeText; }
    bool empty() const { return m_values.empty; }
    QString takenTitle() const { return tr("Breaks taken"); }
    QString takenValue() const { return m_values.takenValue; }
    QString takenSubtitle() const { return m_values.takenSubtitle; }
    QString skippedTitle() const { return tr("Skipped"); }
    QString skippedValue() const { return m_values.skippedValue; }
    QString skippedSubtitle() const { return m_values.skippedSubtitle; }
    QString heldTitle() const { return tr("Held for you"); }
    QString heldValue() const { return m_values.heldValue; }
    QString heldSubtitle() const { return tr("calls and full screen"); }
    QString streakTitle() const { return tr("Streak"); }
    QString streakValue() const { return m_values.streakValue; }
    QString streakSubtitleText() const { return m_values.streakSubtitle; }
    QString chartTitle() const { return tr("Breaks per day"); }
    QString takenLegend() const { return tr("Taken"); }
    QString skippedLegend() const { return tr("Skipped"); }
    int scaleTop() const { return m_values.scaleTop; }
    QStringList scaleLabels() const { return m_values.scaleLabels; }
    QVariantList days() const { return m_values.days; }
    QString shareText() const { return m_values.shareText; }
    QString copyText() const { return m_copied ? tr("Copied") : tr("Copy as text"); }
    bool copied() const { return m_copied; }
    QString emptyTitle() const { return tr("Your week starts with the first break"); }
    QString nextText() const { return m_values.nextText; }
    QString takeOneText() const { return tr("Take one now"); }

    // The line that "Copy as text" puts on the clipboard, for this week.
    QString clipboardText() const;
    // Replaces the clipboard's contents by the line to share; the button reads "Copied" from then
    // on, for as long as this view model lives.
    Q_INVOKABLE void copyShareText();
    // Starts an eye break now.
    Q_INVOKABLE void takeBreak();

Q_SIGNALS:
    void modelChanged();
    void changed();

private:
    struct Values {
        QString rangeText;
        bool empty = true;
        QString takenValue, takenSubtitle, skippedValue, skippedSubtitle, heldValue, streakValue,
            streakSubtitle;
        int scaleTop = 10;
        QStringList scaleLabels;
        QVariantList days;
        QString shareText, nextText;
        bool operator==(const Values&) const = default;
    };

    Values compute();
    void refresh();

    QPointer<AppModel> m_model;
    Values m_values;
    bool m_copied = false;
    // The range text of the week that starts at m_rangeStart: found again only when the week moves.
    std::optional<Instant> m_rangeStart;
    QString m_rangeText;
};

}  // namespace tarnwick
