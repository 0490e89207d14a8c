#include "platform/sway/sway_fullscreen.hpp"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QtEndian>

#include <cstring>
#include <unistd.h>

namespace tarnwick {

namespace {

constexpr char magic[] = "i3-ipc";
constexpr qsizetype magicSize = sizeof magic - 1;
constexpr qsizetype headerSize = magicSize + 8;
// A tree of some thousand windows is a few hundred kilobytes; anything far beyond is not sway.
constexpr quint32 largestPayload = 64u * 1024 * 1024;

// The chain of nodes from the root to the focused one, or empty when none is focused.
bool findFocused(const QJsonObject& node, std::vector<QJsonObject>& path) {
    path.push_back(node);
    if (node.value(QLatin1String("focused")).toBool()) return true;
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue& child : node.value(QLatin1String(children)).toArray()) {
            if (child.isObject() && findFocused(child.toObject(), path)) return true;
        }
    }
    path.pop_back();
    return false;
}

}  // namespace

QByteArray swayIpcMessage(quint32 type, const QByteArray& payload) {
    QByteArray message(magic, magicSize);
    const quint32 header[2] = {quint32(payload.size()), type};
    message.append(reinterpret_cast<const char*>(header), sizeof header);
    message.append(payload);
    return message;
}

std::optional<SwayIpcReply> takeSwayIpcReply(QByteArray& buffer, bool* bad) {
    if (bad) *bad = false;
    const qsizetype compared = std::min(buffer.size(), magicSize);
    if (std::memcmp(buffer.constData(), magic, std::size_t(compared)) != 0) {
        buffer.clear();
        if (bad) *bad = true;
        return std::nullopt;
    }
    if (buffer.size() < headerSize) return std::nullopt;
    quint32 header[2];
    std::memcpy(header, buffer.constData() + magicSize, sizeof header);
    if (header[0] > largestPayload) {
        buffer.clear();
        if (bad) *bad = true;
        return std::nullopt;
    }
    if (buffer.size() < headerSize + qsizetype(header[0])) return std::nullopt;
    // Events carry the high bit in their type; they are passed on as they come.
    SwayIpcReply reply{header[1], buffer.mid(headerSize, qsizetype(header[0]))};
    buffer.remove(0, headerSize + qsizetype(header[0]));
    return reply;
}

std::optional<bool> swayFocusIsFullscreen(const QByteArray& treeJson, qint64 ownPid) {
    const QJsonDocument document = QJsonDocument::fromJson(treeJson);
    if (!document.isObject()) return std::nullopt;
    const QJsonObject root = document.object();
    if (!root.contains(QLatin1String("nodes"))) return std::nullopt;
    std::vector<QJsonObject> path;
    if (!findFocused(root, path)) return false;
    const QJsonObject& focused = path.back();
    const QString type = focused.value(QLatin1String("type")).toString();
    // A focused workspace or output: no window in front.
    if (type != QLatin1String("con") && type != QLatin1String("floating_con")) return false;
    const qint64 pid = qint64(focused.value(QLatin1String("pid")).toDouble());
    if (pid != 0 && pid == ownPid) return false;
    for (auto node = path.rbegin(); node != path.rend(); ++node) {
        const QString kind = node->value(QLatin1String("type")).toString();
        if (kind != QLatin1String("con") && kind != QLatin1String("floating_con")) break;
        if (node->value(QLatin1String("fullscreen_mode")).toInt() > 0) return true;
    }
    return false;
}

SwayFullscreen::SwayFullscreen(QString socketPath, QObject* parent)
    : QObject(parent),
      m_path(socketPath.isEmpty() ? qEnvironmentVariable("SWAYSOCK") : std::move(socketPath)),
      m_ownPid(::getpid()) {
    m_clock.start();
}

SwayFullscreen::~SwayFullscreen() = default;

bool SwayFullscreen::available() {
    if (m_available) return *m_available;
    if (m_path.isEmpty()) return *(m_available = false);
    m_socket = new QLocalSocket(this);
    connect(m_socket, &QLocalSocket::readyRead, this, &SwayFullscreen::onReadable);
    connect(m_socket, &QLocalSocket::disconnected, this, [this] {
        m_sentAt.clear();
        m_buffer.clear();
    });
    m_socket->connectToServer(m_path);
    m_available = m_socket->waitForConnected(answerBudgetMs);
    if (!*m_available) {
        delete m_socket;
        m_socket = nullptr;
    }
    return *m_available;
}

bool SwayFullscreen::frontWindowIsFullscreen() {
    const bool fresh = m_answer && m_answeredAt.isValid() && m_answeredAt.elapsed() < answerLifetimeMs;
    const bool answer = fresh && *m_answer;
    ask();
    return answer;
}

void SwayFullscreen::ask() {
    if (!m_socket) return;
    // A question still within its budget is answered soon; one beyond it is given up, and its
    // late answer will be dropped.
    if (!m_sentAt.empty() && m_clock.elapsed() - m_sentAt.back() < answerBudgetMs) return;
    if (m_socket->state() == QLocalSocket::UnconnectedState) {
        m_buffer.clear();
        m_sentAt.clear();
        m_socket->connectToServer(m_path);
    }
    m_sentAt.push_back(m_clock.elapsed());
    m_socket->write(swayIpcMessage(swayGetTree));
}

void SwayFullscreen::onReadable() {
    m_buffer.append(m_socket->readAll());
    bool bad = false;
    while (auto reply = takeSwayIpcReply(m_buffer, &bad)) {
        if (reply->type != swayGetTree || m_sentAt.empty()) continue;
        const qint64 sentAt = m_sentAt.front();
        m_sentAt.pop_front();
        // A late answer may describe a window that has since gone.
        if (m_clock.elapsed() - sentAt > answerBudgetMs) continue;
        if (const auto fullscreen = swayFocusIsFullscreen(reply->payload, m_ownPid)) {
            m_answer = *fullscreen;
            m_answeredAt.start();
        }
    }
    if (bad) m_socket->abort();
}

}  // namespace tarnwick
