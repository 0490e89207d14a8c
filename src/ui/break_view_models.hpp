#pragma once

// What the break surfaces show: the break screen with its controls, the heads-up card with the
// pill beside the pointer, and the nudge texts. Each view model reads the AppModel and recomputes
// whenever it publishes; `changed` fires only when a value a view binds actually moved.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "app/app_model.hpp"

namespace tarnwick {

// The pointer pill shows during the last five seconds of a heads-up, and not once its time is up.
bool pointerCountdownShown(const Phase& phase, Instant now);
// The pill under a nudge's orb: "blink" or "posture"; empty for any other kind.
QString reminderText(const QString& kind);

// The full-screen break on every screen and, on the main one, its controls.
class BreakViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool visible READ visible NOTIFY changed)
    Q_PROPERTY(QString clockText READ clockText NOTIFY changed)
    Q_PROPERTY(QString title READ title NOTIFY changed)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY changed)
    Q_PROPERTY(QString countdownText READ countdownText NOTIFY changed)
    Q_PROPERTY(qint64 secondsLeft READ secondsLeft NOTIFY changed)
    Q_PROPERTY(bool useWallpaper READ useWallpaper NOTIFY changed)
    Q_PROPERTY(QString waitText READ waitText NOTIFY changed)
    Q_PROPERTY(bool canSkip READ canSkip NOTIFY changed)
    Q_PROPERTY(bool hardcore READ hardcore NOTIFY changed)
    Q_PROPERTY(QString hintText READ hintText NOTIFY changed)
    Q_PROPERTY(bool showEscapeHint READ showEscapeHint NOTIFY changed)
    Q_PROPERTY(QString pressText READ pressText CONSTANT)
    Q_PROPERTY(QString escKey READ escKey CONSTANT)
    Q_PROPERTY(QString twiceText READ twiceText CONSTANT)

public:
    explicit BreakViewModel(AppModel& model, QObject* parent = nullptr);

    // Phase is onBreak and the break's texts are there; otherwise only the backdrop shows, and
    // the clock, texts and countdown are empty.
    bool visible() const { return m_values.visible; }
    QString clockText() const { return m_values.clockText; }  // local time of day, short form
    QString title() const { return m_values.title; }
    QString subtitle() const { return m_values.subtitle; }
    QString countdownText() const { return m_values.countdownText; }  // "00:17"
    // Whole seconds to the end, truncated: the key of the rolling digits.
    qint64 secondsLeft() const { return m_values.secondsLeft; }
    bool useWallpaper() const { return m_values.useWallpaper; }
    QString waitText() const { return m_values.waitText; }  // "Skip in 3s", or empty
    bool canSkip() const { return m_values.canSkip; }
    bool hardcore() const { return m_values.hardcore; }
    QString hintText() const { return m_values.hintText; }
    bool showEscapeHint() const { return m_values.showEscapeHint; }
    // The escape hint, "Press [esc] twice to skip the break": one sentence, its words before and
    // after the key cap.
    QString pressText() const { return escapeHint().before; }
    //: The label on the key cap of the Escape key
    QString escKey() const { return tr("esc"); }
    QString twiceText() const { return escapeHint().after; }

    // Skips only if skipping is available as the press lands; a stale button does nothing.
    Q_INVOKABLE void skip();
    // Locks the screen; the break goes on behind the lock.
    Q_INVOKABLE void lockScreen();

Q_SIGNALS:
    void changed();

private:
    struct EscapeHint {
        QString before, after;
    };
    static EscapeHint escapeHint();

    struct Values {
        bool visible = false;
        QString clockText, title, subtitle, countdownText;
        qint64 secondsLeft = 0;
        bool useWallpaper = false;
        QString waitText;
        bool canSkip = false, hardcore = false;
        QString hintText;
        bool showEscapeHint = false;
        bool operator==(const Values&) const = default;
    };

    Values compute() const;
    void refresh();

    AppModel& m_model;
    Values m_values;
};

// The card announcing a break and the pill that follows the pointer in its last seconds.
class HeadsUpViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool visible READ visible NOTIFY changed)
    Q_PROPERTY(double progress READ progress NOTIFY changed)
    Q_PROPERTY(bool waiting READ waiting NOTIFY changed)
    Q_PROPERTY(QString bigText READ bigText NOTIFY changed)
    Q_PROPERTY(qint64 secondsLeft READ secondsLeft NOTIFY changed)
    Q_PROPERTY(QString smallText READ smallText NOTIFY changed)
    Q_PROPERTY(bool showClose READ showClose NOTIFY changed)
    Q_PROPERTY(QString pointerText READ pointerText NOTIFY changed)
    Q_PROPERTY(QString closeLabel READ closeLabel CONSTANT)
    Q_PROPERTY(QString startNowText READ startNowText CONSTANT)
    Q_PROPERTY(QStringList snoozeLabels READ snoozeLabels CONSTANT)
    // The minutes of each snooze label, index for index: the view passes one to snooze().
    Q_PROPERTY(QList<int> snoozeMinutes READ snoozeMinutes CONSTANT)

public:
    explicit HeadsUpViewModel(AppModel& model, QObject* parent = nullptr);

    // Phase is headsUp; otherwise texts are empty and numbers 0.
    bool visible() const { return m_values.visible; }
    // The dial: the share of the heads-up still to run, measured against at least five seconds.
    double progress() const { return m_values.progress; }
    // The break's time has passed and it waits for a pause in typing.
    bool waiting() const { return m_values.waiting; }
    QString bigText() const { return m_values.bigText; }  // "00:05" or "Any second now"
    qint64 secondsLeft() const { return m_values.secondsLeft; }
    QString smallText() const { return m_values.smallText; }
    bool showClose() const { return m_values.showClose; }
    QString pointerText() const { return m_values.pointerText; }  // "Starting break in 5", never 0
    QString closeLabel() const { return tr("Skip this break"); }
    QString startNowText() const { return tr("Start this break now"); }
    QStringList snoozeLabels() const;
    QList<int> snoozeMinutes() const { return {1, 5, 15}; }

    // The card's cross: skips whatever the skip rules of the break screen would say.
    Q_INVOKABLE void skip();
    Q_INVOKABLE void startNow();
    Q_INVOKABLE void snooze(qint64 minutes);

Q_SIGNALS:
    void changed();

private:
    struct Values {
        bool visible = false;
        double progress = 0;
        bool waiting = false;
        QString bigText;
        qint64 secondsLeft = 0;
        QString smallText;
        bool showClose = false;
        QString pointerText;
        bool operator==(const Values&) const = default;
    };

    Values compute() const;
    void refresh();

    AppModel& m_model;
    Values m_values;
};

}  // namespace tarnwick
