#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/proc/camera.hpp"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

TEST(CameraDeviceName, OnlyVideoNodesWithANumberCount) {
    struct Case { const char* target; bool expected; } cases[] = {
        {"/dev/video0", true},
        {"/dev/video12", true},
        {"/dev/video", false},           // no number
        {"/dev/videoX", false},
        {"/dev/video-foo", false},
        {"/dev/video0 (deleted)", false},
        {"/dev/video0/", false},
        {"/dev/video1a", false},
        {"/dev/v4l/by-id/usb-cam-video-index0", false},
        {"/dev/snd/pcmC0D0c", false},
        {"socket:[31337]", false},
        {"/tmp/dev/video0", false},      // the prefix must start the target
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        EXPECT_EQ(isVideoCaptureDevice(c.target), c.expected);
    }
}

TEST(CameraDeviceName, PrefixIsAParameterAndListsStopAtAnyMatch) {
    EXPECT_TRUE(isVideoCaptureDevice("/fake/cam3", "/fake/cam"));
    EXPECT_FALSE(isVideoCaptureDevice("/dev/video3", "/fake/cam"));
    EXPECT_FALSE(isVideoCaptureDevice("/dev/video3", ""));
    EXPECT_FALSE(anyVideoCaptureDevice({}));
    EXPECT_FALSE(anyVideoCaptureDevice({"/dev/null", "pipe:[12]", "/dev/videoX"}));
    EXPECT_TRUE(anyVideoCaptureDevice({"/dev/null", "/dev/video2", "pipe:[12]"}));
}

// A fake /proc: each entry is a folder name under the root and the link targets of its fd folder.
// Targets need not exist: the scan reads links, it never opens them.
struct FakeProcess {
    std::string name;
    std::vector<std::string> fdTargets;
};

class ProcScan : public ::testing::Test {
protected:
    QTemporaryDir dir;
    fs::path root() const { return fs::path(dir.path().toStdString()); }

    void addProcess(const FakeProcess& process) {
        const fs::path fdFolder = root() / process.name / "fd";
        fs::create_directories(fdFolder);
        for (std::size_t i = 0; i < process.fdTargets.size(); ++i)
            fs::create_symlink(process.fdTargets[i], fdFolder / std::to_string(i));
    }
};

TEST_F(ProcScan, FindsAVideoDeviceHeldByAnyNumberedProcess) {
    struct Case { const char* name; std::vector<FakeProcess> processes; bool expected; } cases[] = {
        {"empty root", {}, false},
        {"no process holds a camera", {{"1", {"/dev/null", "/dev/pts/0"}}, {"200", {"socket:[1]"}}}, false},
        {"one process holds video0", {{"1", {"/dev/null"}}, {"4242", {"/dev/null", "/dev/video0"}}}, true},
        {"a device that was unplugged", {{"17", {"/dev/video0 (deleted)"}}}, false},
        {"a named folder is not a process", {{"self", {"/dev/video0"}}, {"net", {"/dev/video1"}}}, false},
        {"a half-numeric folder is not a process", {{"12a", {"/dev/video0"}}}, false},
        {"metadata-like names do not count", {{"9", {"/dev/video-meta", "/dev/videoX"}}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir caseDir;
        dir.swap(caseDir);
        for (const auto& process : c.processes) addProcess(process);
        EXPECT_EQ(anyProcessHoldsVideoDevice(root().string()), c.expected);
    }
}

TEST_F(ProcScan, PassesOverProcessesWhoseDescriptorsCannotBeRead) {
    fs::create_directories(root() / "10");                                  // gone: no fd folder
    fs::create_directories(root() / "11");
    { std::ofstream(root() / "11" / "fd") << "not a folder"; }             // fd is a plain file
    fs::create_directories(root() / "12" / "fd");
    { std::ofstream(root() / "12" / "fd" / "0") << "a file, not a link"; }  // readlink fails
    EXPECT_FALSE(anyProcessHoldsVideoDevice(root().string()));

    addProcess({"13", {"/dev/video7"}});
    EXPECT_TRUE(anyProcessHoldsVideoDevice(root().string()));
}

TEST_F(ProcScan, MissingRootAndOtherPrefixesAnswerFalse) {
    addProcess({"5", {"/dev/video0"}});
    EXPECT_FALSE(anyProcessHoldsVideoDevice((root() / "absent").string()));
    EXPECT_FALSE(anyProcessHoldsVideoDevice(root().string(), "/dev/camera"));
    addProcess({"6", {"/dev/camera3"}});
    EXPECT_TRUE(anyProcessHoldsVideoDevice(root().string(), "/dev/camera"));
}

TEST(CameraInUse, SeesADescriptorHeldByThisProcessInTheRealProcTree) {
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
