#include "platform/sound/qt_sound_player.hpp"

#include <algorithm>

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QString>

namespace tarnwick {

std::optional<QUrl> soundResource(std::string_view name) {
    if (std::find(soundNames.begin(), soundNames.end(), name) == soundNames.end()) {
        return std::nullopt;
    }
    const auto file = QString::fromUtf8(name.data(), qsizetype(name.size()));
    return QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(file));
}

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const std::string& name) {
    // Without a sound server there is no output device; playing would only log warnings.
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        return;
    }
    auto found = m_effects.find(name);
    if (found == m_effects.end()) {
        const auto source = soundResource(name);
        if (!source) {
            return;
        }
        // The sample loads in the background; a play() before it is ready starts once it is.
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(*source);
        found = m_effects.emplace(name, std::move(effect)).first;
    }
    found->second->play();
}

}  // namespace tarnwick
