#pragma once

// The user's settings as one property per field, for views that bind to them and write them.

#include <QObject>
#include <QString>
#include <QStringList>

#include "core/settings.hpp"

namespace tarnwick {

class AppModel;

// Each property is named as its field of Settings. A write is one settings change through the model
// (saved and handed to the scheduler); a value below the field's lower bound is raised to it, as a
// read of the settings file would, and an unknown enforcement or background name is ignored.
// Whatever changes the model's settings, exactly the fields whose value changed announce it.
class SettingsModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool microEnabled READ microEnabled WRITE setMicroEnabled NOTIFY microEnabledChanged)
    Q_PROPERTY(qint64 microEveryMinutes READ microEveryMinutes WRITE setMicroEveryMinutes NOTIFY microEveryMinutesChanged)
    Q_PROPERTY(qint64 microSeconds READ microSeconds WRITE setMicroSeconds NOTIFY microSecondsChanged)
    Q_PROPERTY(bool longEnabled READ longEnabled WRITE setLongEnabled NOTIFY longEnabledChanged)
    Q_PROPERTY(qint64 longEveryMinutes READ longEveryMinutes WRITE setLongEveryMinutes NOTIFY longEveryMinutesChanged)
    Q_PROPERTY(qint64 longMinutes READ longMinutes WRITE setLongMinutes NOTIFY longMinutesChanged)
    Q_PROPERTY(qint64 blinkEveryMinutes READ blinkEveryMinutes WRITE setBlinkEveryMinutes NOTIFY blinkEveryMinutesChanged)
    Q_PROPERTY(qint64 postureEveryMinutes READ postureEveryMinutes WRITE setPostureEveryMinutes NOTIFY postureEveryMinutesChanged)
    Q_PROPERTY(qint64 headsUpSeconds READ headsUpSeconds WRITE setHeadsUpSeconds NOTIFY headsUpSecondsChanged)
    Q_PROPERTY(bool holdDuringCalls READ holdDuringCalls WRITE setHoldDuringCalls NOTIFY holdDuringCallsChanged)
    Q_PROPERTY(bool holdDuringFullscreen READ holdDuringFullscreen WRITE setHoldDuringFullscreen NOTIFY holdDuringFullscreenChanged)
    Q_PROPERTY(bool holdWhileTyping READ holdWhileTyping WRITE setHoldWhileTyping NOTIFY holdWhileTypingChanged)
    Q_PROPERTY(qint64 naturalBreakMinutes READ naturalBreakMinutes WRITE setNaturalBreakMinutes NOTIFY naturalBreakMinutesChanged)
    Q_PROPERTY(QString enforcement READ enforcement WRITE setEnforcement NOTIFY enforcementChanged)
    Q_PROPERTY(qint64 skipsPerWeek READ skipsPerWeek WRITE setSkipsPerWeek NOTIFY skipsPerWeekChanged)
    Q_PROPERTY(QString breakBackground READ breakBackground WRITE setBreakBackground NOTIFY breakBackgroundChanged)
    Q_PROPERTY(QStringList customMessages READ customMessages WRITE setCustomMessages NOTIFY customMessagesChanged)
    Q_PROPERTY(bool soundOnStart READ soundOnStart WRITE setSoundOnStart NOTIFY soundOnStartChanged)
    Q_PROPERTY(bool soundOnEnd READ soundOnEnd WRITE setSoundOnEnd NOTIFY soundOnEndChanged)
    Q_PROPERTY(QString soundName READ soundName WRITE setSoundName NOTIFY soundNameChanged)
    Q_PROPERTY(bool menuBarCountdown READ menuBarCountdown WRITE setMenuBarCountdown NOTIFY menuBarCountdownChanged)
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin NOTIFY launchAtLoginChanged)
    Q_PROPERTY(bool onboarded READ onboarded WRITE setOnboarded NOTIFY onboardedChanged)

public:
    // A child of `model`, which owns it.
    explicit SettingsModel(AppModel& model);

    bool microEnabled() const;
    qint64 microEveryMinutes() const;
    qint64 microSeconds() const;
    bool longEnabled() const;
    qint64 longEveryMinutes() const;
    qint64 longMinutes() const;
    qint64 blinkEveryMinutes() const;
    qint64 postureEveryMinutes() const;
    qint64 headsUpSeconds() const;
    bool holdDuringCalls() const;
    bool holdDuringFullscreen() const;
    bool holdWhileTyping() const;
    qint64 naturalBreakMinutes() const;
    QString enforcement() const;
    qint64 skipsPerWeek() const;
    QString breakBackground() const;
    QStringList customMessages() const;
    bool soundOnStart() const;
    bool soundOnEnd() const;
    QString soundName() const;
    bool menuBarCountdown() const;
    bool launchAtLogin() const;
    bool onboarded() const;

    void setMicroEnabled(bool value);
    void setMicroEveryMinutes(qint64 value);
    void setMicroSeconds(qint64 value);
    void setLongEnabled(bool value);
    void setLongEveryMinutes(qint64 value);
    void setLongMinutes(qint64 value);
    void setBlinkEveryMinutes(qint64 value);
    void setPostureEveryMinutes(qint64 value);
    void setHeadsUpSeconds(qint64 value);
    void setHoldDuringCalls(bool value);
    void setHoldDuringFullscreen(bool value);
    void setHoldWhileTyping(bool value);
    void setNaturalBreakMinutes(qint64 value);
    void setEnforcement(const QString& value);
    void setSkipsPerWeek(qint64 value);
    void setBreakBackground(const QString& value);
    void setCustomMessages(const QStringList& value);
    void setSoundOnStart(bool value);
    void setSoundOnEnd(bool value);
    void setSoundName(const QString& value);
    void setMenuBarCountdown(bool value);
    // The setting only; the login item itself is changed through AppModel::setLaunchAtLogin.
    void setLaunchAtLogin(bool value);
    void setOnboarded(bool value);

Q_SIGNALS:
    void microEnabledChanged();
    void microEveryMinutesChanged();
    void microSecondsChanged();
    void longEnabledChanged();
    void longEveryMinutesChanged();
    void longMinutesChanged();
    void blinkEveryMinutesChanged();
    void postureEveryMinutesChanged();
    void headsUpSecondsChanged();
    void holdDuringCallsChanged();
    void holdDuringFullscreenChanged();
    void holdWhileTypingChanged();
    void naturalBreakMinutesChanged();
    void enforcementChanged();
    void skipsPerWeekChanged();
    void breakBackgroundChanged();
    void customMessagesChanged();
    void soundOnStartChanged();
    void soundOnEndChanged();
    void soundNameChanged();
    void menuBarCountdownChanged();
    void launchAtLoginChanged();
    void onboardedChanged();

private:
    // Emits the signal of each field that differs from the settings last announced.
    void announce();

    AppModel& m_model;
    Settings m_announced;
};

}  // namespace tarnwick
