#include "platform/xwayland_wait.hpp"

#include <QDir>
#include <QFile>
#include <QThread>

#include <chrono>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

std::optional<QString> xwaylandDisplayFrom(const std::vector<XSocketEntry>& entries, uid_t user) {
    const XSocketEntry* best = nullptr;
    for (const XSocketEntry& entry : entries) {
        if (!entry.isSocket || entry.owner != user || entry.name.size() < 2 || entry.name[0] != u'X') continue;
        bool number = false;
        entry.name.mid(1).toUInt(&number);
        if (!number) continue;
        if (!best || entry.modifiedMs > best->modifiedMs) best = &entry;
    }
    if (!best) return std::nullopt;
    return QStringLiteral(":") + best->name.mid(1);
}

std::vector<XSocketEntry> readXSocketFolder(const QString& folder) {
    std::vector<XSocketEntry> entries;
    for (const QString& name : QDir(folder).entryList(QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        struct stat status {};
        if (::lstat(QFile::encodeName(folder + u'/' + name).constData(), &status) != 0) continue;
        entries.push_back({name, status.st_uid, qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000,
                           S_ISSOCK(status.st_mode)});
    }
    return entries;
}

bool waylandSocketExists(const QString& waylandDisplay, const QString& runtimeFolder) {
    const QString name = waylandDisplay.trimmed().isEmpty() ? QStringLiteral("wayland-0") : waylandDisplay.trimmed();
    const QString path = name.startsWith(u'/') ? name : runtimeFolder + u'/' + name;
    if (!name.startsWith(u'/') && runtimeFolder.isEmpty()) return false;
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

std::optional<QString> xwaylandAuthorityIn(const QString& runtimeFolder, uid_t user) {
    if (runtimeFolder.isEmpty()) return std::nullopt;
    std::optional<QString> best;
    qint64 newest = -1;
    const QStringList names = QDir(runtimeFolder).entryList({QStringLiteral(".mutter-Xwaylandauth.*")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        const QString path = runtimeFolder + u'/' + name;
        struct stat status {};
        if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != user)
            continue;
        const qint64 modified = qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000;
        if (modified > newest) {
            newest = modified;
            best = path;
        }
    }
    return best;
}

std::optional<QString> waitForXWayland(std::chrono::milliseconds limit, bool (*answers)(const QString&),
                                       const QString& folder, const QString& runtimeFolder) {
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + limit;
    const bool chooseAuthority = qEnvironmentVariable("XAUTHORITY").isEmpty();
    for (;;) {
        if (const auto display = xwaylandDisplayFrom(readXSocketFolder(folder), ::geteuid())) {
            // XWayland admits only clients with the cookie Mutter gave it.
            if (chooseAuthority) {
                if (const auto authority = xwaylandAuthorityIn(runtimeFolder, ::geteuid()))
                    qputenv("XAUTHORITY", QFile::encodeName(*authority));
            }
            // The connection is what starts XWayland on demand; it answers once it runs.
            if (answers(*display)) return display;
        }
        if (clock::now() >= deadline) return std::nullopt;
        QThread::msleep(250);
    }
}

}  // namespace tarnwick
