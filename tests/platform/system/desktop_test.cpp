#include <gtest/gtest.h>

#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <pulse/pulseaudio.h>

#include <memory>

#include "platform/dbus/screen_lock.hpp"
#include "platform/dbus/sleep_monitor.hpp"
#include "platform/pulse/microphone.hpp"

using namespace tarnwick;

// A recording stream, set up on a main loop that then stands still; `pid` poses as another program's.
struct Recording {
    std::unique_ptr<pa_mainloop, decltype(&pa_mainloop_free)> loop{pa_mainloop_new(), &pa_mainloop_free};
    std::unique_ptr<pa_context, decltype(&pa_context_unref)> context{nullptr, &pa_context_unref};  // unref disconnects
    std::unique_ptr<pa_stream, decltype(&pa_stream_unref)> stream{nullptr, &pa_stream_unref};
    Recording(const char* pid, bool corked, const char* source) {
        context.reset(pa_context_new(pa_mainloop_get_api(loop.get()), "tarnwick-test"));
        if (pa_context_connect(context.get(), nullptr, PA_CONTEXT_NOFLAGS, nullptr) == 0)  // then it is connecting
            while (pa_context_get_state(context.get()) < PA_CONTEXT_READY) pa_mainloop_iterate(loop.get(), 1, nullptr);
        std::unique_ptr<pa_proplist, decltype(&pa_proplist_free)> properties{pa_proplist_new(), &pa_proplist_free};
        if (pid) pa_proplist_sets(properties.get(), PA_PROP_APPLICATION_PROCESS_ID, pid);
        const pa_sample_spec format{PA_SAMPLE_S16LE, 16000, 1};
        stream.reset(pa_stream_new_with_proplist(context.get(), "test", &format, nullptr, properties.get()));
        pa_stream_connect_record(stream.get(), source, nullptr, corked ? PA_STREAM_START_CORKED : PA_STREAM_NOFLAGS);
        while (pa_stream_get_state(stream.get()) == PA_STREAM_CREATING) pa_mainloop_iterate(loop.get(), 1, nullptr);
    }
};

TEST(MicrophoneOnServer, RunningStreamsOfOtherProgramsOnTheMicrophoneCount) {
    MicrophoneWatch watch;
    ASSERT_TRUE(watch.snapshot().has_value()) << "the desktop's sound server answers within the budget";
    auto* recorder = new QProcess;
    recorder->start("parecord", {"--device=null_source", "/dev/null"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return watch.inUse(); }, 5000));
    delete recorder;  // kills it
    EXPECT_TRUE(QTest::qWaitFor([&] { return !watch.inUse(); }, 5000)) << "a closed stream no longer counts";
    struct Case { const char* name; const char* pid; bool corked; const char* source; bool expected; } cases[] = {
        {"another program records", "1", false, "null_source", true},
        {"its stream is corked", "1", true, "null_source", false},
        {"it records the speakers' monitor", "1", false, "null_sink.monitor", false},
        {"this program records", nullptr, false, "null_source", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto streams = [&] { auto listing = watch.snapshot(); return listing ? int(listing->outputs.size()) : -1; };
        ASSERT_TRUE(QTest::qWaitFor([&] { return streams() == 0; }, 5000)) << "the last case's stream is gone";
        Recording recording(c.pid, c.corked, c.source);
        ASSERT_EQ(pa_stream_get_state(recording.stream.get()), PA_STREAM_READY);
        // The server announces the new stream; the watch's listing then holds it.
        ASSERT_TRUE(QTest::qWaitFor([&] { return streams() == 1; }, 5000));
        EXPECT_EQ(watch.inUse(), c.expected);
    }
    EXPECT_EQ(watch.attempts(), 1) << "one connection answered every question";
}

// A locker that accepts ('a') or refuses ('r') every call, or never answers ('s').
struct FakeLocker : QDBusVirtualObject {
    FakeLocker(char mode) : mode(mode) {}
    char mode;
    int calls = 0;
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override {
        ++calls;
        return mode == 's' || bus.send(mode == 'a' ? call.createReply() : call.createErrorReply(QDBusError::Failed, {}));
    }
};

// A bus connection of its own, as another program has.
struct Peer : QDBusConnection {
    Peer(BusType type, const QString& name) : QDBusConnection(connectToBus(type, name)) {}
    ~Peer() { disconnectFromBus(name()); }
};

TEST(ScreenLockChain, TheFirstLockerThatAcceptsWinsAndNoLaterOneIsTried) {
    const QString services[] = {"org.freedesktop.ScreenSaver", "org.freedesktop.ScreenSaver", "org.gnome.ScreenSaver"};
    const QString paths[] = {"/ScreenSaver", "/org/freedesktop/ScreenSaver", "/org/gnome/ScreenSaver"};
    // What the lockers there do ('-': there is none) and which one locks the screen; 3 is the fall-back command.
    for (const auto& [modes, winner] : {std::pair{"aaa", 0}, {"-aa", 1}, {"rra", 2}, {"sra", 2}, {"rrr", 3}, {"---", 3}}) {
        SCOPED_TRACE(modes);
        QTemporaryDir dir;
        Peer session(QDBusConnection::SessionBus, "lockers");
        FakeLocker lockers[] = {modes[0], modes[1], modes[2]};
        for (int i = 0; i < 3; ++i)
            if (modes[i] != '-' && session.registerVirtualObject(paths[i], &lockers[i])) session.registerService(services[i]);
        DbusScreenLock lock(QDBusConnection::sessionBus(), QDBusConnection::systemBus(), {"touch", {dir.path() + "/off"}});
        lock.lock();
        const auto tried = [&](int i) { return i < 3 ? lockers[i].calls > 0 : QFile::exists(dir.path() + "/off"); };
        EXPECT_TRUE(QTest::qWaitFor([&] { return tried(winner); }, 5000));
        QTest::qWait(300);  // anything the chain would wrongly try next has time to arrive
        for (int later = winner + 1; later <= 3; ++later) EXPECT_FALSE(tried(later)) << later << " was also tried";
    }
}

TEST(SleepMonitorOnBus, PrepareForSleepFromLogindAloneReachesTheCallbacks) {
    const auto prepareForSleep = [](bool start) {  // a new message each time: copies share their arguments
        return QDBusMessage::createSignal("/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep")
               << start;
    };
    int willSleep = 0, didWake = 0;
    LogindSleepMonitor monitor;
    // Watching starts before logind is on the bus, as when logind restarts under a running program.
    monitor.watch([&] { ++willSleep; }, [&] { ++didWake; });
    Peer logind(QDBusConnection::SystemBus, "logind"), impostor(QDBusConnection::SystemBus, "impostor");
    ASSERT_TRUE(logind.registerService("org.freedesktop.login1"));
    ASSERT_TRUE(impostor.send(prepareForSleep(true)));  // the same signal from a name-less sender
    QTest::qWait(300);
    EXPECT_EQ(willSleep, 0);
    ASSERT_TRUE(logind.send(prepareForSleep(true)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return willSleep == 1; }, 5000));
    EXPECT_EQ(didWake, 0);
    ASSERT_TRUE(logind.send(prepareForSleep(false)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return didWake == 1; }, 5000));
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
