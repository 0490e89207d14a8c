#include "ui/settings_view_model.hpp"

#include <algorithm>
#include <climits>

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QWindow>

#include "platform/imaging/backdrops.hpp"
#include "ui/i18n/core_text.hpp"
#include "ui/view_text.hpp"

namespace tarnwick {

namespace {

// The context of the texts written outside the settings classes.
struct SettingsTr {
    Q_DECLARE_TR_FUNCTIONS(Settings)
};

// A count as the translations take it; the settings keep theirs far inside an int.
int countOf(qint64 n) { return int(std::clamp<qint64>(n, INT_MIN, INT_MAX)); }

}  // namespace

QString minutesLabel(qint64 n) { return SettingsTr::tr("%n minutes", nullptr, countOf(n)); }

QString secondsLabel(qint64 n) { return SettingsTr::tr("%n seconds", nullptr, countOf(n)); }

QString headsUpLabel(qint64 n) {
    if (n == 0) return SettingsTr::tr("Don't warn me");
    //: How long before a break its heads-up comes
    return SettingsTr::tr("%n seconds before", nullptr, countOf(n));
}

QString skipsLabel(qint64 n) { return n == 99 ? SettingsTr::tr("No limit") : QString::number(n); }

QString reminderLabel(qint64 n) {
    return n == 0 ? SettingsTr::tr("Never") : SettingsTr::tr("Every %n minutes", nullptr, countOf(n));
}

QList<qint64> pickerChoices(const QList<qint64>& options, qint64 value) {
    if (options.contains(value)) return options;
    QList<qint64> choices = options;
    choices.insert(std::upper_bound(choices.begin(), choices.end(), value), value);
    return choices;
}

QString aboutVersionText(const QString& version) {
    //: %1 is the program's version, e.g. 0.1.0
    return SettingsTr::tr("Version %1 \u00B7 personal build").arg(version.isEmpty() ? QStringLiteral("dev") : version);
}

QString withTilde(const QString& path, const QString& home) {
    const QString folder = QDir::cleanPath(home);
    if (folder.isEmpty() || folder == QStringLiteral("/")) return path;
    if (path == folder) return QStringLiteral("~");
    if (path.startsWith(folder + u'/')) return u'~' + path.mid(folder.size());
    return path;
}

// ChoicePickerModel

ChoicePickerModel::ChoicePickerModel(AppModel& model, QString title, Field field, QList<qint64> options, Label label,
                                     Condition enabledWhen, QObject* parent)
    : QObject(parent),
      m_model(model),
      m_title(std::move(title)),
      m_field(field),
      m_options(std::move(options)),
      m_label(label),
      m_enabledWhen(std::move(enabledWhen)) {
    connect(&m_model, &AppModel::settingsChanged, this, &ChoicePickerModel::refresh);
    refresh();
}

void ChoicePickerModel::refresh() {
    const Settings& settings = m_model.settings();
    const qint64 value = settings.*m_field;
    Values next;
    next.values = pickerChoices(m_options, value);
    for (qint64 v : next.values) next.labels.append(m_label(v));
    next.currentIndex = int(next.values.indexOf(value));
    next.enabled = !m_enabledWhen || m_enabledWhen(settings);
    if (next == m_values) return;
    m_values = std::move(next);
    Q_EMIT changed();
}

void ChoicePickerModel::choose(int index) {
    if (index < 0 || index >= m_values.values.size()) return;
    Settings settings = m_model.settings();
    settings.*m_field = m_values.values[index];
    m_model.setSettings(settings);
}

// SettingsViewModel

namespace {

// The titles and headings below are translated where they are shown, in the context "Settings".
struct PaneInfo {
    const char* id;
    const char* title;
    const char* symbol;
    const char* tile;  // the Tiles colour pair by name
};

constexpr PaneInfo paneTable[] = {
    {"general", QT_TRANSLATE_NOOP("Settings", "General"), "gearshape.fill", "gray"},
    {"breaks", QT_TRANSLATE_NOOP("Settings", "Screen Breaks"), "eye.fill", "pink"},
    {"smartPause", QT_TRANSLATE_NOOP("Settings", "Smart Pause"), "pause.fill", "purple"},
    {"wellness", QT_TRANSLATE_NOOP("Settings", "Wellness Reminders"), "heart.fill", "red"},
    {"breakScreen", QT_TRANSLATE_NOOP("Settings", "Break Screen"), "photo.fill", "orange"},
    {"sounds", QT_TRANSLATE_NOOP("Settings", "Sounds"), "speaker.wave.2.fill", "pink"},
    {"privacy", QT_TRANSLATE_NOOP("Settings", "Privacy & Data"), "hand.raised.fill", "blue"},
    {"about", QT_TRANSLATE_NOOP("Settings", "About"), "info", "yellow"},
};

struct Group {
    const char* heading;  // empty for the first group, which has none
    int first, count;     // a run of `panes`
};

constexpr Group groups[] = {
    {"", 0, 1},
    {QT_TRANSLATE_NOOP("Settings", "Focus & Wellbeing"), 1, 3},
    {QT_TRANSLATE_NOOP("Settings", "Behavior & Feedback"), 4, 2},
    {QT_TRANSLATE_NOOP("Settings", "Data"), 6, 1},
    //: A sidebar heading: the program's name, over its About pane
    {QT_TRANSLATE_NOOP("Settings", "Tarnwick"), 7, 1},
};

QString translated(const char* text) { return *text ? QCoreApplication::translate("Settings", text) : QString(); }

const PaneInfo* paneInfo(const QString& id) {
    for (const auto& info : paneTable)
        if (id == QLatin1String(info.id)) return &info;
    return nullptr;
}

}  // namespace

QStringList SettingsViewModel::paneIds() {
    QStringList ids;
    for (const auto& info : paneTable) ids.append(QLatin1String(info.id));
    return ids;
}

// The sounds by the names the settings keep; the picker shows them in the user's language.
constexpr const char* soundTable[] = {
    QT_TRANSLATE_NOOP("Sound", "Glass"),  QT_TRANSLATE_NOOP("Sound", "Tink"),      QT_TRANSLATE_NOOP("Sound", "Purr"),
    QT_TRANSLATE_NOOP("Sound", "Pop"),    QT_TRANSLATE_NOOP("Sound", "Hero"),      QT_TRANSLATE_NOOP("Sound", "Submarine"),
    QT_TRANSLATE_NOOP("Sound", "Bottle"), QT_TRANSLATE_NOOP("Sound", "Blow"),      QT_TRANSLATE_NOOP("Sound", "Morse"),
    QT_TRANSLATE_NOOP("Sound", "Ping"),
};

QStringList SettingsViewModel::soundChoices() {
    QStringList names;
    for (const char* name : soundTable) names.append(QLatin1String(name));
    return names;
}

SettingsViewModel::SettingsViewModel(AppModel& model, ImageSource wallpaper, QString version, FactsSource facts,
                                     QObject* parent)
    : QObject(parent), m_model(model), m_wallpaperSource(std::move(wallpaper)), m_versionText(aboutVersionText(version)),
      m_facts(std::move(facts)), m_text(new SettingsTexts(this)) {
    const auto microOn = [](const Settings& s) { return s.microEnabled; };
    const auto longOn = [](const Settings& s) { return s.longEnabled; };
    m_microEvery = picker(tr("Show a break every"), &Settings::microEveryMinutes, {10, 15, 20, 25, 30, 45, 60}, minutesLabel,
                          microOn);
    m_microDuration = picker(tr("Break duration"), &Settings::microSeconds, {10, 20, 30, 45, 60}, secondsLabel, microOn);
    m_longEvery = picker(tr("Show a long break every"), &Settings::longEveryMinutes, {30, 45, 60, 90, 120}, minutesLabel,
                         longOn);
    m_longDuration = picker(tr("Long break duration"), &Settings::longMinutes, {2, 3, 5, 10, 15}, minutesLabel, longOn);
    m_headsUp = picker(tr("Warn me before a break"), &Settings::headsUpSeconds, {0, 10, 30, 60}, headsUpLabel);
    m_skips = picker(tr("Skips allowed per week"), &Settings::skipsPerWeek, {3, 5, 10, 20, 99}, skipsLabel,
                     [](const Settings& s) { return s.enforcement != BreakEnforcement::hardcore; });
    //: Followed by a number of minutes
    m_naturalBreak = picker(tr("Time away counts as a break after"), &Settings::naturalBreakMinutes, {2, 3, 5, 10},
                            minutesLabel);
    //: Followed by how often, e.g. "Every 8 minutes"
    m_blinkEvery = picker(tr("Remind me"), &Settings::blinkEveryMinutes, {0, 5, 8, 10, 15, 20}, reminderLabel);
    m_postureEvery = picker(tr("Remind me"), &Settings::postureEveryMinutes, {0, 15, 20, 30, 45, 60}, reminderLabel);

    connect(&m_model, &AppModel::settingsChanged, this, &SettingsViewModel::refresh);
    connect(&m_model, &AppModel::historyChanged, this, &SettingsViewModel::refresh);
    connect(&m_model, &AppModel::currentPresetChanged, this, &SettingsViewModel::refresh);
    // The live signals follow the model's once-a-second publication, while their pane shows.
    connect(&m_model, &AppModel::nowChanged, this, [this] {
        if (m_pane == QLatin1String("smartPause")) probe();
    });
    // A newly chosen sound plays once while the Sounds pane shows, whoever chose it.
    m_soundHeard = QString::fromStdString(m_model.settings().soundName);
    connect(m_model.settingsModel(), &SettingsModel::soundNameChanged, this, [this] {
        const QString name = QString::fromStdString(m_model.settings().soundName);
        if (name == m_soundHeard) return;
        m_soundHeard = name;
        if (m_pane == QLatin1String("sounds")) m_model.playSound(name);
    });
    refresh();
}

SettingsViewModel::~SettingsViewModel() { delete m_exportDialog.data(); }

ChoicePickerModel* SettingsViewModel::picker(QString title, ChoicePickerModel::Field field, QList<qint64> options,
                                             ChoicePickerModel::Label label, ChoicePickerModel::Condition enabledWhen) {
    return new ChoicePickerModel(m_model, std::move(title), field, std::move(options), label, std::move(enabledWhen), this);
}

QVariantList SettingsViewModel::panes() const {
    QVariantList list;
    for (const auto& group : groups) {
        for (int i = group.first; i < group.first + group.count; ++i) {
            list.append(QVariantMap{{"id", paneTable[i].id},
                                    {"title", translated(paneTable[i].title)},
                                    {"symbol", paneTable[i].symbol},
                                    {"tile", paneTable[i].tile},
                                    {"heading", i == group.first ? translated(group.heading) : QString()}});
        }
    }
    return list;
}

void SettingsViewModel::setPane(const QString& id) {
    if (id == m_pane || !paneInfo(id)) return;
    m_pane = id;
    // The state of the pane left behind goes with it.
    m_loginError = false;
    m_live = {};
    m_message.clear();
    if (m_pane == QLatin1String("breakScreen")) {
        m_wallpaper = m_wallpaperSource ? m_wallpaperSource() : QImage();
        Q_EMIT wallpaperChanged();
    }
    Q_EMIT paneChanged();
    refresh();
    if (m_pane == QLatin1String("smartPause")) probe();
    Q_EMIT changed();  // the live signals and the message may have been reset
}

QString SettingsViewModel::paneTitle() const { return translated(paneInfo(m_pane)->title); }
QString SettingsViewModel::paneSymbol() const { return QString::fromLatin1(paneInfo(m_pane)->symbol); }
QString SettingsViewModel::paneTile() const { return QString::fromLatin1(paneInfo(m_pane)->tile); }

void SettingsViewModel::selectNextPane() {
    const QStringList ids = paneIds();
    const auto i = ids.indexOf(m_pane);
    if (i + 1 < ids.size()) setPane(ids[i + 1]);
}

void SettingsViewModel::selectPreviousPane() {
    const QStringList ids = paneIds();
    const auto i = ids.indexOf(m_pane);
    if (i > 0) setPane(ids[i - 1]);
}

SettingsViewModel::Values SettingsViewModel::compute() {
    const Settings& settings = m_model.settings();
    Values v;
    if (m_pane == QLatin1String("general")) {
        if (m_loginError) {
            v.loginMessage = tr("Couldn't change this. Check that ~/.config/autostart can be written and try again.");
        } else if (settings.launchAtLogin && m_model.loginItemStatus() == QLatin1String("requiresApproval")) {
            v.loginMessage =
                tr("Switched off in your desktop's startup settings. Allow Tarnwick there to start it at login.");
        }
    }
    v.selectedPreset = m_model.currentPreset();
    v.enforcement = view::text(id(settings.enforcement));
    v.background = view::text(id(settings.breakBackground));
    for (const auto& line : settings.customMessages) v.messages.append(QString::fromStdString(line));
    v.soundNames = soundChoices();
    const QString sound = QString::fromStdString(settings.soundName);
    if (!v.soundNames.contains(sound)) v.soundNames.append(sound);
    v.soundIndex = int(v.soundNames.indexOf(sound));
    for (const QString& name : std::as_const(v.soundNames))
        v.soundLabels.append(QCoreApplication::translate("Sound", name.toUtf8().constData()));
    const int count = countOf(m_model.historyCount());
    const QString folder = withTilde(QDir::cleanPath(m_model.dataFolder()), QDir::homePath());
    //: %1 is the data folder, e.g. ~/.local/share/tarnwick
    v.privacyText = tr("Your settings and %n recorded breaks are stored only on this computer, in %1. "
                       "Tarnwick sends nothing anywhere.",
                       nullptr, count)
                        .arg(folder);
    v.deleteQuestion = tr("Delete %n breaks and all settings?", nullptr, count);

    const SessionFacts facts = m_facts ? m_facts() : SessionFacts{};
    // On Wayland another program's key presses are out of sight; the idle time stands in for them.
    v.typingSubtitle =
        facts.wayland ? tr("On Wayland, waits for a pause in any input") : tr("Waits up to 2 minutes for a pause");
    const bool x11Only = facts.wayland && facts.fullscreen == FullscreenSource::x11Windows;
    if (x11Only) v.fullscreenNote = tr("Full-screen detection covers X11 applications on this desktop");
    const bool grabOnly = facts.wayland && facts.hotKey == HotKeySource::xGrab;
    if (grabOnly) v.hotKeyNote = tr("On this desktop, the shortcut works while an X11 application is in front");
    v.details.append(facts.wayland ? tr("Session: Wayland, through XWayland") : tr("Session: X11"));
    //: %1 names where the idle time is read, e.g. "X screen saver extension"
    if (!facts.idleSource.isEmpty()) v.details.append(tr("Idle: %1").arg(facts.idleSource));
    //: %1 lists the sources of idle inhibitors that answer, e.g. "logind", or "none"
    if (!facts.idleInhibitors.isEmpty()) v.details.append(tr("Idle inhibitors: %1").arg(facts.idleInhibitors));
    v.details.append(facts.fullscreen == FullscreenSource::x11WindowsAndKWin
                         ? tr("Full screen: KWin scripting and X11 window properties (EWMH)")
                     : facts.fullscreen == FullscreenSource::x11WindowsAndSway
                         ? tr("Full screen: sway IPC and X11 window properties (EWMH)")
                     : x11Only ? tr("Full screen: X11 window properties (EWMH), X11 applications only")
                               : tr("Full screen: X11 window properties (EWMH)"));
    v.details.append(facts.hotKey == HotKeySource::desktopPortal ? tr("Hot key: desktop portal global shortcut")
                     : grabOnly ? tr("Hot key: X key grab, while an X11 application is in front")
                                : tr("Hot key: X key grab"));
    return v;
}

void SettingsViewModel::refresh() {
    Values next = compute();
    if (next == m_values) return;
    m_values = std::move(next);
    Q_EMIT changed();
}

void SettingsViewModel::probe() {
    const QVariantMap now = m_model.probeSignals();
    const QVariant screen = now.value("screen");
    const Live next{now.value("camera").toBool(), now.value("mic").toBool(), now.value("fullscreen").toBool(),
                    screen.isNull() ? std::nullopt : std::optional<bool>(screen.toBool())};
    if (next == m_live) return;
    m_live = next;
    Q_EMIT changed();
}

void SettingsViewModel::setLaunchAtLogin(bool on) {
    m_loginError = !m_model.setLaunchAtLogin(on);
    refresh();
}

QVariantList SettingsViewModel::presets() const {
    QVariantList list;
    for (Preset preset : allPresets) {
        list.append(QVariantMap{{"id", view::text(id(preset))},
                                {"name", i18n::coreText(name(preset))},
                                {"summary", i18n::coreText(summary(preset))}});
    }
    return list;
}

QVariantList SettingsViewModel::enforcements() const {
    struct Mode {
        BreakEnforcement mode;
        const char *name, *rule, *symbol;
    };
    constexpr Mode modes[] = {
        {BreakEnforcement::casual, QT_TRANSLATE_NOOP("Settings", "Casual"), QT_TRANSLATE_NOOP("Settings", "Skip any time"),
         "forward.fill"},
        {BreakEnforcement::balanced, QT_TRANSLATE_NOOP("Settings", "Balanced"),
         QT_TRANSLATE_NOOP("Settings", "Skip after 5 seconds"), "hourglass"},
        {BreakEnforcement::hardcore, QT_TRANSLATE_NOOP("Settings", "Hardcore"), QT_TRANSLATE_NOOP("Settings", "No skipping"),
         "nosign"},
    };
    QVariantList list;
    for (const auto& m : modes) {
        list.append(QVariantMap{{"id", view::text(id(m.mode))},
                                {"name", translated(m.name)},
                                {"rule", translated(m.rule)},
                                {"symbol", m.symbol},
                                {"dimmed", m.mode == BreakEnforcement::hardcore}});
    }
    return list;
}

QVariantList SettingsViewModel::liveSignals() const {
    // Each state a whole text, so a translation can make "on" and "off" agree with the name.
    const auto chip = [](const QString& name, bool on, const QString& onText, const QString& offText) {
        return QVariantMap{{"name", name}, {"on", on}, {"text", on ? onText : offText}};
    };
    const QString sharing = tr("Screen sharing");
    QVariantMap screen = chip(sharing, m_live.screen.value_or(false), tr("Screen sharing: on"), tr("Screen sharing: off"));
    if (!m_live.screen) screen["text"] = tr("Screen sharing: not detectable here");
    return {chip(tr("Camera"), m_live.camera, tr("Camera: on"), tr("Camera: off")),
            chip(tr("Microphone"), m_live.mic, tr("Microphone: on"), tr("Microphone: off")),
            chip(tr("Full screen"), m_live.fullscreen, tr("Full screen: on"), tr("Full screen: off")), screen};
}

void SettingsViewModel::previewBlink() {
    if (m_model.onBlink) m_model.onBlink();
}

void SettingsViewModel::previewPosture() {
    if (m_model.onPosture) m_model.onPosture();
}

QVariantList SettingsViewModel::backgrounds() const {
    return {QVariantMap{{"id", "wallpaper"}, {"title", tr("Wallpaper")}},
            QVariantMap{{"id", "gradient"}, {"title", tr("Sunset")}}};
}

QVariant SettingsViewModel::sunset() const { return Backdrops::sunset(); }

QString SettingsViewModel::messagesFooter() const {
    return m_values.messages.isEmpty() ? tr("Tarnwick uses its own calm lines until you add some.")
                                       : tr("Tarnwick shows one of these at random under the title.");
}

void SettingsViewModel::tryBreak() { m_model.takeBreak(BreakKind::micro); }

void SettingsViewModel::editMessages(const std::function<void(QStringList&)>& edit) {
    QStringList lines = m_values.messages;
    edit(lines);
    Settings settings = m_model.settings();
    settings.customMessages.clear();
    for (const QString& line : lines) settings.customMessages.push_back(line.toStdString());
    m_model.setSettings(settings);
}

void SettingsViewModel::setMessage(int index, const QString& text) {
    if (index < 0 || index >= m_values.messages.size()) return;
    editMessages([&](QStringList& lines) { lines[index] = text; });
}

void SettingsViewModel::addMessage() {
    editMessages([](QStringList& lines) { lines.append(QString()); });
}

void SettingsViewModel::removeMessage(int index) {
    if (index < 0 || index >= m_values.messages.size()) return;
    editMessages([&](QStringList& lines) { lines.removeAt(index); });
}

void SettingsViewModel::chooseSound(int index) {
    if (index < 0 || index >= m_values.soundNames.size()) return;
    Settings settings = m_model.settings();
    settings.soundName = m_values.soundNames[index].toStdString();
    m_model.setSettings(settings);
}

void SettingsViewModel::playSound() { m_model.playSound(QString::fromStdString(m_model.settings().soundName)); }

void SettingsViewModel::setMessageText(const QString& text) {
    if (text == m_message) return;
    m_message = text;
    Q_EMIT changed();
}

void SettingsViewModel::exportTo(const QString& path) {
    const QString error = m_model.exportData(path);
    if (error.isEmpty()) {
        //: %1 is the name of the file saved, e.g. tarnwick-data.json
        setMessageText(tr("Saved to %1.").arg(QFileInfo(path).fileName()));
    } else {
        //: %1 says what went wrong
        setMessageText(tr("Couldn't save the file: %1").arg(error));
    }
}

void SettingsViewModel::chooseExportFile(QWindow* parent) {
    if (!m_exportDialog) {
        auto* dialog = new QFileDialog(nullptr, tr("Export settings and break history"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        //: The file type offered; keep "(*.json)" as it is
        dialog->setNameFilter(tr("JSON (*.json)"));
        dialog->setDefaultSuffix(QStringLiteral("json"));
        dialog->setDirectory(QDir::homePath());
        dialog->selectFile(QStringLiteral("tarnwick-data.json"));
        dialog->setWindowModality(Qt::WindowModal);
        if (parent) {
            dialog->winId();  // makes the native window, to place it over the settings
            dialog->windowHandle()->setTransientParent(parent);
        }
        connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& file) {
            if (!file.isEmpty()) exportTo(file);
        });
        m_exportDialog = dialog;
        dialog->show();
    }
    m_exportDialog->raise();
    m_exportDialog->activateWindow();
}

QFileDialog* SettingsViewModel::exportDialog() const { return m_exportDialog; }

void SettingsViewModel::deleteAll() {
    m_model.deleteAllData();
    setMessageText(tr("Deleted. Tarnwick is back to its defaults."));
}

WindowKind settingsWindowKind(AppModel& model, SettingsViewModel::ImageSource wallpaper, QString version,
                              SettingsViewModel::FactsSource facts) {
    return {
        QStringLiteral("settings"),
        QStringLiteral("SettingsWindow.qml"),
        SettingsTr::tr("Tarnwick Settings"),
        QSize(820, 600),
        QSize(780, 560),
        [&model, wallpaper = std::move(wallpaper), version = std::move(version), facts = std::move(facts)](QObject* owner) {
            auto* vm = new SettingsViewModel(model, wallpaper, version, facts, owner);
            return QVariantMap{{QStringLiteral("vm"), QVariant::fromValue(vm)},
                               {QStringLiteral("model"), QVariant::fromValue(&model)}};
        },
    };
}

}  // namespace tarnwick
