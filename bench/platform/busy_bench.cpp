// The busy probes as the model runs them, with 300 other processes holding files open and a PipeWire
// daemon of the bench's own publishing a video source nobody watches. Run inside scripts/with-desktop.

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <QGuiApplication>

#include "app/system_signals.hpp"
#include "platform/linux_busy_probes.hpp"
#include "platform/proc/camera.hpp"
#include "platform/proc/camera_watch.hpp"
#include "platform/x11/input_idle.hpp"

using namespace tarnwick;

namespace {

LinuxBusyProbes* probes = nullptr;
X11InputIdle* input = nullptr;

void BusyReasonAllHolds(benchmark::State& state) {
    const Settings settings;
    for (auto _ : state) benchmark::DoNotOptimize(SystemSignals::busyReason(settings, *probes, *input));
}

void CameraProbe(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(probes->cameraInUse());
}

// The scan of every process's descriptors, as it runs after a capture device node changed.
void CameraDescriptorScan(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tarnwick::cameraInUse());
}

// The camera probe where a capture device node exists (a stand-in file) and nobody touches it.
void CameraProbeWithADeviceNode(benchmark::State& state) {
    char folder[] = "/tmp/tarnwick-bench-dev-XXXXXX";
    if (!mkdtemp(folder)) return state.SkipWithError("no temporary folder");
    const std::string node = std::string(folder) + "/video0";
    close(open(node.c_str(), O_CREAT | O_WRONLY, 0600));
    {
        CameraWatch watch(folder);
        for (auto _ : state) benchmark::DoNotOptimize(watch.inUse());
        state.counters["scans"] = watch.scans();
    }
    unlink(node.c_str());
    rmdir(folder);
}

void MicrophoneProbe(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(probes->microphoneInUse());
}

void ScreenSharingProbe(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(probes->screenShared());
    if (!probes->screenShared()) state.SkipWithError("no PipeWire daemon answered");
}

void FullscreenProbe(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(probes->frontAppIsFullscreen());
}

// Children that each hold a dozen files open until killed.
std::vector<pid_t> spawnHolders(int count) {
    std::vector<pid_t> children;
    for (int i = 0; i < count; ++i) {
        const pid_t child = fork();
        if (child == 0) {
            for (int f = 0; f < 12; ++f) open(f % 2 ? "/dev/null" : "/proc/self/stat", O_RDONLY);
            pause();
            _exit(0);
        }
        if (child > 0) children.push_back(child);
    }
    return children;
}

extern "C" char** environ;

pid_t spawn(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    return posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? child : 0;
}

std::string pipewireFolder;

// PipeWire with a test picture published on it, in a runtime folder of the bench's own.
std::vector<pid_t> startPipeWire() {
    char folder[] = "/tmp/tarnwick-bench-pipewire-XXXXXX";
    if (!mkdtemp(folder)) return {};
    pipewireFolder = folder;
    setenv("PIPEWIRE_RUNTIME_DIR", folder, 1);
    std::vector<pid_t> started{spawn({"pipewire"})};
    const auto socket = std::filesystem::path(folder) / "pipewire-0";
    for (int i = 0; i < 50 && !std::filesystem::exists(socket); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    started.push_back(spawn({"gst-launch-1.0", "-q", "videotestsrc", "is-live=true", "!", "pipewiresink", "mode=provide",
                             "stream-properties=props,media.class=Video/Source,node.name=bench-cast"}));
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return started;
}

}  // namespace

int main(int argc, char** argv) {
    const auto children = spawnHolders(300);
    const auto pipewire = startPipeWire();
    int result = 0;
    {
        QGuiApplication app(argc, argv);
        LinuxBusyProbes realProbes;
        X11InputIdle realInput;
        probes = &realProbes;
        input = &realInput;
        for (auto* bench : {benchmark::RegisterBenchmark("BusyReasonAllHolds", BusyReasonAllHolds),
                            benchmark::RegisterBenchmark("CameraProbe", CameraProbe),
                            benchmark::RegisterBenchmark("CameraDescriptorScan", CameraDescriptorScan),
                            benchmark::RegisterBenchmark("CameraProbeWithADeviceNode", CameraProbeWithADeviceNode),
                            benchmark::RegisterBenchmark("MicrophoneProbe", MicrophoneProbe),
                            benchmark::RegisterBenchmark("ScreenSharingProbe", ScreenSharingProbe),
                            benchmark::RegisterBenchmark("FullscreenProbe", FullscreenProbe)}) {
            bench->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)->MinTime(0.3);
        }
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    for (pid_t child : children) kill(child, SIGTERM);
    for (pid_t child : children) waitpid(child, nullptr, 0);
    for (auto it = pipewire.rbegin(); it != pipewire.rend(); ++it) {
        if (*it <= 0) continue;
        kill(*it, SIGTERM);
        waitpid(*it, nullptr, 0);
    }
    if (!pipewireFolder.empty()) std::filesystem::remove_all(pipewireFolder);
    return result;
}
