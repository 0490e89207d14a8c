#pragma once

// One Tarnwick per user: two schedulers writing the same files would corrupt them.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace tarnwick {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The lock file and the local socket are named after the data folder.
    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Claim {
        claimed,        // this process is now the one instance; it listens for later starts
        heldElsewhere,  // another running Tarnwick holds the lock
        unavailable,    // the lock cannot be made (the data folder cannot be created or written)
    };
    Claim claim();
    // Why the lock could not be made, after `unavailable`.
    QString lockProblem() const { return m_problem; }
    // Listens for later starts without holding the lock.
    void listen();
    // Tells the running instance that the user started the program again. True when it answered.
    bool notifyRunning(int timeoutMs = 1000);

Q_SIGNALS:
    // A later start asked this instance to show itself.
    void activationRequested();

private:
    // Whether the process named in an existing lock file still runs.
    bool heldByLiveProcess() const;
    // Why nothing can be written in the data folder, in the system's words.
    QString describeFolderProblem() const;

    QString m_socketName;
    QLockFile m_lock;
    QString m_problem;
    QLocalServer m_server;
};

}  // namespace tarnwick
