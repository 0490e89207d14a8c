#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "platform/pulse/microphone.hpp"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t ownPid = 4000;
constexpr std::uint32_t mic = 1, sinkMonitor = 2, missingSource = 99;

// One real input (index 1) and the monitor of sink 0 (index 2).
PulseSnapshot withOutputs(std::vector<SourceOutputRecord> outputs) {
    return {{{mic, noPulseIndex}, {sinkMonitor, 0}}, std::move(outputs)};
}

TEST(MicrophoneStreams, OnlyRunningStreamsOfOtherProcessesOnRealInputsCount) {
    struct Case { const char* name; PulseSnapshot snapshot; bool expected; } cases[] = {
        {"no streams", withOutputs({}), false},
        {"another process records", withOutputs({{false, mic, "1234"}}), true},
        {"the stream is corked", withOutputs({{true, mic, "1234"}}), false},
        {"the source is a sink's monitor", withOutputs({{false, sinkMonitor, "1234"}}), false},
        {"our own recording", withOutputs({{false, mic, "4000"}}), false},
        {"no process id", withOutputs({{false, mic, std::nullopt}}), true},
        {"unreadable process id", withOutputs({{false, mic, "pid-4000"}}), true},
        {"empty process id", withOutputs({{false, mic, ""}}), true},
        {"a source the list does not know", withOutputs({{false, missingSource, "1234"}}), true},
        {"own, corked and monitor streams beside one that counts",
         withOutputs({{false, mic, "4000"}, {true, mic, "77"}, {false, sinkMonitor, "78"}, {false, mic, "79"}}), true},
        {"own, corked and monitor streams only",
         withOutputs({{false, mic, "4000"}, {true, mic, "77"}, {false, sinkMonitor, "78"}}), false},
        {"monitor of sink index 0 is still a monitor", {{{5, 0}}, {{false, 5, "1"}}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(otherProcessRecording(c.snapshot, ownPid), c.expected);
    }
}

TEST(MicrophoneStreams, ProcessIdsAreDecimalNumbersAndNothingElse) {
    struct Case { const char* text; std::optional<std::int64_t> expected; } cases[] = {
        {"1", 1}, {"4000", 4000}, {"0042", 42}, {"2147483647", 2147483647},
        {"", std::nullopt}, {"-1", std::nullopt}, {"+5", std::nullopt}, {" 12", std::nullopt},
        {"12 ", std::nullopt}, {"12a", std::nullopt}, {"0x10", std::nullopt},
        {"99999999999999999999999", std::nullopt},  // overflows: unreadable, not a wrapped number
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseProcessId(c.text), c.expected);
    }
}

std::string fixture(const std::string& name) {
    std::ifstream file(std::string(TARNWICK_SYSTEM_FIXTURES) + "/asound/" + name);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(AlsaCaptureStatus, OnlyTheRunningStateCounts) {
    struct Case { const char* file; bool expected; } cases[] = {
        {"running.status", true}, {"prepared.status", false}, {"closed.status", false}, {"xrun.status", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string text = fixture(c.file);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(captureStatusRunning(text), c.expected);
    }
    EXPECT_TRUE(captureStatusRunning("state:RUNNING"));
    EXPECT_TRUE(captureStatusRunning("owner_pid : 1\r\nstate : RUNNING\r\n"));
    EXPECT_FALSE(captureStatusRunning("owner_pid: 1\nstatus: RUNNING\n"));
    EXPECT_FALSE(captureStatusRunning("state: RUNNING_NOT\n"));
    EXPECT_FALSE(captureStatusRunning(""));
}

class AlsaTree : public ::testing::Test {
protected:
    QTemporaryDir dir;
    fs::path root() const { return fs::path(dir.path().toStdString()); }
    void place(const fs::path& relative, const std::string& fixtureName) {
        fs::create_directories((root() / relative).parent_path());
        std::ofstream(root() / relative) << fixture(fixtureName);
    }
};

TEST_F(AlsaTree, ARunningCaptureSubstreamOnAnyCardCounts) {
    std::ofstream(root() / "cards") << " 0 [PCH ]: HDA-Intel\n";  // a file beside the card folders
    place("card0/pcm0p/sub0/status", "running.status");             // playback never counts
    place("card0/pcm0c/sub0/status", "closed.status");
    place("card0/pcm0c/sub1/status", "prepared.status");
    EXPECT_FALSE(anyAlsaCaptureRunning(root().string()));

    place("card1/pcm3c/sub0/status", "running.status");
    EXPECT_TRUE(anyAlsaCaptureRunning(root().string()));
}

TEST_F(AlsaTree, MissingOrEmptyRootsAnswerFalse) {
    EXPECT_FALSE(anyAlsaCaptureRunning(root().string()));
    EXPECT_FALSE(anyAlsaCaptureRunning((root() / "absent").string()));
    place("card0/pcm0c/sub0/info", "running.status");  // not a status file
    EXPECT_FALSE(anyAlsaCaptureRunning(root().string()));
}

// Points the sound client at a given server address for the length of a test.
class PulseServerOverride {
public:
    explicit PulseServerOverride(const std::string& address) {
        if (const char* old = std::getenv("PULSE_SERVER")) m_old = old;
        setenv("PULSE_SERVER", address.c_str(), 1);
    }
    ~PulseServerOverride() {
        if (m_old) setenv("PULSE_SERVER", m_old->c_str(), 1);
        else unsetenv("PULSE_SERVER");
    }

private:
    std::optional<std::string> m_old;
};

double millisecondsOf(bool (*probe)()) {
    const auto start = std::chrono::steady_clock::now();
    probe();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

TEST(MicrophoneWithoutServer, AnAbsentServerGivesNoAnswerAndTheProbeReturnsInTime) {
    QTemporaryDir dir;
    PulseServerOverride server("unix:" + dir.path().toStdString() + "/no-such-socket");
    EXPECT_EQ(queryPulseSources(), std::nullopt);
    EXPECT_LT(millisecondsOf(microphoneInUse), 250.0);
}

TEST(MicrophoneWithoutServer, AServerThatNeverAnswersIsGivenUpWithinTheBound) {
    // A socket that accepts connections into its backlog but never speaks.
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/silent";
    int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof(address.sun_path));
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(listen(listener, 8), 0);

    PulseServerOverride server("unix:" + path);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(queryPulseSources(std::chrono::milliseconds(100)), std::nullopt);
    const double queryMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(queryMs, 90.0);  // it did wait for the silent server, up to its budget
    EXPECT_LT(millisecondsOf(microphoneInUse), 250.0);
    close(listener);
}

}  // namespace
}  // namespace tarnwick
