#pragma once

// The SoundPlayer port on Qt Multimedia: the project's ten break sounds, compiled in as Qt
// resources under :/sounds, played with one QSoundEffect per name.

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QUrl>

#include "app/ports.hpp"

class QSoundEffect;

namespace tarnwick {

// The names a sound can be chosen by, in the order the settings offer them.
inline constexpr std::array<std::string_view, 10> soundNames{
    "Glass", "Tink", "Purr", "Pop", "Hero", "Submarine", "Bottle", "Blow", "Morse", "Ping",
};

// The resource of the named sound (qrc:/sounds/<Name>.wav), or nothing when the name is not one
// of soundNames exactly (case matters), so no other resource can be reached through a name.
std::optional<QUrl> soundResource(std::string_view name);

class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    // Starts the named sound from its beginning and returns at once. A name with no sound, or no
    // sound server, plays nothing. Each name's effect is made on its first use and kept.
    void play(const std::string& name) override;

private:
    std::map<std::string, std::unique_ptr<QSoundEffect>, std::less<>> m_effects;
};

}  // namespace tarnwick
