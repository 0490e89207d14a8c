#pragma once

// The three steps of the welcome window: pick a timing preset, learn that breaks wait while the
// user is busy and choose launch at login, then a summary with the time of the first break. The
// choices stay here until the user moves past their step; each step writes its own through the
// AppModel, and the last one marks onboarding done.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include "app/app_model.hpp"

namespace tarnwick {

// "Your first break is in 20 minutes.": from fresh defaults with the preset applied, the micro
// break's interval when micro breaks are on, else the long one's. The user's settings play no part.
QString firstBreakText(Preset preset);

class OnboardingViewModel : public QObject {
    Q_OBJECT
    // The model the steps write to; views set it.
    Q_PROPERTY(tarnwick::AppModel* model READ model WRITE setModel NOTIFY modelChanged)

    Q_PROPERTY(QString windowTitle READ windowTitle CONSTANT)
    // 1 (welcome and preset), 2 (busy and login) or 3 (done).
    Q_PROPERTY(int step READ step NOTIFY changed)
    Q_PROPERTY(int stepCount READ stepCount CONSTANT)
    // "Step 2 of 3", what the step marks say to a screen reader.
    Q_PROPERTY(QString stepText READ stepText NOTIFY changed)
    Q_PROPERTY(bool showBack READ showBack NOTIFY changed)
    Q_PROPERTY(QString backText READ backText CONSTANT)
    // "Continue", or "Start Tarnwick" on the last step.
    Q_PROPERTY(QString primaryText READ primaryText NOTIFY changed)

    Q_PROPERTY(QString welcomeTitle READ welcomeTitle CONSTANT)
    Q_PROPERTY(QString welcomeText READ welcomeText CONSTANT)
    // The presets in order, each a map: id, name, summary, tag.
    Q_PROPERTY(QVariantList presets READ presets CONSTANT)
    // Index into `presets` of the chosen one.
    Q_PROPERTY(int presetIndex READ presetIndex WRITE choosePreset NOTIFY changed)

    Q_PROPERTY(QString busyTitle READ busyTitle CONSTANT)
    Q_PROPERTY(QString busyText READ busyText CONSTANT)
    // What makes a break wait, each a map: title, symbol.
    Q_PROPERTY(QVariantList chips READ chips CONSTANT)
    Q_PROPERTY(QString loginTitle READ loginTitle CONSTANT)
    Q_PROPERTY(QString loginSubtitle READ loginSubtitle CONSTANT)
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin NOTIFY changed)

    Q_PROPERTY(QString doneTitle READ doneTitle CONSTANT)
    // "Tarnwick lives in your system tray." and the first break's time.
    Q_PROPERTY(QString doneText READ doneText NOTIFY changed)
    Q_PROPERTY(QString firstBreakText READ chosenFirstBreakText NOTIFY changed)
    // How to reach Tarnwick, each a map: symbol, text.
    Q_PROPERTY(QVariantList tips READ tips CONSTANT)
    Q_PROPERTY(QString disclaimer READ disclaimer CONSTANT)

    // The sunset picture behind the steps (a QImage).
    Q_PROPERTY(QVariant backdrop READ backdrop CONSTANT)

public:
    explicit OnboardingViewModel(QObject* parent = nullptr);

    AppModel* model() const { return m_model; }
    void setModel(AppModel* model);

    QString windowTitle() const { return tr("Welcome to Tarnwick"); }
    int step() const { return m_step; }
    int stepCount() const { return 3; }
    QString stepText() const;
    bool showBack() const { return m_step > 1; }
    QString backText() const { return tr("Back"); }
    QString primaryText() const;

    QString welcomeTitle() const { return tr("Welcome to Tarnwick"); }
    QString welcomeText() const;
    QVariantList presets() const;
    int presetIndex() const { return int(m_preset); }
    Preset preset() const { return m_preset; }
    // Chooses the preset at `index` of `presets`; any other index does nothing. Nothing is written.
    void choosePreset(int index);

    QString busyTitle() const { return tr("Breaks wait while you're busy"); }
    QString busyText() const;
    QVariantList chips() const;
    QString loginTitle() const { return tr("Start Tarnwick when I log in"); }
    QString loginSubtitle() const { return tr("Recommended, so you never have to remember."); }
    bool launchAtLogin() const { return m_launchAtLogin; }
    // The switch's state; nothing is written until the step is confirmed.
    void setLaunchAtLogin(bool on);

    QString doneTitle() const { return tr("You're all set"); }
    QString doneText() const;
    QString chosenFirstBreakText() const { return firstBreakText(m_preset); }
    QVariantList tips() const;
    QString disclaimer() const { return tr("Tarnwick helps you rest your eyes. It isn't medical advice."); }

    QVariant backdrop() const;

    // The primary button: step 1 applies the chosen preset, step 2 stores the login choice and
    // registers or removes the login item, each then moving on; step 3 marks onboarding done and
    // announces `finished`, once.
    Q_INVOKABLE void next();
    // One step back; nothing already written is undone.
    Q_INVOKABLE void back();

Q_SIGNALS:
    void modelChanged();
    void changed();
    void finished();

private:
    QPointer<AppModel> m_model;
    int m_step = 1;
    Preset m_preset = Preset::classic;
    bool m_launchAtLogin = true;
    bool m_finished = false;
};

}  // namespace tarnwick
