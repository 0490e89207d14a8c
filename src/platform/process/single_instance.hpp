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

    // True when this process is now the one instance; it then listens for later starts.
    bool claim();
    // Tells the running instance that the user started the program again. True when it answered.
    bool notifyRunning(int timeoutMs = 1000);

Q_SIGNALS:
    // A later start asked this instance to show itself.
    void activationRequested();

private:
    QString m_socketName;
    QLockFile m_lock;
    QLocalServer m_server;
};

}  // namespace tarnwick
