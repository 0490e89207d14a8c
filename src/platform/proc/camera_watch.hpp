#pragma once

// The camera probe without a full scan on every call: the scan of every process's descriptors is
// kept, and repeated only after a capture device node was opened, closed, added or removed.

#include <string>

namespace tarnwick {

class CameraWatch {
public:
    // devFolder holds the device nodes (named video<N>); procRoot is scanned for holders of them.
    explicit CameraWatch(std::string devFolder = "/dev", std::string procRoot = "/proc");
    ~CameraWatch();
    CameraWatch(const CameraWatch&) = delete;
    CameraWatch& operator=(const CameraWatch&) = delete;

    // Some process holds a capture device open. False when that cannot be told.
    bool inUse();
    // How many full scans have run; a scan runs at the first call and after each change.
    int scans() const { return m_scans; }

private:
    bool deviceNodesChanged();
    bool watchDeviceNodes();  // true when at least one node exists

    std::string m_devFolder, m_procRoot, m_prefix;
    int m_inotify = -1;
    bool m_known = false, m_inUse = false;
    int m_scans = 0;
};

}  // namespace tarnwick
