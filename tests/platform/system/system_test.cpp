#include <gtest/gtest.h>

#include <gio/gdesktopappinfo.h>
#include <glib.h>

#include <QDir>
#include <QLocalServer>
#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
#include <optional>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/autostart/login_item.hpp"
#include "platform/proc/camera.hpp"
#include "platform/proc/camera_watch.hpp"
#include "platform/pulse/microphone.hpp"

using namespace tarnwick;

static std::string readText(const std::string& path) {
    return (std::ostringstream() << std::ifstream(path).rdbuf()).str();
}

// A fake /proc whose one process holds the target. Targets need not exist: the scan reads links, never opens them.
TEST(CameraProcScan, OnlyANumberedProcessHoldingAVideoNodeCounts) {
    struct Case { const char* process; const char* target; bool expected; } cases[] = {
        {"4242", "/dev/video0", true}, {"7", "/dev/video12", true}, {"7", "/dev/video", false}, {"7", "/dev/videoX", false},
        {"7", "/dev/video0 (deleted)", false}, {"7", "/dev/video1a", false}, {"7", "/tmp/dev/video0", false},
        {"7", "socket:[31337]", false}, {"self", "/dev/video0", false}, {"12a", "/dev/video1", false},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const auto fd = std::filesystem::path(dir.path().toStdString()) / c.process / "fd";
        std::filesystem::create_directories(fd);
        std::filesystem::create_symlink(c.target, fd / "3");
        EXPECT_EQ(anyProcessHoldsVideoDevice(dir.path().toStdString()), c.expected) << c.process << ": " << c.target;
    }
    EXPECT_FALSE(anyProcessHoldsVideoDevice("/nonexistent/proc"));
}

// Regular files stand in for device nodes; this process opening one is seen through the real /proc.
TEST(CameraWatch, ScansAgainOnlyAfterADeviceNodeIsOpenedClosedOrAdded) {
    QTemporaryDir dev;
    const std::string folder = dev.path().toStdString();
    std::ofstream(folder + "/video0").put('x');
    CameraWatch watch(folder);
    EXPECT_FALSE(watch.inUse());
    EXPECT_FALSE(watch.inUse());
    EXPECT_EQ(watch.scans(), 1);
    {
        std::ifstream camera(folder + "/video0");
        EXPECT_TRUE(watch.inUse());
        EXPECT_TRUE(watch.inUse());
        EXPECT_EQ(watch.scans(), 2);
    }
    EXPECT_FALSE(watch.inUse());
    std::ofstream(folder + "/video1").put('x');  // a camera plugged in, then opened before the next look
    std::ifstream second(folder + "/video1");
    EXPECT_TRUE(watch.inUse());
}

// This process is 4000; source 1 is a microphone, source 2 the monitor of sink 0.
TEST(MicrophoneStreams, OnlyRunningStreamsOfOtherProcessesOnRealInputsCount) {
    constexpr std::uint32_t mic = 1, monitor = 2;
    struct Case { const char* name; std::vector<SourceOutputRecord> outputs; bool expected; } cases[] = {
        {"another process records", {{false, mic, "1234"}}, true},
        {"the stream is corked", {{true, mic, "1234"}}, false},
        {"the source is a sink's monitor", {{false, monitor, "1234"}}, false},
        {"our own recordings", {{false, mic, "4000"}, {false, mic, "04000"}}, false},
        {"no process id", {{false, mic, std::nullopt}}, true},
        {"an id that wraps to ours in 64 bits", {{false, mic, "18446744073709555616"}}, true},
        {"one that counts among own, corked and monitor streams",
         {{false, mic, "4000"}, {true, mic, "77"}, {false, monitor, "78"}, {false, mic, "79"}}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(otherProcessRecording({{{mic, noPulseIndex}, {monitor, 0}}, c.outputs}, 4000), c.expected) << c.name;
}

TEST(AlsaCapture, OnlyARunningCaptureSubstreamCounts) {
    EXPECT_TRUE(captureStatusRunning(readText(TARNWICK_SYSTEM_FIXTURES "/asound/running.status")));
    for (const std::string state : {"prepared", "closed", "xrun"})
        EXPECT_FALSE(captureStatusRunning(readText(TARNWICK_SYSTEM_FIXTURES "/asound/" + state + ".status"))) << state;
    // idle: a running playback substream, a closed capture one and an info file that reads RUNNING.
    EXPECT_FALSE(anyAlsaCaptureRunning(TARNWICK_SYSTEM_FIXTURES "/asound/idle"));
    EXPECT_TRUE(anyAlsaCaptureRunning(TARNWICK_SYSTEM_FIXTURES "/asound/recording"));
}

TEST(MicrophoneWithoutServer, NoAnswerWithinTheBoundAndNoNewConnectionBeforeTheRetryTime) {
    using namespace std::chrono;
    QTemporaryDir dir;
    QLocalServer silent;  // takes connections into its backlog and never speaks: no event loop runs
    ASSERT_TRUE(silent.listen(dir.path() + "/silent"));
    for (const QString& server : {"unix:" + silent.fullServerName(), "unix:" + dir.path() + "/nobody"}) {
        SCOPED_TRACE(server.toStdString());
        qputenv("PULSE_SERVER", server.toUtf8());
        MicrophoneWatch watch(pulseQueryBudget, milliseconds(400));
        auto start = steady_clock::now();
        EXPECT_EQ(watch.snapshot(), std::nullopt);
        watch.inUse();
        EXPECT_LT(steady_clock::now() - start, milliseconds(250));
        start = steady_clock::now();
        for (int i = 0; i < 5; ++i) watch.inUse();
        EXPECT_LT(steady_clock::now() - start, milliseconds(50)) << "only the first question waits";
        EXPECT_EQ(watch.attempts(), 1);
        std::this_thread::sleep_for(milliseconds(450));
        EXPECT_EQ(watch.snapshot(), std::nullopt);
        EXPECT_EQ(watch.attempts(), 2) << "tried again after the retry time";
    }
    qunsetenv("PULSE_SERVER");
}

// Beside plain files: comments and a localised Hidden[de], switches in an action group or before any group.
TEST(AutostartFile, SwitchedOffEntriesRequireApproval) {
    const std::string folder = TARNWICK_SYSTEM_FIXTURES "/autostart/";
    for (const std::string file : {"written", "commented", "other-group", "before-group"})
        EXPECT_EQ(autostartFileStatus(readText(folder + file + ".desktop")), LoginItemStatus::enabled) << file;
    for (const std::string file : {"hidden", "gnome-disabled", "spaced", "crlf"})
        EXPECT_EQ(autostartFileStatus(readText(folder + file + ".desktop")), LoginItemStatus::requiresApproval) << file;
}

TEST(XdgLoginItem, SetAndStatusRoundTrip) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/config";  // does not exist yet
    const std::string entry = (root + "/autostart/tarnwick.desktop").toStdString();
    XdgLoginItem item(root, "/opt/My Apps/tarnwick");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(item.set(true) && item.set(true)) << "registering twice is fine";
    EXPECT_EQ(item.status(), LoginItemStatus::enabled);
    EXPECT_NE(readText(entry).find("\nExec=\"/opt/My Apps/tarnwick\"\n"), std::string::npos) << readText(entry);
    std::ofstream(entry, std::ios::app) << "Hidden=true\n";  // switched off in the desktop's settings
    EXPECT_EQ(item.status(), LoginItemStatus::requiresApproval);
    EXPECT_TRUE(item.set(false) && item.set(false)) << "an absent entry is already off";
    EXPECT_EQ(item.status(), LoginItemStatus::notRegistered);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(AutostartFile, ExecNamesTheProgramItStarts) {
    struct Case { const char* contents; std::optional<std::string> program; } cases[] = {
        {"[Desktop Entry]\nExec=/usr/bin/tarnwick\n", "/usr/bin/tarnwick"},
        {"[Desktop Entry]\nExec=/usr/bin/tarnwick --quiet %U\n", "/usr/bin/tarnwick"},
        {"[Desktop Entry]\nExec = tarnwick\r\n", "tarnwick"},
        {"[Desktop Entry]\nExec=\"/opt/a\\sb/tarnwick\" -x\n", "/opt/a b/tarnwick"},
        {"[Desktop Entry]\nExec=/opt/a\\sb/tarnwick\n", "/opt/a"},  // an unquoted blank ends the argument
        {"[Desktop Entry]\nExec=/old/tarnwick\nExec=/new/tarnwick\n", "/new/tarnwick"},
        {"[Desktop Entry]\nExec[de]=/de/tarnwick\nExec=/usr/bin/tarnwick\n", "/usr/bin/tarnwick"},
        {"[Desktop Action x]\nExec=/other\n[Desktop Entry]\nName=T\n", std::nullopt},
        {"[Desktop Entry]\nExec=\n", std::nullopt},
        {"[Desktop Entry]\nExec=\"unterminated\n", std::nullopt},
        {"[Desktop Entry]\nExec=env /usr/bin/tarnwick\n", "/usr/bin/tarnwick"},
        {"[Desktop Entry]\nExec=/usr/bin/env LANG=C A=1 \"/t/100%% a/x\"\n", "/t/100% a/x"},
        {"[Desktop Entry]\nExec=env -i /usr/bin/tarnwick\n", std::nullopt},  // which is the program is unclear
        {"[Desktop Entry]\nExec=env\n", std::nullopt},
        {"[Desktop Entry]\nExec=sh -c \"exec \\\\\"\\\\$0\\\\\"\" /t/a=b%%/x\n", "/t/a=b%/x"},
        {"[Desktop Entry]\nExec=sh -c \"other\" /t/x\n", "sh"},  // a script of its own is not ours to read
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contents);
        EXPECT_EQ(autostartProgram(c.contents), c.program);
    }
    // Whatever the entry writes, the reader gets the same path back.
    for (const std::string path : {"/usr/bin/tarnwick", "/opt/My Apps/tarnwick", "/t/100%/x", "/t/\"q\"/$HOME/`a`\\b",
                                   "/t/tab\there", "/t/new\nline", "/t/50%=half/x", "/t/%U/x", "/t/a=b/x"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(autostartProgram(autostartFileContents(path)), path);
    }
}

// What a GNOME or XFCE session does with the entry at login: GLib reads it, looks for its program
// and starts it. A program's folder may be named with any character.
TEST(AutostartFile, GLibStartsTheProgramWhateverItsPathHolds) {
    QTemporaryDir dir;
    const std::string marker = dir.path().toStdString() + "/started";
    qputenv("TARNWICK_TEST_MARKER", QByteArray::fromStdString(marker));
    for (const std::string folder : {"plain", "My Apps", "100%", "100% sure", "%U", "%%", "50%=half", "a=b",
                                     "\"quoted\"", "it's", "back\\slash", "$HOME", "`tick`", "tab\there", "new\nline"}) {
        SCOPED_TRACE(folder);
        const std::string program = dir.path().toStdString() + "/" + folder + "/tarnwick";
        std::filesystem::create_directories(std::filesystem::path(program).parent_path());
        std::ofstream(program) << "#!/bin/sh\nprintf '%s' \"$0\" > \"$TARNWICK_TEST_MARKER\"\n";
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
        std::filesystem::remove(marker);

        const std::string contents = autostartFileContents(program);
        GKeyFile* file = g_key_file_new();
        ASSERT_TRUE(g_key_file_load_from_data(file, contents.c_str(), contents.size(), G_KEY_FILE_NONE, nullptr));
        GDesktopAppInfo* entry = g_desktop_app_info_new_from_keyfile(file);
        g_key_file_free(file);
        ASSERT_NE(entry, nullptr) << "GLib refuses the entry:\n" << contents;
        GError* error = nullptr;
        EXPECT_TRUE(g_app_info_launch(G_APP_INFO(entry), nullptr, nullptr, &error)) << (error ? error->message : "");
        g_clear_error(&error);
        g_object_unref(entry);
        for (int i = 0; i < 100 && readText(marker).empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(readText(marker), program) << contents;
    }
    qunsetenv("TARNWICK_TEST_MARKER");
}

// The desktop's own reader (GLib's key files, as GNOME and XFCE sessions use) finds the program in
// TryExec, so the session skips the entry once the program is gone.
TEST(AutostartFile, TryExecNamesTheProgramToTheDesktopsReader) {
    for (const std::string path : {"/usr/bin/tarnwick", "/opt/My Apps/tarnwick", " /lead/blank", "/t/100%/x",
                                   "/t/\"q\"/$HOME/`a`\\b", "/t/tab\there", "/t/new\nline", "/t/back\\slash"}) {
        SCOPED_TRACE(path);
        const std::string contents = autostartFileContents(path);
        GKeyFile* file = g_key_file_new();
        ASSERT_TRUE(g_key_file_load_from_data(file, contents.c_str(), contents.size(), G_KEY_FILE_NONE, nullptr));
        gchar* tryExec = g_key_file_get_string(file, "Desktop Entry", "TryExec", nullptr);
        ASSERT_NE(tryExec, nullptr);
        EXPECT_EQ(std::string(tryExec), path);
        g_free(tryExec);
        g_key_file_free(file);
    }
}

TEST(XdgLoginItem, AnEntryForAnotherProgramDoesNotStartThisOne) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/config", bin = dir.path() + "/my bin";
    QDir().mkpath(root + "/autostart");
    QDir().mkpath(bin);
    const QString self = bin + "/tarnwick";
    std::ofstream(self.toStdString()) << "#!/bin/sh\n";
    QFile::setPermissions(self, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::link(self, dir.path() + "/link-to-tarnwick");
    const std::string entry = (root + "/autostart/tarnwick.desktop").toStdString();
    XdgLoginItem item(root, self);
    EXPECT_FALSE(item.startsThisProgram()) << "no entry starts nothing";
    struct Case { std::string exec; bool here; } cases[] = {
        {"/usr/local/bin/tarnwick", false},        // installed elsewhere
        {"/tmp/old-build/tarnwick", false},        // moved since
        {desktopExecValue(self.toStdString()), true},
        {desktopExecValue((dir.path() + "/link-to-tarnwick").toStdString()), true},  // the same file by a link
        {"tarnwick", false},                       // not on PATH here
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exec);
        std::ofstream(entry) << "[Desktop Entry]\nType=Application\nExec=" << c.exec << "\n";
        EXPECT_EQ(item.status(), LoginItemStatus::enabled);
        EXPECT_EQ(item.startsThisProgram(), c.here);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ":" + path);
    EXPECT_TRUE(item.startsThisProgram()) << "a bare name found on PATH";
    qputenv("PATH", path);
    std::ofstream(entry) << "[Desktop Entry]\nExec=/usr/local/bin/tarnwick\n";
    ASSERT_TRUE(item.set(true));
    EXPECT_TRUE(item.startsThisProgram());
}

TEST(XdgLoginItem, FailuresReturnFalseAndWriteExactlyOneLine) {
    struct Case { const char* name; const char* folder; const char* file; const char* executable; bool on; } cases[] = {
        {"the program's path is unknown", "", nullptr, "", true},
        {"the autostart folder is a file", "", "/autostart", "/usr/bin/tarnwick", true},
        {"the entry's place is a folder", "/autostart/tarnwick.desktop/keep", nullptr, "/usr/bin/tarnwick", true},
        {"the entry to remove is a folder with content", "/autostart/tarnwick.desktop/keep", nullptr, "/bin/t", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString root = dir.path() + "/con\nfig";  // error texts that name the folder still make one line
        QDir().mkpath(root + c.folder);
        if (c.file) std::ofstream((root + c.file).toStdString()) << "in the way";
        testing::internal::CaptureStderr();
        EXPECT_FALSE(XdgLoginItem(root, c.executable).set(c.on));
        const std::string text = testing::internal::GetCapturedStderr(), prefix = "Tarnwick: launch at login change failed: ";
        EXPECT_TRUE(text.starts_with(prefix) && text.size() > prefix.size() + 1) << text;
        EXPECT_EQ(text.find('\n'), text.size() - 1) << text;
    }
}
