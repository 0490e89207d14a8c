#include "platform/sound/qt_sound_player.hpp"

#include <algorithm>
#include <thread>
#include <utility>

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QString>
#include <QTimer>

#include "platform/sound/sound_server_probe.hpp"

namespace tarnwick {

std::optional<QUrl> soundResource(std::string_view name) {
    if (std::find(soundNames.begin(), soundNames.end(), name) == soundNames.end()) {
        return std::nullopt;
    }
    const auto file = QString::fromUtf8(name.data(), qsizetype(name.size()));
    return QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(file));
}

QtSoundPlayer::QtSoundPlayer() : m_answerPoll(std::make_unique<QTimer>()) {
    m_answerPoll->setInterval(10);
    QObject::connect(m_answerPoll.get(), &QTimer::timeout, [this] { serverAnswered(); });
    askServer();
}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::askServer() {
    m_server = Server::asking;
    m_askedAt = std::chrono::steady_clock::now();
    m_answer = std::make_shared<std::atomic<int>>(-1);
    // Detached: the thread ends by itself within serverTimeout and touches only the shared answer.
    std::thread([answer = m_answer] { answer->store(soundServerAnswers(serverTimeout) ? 1 : 0); }).detach();
    m_answerPoll->start();
}

void QtSoundPlayer::serverAnswered() {
    const int answer = m_answer->load();
    if (answer < 0) {
        return;
    }
    m_answerPoll->stop();
    m_server = answer == 1 ? Server::available : Server::absent;
    auto pending = std::exchange(m_pending, std::nullopt);
    if (pending && m_server == Server::available) {
        playNow(*pending);
    }
}

void QtSoundPlayer::play(const std::string& name) {
    if (!soundResource(name)) {
        return;
    }
    switch (m_server) {
    case Server::available:
        playNow(name);
        break;
    case Server::asking:
        m_pending = name;
        break;
    case Server::absent:
        if (std::chrono::steady_clock::now() - m_askedAt >= serverRetry) {
            m_pending = name;
            askServer();
        }
        break;
    }
}

void QtSoundPlayer::playNow(const std::string& name) {
    // A server without an output device: playing would only log warnings.
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        return;
    }
    auto found = m_effects.find(name);
    if (found == m_effects.end()) {
        // The sample loads in the background; a play() before it is ready starts once it is.
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(*soundResource(name));
        found = m_effects.emplace(name, std::move(effect)).first;
    }
    found->second->play();
}

}  // namespace tarnwick
