#include "platform/process/single_instance.hpp"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

namespace tarnwick {

namespace {

constexpr QByteArrayView activateMessage = "activate\n";

QString socketNameFor(const QString& dataFolder) {
    // Unique per data folder (and so per user), short enough for a socket path.
    const QByteArray hash = QCryptographicHash::hash(QDir(dataFolder).absolutePath().toUtf8(),
                                                     QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("tarnwick-") + QString::fromLatin1(hash);
}

QString lockPathIn(const QString& dataFolder) {
    QDir().mkpath(dataFolder);
    return dataFolder + QStringLiteral("/tarnwick.lock");
}

}  // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent),
      m_socketName(socketNameFor(dataFolder)),
      m_lock(lockPathIn(dataFolder)) {
    m_lock.setStaleLockTime(0);  // a lock is stale only when its process is gone
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().startsWith(activateMessage.data())) {
                    socket->write("ok\n");
                    socket->flush();
                    Q_EMIT activationRequested();
                }
            });
        }
    });
}

SingleInstance::~SingleInstance() { m_server.close(); }

bool SingleInstance::claim() {
    if (!m_lock.tryLock(0)) return false;
    // A socket left behind by a crashed instance is ours to replace now that we hold the lock.
    QLocalServer::removeServer(m_socketName);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_socketName);
    return true;
}

bool SingleInstance::notifyRunning(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(m_socketName);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(activateMessage.data(), activateMessage.size());
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    return socket.waitForReadyRead(timeoutMs) && socket.readAll().startsWith("ok");
}

}  // namespace tarnwick
