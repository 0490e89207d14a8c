#include "platform/proc/camera_watch.hpp"

#include <dirent.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "platform/proc/camera.hpp"

namespace tarnwick {

CameraWatch::CameraWatch(std::string devFolder, std::string procRoot)
    : m_devFolder(std::move(devFolder)), m_procRoot(std::move(procRoot)), m_prefix(m_devFolder + "/video") {
    m_inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify >= 0 && inotify_add_watch(m_inotify, m_devFolder.c_str(), IN_CREATE | IN_DELETE | IN_MOVE) < 0) {
        close(m_inotify);
        m_inotify = -1;
    }
}

CameraWatch::~CameraWatch() {
    if (m_inotify >= 0) close(m_inotify);
}

bool CameraWatch::watchDeviceNodes() {
    bool any = false;
    DIR* dir = opendir(m_devFolder.c_str());
    if (!dir) return false;
    while (dirent* entry = readdir(dir)) {
        const std::string path = m_devFolder + '/' + entry->d_name;
        if (!isVideoCaptureDevice(path, m_prefix)) continue;
        any = true;
        // Adding a watch twice only renews it. A node we may not watch leaves every call to scan.
        if (m_inotify >= 0 && inotify_add_watch(m_inotify, path.c_str(), IN_OPEN | IN_CLOSE) < 0) {
            close(m_inotify);
            m_inotify = -1;
        }
    }
    closedir(dir);
    return any;
}

bool CameraWatch::deviceNodesChanged() {
    if (m_inotify < 0) return true;  // no notifications: every call must look
    bool changed = false;
    alignas(inotify_event) std::array<char, 4096> buffer;
    for (;;) {
        const ssize_t length = read(m_inotify, buffer.data(), buffer.size());
        if (length <= 0) break;  // EAGAIN: drained
        changed = true;          // any open, close, new or removed node (or a queue overflow)
    }
    return changed;
}

bool CameraWatch::inUse() {
    const bool changed = deviceNodesChanged();
    if (m_known && !changed) return m_inUse;
    const bool anyNode = watchDeviceNodes();
    // The notifications are in place before the scan, so nothing that happens during it is missed.
    deviceNodesChanged();
    m_inUse = anyNode && anyProcessHoldsVideoDevice(m_procRoot, m_prefix);
    ++m_scans;
    m_known = true;
    return m_inUse;
}

}  // namespace tarnwick
