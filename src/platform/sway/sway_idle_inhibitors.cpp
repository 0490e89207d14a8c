#include "platform/sway/sway_idle_inhibitors.hpp"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

#include "platform/sway/sway_fullscreen.hpp"

namespace tarnwick {

namespace {

bool anyInhibits(const QJsonObject& node) {
    if (node.value(QLatin1String("inhibit_idle")).toBool()) return true;
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue& child : node.value(QLatin1String(children)).toArray()) {
            if (child.isObject() && anyInhibits(child.toObject())) return true;
        }
    }
    return false;
}

}  // namespace

std::optional<bool> swayTreeInhibitsIdle(const QByteArray& treeJson) {
    const QJsonDocument document = QJsonDocument::fromJson(treeJson);
    if (!document.isObject() || !document.object().contains(QLatin1String("nodes"))) return std::nullopt;
    return anyInhibits(document.object());
}

SwayIdleInhibitors::SwayIdleInhibitors(QString socketPath, QObject* parent)
    : QObject(parent), m_path(socketPath.isEmpty() ? qEnvironmentVariable("SWAYSOCK") : std::move(socketPath)) {}

SwayIdleInhibitors::~SwayIdleInhibitors() = default;

bool SwayIdleInhibitors::awaitingReply() const {
    return m_sentAt.isValid() && m_sentAt.elapsed() < answerBudgetMs;
}

void SwayIdleInhibitors::ask() {
    if (m_path.isEmpty() || awaitingReply()) return;
    // An answer past its budget counts as none.
    if (m_sentAt.isValid()) giveUp();
    if (!m_socket) {
        m_socket = new QLocalSocket(this);
        connect(m_socket, &QLocalSocket::readyRead, this, &SwayIdleInhibitors::onReadable);
    }
    if (m_socket->state() != QLocalSocket::ConnectedState) {
        m_buffer.clear();
        m_socket->connectToServer(m_path);
        // A local socket connects or fails at once; sway gone fails with no wait.
        if (!m_socket->waitForConnected(answerBudgetMs)) return giveUp();
    }
    m_socket->write(swayIpcMessage(swayGetTree));
    m_sentAt.start();
}

void SwayIdleInhibitors::onReadable() {
    m_buffer.append(m_socket->readAll());
    bool bad = false;
    while (auto reply = takeSwayIpcReply(m_buffer, &bad)) {
        if (reply->type != swayGetTree || !m_sentAt.isValid()) continue;
        m_sentAt.invalidate();
        if (const auto held = swayTreeInhibitsIdle(reply->payload)) {
            m_inhibited = *held;
            m_answering = true;
        } else {
            giveUp();
        }
    }
    if (bad) {
        m_socket->abort();
        giveUp();
    }
}

void SwayIdleInhibitors::giveUp() {
    m_sentAt.invalidate();
    m_answering = false;
    m_inhibited = false;
    // A late answer to the question given up must not be read as the next one's.
    if (m_socket) m_socket->abort();
    m_buffer.clear();
}

}  // namespace tarnwick
