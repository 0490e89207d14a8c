#pragma once

// One Tarnwick per user and data folder: two schedulers writing the same files would corrupt them.
//
// A start first asks a running instance to show itself, whatever that instance's lock state. Only
// when none answers does it become the instance: it takes a guard that no other process of the user
// can hold at the same time, then the lock file in the data folder, and listens for later starts.
// The socket lives where only the user can create it: the user's private runtime folder, or else the
// abstract namespace, where each end checks that the other runs as the same user.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace tarnwick {

// What the choice of the socket's place rests on: $XDG_RUNTIME_DIR and what stat says of it.
struct RuntimeFolderFacts {
    QString path;           // empty when the variable is unset
    bool isFolder = false;
    uid_t owner = 0;
    mode_t permissions = 0;  // the permission bits only
};
// The facts of the folder at `path` (following links); all false for a missing or empty path.
RuntimeFolderFacts runtimeFolderFacts(const QString& path);

// Where an instance listens and what keeps a second one out.
struct InstanceEndpoint {
    QString socketName;  // an absolute path, or an abstract name (without the leading NUL)
    bool abstract = false;
    QString guardPath;   // the lock file beside the socket; empty with an abstract name
    bool operator==(const InstanceEndpoint&) const = default;
};
// The runtime folder when it is absolute, a folder, owned by `user` and mode 0700, and the socket's
// path fits; otherwise an abstract name. Both are named after the user and the data folder.
InstanceEndpoint instanceEndpoint(const QString& dataFolder, const RuntimeFolderFacts& runtime, uid_t user);

// The abstract names in `procNetUnix` (the text of /proc/net/unix) of listening sockets whose name
// begins with `prefix`, in file order, each once.
std::vector<QString> listeningAbstractNames(std::string_view procNetUnix, std::string_view prefix);

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket's place follows $XDG_RUNTIME_DIR.
    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    // With the runtime folder given: empty (or not private) means the abstract namespace.
    SingleInstance(const QString& dataFolder, const QString& runtimeFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Start {
        first,        // this process is the one instance; it listens for later starts
        handedOver,   // the running Tarnwick was asked to show itself; this start ends here
        unreachable,  // a Tarnwick runs for this user and data folder but cannot be reached: `problem()`
    };
    // `answerWait`: how long a running instance may take to answer, or to start listening.
    Start start(std::chrono::milliseconds answerWait = std::chrono::seconds(5));

    // Whether this instance holds the data folder's lock. Without it, it tries again every few
    // seconds until the folder can be used.
    bool holdsLock() const { return m_holdsLock; }
    // After `unreachable`, why; after `first` without the lock, why the lock cannot be made.
    QString problem() const { return m_problem; }
    // Where later starts reach this instance (after `unreachable`: where the running one was tried):
    // a path, or "@" and an abstract name.
    QString address() const;

    static constexpr std::chrono::milliseconds lockRetryInterval{2000};

Q_SIGNALS:
    // A later start asked this instance to show itself.
    void activationRequested();
    // The data folder's lock was taken after the start, once the folder could be used.
    void lockTaken();
    // Another Tarnwick took the data folder's lock while this one ran without it: this one must end.
    void supplanted(const QString& why);

private:
    enum class Reach { nobody, answered, silent };
    enum class Lock { taken, heldElsewhere, unusable };

    // Asks the instance of this user at the endpoint (and, in the abstract namespace, at the names
    // listening beside it) to show itself.
    Reach reachRunning(std::chrono::milliseconds answerWait);
    Reach reachAt(const QString& name, bool abstract, std::chrono::milliseconds answerWait);
    // True when this process is now the only one that may become the instance.
    bool takeGuard();
    void releaseGuard();
    // In the abstract namespace: listen on the endpoint's name, or beside it when another user holds it.
    bool listenAbstract();
    void listenOnPath();
    Lock takeLock();
    void retryLock();
    // Whether the process named in an existing lock file still runs.
    bool heldByLiveProcess() const;
    // Why nothing can be written in the data folder, in the system's words.
    QString describeFolderProblem() const;
    void acceptConnections();

    QString m_dataFolder;
    InstanceEndpoint m_endpoint;
    QString m_listeningName;  // the name actually listened on
    QLockFile m_lock;
    bool m_holdsLock = false;
    int m_guard = -1;
    QString m_problem;
    QLocalServer m_server;
    QTimer m_lockRetry;
};

}  // namespace tarnwick
