#include "platform/proc/camera.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>

namespace tarnwick {

namespace {

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// Owns a DIR* for the length of a scope.
struct DirHandle {
    DIR* dir = nullptr;
    explicit DirHandle(DIR* d) : dir(d) {}
    DirHandle(const DirHandle&) = delete;
    DirHandle& operator=(const DirHandle&) = delete;
    ~DirHandle() {
        if (dir) closedir(dir);
    }
};

// Whether one process's fd folder holds a video device; false when it cannot be read.
bool processHoldsVideoDevice(int procFd, const char* pid, std::string_view devicePrefix) {
    std::string fdPath = std::string(pid) + "/fd";
    int fdDir = openat(procFd, fdPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdDir < 0) return false;
    DirHandle fds(fdopendir(fdDir));
    if (!fds.dir) {
        close(fdDir);
        return false;
    }
    // A target that fills the buffer may be truncated; no device node name is that long, so skip it.
    std::array<char, 1024> target{};
    while (dirent* entry = readdir(fds.dir)) {
        if (entry->d_name[0] == '.') continue;
        ssize_t length = readlinkat(dirfd(fds.dir), entry->d_name, target.data(), target.size());
        if (length <= 0 || static_cast<size_t>(length) >= target.size()) continue;
        if (isVideoCaptureDevice(std::string_view(target.data(), static_cast<size_t>(length)), devicePrefix))
            return true;
    }
    return false;
}

}  // namespace

bool isVideoCaptureDevice(std::string_view linkTarget, std::string_view devicePrefix) {
    if (devicePrefix.empty() || !linkTarget.starts_with(devicePrefix)) return false;
    return allDigits(linkTarget.substr(devicePrefix.size()));
}

bool anyVideoCaptureDevice(const std::vector<std::string>& linkTargets, std::string_view devicePrefix) {
    return std::any_of(linkTargets.begin(), linkTargets.end(),
                       [&](const std::string& target) { return isVideoCaptureDevice(target, devicePrefix); });
}

bool anyProcessHoldsVideoDevice(const std::string& procRoot, std::string_view devicePrefix) {
    int procFd = open(procRoot.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (procFd < 0) return false;
    DirHandle proc(fdopendir(procFd));
    if (!proc.dir) {
        close(procFd);
        return false;
    }
    while (dirent* entry = readdir(proc.dir)) {
        if (!allDigits(entry->d_name)) continue;
        if (processHoldsVideoDevice(dirfd(proc.dir), entry->d_name, devicePrefix)) return true;
    }
    return false;
}

bool cameraInUse() { return anyProcessHoldsVideoDevice(std::string(defaultProcRoot), videoDevicePrefix); }

}  // namespace tarnwick
