#pragma once

// What the tray shows: the short text beside the icon and its accessible label, and the panel that
// opens from it (where the schedule stands, the immediate commands, today's tally). The panel's view
// model recomputes whenever the AppModel publishes; `changed` fires only when a shown value moved.

#include <algorithm>
#include <climits>

#include <QObject>
#include <QString>
#include <QStringList>

#include "app/app_model.hpp"

namespace tarnwick {

// The phase in a word or a countdown: "4m" or "59s" to the next break or the announced one, "Held",
// "Break" or "Paused"; empty while working with both break kinds off.
QString phaseText(const AppModel& model);
// The instant before which the phase text cannot change while the phase and the next break stay
// as they are and the clock runs forward; a moment early rather than late. A word or an empty
// text stays for the whole phase.
Instant phaseTextSteadyUntil(const AppModel& model);
// What the tray icon shows beneath its glyph while the countdown setting is on: the time to the
// next break as text, or for a phase that has no time a mark that reads at tray sizes (16 to 24
// pixels), where the word would be a few pixels tall. The accessible label says it in words.
enum class TrayMark { none, countdown, paused, onBreak, held };
struct TrayTitle {
    TrayMark mark = TrayMark::none;
    QString text;  // the countdown ("20m", "59s"); empty for every other mark
    bool operator==(const TrayTitle&) const = default;
};
TrayTitle trayTitle(const AppModel& model);
// "Tarnwick: " and the phase text (or the working hours' status), whether or not the title shows.
QString trayAccessibleLabel(const AppModel& model);
// The panel's status label: "Next eye break in", "Long break starting", "Break held", "Paused until",
// "Breaks are off" and so on, by phase and next break.
QString statusLabel(const AppModel& model);

// The tray's panel.
class MenuBarViewModel : public QObject {
    Q_OBJECT
    // The status: what comes next and when, or why a break waits. The detail is empty when none.
    Q_PROPERTY(QString label READ label NOTIFY changed)
    Q_PROPERTY(QString value READ value NOTIFY changed)
    Q_PROPERTY(QString detail READ detail NOTIFY changed)
    Q_PROPERTY(bool showProgress READ showProgress NOTIFY changed)
    Q_PROPERTY(double progress READ progress NOTIFY changed)
    Q_PROPERTY(QString firstTileTitle READ firstTileTitle NOTIFY changed)
    Q_PROPERTY(QString firstTileSymbol READ firstTileSymbol NOTIFY changed)
    Q_PROPERTY(QString longTileTitle READ longTileTitle CONSTANT)
    Q_PROPERTY(QString longTileSymbol READ longTileSymbol CONSTANT)
    Q_PROPERTY(bool paused READ paused NOTIFY changed)
    Q_PROPERTY(QString resumeText READ resumeText CONSTANT)
    Q_PROPERTY(QString pauseText READ pauseText CONSTANT)
    // The pause chips, index for index as pauseChip() takes them.
    Q_PROPERTY(QStringList pauseChips READ pauseChips CONSTANT)
    // Counts as QML reads them (it has no 64-bit integers); a day's breaks fit many times over.
    Q_PROPERTY(int todayTaken READ todayTaken NOTIFY changed)
    Q_PROPERTY(int todaySkipped READ todaySkipped NOTIFY changed)
    Q_PROPERTY(int streak READ streak NOTIFY changed)
    // Each caption agrees with its count, as some languages need.
    Q_PROPERTY(QString takenCaption READ takenCaption NOTIFY changed)
    Q_PROPERTY(QString skippedCaption READ skippedCaption NOTIFY changed)
    Q_PROPERTY(QString streakCaption READ streakCaption NOTIFY changed)
    Q_PROPERTY(QString statsTitle READ statsTitle CONSTANT)
    Q_PROPERTY(QString settingsTitle READ settingsTitle CONSTANT)
    Q_PROPERTY(QString quitTitle READ quitTitle CONSTANT)

public:
    explicit MenuBarViewModel(AppModel& model, QObject* parent = nullptr);

    QString label() const { return m_values.label; }
    QString value() const { return m_values.value; }
    QString detail() const { return m_values.detail; }
    // Working towards a next break: the bar fills as it nears. Its fill is 0 while it is hidden.
    bool showProgress() const { return m_values.showProgress; }
    double progress() const { return m_values.progress; }
    // "Start break now" while a break is announced or held, "Eye break now" otherwise.
    QString firstTileTitle() const { return m_values.firstTileTitle; }
    QString firstTileSymbol() const { return m_values.firstTileSymbol; }
    QString longTileTitle() const { return tr("Long break now"); }
    QString longTileSymbol() const { return QStringLiteral("figure.walk"); }
    // While paused the view offers resuming in place of the pause row.
    bool paused() const { return m_values.paused; }
    QString resumeText() const { return tr("Resume breaks"); }
    QString pauseText() const { return tr("Pause"); }
    QStringList pauseChips() const;
    int todayTaken() const { return int(std::min<qint64>(m_values.todayTaken, INT_MAX)); }
    int todaySkipped() const { return int(std::min<qint64>(m_values.todaySkipped, INT_MAX)); }
    int streak() const { return int(std::min<qint64>(m_values.streak, INT_MAX)); }
    //: Under the number of breaks taken today
    QString takenCaption() const { return tr("taken today", nullptr, todayTaken()); }
    //: Under the number of breaks skipped today
    QString skippedCaption() const { return tr("skipped", nullptr, todaySkipped()); }
    //: Under the number of days in a row with most breaks taken
    QString streakCaption() const { return tr("day streak", nullptr, streak()); }
    QString statsTitle() const { return tr("Stats"); }
    QString settingsTitle() const { return tr("Settings"); }
    QString quitTitle() const { return tr("Quit"); }

    // Starts the announced or held break at once; otherwise takes an eye break. Then asks to close.
    // While inactive (the panel is hidden) the values are not followed, so a hidden panel costs
    // the tick nothing; becoming active brings them up to date at once and has the model tick
    // every second, for the countdown's seconds.
    void setActive(bool active);
    bool active() const { return m_active; }

    Q_INVOKABLE void firstTile();
    // Takes a long break, then asks to close.
    Q_INVOKABLE void longBreak();
    // The panel stays open after resuming or pausing, to show the new state.
    Q_INVOKABLE void resume();
    // 0: half an hour, 1: an hour, 2: until tomorrow morning; any other index does nothing.
    Q_INVOKABLE void pauseChip(int index);

Q_SIGNALS:
    void changed();
    // The user acted on a break; the panel gets out of the way.
    void closeRequested();

private:
    struct Values {
        QString label, value, detail;
        bool showProgress = false;
        double progress = 0;
        QString firstTileTitle, firstTileSymbol;
        bool paused = false;
        qint64 todayTaken = 0, todaySkipped = 0, streak = 0;
        bool operator==(const Values&) const = default;
    };

    Values compute() const;
    void refresh();

    AppModel& m_model;
    Values m_values;
    bool m_active = true;
};

}  // namespace tarnwick
