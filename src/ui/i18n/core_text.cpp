#include "ui/i18n/core_text.hpp"

#include <array>

#include <QCoreApplication>

namespace tarnwick::i18n {

namespace {

// The core's texts, word for word. A text missing here is shown in English; the tests compare the
// table with what the core says.
constexpr std::array texts{
    // Eye breaks
    QT_TRANSLATE_NOOP("CoreText", "Look into the distance"),
    QT_TRANSLATE_NOOP("CoreText", "Find something far away and let your eyes relax until the timer ends"),
    QT_TRANSLATE_NOOP("CoreText", "Soften your gaze"),
    QT_TRANSLATE_NOOP("CoreText", "Look out of a window or across the room, and blink slowly"),
    QT_TRANSLATE_NOOP("CoreText", "Let your eyes wander"),
    QT_TRANSLATE_NOOP("CoreText", "Rest them on the farthest thing you can see"),
    QT_TRANSLATE_NOOP("CoreText", "Time to look up"),
    QT_TRANSLATE_NOOP("CoreText", "Twenty seconds on something distant resets tired eyes"),
    // Long breaks
    QT_TRANSLATE_NOOP("CoreText", "Time to step away"),
    QT_TRANSLATE_NOOP("CoreText", "Stand up, stretch, and give your eyes a real rest"),
    QT_TRANSLATE_NOOP("CoreText", "Stretch it out"),
    QT_TRANSLATE_NOOP("CoreText", "Roll your shoulders, refill your water, look outside"),
    QT_TRANSLATE_NOOP("CoreText", "Take a proper break"),
    QT_TRANSLATE_NOOP("CoreText", "A short walk does more for your focus than another hour of staring"),
    // Presets: names, summaries and tags ("20-20-20" is the same in every language)
    QT_TRANSLATE_NOOP("CoreText", "Deep focus"),
    QT_TRANSLATE_NOOP("CoreText", "Gentle"),
    QT_TRANSLATE_NOOP("CoreText", "Look away 20 s every 20 min. Long break every hour."),
    QT_TRANSLATE_NOOP("CoreText", "Look away 20 s every 30 min. Long break after 90 min."),
    QT_TRANSLATE_NOOP("CoreText", "Blink nudges only, plus a long break every 2 hours."),
    QT_TRANSLATE_NOOP("CoreText", "Recommended"),
    QT_TRANSLATE_NOOP("CoreText", "Coding"),
    QT_TRANSLATE_NOOP("CoreText", "Light"),
    // Why a break is held
    QT_TRANSLATE_NOOP("CoreText", "You're on a call"),
    QT_TRANSLATE_NOOP("CoreText", "A full-screen app is open"),
    QT_TRANSLATE_NOOP("CoreText", "You're typing"),
};

}  // namespace

QString coreText(std::string_view english) {
    const QByteArray source(english.data(), qsizetype(english.size()));
    return QCoreApplication::translate("CoreText", source.constData());
}

std::span<const char* const> coreTexts() { return texts; }

}  // namespace tarnwick::i18n
