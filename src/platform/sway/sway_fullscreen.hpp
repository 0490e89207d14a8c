#pragma once

// Whether the window in front is full screen, asked of sway (and i3-compatible wlroots
// compositors) over its IPC socket ($SWAYSOCK), which sees native Wayland and XWayland windows
// alike. One GET_TREE a question, answered in the background.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <deque>
#include <optional>

#include "platform/native_fullscreen.hpp"

class QLocalSocket;

namespace tarnwick {

// The IPC's message types this program sends.
inline constexpr quint32 swayGetTree = 4;

// One request: "i3-ipc", the payload's length and the type (native byte order), then the payload.
QByteArray swayIpcMessage(quint32 type, const QByteArray& payload = {});

struct SwayIpcReply {
    quint32 type = 0;
    QByteArray payload;
};

// Takes the first whole reply off the front of `buffer`; absent while it is incomplete. A buffer
// that does not start with the magic is cleared and reported as `bad`.
std::optional<SwayIpcReply> takeSwayIpcReply(QByteArray& buffer, bool* bad = nullptr);

// From GET_TREE's JSON: whether the focused window, or a container it sits in, is full screen and
// belongs to another process than `ownPid`. Absent when the text is not a tree.
std::optional<bool> swayFocusIsFullscreen(const QByteArray& treeJson, qint64 ownPid);

class SwayFullscreen final : public QObject, public NativeFullscreen {
    Q_OBJECT
public:
    static constexpr int answerBudgetMs = 200;
    static constexpr int answerLifetimeMs = 2500;

    // `socketPath` empty: $SWAYSOCK.
    explicit SwayFullscreen(QString socketPath = {}, QObject* parent = nullptr);
    ~SwayFullscreen() override;

    // Whether sway answers on its socket; asked once, within the budget.
    bool available();
    bool frontWindowIsFullscreen() override;

    void setOwnPid(qint64 pid) { m_ownPid = pid; }

private:
    void ask();
    void onReadable();

    QString m_path;
    QLocalSocket* m_socket = nullptr;
    QByteArray m_buffer;
    std::optional<bool> m_available;
    qint64 m_ownPid;
    QElapsedTimer m_clock;
    std::deque<qint64> m_sentAt;  // when each unanswered question went out; sway answers in order
    std::optional<bool> m_answer;
    QElapsedTimer m_answeredAt;
};

}  // namespace tarnwick
