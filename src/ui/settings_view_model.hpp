#pragma once

// What the settings window shows: the sidebar of panes, the pickers with their labels, and every
// text of the eight panes that depends on the settings, the history or the system. Controls edit
// the model's settings in place; the model saves and applies each change.

#include <cstdint>
#include <functional>
#include <optional>

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include "app/app_model.hpp"
#include "app/session_facts.hpp"
#include "ui/window_controller.hpp"

class QFileDialog;
class QWindow;

namespace tarnwick {

// The label functions of the pickers.
QString minutesLabel(qint64 n);   // "1 minute", "20 minutes"
QString secondsLabel(qint64 n);   // "20 seconds"
QString headsUpLabel(qint64 n);   // "Don't warn me" for 0, else "30 seconds before"
QString skipsLabel(qint64 n);     // "No limit" for 99, else the number
QString reminderLabel(qint64 n);  // "Never" for 0, else "Every 8 minutes"

// The values a picker lists: its options, plus the current value in sorted order when it is not
// one of them, so the current value is always shown and selected.
QList<qint64> pickerChoices(const QList<qint64>& options, qint64 value);

// "Version 0.1.0 · personal build"; "dev" stands in for an empty version.
QString aboutVersionText(const QString& version);
// `path` with the home folder written as "~" (only a whole leading folder of it).
QString withTilde(const QString& path, const QString& home);

// The fixed captions of the panes, one property each, so views name them and the names are
// checked when the views are linted. They are translated when the object is made.
class SettingsTexts : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString sidebarName MEMBER sidebarName CONSTANT)
    Q_PROPERTY(QString startupHeading MEMBER startupHeading CONSTANT)
    Q_PROPERTY(QString launchAtLogin MEMBER launchAtLogin CONSTANT)
    Q_PROPERTY(QString trayHeading MEMBER trayHeading CONSTANT)
    Q_PROPERTY(QString trayCountdown MEMBER trayCountdown CONSTANT)
    Q_PROPERTY(QString trayFooter MEMBER trayFooter CONSTANT)
    Q_PROPERTY(QString shortcutHeading MEMBER shortcutHeading CONSTANT)
    Q_PROPERTY(QString shortcutBreak MEMBER shortcutBreak CONSTANT)
    Q_PROPERTY(QString shortcutBreakKeys MEMBER shortcutBreakKeys CONSTANT)
    Q_PROPERTY(QString shortcutSkip MEMBER shortcutSkip CONSTANT)
    Q_PROPERTY(QString shortcutSkipKeys MEMBER shortcutSkipKeys CONSTANT)
    Q_PROPERTY(QString rhythmHeading MEMBER rhythmHeading CONSTANT)
    Q_PROPERTY(QString eyeHeading MEMBER eyeHeading CONSTANT)
    Q_PROPERTY(QString eyeTitle MEMBER eyeTitle CONSTANT)
    Q_PROPERTY(QString eyeSubtitle MEMBER eyeSubtitle CONSTANT)
    Q_PROPERTY(QString longHeading MEMBER longHeading CONSTANT)
    Q_PROPERTY(QString longTitle MEMBER longTitle CONSTANT)
    Q_PROPERTY(QString longSubtitle MEMBER longSubtitle CONSTANT)
    Q_PROPERTY(QString headsUpHeading MEMBER headsUpHeading CONSTANT)
    Q_PROPERTY(QString enforcementHeading MEMBER enforcementHeading CONSTANT)
    Q_PROPERTY(QString enforcementFooter MEMBER enforcementFooter CONSTANT)
    Q_PROPERTY(QString skipBreak MEMBER skipBreak CONSTANT)
    Q_PROPERTY(QString holdHeading MEMBER holdHeading CONSTANT)
    Q_PROPERTY(QString holdFooter MEMBER holdFooter CONSTANT)
    Q_PROPERTY(QString callsTitle MEMBER callsTitle CONSTANT)
    Q_PROPERTY(QString callsSubtitle MEMBER callsSubtitle CONSTANT)
    Q_PROPERTY(QString fullscreenTitle MEMBER fullscreenTitle CONSTANT)
    Q_PROPERTY(QString fullscreenSubtitle MEMBER fullscreenSubtitle CONSTANT)
    Q_PROPERTY(QString typingTitle MEMBER typingTitle CONSTANT)
    Q_PROPERTY(QString naturalHeading MEMBER naturalHeading CONSTANT)
    Q_PROPERTY(QString nowHeading MEMBER nowHeading CONSTANT)
    Q_PROPERTY(QString nowFooter MEMBER nowFooter CONSTANT)
    Q_PROPERTY(QString blinkTitle MEMBER blinkTitle CONSTANT)
    Q_PROPERTY(QString blinkSubtitle MEMBER blinkSubtitle CONSTANT)
    Q_PROPERTY(QString postureTitle MEMBER postureTitle CONSTANT)
    Q_PROPERTY(QString postureSubtitle MEMBER postureSubtitle CONSTANT)
    Q_PROPERTY(QString preview MEMBER preview CONSTANT)
    Q_PROPERTY(QString previewBlink MEMBER previewBlink CONSTANT)
    Q_PROPERTY(QString previewPosture MEMBER previewPosture CONSTANT)
    Q_PROPERTY(QString wellnessFooter MEMBER wellnessFooter CONSTANT)
    Q_PROPERTY(QString backgroundHeading MEMBER backgroundHeading CONSTANT)
    Q_PROPERTY(QString seeBreak MEMBER seeBreak CONSTANT)
    Q_PROPERTY(QString tryBreak MEMBER tryBreak CONSTANT)
    Q_PROPERTY(QString messagesHeading MEMBER messagesHeading CONSTANT)
    Q_PROPERTY(QString messageLabel MEMBER messageLabel CONSTANT)
    Q_PROPERTY(QString messagePlaceholder MEMBER messagePlaceholder CONSTANT)
    Q_PROPERTY(QString removeMessage MEMBER removeMessage CONSTANT)
    Q_PROPERTY(QString addMessage MEMBER addMessage CONSTANT)
    Q_PROPERTY(QString soundsHeading MEMBER soundsHeading CONSTANT)
    Q_PROPERTY(QString soundOnStart MEMBER soundOnStart CONSTANT)
    Q_PROPERTY(QString soundOnEnd MEMBER soundOnEnd CONSTANT)
    Q_PROPERTY(QString soundPicker MEMBER soundPicker CONSTANT)
    Q_PROPERTY(QString playSound MEMBER playSound CONSTANT)
    Q_PROPERTY(QString dataHeading MEMBER dataHeading CONSTANT)
    Q_PROPERTY(QString exportRow MEMBER exportRow CONSTANT)
    Q_PROPERTY(QString exportButton MEMBER exportButton CONSTANT)
    Q_PROPERTY(QString deleteRow MEMBER deleteRow CONSTANT)
    Q_PROPERTY(QString deleteButton MEMBER deleteButton CONSTANT)
    Q_PROPERTY(QString deleteWarning MEMBER deleteWarning CONSTANT)
    Q_PROPERTY(QString deleteConfirm MEMBER deleteConfirm CONSTANT)
    Q_PROPERTY(QString cancel MEMBER cancel CONSTANT)
    Q_PROPERTY(QString appName MEMBER appName CONSTANT)
    Q_PROPERTY(QString tagline MEMBER tagline CONSTANT)
    Q_PROPERTY(QString detailsHeading MEMBER detailsHeading CONSTANT)
    Q_PROPERTY(QString disclaimer MEMBER disclaimer CONSTANT)

public:
    using QObject::QObject;

    QString sidebarName = tr("Settings sections");
    // General
    QString startupHeading = tr("Startup");
    QString launchAtLogin = tr("Start Tarnwick when I log in");
    QString trayHeading = tr("Tray");
    QString trayCountdown = tr("Show the countdown in the tray icon");
    QString trayFooter = tr("Where the tray has no room for it, Tarnwick shows just the icon.");
    QString shortcutHeading = tr("Keyboard shortcut");
    QString shortcutBreak = tr("Take an eye break now");
    //: The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise
    QString shortcutBreakKeys = tr("Ctrl Alt B");
    QString shortcutSkip = tr("Skip a running break");
    //: The skip shortcut: Escape pressed twice, as the keyboard names the key
    QString shortcutSkipKeys = tr("esc  esc");
    // Screen Breaks
    QString rhythmHeading = tr("Rhythm");
    QString eyeHeading = tr("Eye breaks");
    QString eyeTitle = tr("20-20-20 eye breaks");
    QString eyeSubtitle = tr("Look at something far away");
    QString longHeading = tr("Long breaks");
    QString longTitle = tr("Long breaks");
    QString longSubtitle = tr("Stand up and step away");
    QString headsUpHeading = tr("Heads-up");
    QString enforcementHeading = tr("Break enforcement");
    QString enforcementFooter = tr("Once the week's skips are used up, skipping still works but waits 15 seconds.");
    QString skipBreak = tr("Skip Break");
    // Smart Pause
    QString holdHeading = tr("Hold breaks during");
    QString holdFooter = tr("A held break gets a fresh heads-up as soon as you're free.");
    QString callsTitle = tr("Meetings or calls");
    QString callsSubtitle = tr("Camera, microphone or screen sharing in use");
    QString fullscreenTitle = tr("Full-screen apps and games");
    QString fullscreenSubtitle = tr("Also full-screen video and presentations");
    QString typingTitle = tr("Typing");
    QString naturalHeading = tr("Natural breaks");
    QString nowHeading = tr("Right now");
    QString nowFooter = tr("Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.");
    // Wellness
    QString blinkTitle = tr("Blink reminders");
    QString blinkSubtitle = tr("A small orb blinks at you, then leaves");
    QString postureTitle = tr("Posture reminders");
    QString postureSubtitle = tr("A gentle nudge to sit up straight");
    QString preview = tr("Preview");
    QString previewBlink = tr("Preview the blink reminder");
    QString previewPosture = tr("Preview the posture reminder");
    QString wellnessFooter = tr("Reminders never take focus, and they wait during calls and full-screen apps.");
    // Break Screen
    QString backgroundHeading = tr("Background");
    QString seeBreak = tr("See how a break looks");
    QString tryBreak = tr("Try a 20-second break");
    QString messagesHeading = tr("Your messages for eye breaks");
    QString messageLabel = tr("Message");
    QString messagePlaceholder = tr("Drink some water and look outside");
    QString removeMessage = tr("Remove message");
    QString addMessage = tr("Add a message");
    // Sounds
    QString soundsHeading = tr("Break sounds");
    QString soundOnStart = tr("Play a sound when a break begins");
    QString soundOnEnd = tr("Play a sound when a break ends");
    QString soundPicker = tr("Sound");
    QString playSound = tr("Play sound");
    // Privacy & Data
    QString dataHeading = tr("Your data");
    QString exportRow = tr("Export settings and break history as JSON");
    QString exportButton = tr("Export\u2026");
    QString deleteRow = tr("Delete break history and reset every setting");
    QString deleteButton = tr("Delete\u2026");
    QString deleteWarning = tr("This can't be undone.");
    QString deleteConfirm = tr("Delete everything");
    QString cancel = tr("Cancel");
    // About
    //: The program's name
    QString appName = tr("Tarnwick");
    QString tagline = tr("Eye breaks that wait for the right moment.");
    QString detailsHeading = tr("Details");
    QString disclaimer = tr("Tarnwick helps you rest your eyes. It isn't medical advice. If your eyes hurt often, see an eye doctor.");
};

// One pop-up menu over a whole-number field of the settings.
class ChoicePickerModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QStringList labels READ labels NOTIFY changed)
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY changed)
    Q_PROPERTY(QString currentLabel READ currentLabel NOTIFY changed)
    Q_PROPERTY(bool enabled READ enabled NOTIFY changed)

public:
    using Field = std::int64_t Settings::*;
    using Label = QString (*)(qint64);
    using Condition = std::function<bool(const Settings&)>;

    ChoicePickerModel(AppModel& model, QString title, Field field, QList<qint64> options, Label label,
                      Condition enabledWhen = {}, QObject* parent = nullptr);

    QString title() const { return m_title; }
    // The values listed, index for index with `labels`; `options` itself never changes.
    QList<qint64> values() const { return m_values.values; }
    QList<qint64> options() const { return m_options; }
    QStringList labels() const { return m_values.labels; }
    int currentIndex() const { return m_values.currentIndex; }
    QString currentLabel() const { return m_values.labels.value(m_values.currentIndex); }
    // Off while the setting it belongs to is off; the value stays.
    bool enabled() const { return m_values.enabled; }

    // Sets the field to the listed value at `index`; an index out of range does nothing.
    Q_INVOKABLE void choose(int index);

Q_SIGNALS:
    void changed();

private:
    struct Values {
        QList<qint64> values;
        QStringList labels;
        int currentIndex = -1;
        bool enabled = true;
        bool operator==(const Values&) const = default;
    };
    void refresh();

    AppModel& m_model;
    QString m_title;
    Field m_field;
    QList<qint64> m_options;
    Label m_label;
    Condition m_enabledWhen;
    Values m_values;
};

// The window's model: one per window, so a new window starts with fresh state.
class SettingsViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(tarnwick::SettingsTexts* text READ text CONSTANT)
    // [{id, title, symbol, tile, heading}] in sidebar order; the heading is set on the first pane
    // of each group but the first.
    Q_PROPERTY(QVariantList panes READ panes CONSTANT)
    // The selected pane's id; "breaks" when the window opens.
    Q_PROPERTY(QString pane READ pane WRITE setPane NOTIFY paneChanged)
    Q_PROPERTY(QString paneTitle READ paneTitle NOTIFY paneChanged)
    Q_PROPERTY(QString paneSymbol READ paneSymbol NOTIFY paneChanged)
    Q_PROPERTY(QString paneTile READ paneTile NOTIFY paneChanged)

    Q_PROPERTY(tarnwick::ChoicePickerModel* microEvery READ microEvery CONSTANT)
    Q_PROPERTY(tarnwick::ChoicePickerModel* microDuration READ microDuration CONSTANT)
    Q_PROPERTY(tarnwick::ChoicePickerModel* longEvery READ longEvery CONSTANT)
    Q_PROPERTY(tarnwick::ChoicePickerModel* longDuration READ longDuration CONSTANT)
    Q_PROPERTY(tarnwick::ChoicePickerModel* headsUp READ headsUp CONSTANT)
    Q_PROPERTY(tarnwick::ChoicePickerModel* skips READ skips CONSTANT)
    Q_PROPERTY(tarnwick::ChoicePickerModel* naturalBreak READ naturalBreak CONSTANT)
    Q_PROPERTY(tarnwick::ChoicePickerModel* blinkEvery READ blinkEvery CONSTANT)
    Q_PROPERTY(tarnwick::ChoicePickerModel* postureEvery READ postureEvery CONSTANT)

    // General: the line under the login toggle (empty, the red error or the approval hint).
    Q_PROPERTY(QString loginMessage READ loginMessage NOTIFY changed)
    Q_PROPERTY(bool loginError READ loginError NOTIFY changed)
    // General: where the shortcut cannot fire whatever is in front, the line that says so; or empty.
    Q_PROPERTY(QString hotKeyNote READ hotKeyNote NOTIFY changed)

    // Screen Breaks: [{id, name, summary}] and the id of the preset the settings match, or empty.
    Q_PROPERTY(QVariantList presets READ presets CONSTANT)
    Q_PROPERTY(QString selectedPreset READ selectedPreset NOTIFY changed)
    // [{id, name, rule, symbol, dimmed}] and the id of the current mode.
    Q_PROPERTY(QVariantList enforcements READ enforcements CONSTANT)
    Q_PROPERTY(QString enforcement READ enforcement NOTIFY changed)

    // Smart Pause: [{name, on, text}] for the camera, the microphone and full screen.
    Q_PROPERTY(QVariantList liveSignals READ liveSignals NOTIFY changed)
    // The typing row's subtitle, which says what "typing" means on this session.
    Q_PROPERTY(QString typingSubtitle READ typingSubtitle NOTIFY changed)
    // Where full screen cannot be seen for every window, the line that says so; or empty.
    Q_PROPERTY(QString fullscreenNote READ fullscreenNote NOTIFY changed)

    // Break Screen: [{id, title}], the chosen id, and the two previews.
    Q_PROPERTY(QVariantList backgrounds READ backgrounds CONSTANT)
    Q_PROPERTY(QString background READ background NOTIFY changed)
    Q_PROPERTY(QVariant wallpaper READ wallpaper NOTIFY wallpaperChanged)
    Q_PROPERTY(bool hasWallpaper READ hasWallpaper NOTIFY wallpaperChanged)
    Q_PROPERTY(QVariant sunset READ sunset CONSTANT)
    Q_PROPERTY(QStringList messages READ messages NOTIFY changed)
    Q_PROPERTY(int messageCount READ messageCount NOTIFY changed)
    Q_PROPERTY(QString messagesFooter READ messagesFooter NOTIFY changed)

    // Sounds: the names offered (the current one added when it is not among them) and its index.
    Q_PROPERTY(QStringList soundNames READ soundNames NOTIFY changed)
    Q_PROPERTY(QStringList soundLabels READ soundLabels NOTIFY changed)
    Q_PROPERTY(int soundIndex READ soundIndex NOTIFY changed)

    // Privacy & Data.
    Q_PROPERTY(QString privacyText READ privacyText NOTIFY changed)
    Q_PROPERTY(QString deleteQuestion READ deleteQuestion NOTIFY changed)
    // The outcome of the last export or delete; empty until one.
    Q_PROPERTY(QString message READ message NOTIFY changed)

    // About: the version, and one line per source that serves this session ("Idle: …").
    Q_PROPERTY(QString versionText READ versionText CONSTANT)
    Q_PROPERTY(QStringList details READ details NOTIFY changed)

public:
    using ImageSource = std::function<QImage()>;
    // The session's facts as they stand; asked whenever the panes refresh, since the hot key's
    // source is settled only after launch.
    using FactsSource = std::function<SessionFacts()>;

    // The panes in sidebar order, and the sounds offered. Functions, not static members: the
    // program and the views module both carry this code, and one object built by both
    // would be destroyed twice.
    static QStringList paneIds();
    static QStringList soundChoices();

    // `wallpaper` gives the main screen's blurred desktop picture (a null image when none); it is
    // asked each time the Break Screen pane is shown. `version` is the program's version. Without
    // `facts`, an X11 session with nothing known of its idle source.
    SettingsViewModel(AppModel& model, ImageSource wallpaper = {}, QString version = {}, FactsSource facts = {},
                      QObject* parent = nullptr);
    ~SettingsViewModel() override;

    SettingsTexts* text() const { return m_text; }
    QVariantList panes() const;
    QString pane() const { return m_pane; }
    // An unknown id does nothing. Leaving a pane resets its state (the login error, the
    // message); showing one refreshes what it shows from the system.
    void setPane(const QString& id);
    QString paneTitle() const;
    QString paneSymbol() const;
    QString paneTile() const;
    // The pane after or before the selected one in sidebar order; the ends stay put.
    Q_INVOKABLE void selectNextPane();
    Q_INVOKABLE void selectPreviousPane();

    ChoicePickerModel* microEvery() const { return m_microEvery; }
    ChoicePickerModel* microDuration() const { return m_microDuration; }
    ChoicePickerModel* longEvery() const { return m_longEvery; }
    ChoicePickerModel* longDuration() const { return m_longDuration; }
    ChoicePickerModel* headsUp() const { return m_headsUp; }
    ChoicePickerModel* skips() const { return m_skips; }
    ChoicePickerModel* naturalBreak() const { return m_naturalBreak; }
    ChoicePickerModel* blinkEvery() const { return m_blinkEvery; }
    ChoicePickerModel* postureEvery() const { return m_postureEvery; }

    QString loginMessage() const { return m_values.loginMessage; }
    bool loginError() const { return m_loginError; }
    QString hotKeyNote() const { return m_values.hotKeyNote; }
    // Turns launch at login on or off through the login item; the setting follows only when the
    // change was made, and a failure shows the error until the next attempt succeeds.
    Q_INVOKABLE void setLaunchAtLogin(bool on);

    QVariantList presets() const;
    QString selectedPreset() const { return m_values.selectedPreset; }
    QVariantList enforcements() const;
    QString enforcement() const { return m_values.enforcement; }

    QVariantList liveSignals() const;
    QString typingSubtitle() const { return m_values.typingSubtitle; }
    QString fullscreenNote() const { return m_values.fullscreenNote; }

    Q_INVOKABLE void previewBlink();
    Q_INVOKABLE void previewPosture();

    QVariantList backgrounds() const;
    QString background() const { return m_values.background; }
    QVariant wallpaper() const { return m_wallpaper; }
    bool hasWallpaper() const { return !m_wallpaper.isNull(); }
    QVariant sunset() const;
    QStringList messages() const { return m_values.messages; }
    int messageCount() const { return int(m_values.messages.size()); }
    QString messagesFooter() const;
    // An eye break now, as the hot key takes one.
    Q_INVOKABLE void tryBreak();
    // Stores exactly what was typed, empty texts included; an index out of range does nothing.
    Q_INVOKABLE void setMessage(int index, const QString& text);
    Q_INVOKABLE void addMessage();
    Q_INVOKABLE void removeMessage(int index);

    QStringList soundNames() const { return m_values.soundNames; }
    QStringList soundLabels() const { return m_values.soundLabels; }  // the names as the picker shows them
    int soundIndex() const { return m_values.soundIndex; }
    Q_INVOKABLE void chooseSound(int index);
    Q_INVOKABLE void playSound();

    QString privacyText() const { return m_values.privacyText; }
    QString deleteQuestion() const { return m_values.deleteQuestion; }
    QString message() const { return m_message; }
    // Writes the export to `path` and reports the outcome in `message`.
    Q_INVOKABLE void exportTo(const QString& path);
    // The save dialog, proposing "tarnwick-data.json" in the home folder; a chosen file is
    // exported to, cancelling changes nothing. Over `parent` when given.
    Q_INVOKABLE void chooseExportFile(QWindow* parent = nullptr);
    QFileDialog* exportDialog() const;
    Q_INVOKABLE void deleteAll();

    QString versionText() const { return m_versionText; }
    QStringList details() const { return m_values.details; }

Q_SIGNALS:
    void paneChanged();
    void changed();
    void wallpaperChanged();

private:
    struct Values {
        QString loginMessage;
        QString selectedPreset, enforcement;
        QString background;
        QStringList messages;
        QStringList soundNames, soundLabels;
        int soundIndex = -1;
        QString privacyText, deleteQuestion;
        QString hotKeyNote, typingSubtitle, fullscreenNote;
        QStringList details;
        bool operator==(const Values&) const = default;
    };
    struct Live {
        bool camera = false, mic = false, fullscreen = false;
        std::optional<bool> screen;  // nothing where screen sharing cannot be told
        bool operator==(const Live&) const = default;
    };

    Values compute();
    void refresh();
    void probe();
    void setMessageText(const QString& text);
    void editMessages(const std::function<void(QStringList&)>& edit);
    ChoicePickerModel* picker(QString title, ChoicePickerModel::Field field, QList<qint64> options,
                              ChoicePickerModel::Label label, ChoicePickerModel::Condition enabledWhen = {});

    AppModel& m_model;
    ImageSource m_wallpaperSource;
    QString m_versionText;
    FactsSource m_facts;
    SettingsTexts* m_text;
    QString m_pane = QStringLiteral("breaks");
    Values m_values;
    Live m_live;
    bool m_loginError = false;
    QString m_message;
    QImage m_wallpaper;
    QPointer<QFileDialog> m_exportDialog;
    QString m_soundHeard;

    ChoicePickerModel* m_microEvery;
    ChoicePickerModel* m_microDuration;
    ChoicePickerModel* m_longEvery;
    ChoicePickerModel* m_longDuration;
    ChoicePickerModel* m_headsUp;
    ChoicePickerModel* m_skips;
    ChoicePickerModel* m_naturalBreak;
    ChoicePickerModel* m_blinkEvery;
    ChoicePickerModel* m_postureEvery;
};

// The settings window's entry in the table of windows.
WindowKind settingsWindowKind(AppModel& model, SettingsViewModel::ImageSource wallpaper, QString version,
                              SettingsViewModel::FactsSource facts = {});

}  // namespace tarnwick
