#pragma once

// The SoundPlayer port on Qt Multimedia: the project's ten break sounds, compiled in as Qt
// resources under :/sounds, played with one QSoundEffect per name.

#include <array>
#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QUrl>

#include "app/ports.hpp"

class QSoundEffect;
class QTimer;

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
    // How long the sound server may take to accept a client before it counts as absent.
    static constexpr std::chrono::milliseconds serverTimeout{1000};
    // How often an absent server is asked again, when a sound is wanted.
    static constexpr std::chrono::seconds serverRetry{30};

    // Starts asking, off the main thread, whether a sound server answers. Qt Multimedia is only
    // used once one has: Qt waits for the server without limit on the main thread, so a stopped
    // or hung server would freeze the program at its first sound.
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    // Starts the named sound from its beginning and returns at once. A name with no sound, or no
    // sound server, plays nothing. While the server is still being asked, the last sound wanted
    // plays as soon as it answers. Each name's effect is made on its first use and kept.
    void play(const std::string& name) override;

private:
    enum class Server { asking, available, absent };

    void askServer();
    void serverAnswered();
    void playNow(const std::string& name);

    Server m_server = Server::asking;
    // The running question's answer, shared with its thread: -1 while it runs, 0 absent, 1 answered.
    std::shared_ptr<std::atomic<int>> m_answer;
    std::unique_ptr<QTimer> m_answerPoll;
    std::chrono::steady_clock::time_point m_askedAt;
    std::optional<std::string> m_pending;
    std::map<std::string, std::unique_ptr<QSoundEffect>, std::less<>> m_effects;
};

}  // namespace tarnwick
