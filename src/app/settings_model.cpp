#include "app/settings_model.hpp"

#include <type_traits>
#include <utility>

#include <nlohmann/json.hpp>

#include "app/app_model.hpp"

namespace tarnwick {

namespace {

// Every field of Settings as (property type, setter argument type, name, setter name).
#define TARNWICK_SETTINGS_FIELDS(X)                                            \
    X(bool, bool, microEnabled, setMicroEnabled)                               \
    X(qint64, qint64, microEveryMinutes, setMicroEveryMinutes)                 \
    X(qint64, qint64, microSeconds, setMicroSeconds)                           \
    X(bool, bool, longEnabled, setLongEnabled)                                 \
    X(qint64, qint64, longEveryMinutes, setLongEveryMinutes)                   \
    X(qint64, qint64, longMinutes, setLongMinutes)                             \
    X(qint64, qint64, blinkEveryMinutes, setBlinkEveryMinutes)                 \
    X(qint64, qint64, postureEveryMinutes, setPostureEveryMinutes)             \
    X(qint64, qint64, headsUpSeconds, setHeadsUpSeconds)                       \
    X(bool, bool, holdDuringCalls, setHoldDuringCalls)                         \
    X(bool, bool, holdDuringFullscreen, setHoldDuringFullscreen)               \
    X(bool, bool, holdWhileTyping, setHoldWhileTyping)                         \
    X(qint64, qint64, naturalBreakMinutes, setNaturalBreakMinutes)             \
    X(QString, const QString&, enforcement, setEnforcement)                    \
    X(qint64, qint64, skipsPerWeek, setSkipsPerWeek)                           \
    X(QString, const QString&, breakBackground, setBreakBackground)            \
    X(QStringList, const QStringList&, customMessages, setCustomMessages)      \
    X(bool, bool, soundOnStart, setSoundOnStart)                               \
    X(bool, bool, soundOnEnd, setSoundOnEnd)                                   \
    X(QString, const QString&, soundName, setSoundName)                        \
    X(bool, bool, menuBarCountdown, setMenuBarCountdown)                       \
    X(bool, bool, launchAtLogin, setLaunchAtLogin)                             \
    X(bool, bool, onboarded, setOnboarded)

QString toQt(const std::string& text) { return QString::fromStdString(text); }
template <class E>
    requires std::is_enum_v<E>
QString toQt(E value) {
    return toQt(std::string(rawValue(value)));
}
QStringList toQt(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(qsizetype(lines.size()));
    for (const auto& line : lines) list.append(QString::fromStdString(line));
    return list;
}
template <class T>
    requires std::is_arithmetic_v<T>
T toQt(T value) {
    return value;
}

// Each answers false when the value names nothing the field can hold.
bool fromQt(bool value, bool& field) {
    field = value;
    return true;
}
bool fromQt(qint64 value, std::int64_t& field) {
    field = value;
    return true;
}
bool fromQt(const QString& value, std::string& field) {
    field = value.toStdString();
    return true;
}
template <class E>
    requires std::is_enum_v<E>
bool fromQt(const QString& value, E& field) {
    const auto parsed = fromRawValue<E>(value.toStdString());
    if (parsed) field = *parsed;
    return parsed.has_value();
}
bool fromQt(const QStringList& value, std::vector<std::string>& field) {
    field.clear();
    for (const auto& line : value) field.push_back(line.toStdString());
    return true;
}

// One settings change carrying the new field. The field goes through the stored form, so it is
// bounded exactly as it is when the settings file is read back.
template <class Field, class Value>
void write(AppModel& model, Field Settings::*field, const Value& value) {
    Settings changed = model.settings();
    if (!fromQt(value, changed.*field)) return;
    changed.*field = nlohmann::json(changed).get<Settings>().*field;
    model.setSettings(changed);
}

}  // namespace

SettingsModel::SettingsModel(AppModel& model) : QObject(&model), m_model(model), m_announced(model.settings()) {
    connect(&model, &AppModel::settingsChanged, this, &SettingsModel::announce);
}

#define X(Type, Argument, field, setter)                                                      \
    Type SettingsModel::field() const { return toQt(m_model.settings().field); }               \
    void SettingsModel::setter(Argument value) { write(m_model, &Settings::field, value); }
TARNWICK_SETTINGS_FIELDS(X)
#undef X

void SettingsModel::announce() {
    // Copies, so that a handler that changes the settings again cannot disturb this round.
    const Settings before = std::exchange(m_announced, m_model.settings());
    const Settings after = m_announced;
#define X(Type, Argument, field, setter) \
    if (before.field != after.field) Q_EMIT field##Changed();
    TARNWICK_SETTINGS_FIELDS(X)
#undef X
}

}  // namespace tarnwick
