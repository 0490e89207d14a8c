#pragma once

// Camera probe: is any process holding a video capture device open?

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

inline constexpr std::string_view defaultProcRoot = "/proc";
inline constexpr std::string_view videoDevicePrefix = "/dev/video";

// True when the file descriptor link target names a video device node: the prefix followed by
// one or more digits and nothing else ("/dev/video0" yes; "/dev/videoX", "/dev/video0 (deleted)" no).
bool isVideoCaptureDevice(std::string_view linkTarget, std::string_view devicePrefix = videoDevicePrefix);

bool anyVideoCaptureDevice(const std::vector<std::string>& linkTargets,
                           std::string_view devicePrefix = videoDevicePrefix);

// Scans <procRoot>/<pid>/fd/* of every numeric pid folder and stops at the first descriptor that
// names a video device. Processes whose descriptors cannot be read are passed over.
bool anyProcessHoldsVideoDevice(const std::string& procRoot, std::string_view devicePrefix = videoDevicePrefix);

// Some process is using a camera. False when that cannot be told.
bool cameraInUse();

}  // namespace tarnwick
