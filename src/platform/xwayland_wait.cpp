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

std::optional<QString> waitForXWayland(std::chrono::milliseconds limit, bool (*answers)(const QString&),
                                       const QString& folder) {
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + limit;
    for (;;) {
        if (const auto display = xwaylandDisplayFrom(readXSocketFolder(folder), ::geteuid())) {
            // The connection is what starts XWayland on demand; it answers once it runs.
            if (answers(*display)) return display;
        }
        if (clock::now() >= deadline) return std::nullopt;
        QThread::msleep(250);
    }
}

}  // namespace tarnwick
