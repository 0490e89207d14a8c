// The microphone probe against a real PulseAudio server with a null source and a null sink.
#include <gtest/gtest.h>

#include <QProcess>

#include <pulse/context.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <string>

#include "platform/pulse/microphone.hpp"
#include "test_support.hpp"

namespace tarnwick {
namespace {

using test::waitUntil;

constexpr const char* nullSource = "null_source";
constexpr const char* nullSinkMonitor = "null_sink.monitor";

// Whether the server lists a recording stream of the given process in the given corked state.
bool listed(const std::string& processId, bool corked) {
    auto snapshot = queryPulseSources(std::chrono::milliseconds(1000));
    return snapshot && std::any_of(snapshot->outputs.begin(), snapshot->outputs.end(), [&](const auto& output) {
               return output.processId == processId && output.corked == corked;
           });
}

// A recording stream of this process on its own threaded main loop. `processId` replaces the
// application.process.id the library would send, so this process can pose as another.
class RecordingStream {
public:
    RecordingStream(const std::optional<std::string>& processId, bool corked, const char* source) {
        m_loop = pa_threaded_mainloop_new();
        pa_threaded_mainloop_start(m_loop);
        pa_threaded_mainloop_lock(m_loop);
        m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "tarnwick-probe-test");
        pa_context_set_state_callback(m_context, &RecordingStream::wake, m_loop);
        pa_context_connect(m_context, nullptr, PA_CONTEXT_NOFLAGS, nullptr);
        while (PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context)) && pa_context_get_state(m_context) != PA_CONTEXT_READY)
            pa_threaded_mainloop_wait(m_loop);
        pa_proplist* properties = pa_proplist_new();
        if (processId) pa_proplist_sets(properties, PA_PROP_APPLICATION_PROCESS_ID, processId->c_str());
        const pa_sample_spec spec{PA_SAMPLE_S16LE, 16000, 1};
        m_stream = pa_stream_new_with_proplist(m_context, "probe test", &spec, nullptr, properties);
        pa_proplist_free(properties);
        if (m_stream) {
            pa_stream_set_state_callback(m_stream, &RecordingStream::wake, m_loop);
            pa_stream_set_read_callback(m_stream, &RecordingStream::discard, nullptr);
            pa_stream_connect_record(m_stream, source, nullptr, corked ? PA_STREAM_START_CORKED : PA_STREAM_NOFLAGS);
            while (PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream)) && pa_stream_get_state(m_stream) != PA_STREAM_READY)
                pa_threaded_mainloop_wait(m_loop);
            m_ready = pa_stream_get_state(m_stream) == PA_STREAM_READY;
        }
        pa_threaded_mainloop_unlock(m_loop);
    }
    ~RecordingStream() {
        pa_threaded_mainloop_lock(m_loop);
        if (m_stream) {
            pa_stream_disconnect(m_stream);
            pa_stream_unref(m_stream);
        }
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        pa_threaded_mainloop_unlock(m_loop);
        pa_threaded_mainloop_stop(m_loop);
        pa_threaded_mainloop_free(m_loop);
    }
    RecordingStream(const RecordingStream&) = delete;
    RecordingStream& operator=(const RecordingStream&) = delete;

    bool ready() const { return m_ready; }

private:
    template <class T>
    static void wake(T*, void* loop) { pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0); }
    static void discard(pa_stream* stream, size_t, void*) {
        const void* data = nullptr;
        size_t size = 0;
        while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &size) == 0 && size > 0)
            pa_stream_drop(stream);
    }

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    bool m_ready = false;
};

TEST(MicrophoneOnServer, StreamsCountByCorkSourceAndOwner) {
    ASSERT_TRUE(queryPulseSources().has_value()) << "the desktop's sound server answers within the budget";
    EXPECT_FALSE(microphoneInUse());
    const std::string ownPid = std::to_string(getpid());
    struct Case {
        const char* name;
        std::optional<std::string> processId;  // nothing: this process's own id
        bool corked;
        const char* source;
        bool expected;
    } cases[] = {
        {"another process records", "1", false, nullSource, true},
        {"another process's stream is corked", "1", true, nullSource, false},
        {"another process records the sink's monitor", "1", false, nullSinkMonitor, false},
        {"this program records", std::nullopt, false, nullSource, false},
        {"a stream whose process id cannot be read", "not-a-pid", false, nullSource, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingStream stream(c.processId, c.corked, c.source);
        ASSERT_TRUE(stream.ready());
        ASSERT_TRUE(waitUntil([&] { return listed(c.processId.value_or(ownPid), c.corked); }));
        EXPECT_EQ(microphoneInUse(), c.expected);
    }
    EXPECT_TRUE(waitUntil([] { return !microphoneInUse(); })) << "closed streams no longer count";
}

TEST(MicrophoneOnServer, AnotherProgramRecordingTheMicrophoneCountsAndTheSpeakersDoNot) {
    for (const auto& [device, expected] : {std::pair{nullSource, true}, {nullSinkMonitor, false}}) {
        SCOPED_TRACE(device);
        QProcess recorder;
        recorder.setStandardOutputFile(QProcess::nullDevice());
        recorder.start(QStringLiteral("parec"), {QStringLiteral("--device=") + QString::fromLatin1(device)});
        ASSERT_TRUE(recorder.waitForStarted(5000));
        ASSERT_TRUE(waitUntil([&] { return listed(std::to_string(recorder.processId()), false); }));
        EXPECT_EQ(microphoneInUse(), expected);
        recorder.terminate();
        recorder.waitForFinished(5000);
        EXPECT_TRUE(waitUntil([] { return !microphoneInUse(); }));
    }
}

}  // namespace
}  // namespace tarnwick
