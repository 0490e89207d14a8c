#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/proc/camera.hpp"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

TEST(CameraDeviceName, OnlyVideoNodesWithANumberCount) {
    struct Case { const char* target; bool expected; } cases[] = {
        {"/dev/video0", true}, {"/dev/video12", true}, {"/dev/video", false}, {"/dev/videoX", false},
        {"/dev/video-foo", false}, {"/dev/video0 (deleted)", false}, {"/dev/video1a", false},
        {"/dev/v4l/by-id/usb-cam-video-index0", false}, {"socket:[31337]", false}, {"/tmp/dev/video0", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        EXPECT_EQ(isVideoCaptureDevice(c.target), c.expected);
    }
    EXPECT_TRUE(anyVideoCaptureDevice({"/dev/null", "/dev/video2"}));
    EXPECT_FALSE(anyVideoCaptureDevice({"/dev/null", "/dev/videoX"}));
}

// A fake /proc: folder names under the root with the link targets of their fd folders. Targets need not
// exist: the scan reads links and never opens them. A folder without targets gets no fd folder at all.
TEST(CameraProcScan, FindsAVideoDeviceHeldByAnyNumberedProcess) {
    struct Process { std::string name; std::vector<std::string> fdTargets; };
    struct Case { const char* name; std::vector<Process> processes; bool expected; } cases[] = {
        {"no process holds a camera", {{"1", {"/dev/null", "/dev/pts/0"}}, {"200", {"socket:[1]"}}}, false},
        {"one process holds video0", {{"1", {"/dev/null"}}, {"4242", {"/dev/null", "/dev/video0"}}}, true},
        {"an unplugged device", {{"17", {"/dev/video0 (deleted)"}}}, false},
        {"named folders are not processes", {{"self", {"/dev/video0"}}, {"12a", {"/dev/video1"}}}, false},
        {"a process that is gone is passed over", {{"10", {}}, {"11", {"/dev/video3"}}}, true},
        {"a camera under another prefix", {{"5", {"/dev/camera3"}}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const fs::path root(dir.path().toStdString());
        for (const auto& process : c.processes) {
            fs::create_directories(root / process.name);
            if (process.fdTargets.empty()) continue;
            fs::create_directories(root / process.name / "fd");
            for (std::size_t i = 0; i < process.fdTargets.size(); ++i)
                fs::create_symlink(process.fdTargets[i], root / process.name / "fd" / std::to_string(i));
        }
        EXPECT_EQ(anyProcessHoldsVideoDevice(root.string()), c.expected);
        EXPECT_FALSE(anyProcessHoldsVideoDevice((root / "absent").string()));
    }
}

TEST(CameraProcScan, SeesADescriptorThisProcessHoldsInTheRealProcTree) {
    // A plain file named like a device under a private prefix stands in for a camera node.
    QTemporaryDir dir;
    const std::string prefix = dir.path().toStdString() + "/cam";
    EXPECT_FALSE(anyProcessHoldsVideoDevice("/proc", prefix));
    {
        std::ofstream held(prefix + "0");
        ASSERT_TRUE(held.is_open());
        EXPECT_TRUE(anyProcessHoldsVideoDevice("/proc", prefix));
    }
    EXPECT_FALSE(anyProcessHoldsVideoDevice("/proc", prefix));
}

}  // namespace
}  // namespace tarnwick
