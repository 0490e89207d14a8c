#pragma once

// Idle inhibitors as sway knows them: a Wayland program's own (a video player's
// zwp_idle_inhibitor_v1) and those the user sets with `inhibit_idle`, which no D-Bus service
// reports. sway's tree marks every window whose inhibitor is in force ("inhibit_idle").

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <optional>

#include "platform/idle_sources.hpp"

class QLocalSocket;

namespace tarnwick {

// From GET_TREE's JSON: whether some window inhibits idle; absent when the text is not a tree.
std::optional<bool> swayTreeInhibitsIdle(const QByteArray& treeJson);

class SwayIdleInhibitors final : public QObject, public InhibitorSource {
public:
    static constexpr int answerBudgetMs = 200;

    // `socketPath` empty: $SWAYSOCK.
    explicit SwayIdleInhibitors(QString socketPath = {}, QObject* parent = nullptr);
    ~SwayIdleInhibitors() override;

    QString name() const override { return QStringLiteral("sway"); }
    void ask() override;
    bool inhibited() const override { return m_inhibited; }
    bool answering() const override { return m_answering; }
    bool awaitingReply() const override;

private:
    void onReadable();
    void giveUp();

    QString m_path;
    QLocalSocket* m_socket = nullptr;
    QByteArray m_buffer;
    QElapsedTimer m_sentAt;  // valid while a question is on its way
    bool m_answering = false, m_inhibited = false;
};

}  // namespace tarnwick
