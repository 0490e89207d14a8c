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

TEST(MicrophoneStreams, OnlyRunningStreamsOfOtherProcessesOnRealInputsCount) {
    constexpr std::uint32_t mic = 1, sinkMonitor = 2, unknownSource = 99;
    const std::vector<SourceRecord> sources{{mic, noPulseIndex}, {sinkMonitor, 0}};  // 2 monitors sink 0
    struct Case { const char* name; std::vector<SourceOutputRecord> outputs; bool expected; } cases[] = {
        {"no streams", {}, false},
        {"another process records", {{false, mic, "1234"}}, true},
        {"the stream is corked", {{true, mic, "1234"}}, false},
        {"the source is a sink's monitor", {{false, sinkMonitor, "1234"}}, false},
        {"our own recording", {{false, mic, "4000"}}, false},
        {"no process id", {{false, mic, std::nullopt}}, true},
        {"unreadable process id", {{false, mic, "pid-4000"}}, true},
        {"a source the list does not know", {{false, unknownSource, "1234"}}, true},
        {"one that counts among own, corked and monitor streams",
         {{false, mic, "4000"}, {true, mic, "77"}, {false, sinkMonitor, "78"}, {false, mic, "79"}}, true},
        {"own, corked and monitor streams only", {{false, mic, "4000"}, {true, mic, "77"}, {false, sinkMonitor, "78"}},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(otherProcessRecording({sources, c.outputs}, 4000), c.expected);
    }
}

TEST(MicrophoneStreams, ProcessIdsAreDecimalNumbersAndNothingElse) {
    struct Case { const char* text; std::optional<std::int64_t> expected; } cases[] = {
        {"1", 1}, {"4000", 4000}, {"0042", 42}, {"", std::nullopt}, {"-1", std::nullopt}, {"+5", std::nullopt},
        {" 12", std::nullopt}, {"12a", std::nullopt}, {"99999999999999999999999", std::nullopt},
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

TEST(AlsaCapture, OnlyARunningCaptureSubstreamCounts) {
    for (const auto& [file, running] : {std::pair{"running.status", true}, {"prepared.status", false},
                                        {"closed.status", false}, {"xrun.status", false}}) {
        SCOPED_TRACE(file);
        ASSERT_FALSE(fixture(file).empty());
        EXPECT_EQ(captureStatusRunning(fixture(file)), running);
    }
    EXPECT_TRUE(captureStatusRunning("owner_pid : 1\r\nstate : RUNNING\r\n"));
    EXPECT_FALSE(captureStatusRunning("status: RUNNING\nstate: RUNNING_NOT\n"));

    QTemporaryDir dir;
    const fs::path root(dir.path().toStdString());
    const auto place = [&](const fs::path& relative, const char* name) {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << fixture(name);
    };
    std::ofstream(root / "cards") << " 0 [PCH ]: HDA-Intel\n";  // a file beside the card folders
    place("card0/pcm0p/sub0/status", "running.status");           // playback never counts
    place("card0/pcm0c/sub0/status", "closed.status");
    place("card0/pcm0c/sub1/info", "running.status");             // not a status file
    EXPECT_FALSE(anyAlsaCaptureRunning(root.string()));
    place("card1/pcm3c/sub1/status", "running.status");
    EXPECT_TRUE(anyAlsaCaptureRunning(root.string()));
    EXPECT_FALSE(anyAlsaCaptureRunning((root / "absent").string()));
}

TEST(MicrophoneWithoutServer, NoAnswerAndTheProbeReturnsWithinItsBound) {
    QTemporaryDir dir;
    // A socket that takes connections into its backlog but never speaks, beside one that does not exist.
    const std::string silent = dir.path().toStdString() + "/silent";
    int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    silent.copy(address.sun_path, sizeof(address.sun_path) - 1);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(listen(listener, 8), 0);

    const char* old = std::getenv("PULSE_SERVER");
    const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
    for (const std::string& server : {dir.path().toStdString() + "/absent", silent}) {
        SCOPED_TRACE(server);
        setenv("PULSE_SERVER", ("unix:" + server).c_str(), 1);
        EXPECT_EQ(queryPulseSources(), std::nullopt);
        const auto start = std::chrono::steady_clock::now();
        microphoneInUse();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
    }
    if (saved) setenv("PULSE_SERVER", saved->c_str(), 1);
    else unsetenv("PULSE_SERVER");
    close(listener);
}

}  // namespace
}  // namespace tarnwick
