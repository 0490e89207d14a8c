// The screen-sharing probe against a real PipeWire daemon and its session manager, in a runtime
// folder of the test's own. GStreamer publishes the video streams (a screencast, a camera-like node)
// and consumes them; pw-link links a consumer, as a meeting program watching the cast would.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "platform/pipewire/screen_sharing.hpp"

using namespace tarnwick;
using namespace std::chrono_literals;

namespace {

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = 5s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        QThread::msleep(50);
    }
    return condition();
}

class PipeWireRig {
public:
    PipeWireRig() {
        ::setenv("XDG_RUNTIME_DIR", qPrintable(m_runtime.path()), 1);
        ::unsetenv("PIPEWIRE_REMOTE");
        ::unsetenv("PIPEWIRE_RUNTIME_DIR");
    }
    ~PipeWireRig() {
        for (auto& process : m_processes) {
            process->kill();
            process->waitForFinished(2000);
        }
    }

    void startDaemon() {
        m_daemon = start("pipewire", {});
        ASSERT_TRUE(waitFor([&] { return QFile::exists(m_runtime.filePath("pipewire-0")); })) << "pipewire did not start";
        m_sessionManager = start("wireplumber", {});
    }

    void stopDaemon() {
        for (QProcess* process : {m_sessionManager, m_daemon}) {
            process->terminate();
            process->waitForFinished(3000);
        }
    }

    // A live test picture published as a video source named `name` of the class `mediaClass`, with
    // `extra` properties.
    void publish(const QString& name, const QString& extra = {}, const QString& mediaClass = "Video/Source") {
        start("gst-launch-1.0", {"-q", "videotestsrc", "is-live=true", "!", "video/x-raw,width=64,height=48,framerate=5/1",
                                 "!", "pipewiresink", "mode=provide",
                                 QStringLiteral("stream-properties=props,media.class=%1,node.name=%2%3").arg(mediaClass, name, extra)});
        ASSERT_TRUE(waitFor([&] { return ports("-o").contains(name + ":out_0"); })) << "the stream was not published";
    }

    // A consumer of the source `name`, linked to it; the process, to end it.
    QProcess* watch(const QString& name) {
        const QString viewer = name + "-viewer";
        QProcess* process = start("gst-launch-1.0", {"-q", "pipewiresrc",
                                                     QStringLiteral("stream-properties=props,node.autoconnect=false,node.name=%1").arg(viewer),
                                                     "!", "fakesink"});
        EXPECT_TRUE(waitFor([&] { return ports("-i").contains(viewer + ":in_0"); })) << "the consumer did not start";
        EXPECT_EQ(QProcess::execute("pw-link", {name + ":out_0", viewer + ":in_0"}), 0) << "the link was refused";
        return process;
    }

private:
    QProcess* start(const QString& program, const QStringList& arguments) {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->setStandardOutputFile(QProcess::nullDevice());
        process->start(program, arguments);
        EXPECT_TRUE(process->waitForStarted(3000)) << qPrintable(program);
        m_processes.push_back(std::move(process));
        return m_processes.back().get();
    }

    static QString ports(const char* direction) {
        QProcess list;
        list.start("pw-link", {direction});
        list.waitForFinished(3000);
        return QString::fromUtf8(list.readAllStandardOutput());
    }

    QTemporaryDir m_runtime;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QProcess* m_daemon = nullptr;
    QProcess* m_sessionManager = nullptr;
};

bool answers(ScreenSharingWatch& watch, std::optional<bool> expected) {
    return waitFor([&] { return watch.shared() == expected; });
}

}  // namespace

TEST(ScreenSharingOnPipeWire, AWatchedScreencastIsSharingAndNothingElseIs) {
    PipeWireRig rig;
    ASSERT_NO_FATAL_FAILURE(rig.startDaemon());
    ScreenSharingWatch watch;
    EXPECT_EQ(watch.shared(), std::optional<bool>(false)) << "the first ask waits for the first listing";

    ASSERT_NO_FATAL_FAILURE(rig.publish("tarnwick-test-cast"));
    QThread::msleep(500);
    EXPECT_EQ(watch.shared(), std::optional<bool>(false)) << "a screencast with nobody watching";

    QProcess* viewer = rig.watch("tarnwick-test-cast");
    EXPECT_TRUE(answers(watch, true)) << "a screencast being watched";

    viewer->kill();
    EXPECT_TRUE(answers(watch, false)) << "the consumer went away";

    ASSERT_NO_FATAL_FAILURE(rig.publish("tarnwick-test-camera", ",device.api=v4l2"));
    QProcess* cameraViewer = rig.watch("tarnwick-test-camera");
    QThread::msleep(1000);
    EXPECT_EQ(watch.shared(), std::optional<bool>(false)) << "a camera in use is not a shared screen";
    cameraViewer->kill();

    // GNOME's casts are a program's video stream rather than a source node.
    ASSERT_NO_FATAL_FAILURE(rig.publish("tarnwick-test-stream", {}, "Stream/Output/Video"));
    rig.watch("tarnwick-test-stream");
    EXPECT_TRUE(answers(watch, true)) << "a video stream output by a program, being watched";
    EXPECT_EQ(watch.attempts(), 1);
}

TEST(ScreenSharingOnPipeWire, TheDaemonGoingAndComingBackIsFollowed) {
    PipeWireRig rig;
    ScreenSharingWatch watch(200ms, 300ms);
    EXPECT_EQ(watch.shared(), std::nullopt) << "no daemon";
    EXPECT_EQ(watch.shared(), std::nullopt);
    EXPECT_EQ(watch.attempts(), 1) << "not tried again before the retry interval";

    ASSERT_NO_FATAL_FAILURE(rig.startDaemon());
    EXPECT_TRUE(answers(watch, false)) << "the daemon found once it runs";

    rig.stopDaemon();
    EXPECT_TRUE(answers(watch, std::nullopt)) << "the daemon's end seen";

    ASSERT_NO_FATAL_FAILURE(rig.startDaemon());
    EXPECT_TRUE(answers(watch, false)) << "the new daemon found";
    ASSERT_NO_FATAL_FAILURE(rig.publish("tarnwick-test-cast"));
    rig.watch("tarnwick-test-cast");
    EXPECT_TRUE(answers(watch, true)) << "a screencast on the new daemon";
}
