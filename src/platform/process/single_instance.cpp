#include "platform/process/single_instance.hpp"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "app/private_folder.hpp"

namespace tarnwick {

namespace {

using namespace std::chrono;
using steady = steady_clock;

constexpr QByteArrayView activateMessage = "activate\n";
// A local connection is made at once; only a socket whose queue is full keeps a start waiting.
constexpr milliseconds connectWait{500};

// One console line, whatever the text holds.
void report(const QString& text) {
    QString line = QStringLiteral("Tarnwick: ") + text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

// Unique per user and data folder, short enough for a socket path.
QString endpointKey(const QString& dataFolder, uid_t user) {
    const QByteArray text = QByteArray::number(user) + ':' + QDir(dataFolder).absolutePath().toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex().left(16));
}

// Whether the process at the other end of a connected local socket runs as this user.
bool peerIsThisUser(qintptr descriptor) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return descriptor >= 0 &&
           ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           size == sizeof credentials && credentials.uid == ::geteuid();
}

QByteArray readProcNetUnix() {
    QFile file(QStringLiteral("/proc/net/unix"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace

RuntimeFolderFacts runtimeFolderFacts(const QString& path) {
    RuntimeFolderFacts facts;
    facts.path = path;
    struct stat status {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0) return facts;
    facts.isFolder = S_ISDIR(status.st_mode);
    facts.owner = status.st_uid;
    facts.permissions = status.st_mode & 07777;
    return facts;
}

InstanceEndpoint instanceEndpoint(const QString& dataFolder, const RuntimeFolderFacts& runtime, uid_t user) {
    const QString name = QStringLiteral("tarnwick-") + endpointKey(dataFolder, user);
    const bool private_ = QDir::isAbsolutePath(runtime.path) && runtime.isFolder && runtime.owner == user &&
                          runtime.permissions == 0700;
    if (private_) {
        const QString folder = QDir::cleanPath(runtime.path) + QLatin1Char('/');
        InstanceEndpoint endpoint{folder + name + QStringLiteral(".socket"), false, folder + name + QStringLiteral(".lock")};
        if (size_t(QFile::encodeName(endpoint.socketName).size()) < sizeof(sockaddr_un::sun_path)) return endpoint;
    }
    return {name, true, {}};
}

std::vector<QString> listeningAbstractNames(std::string_view text, std::string_view prefix) {
    constexpr unsigned long acceptsConnections = 0x10000;  // __SO_ACCEPTCON in the Flags column
    std::vector<QString> names;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        // Num: RefCount Protocol Flags Type St Inode Path
        std::string_view fields[8];
        int count = 0;
        while (count < 8) {
            const auto start = line.find_first_not_of(' ');
            if (start == std::string_view::npos) break;
            line.remove_prefix(start);
            const auto end = count == 7 ? line.size() : std::min(line.find(' '), line.size());
            fields[count++] = line.substr(0, end);
            line.remove_prefix(end);
        }
        if (count < 8) continue;
        const std::string flagsText(fields[3]);
        char* parsedTo = nullptr;
        const unsigned long flags = std::strtoul(flagsText.c_str(), &parsedTo, 16);
        if (parsedTo == flagsText.c_str() || *parsedTo != '\0' || !(flags & acceptsConnections)) continue;
        std::string_view path = fields[7];
        if (!path.starts_with('@')) continue;
        path.remove_prefix(1);
        // An abstract name may be padded with NULs, which the kernel shows as '@'.
        while (!path.empty() && path.back() == '@') path.remove_suffix(1);
        if (!path.starts_with(prefix)) continue;
        const QString name = QString::fromLatin1(path.data(), qsizetype(path.size()));
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : SingleInstance(dataFolder, qEnvironmentVariable("XDG_RUNTIME_DIR"), parent) {}

SingleInstance::SingleInstance(const QString& dataFolder, const QString& runtimeFolder, QObject* parent)
    : QObject(parent),
      m_dataFolder(dataFolder),
      m_endpoint(instanceEndpoint(dataFolder, runtimeFolderFacts(runtimeFolder), ::geteuid())),
      m_lock(dataFolder + QStringLiteral("/tarnwick.lock")) {
    m_lock.setStaleLockTime(0);  // a lock is stale only when its process is gone
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    m_lockRetry.setInterval(lockRetryInterval);
    connect(&m_lockRetry, &QTimer::timeout, this, &SingleInstance::retryLock);
}

SingleInstance::~SingleInstance() {
    // The socket goes before the guard, so it is never removed under a newer instance.
    m_server.close();
    releaseGuard();
}

QString SingleInstance::address() const {
    const QString name = m_listeningName.isEmpty() ? m_endpoint.socketName : m_listeningName;
    return m_endpoint.abstract ? QLatin1Char('@') + name : name;
}

SingleInstance::Start SingleInstance::start(milliseconds answerWait) {
    // An instance that holds the guard but does not listen yet is starting: it gets `answerWait`.
    const auto giveUp = steady::now() + answerWait;
    for (;;) {
        switch (reachRunning(answerWait)) {
        case Reach::answered:
            return Start::handedOver;
        case Reach::silent:
            m_problem = QStringLiteral("a running Tarnwick did not answer on %1").arg(address());
            return Start::unreachable;
        case Reach::nobody:
            break;
        }
        if (takeGuard()) break;
        if (steady::now() >= giveUp) {
            m_problem = QStringLiteral("a running Tarnwick does not listen on %1").arg(address());
            return Start::unreachable;
        }
        QThread::msleep(50);
    }

    switch (takeLock()) {
    case Lock::taken:
        m_holdsLock = true;
        break;
    case Lock::heldElsewhere: {
        // Another session's Tarnwick, listening elsewhere (another runtime folder) or not at all.
        qint64 pid = 0;
        QString host, application;
        m_lock.getLockInfo(&pid, &host, &application);
        m_server.close();
        releaseGuard();
        m_problem = QStringLiteral("Tarnwick already runs as process %1 for %2, listening where this start cannot reach it")
                        .arg(pid).arg(m_dataFolder);
        return Start::unreachable;
    }
    case Lock::unusable:
        m_lockRetry.start();
        break;
    }
    if (!m_endpoint.abstract) listenOnPath();
    return Start::first;
}

SingleInstance::Reach SingleInstance::reachRunning(milliseconds answerWait) {
    const Reach reach = reachAt(m_endpoint.socketName, m_endpoint.abstract, answerWait);
    if (reach != Reach::nobody || !m_endpoint.abstract) return reach;
    // The name may belong to another user: this user's instance then listens on a name beside it.
    const QByteArray prefix = (m_endpoint.socketName + QLatin1Char('-')).toLatin1();
    const QByteArray table = readProcNetUnix();
    for (const QString& name : listeningAbstractNames(std::string_view(table.constData(), size_t(table.size())),
                                                      std::string_view(prefix.constData(), size_t(prefix.size())))) {
        if (const Reach other = reachAt(name, true, answerWait); other != Reach::nobody) {
            m_listeningName = name;
            return other;
        }
    }
    return Reach::nobody;
}

SingleInstance::Reach SingleInstance::reachAt(const QString& name, bool abstract, milliseconds answerWait) {
    QLocalSocket socket;
    if (abstract) socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(name);
    if (!socket.waitForConnected(int(connectWait.count()))) return Reach::nobody;
    // Another user's socket is never spoken to: it could answer in our instance's place.
    if (!peerIsThisUser(socket.socketDescriptor())) return Reach::nobody;
    socket.write(activateMessage.data(), activateMessage.size());
    const auto giveUp = steady::now() + answerWait;
    QByteArray answer;
    while (!answer.contains('\n')) {
        const auto left = duration_cast<milliseconds>(giveUp - steady::now());
        if (left <= 0ms) return Reach::silent;
        if (socket.bytesToWrite() > 0) {
            if (!socket.waitForBytesWritten(int(left.count()))) return Reach::silent;
        } else if (!socket.waitForReadyRead(int(left.count()))) {
            return Reach::silent;
        }
        answer += socket.readAll();
    }
    return answer.startsWith("ok\n") ? Reach::answered : Reach::silent;
}

bool SingleInstance::takeGuard() {
    if (m_endpoint.abstract) return listenAbstract();
    m_guard = ::open(QFile::encodeName(m_endpoint.guardPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // The private folder refuses a file only when it is full or read-only: the data folder's lock
    // still keeps a second instance out.
    if (m_guard < 0) return true;
    if (::flock(m_guard, LOCK_EX | LOCK_NB) == 0) return true;
    const int error = errno;
    ::close(m_guard);
    m_guard = -1;
    return error != EWOULDBLOCK;
}

void SingleInstance::releaseGuard() {
    if (m_guard < 0) return;
    ::close(m_guard);  // closing the only descriptor releases the flock
    m_guard = -1;
}

bool SingleInstance::listenAbstract() {
    // The bound name is itself the guard: the kernel gives it to one socket, and frees it with the process.
    m_server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (m_server.listen(m_endpoint.socketName)) {
        m_listeningName = m_endpoint.socketName;
        return true;
    }
    if (m_server.serverError() != QAbstractSocket::AddressInUseError) {
        report(QStringLiteral("later starts cannot reach this instance: listening on @%1 failed (%2)")
                   .arg(m_endpoint.socketName, m_server.errorString()));
        return true;
    }
    {
        QLocalSocket holder;
        holder.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
        holder.connectToServer(m_endpoint.socketName);
        // This user's instance took the name since it was asked: ask it again.
        if (holder.waitForConnected(int(connectWait.count())) && peerIsThisUser(holder.socketDescriptor())) return false;
    }
    const QString beside = m_endpoint.socketName + QLatin1Char('-') +
                           QString::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, QLatin1Char('0'));
    if (!m_server.listen(beside)) {
        report(QStringLiteral("later starts cannot reach this instance: another user holds @%1, and listening on @%2 failed (%3)")
                   .arg(m_endpoint.socketName, beside, m_server.errorString()));
        return true;
    }
    m_listeningName = beside;
    report(QStringLiteral("another user holds @%1, where this instance would listen; it listens on @%2 instead")
               .arg(m_endpoint.socketName, beside));
    return true;
}

void SingleInstance::listenOnPath() {
    // With the guard held, a socket file left here is a crashed instance's: ours to replace.
    QLocalServer::removeServer(m_endpoint.socketName);
    m_server.setSocketOptions(QLocalServer::NoOptions);  // the folder itself is private
    if (m_server.listen(m_endpoint.socketName)) {
        m_listeningName = m_endpoint.socketName;
        return;
    }
    report(QStringLiteral("later starts cannot reach this instance: listening on %1 failed (%2)")
               .arg(m_endpoint.socketName, m_server.errorString()));
}

SingleInstance::Lock SingleInstance::takeLock() {
    makePrivateFolder(m_dataFolder);
    if (m_lock.tryLock(0)) return Lock::taken;
    if (m_lock.error() == QLockFile::LockFailedError && heldByLiveProcess()) return Lock::heldElsewhere;
    m_problem = m_lock.error() == QLockFile::LockFailedError ? QStringLiteral("a stale lock file cannot be removed")
                                                              : describeFolderProblem();
    return Lock::unusable;
}

void SingleInstance::retryLock() {
    switch (takeLock()) {
    case Lock::taken:
        m_lockRetry.stop();
        m_holdsLock = true;
        m_problem.clear();
        Q_EMIT lockTaken();
        break;
    case Lock::heldElsewhere: {
        m_lockRetry.stop();
        qint64 pid = 0;
        QString host, application;
        m_lock.getLockInfo(&pid, &host, &application);
        Q_EMIT supplanted(QStringLiteral("another Tarnwick (process %1) now holds the lock in %2").arg(pid).arg(m_dataFolder));
        break;
    }
    case Lock::unusable:
        break;
    }
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

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        // Another user may reach an abstract name: such a connection is dropped unread.
        if (!peerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().startsWith(activateMessage.data())) {
                socket->write("ok\n");
                socket->flush();
                Q_EMIT activationRequested();
            }
        });
    }
}

}  // namespace tarnwick
