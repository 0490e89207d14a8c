#include "platform/process/single_instance.hpp"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

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

SingleInstance::Claim SingleInstance::claim() {
    if (!m_lock.tryLock(0)) {
        if (m_lock.error() == QLockFile::LockFailedError && !heldByLiveProcess()) {
            m_problem = QStringLiteral("a stale lock file cannot be removed");
            return Claim::unavailable;
        }
        if (m_lock.error() == QLockFile::LockFailedError) return Claim::heldElsewhere;
        m_problem = describeFolderProblem();
        return Claim::unavailable;
    }
    // A socket left behind by a crashed instance is ours to replace now that we hold the lock.
    QLocalServer::removeServer(m_socketName);
    listen();
    return Claim::claimed;
}

bool SingleInstance::heldByLiveProcess() const {
    qint64 pid = 0;
    QString host, application;
    if (!m_lock.getLockInfo(&pid, &host, &application) || pid <= 0) return true;  // being written right now
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

QString SingleInstance::describeFolderProblem() const {
    // Name the first part of the path that stands in the way, with the system's reason.
    const QString folder = QFileInfo(m_lock.fileName()).absolutePath();
    for (QFileInfo part(folder); !part.absoluteFilePath().isEmpty(); part = QFileInfo(part.absolutePath())) {
        if (part.exists() && !part.isDir()) return part.absoluteFilePath() + QStringLiteral(" is not a folder");
        if (part.isDir()) break;
        if (part.absoluteFilePath() == QStringLiteral("/")) break;
    }
    errno = 0;
    const int fd = ::open(QFile::encodeName(folder + QStringLiteral("/.tarnwick-write-test")).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    const int error = errno;
    if (fd >= 0) {
        ::close(fd);
        ::unlink(QFile::encodeName(folder + QStringLiteral("/.tarnwick-write-test")).constData());
        return QStringLiteral("the lock file cannot be made");
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

void SingleInstance::listen() {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_socketName);
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
