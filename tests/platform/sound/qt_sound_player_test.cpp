// QtSoundPlayer against a real sound server (PulseAudio with a null sink, inside with-desktop):
// what play() sends is recorded from the sink's monitor and compared, sample by sample, with the
// sound's file. Other groups run with no sound server at all, or with one that never answers.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/types.h>

#include "platform/sound/qt_sound_player.hpp"
#include "platform/sound/sound_server_probe.hpp"
#include "wav.hpp"

namespace tarnwick {
namespace {

using Samples = std::vector<std::int16_t>;

void spin(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

Samples fileSamples(std::string_view name) {
    QFile file(QLatin1Char(':') + soundResource(name)->path());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    auto wav = test::readWav(file.readAll());
    return wav ? wav->samples : Samples{};
}

// Records the default sink's monitor as 16-bit 44.1 kHz mono for as long as it lives. Its low
// latency request also keeps the null sink rendering in small steps, so sounds reach the monitor
// within tens of milliseconds.
class SinkRecorder {
public:
    SinkRecorder() {
        m_process.setProgram(QStringLiteral("parec"));
        m_process.setArguments({QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                                QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                                QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput,
                         [this] { m_bytes += m_process.readAllStandardOutput(); });
        m_process.start();
    }
    ~SinkRecorder() {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }

    // True once audio (silence included) flows steadily: a null sink that rendered in large
    // blocks before the recorder came may take a couple of seconds to switch.
    bool waitUntilFlowing() {
        QElapsedTimer clock;
        clock.start();
        qsizetype before = -1;
        while (clock.elapsed() < 8000 && m_process.state() != QProcess::NotRunning) {
            spin(100);
            // 100 ms of audio in 100 ms, twice in a row
            const auto now = m_bytes.size();
            if (before >= 0 && now - before >= 6000 && now >= 17640) {
                return true;
            }
            before = now;
        }
        return false;
    }

    qsizetype position() const { return m_bytes.size() / 2; }

    Samples since(qsizetype position) const {
        const auto count = std::max<qsizetype>(0, m_bytes.size() / 2 - position);
        Samples samples(std::size_t(count), 0);
        std::memcpy(samples.data(), m_bytes.constData() + 2 * position, samples.size() * 2);
        return samples;
    }

private:
    QProcess m_process;
    QByteArray m_bytes;
};

int peakOf(const Samples& s) {
    int peak = 0;
    for (auto x : s) {
        peak = std::max(peak, std::abs(int(x)));
    }
    return peak;
}

double dbfs(int peak) { return 20.0 * std::log10(std::max(peak, 1) / 32768.0); }

std::size_t firstAbove(const Samples& s, int level) {
    auto it = std::find_if(s.begin(), s.end(), [&](auto x) { return std::abs(int(x)) > level; });
    return std::size_t(it - s.begin());
}

// The largest difference, in 16-bit steps, between the sound's audible part (from its first to
// its last sample above -60 dBFS) and the recording, at the best alignment near where both first
// rise above a tenth of the sound's peak. A tail cut short, another sound or silence all differ
// by thousands.
int mismatch(const Samples& sound, const Samples& recording) {
    constexpr int quiet = 33;  // -60 dBFS
    const int rise = peakOf(sound) / 10;
    const auto recordedRise = firstAbove(recording, rise);
    if (recordedRise >= recording.size()) {
        return 32767;
    }
    const auto from = firstAbove(sound, quiet);
    std::size_t to = sound.size();
    while (to > from && std::abs(int(sound[to - 1])) <= quiet) {
        --to;
    }
    int best = 32767;
    for (int shift = -64; shift <= 64; ++shift) {
        const auto offset = std::int64_t(recordedRise) - std::int64_t(firstAbove(sound, rise)) + shift;
        int worst = 0;
        for (std::size_t i = from; i < to && worst < best; ++i) {
            const auto j = offset + std::int64_t(i);
            const int heard = j >= 0 && j < std::int64_t(recording.size()) ? recording[std::size_t(j)] : 0;
            worst = std::max(worst, std::abs(heard - int(sound[i])));
        }
        best = std::min(best, worst);
    }
    return best;
}

class QtSoundPlayerOnPulse : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (std::getenv("PULSE_SERVER")) {
            s_recorder = std::make_unique<SinkRecorder>();
            s_flowing = s_recorder->waitUntilFlowing();
        }
    }
    static void TearDownTestSuite() { s_recorder.reset(); }

    void SetUp() override {
        if (!s_recorder) {
            GTEST_SKIP() << "needs the sound server of scripts/with-desktop";
        }
        ASSERT_TRUE(s_flowing) << "parec could not record the default sink's monitor";
    }

    // What reaches the sink from the moment `name` is played until its sound (if any) has ended
    // and a little more.
    Samples recordPlaying(const std::string& name) {
        const auto length = soundResource(name) ? int(fileSamples(name).size() * 1000 / 44100) : 700;
        const auto from = s_recorder->position();
        m_player.play(name);
        spin(length + 300);
        return s_recorder->since(from);
    }

    static inline std::unique_ptr<SinkRecorder> s_recorder;
    static inline bool s_flowing = false;
    QtSoundPlayer m_player;
};

TEST_F(QtSoundPlayerOnPulse, EachNamePlaysItsOwnSoundWholeAndUnchanged) {
    for (auto name : soundNames) {
        SCOPED_TRACE(std::string(name));
        const auto recording = recordPlaying(std::string(name));
        const auto sound = fileSamples(name);
        ASSERT_FALSE(sound.empty());
        EXPECT_LE(mismatch(sound, recording), 16);
        EXPECT_NEAR(dbfs(peakOf(recording)), -6.0, 0.5);
    }
}

TEST_F(QtSoundPlayerOnPulse, PlayingANameAgainPlaysItAgain) {
    const auto sound = fileSamples("Pop");
    EXPECT_LE(mismatch(sound, recordPlaying("Pop")), 16);
    EXPECT_LE(mismatch(sound, recordPlaying("Pop")), 16);
}

TEST_F(QtSoundPlayerOnPulse, NamesWithoutASoundLeaveTheSinkSilent) {
    for (const char* name : {"Basso", "glass", "", "../sounds/Glass"}) {
        SCOPED_TRACE(name);
        const auto recording = recordPlaying(name);
        ASSERT_GT(recording.size(), 30000u) << "too little was recorded to tell";
        EXPECT_LT(dbfs(peakOf(recording)), -60.0);
    }
}

TEST(SoundServerProbeOnPulse, TheDesktopsServerAnswers) {
    if (!std::getenv("PULSE_SERVER")) {
        GTEST_SKIP() << "needs the sound server of scripts/with-desktop";
    }
    EXPECT_TRUE(soundServerAnswers(std::chrono::milliseconds(2000)));
}

// Counts the event loop's turns while the player is used: a player that blocks the main thread
// lets none through.
class EventLoopWatch {
public:
    EventLoopWatch() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { ++m_ticks; });
        m_timer.start(20);
    }
    int ticks() const { return m_ticks; }

private:
    QTimer m_timer;
    int m_ticks = 0;
};

// Collects what Qt logs while it lives.
class MessageLog {
public:
    MessageLog() {
        s_messages.clear();
        m_previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            s_messages << text;
        });
    }
    ~MessageLog() { qInstallMessageHandler(m_previous); }
    QString text() const { return s_messages.join(QLatin1Char('\n')); }
    bool empty() const { return s_messages.isEmpty(); }

private:
    static inline QStringList s_messages;
    QtMessageHandler m_previous;
};

// Run with PULSE_SERVER naming a socket that does not exist.
TEST(SoundServerProbeWithoutServer, SaysNo) {
    EXPECT_FALSE(soundServerAnswers(std::chrono::milliseconds(2000)));
}

TEST(QtSoundPlayerWithoutServer, EveryNamePlaysNothingQuietlyAndTheProgramCarriesOn) {
    MessageLog log;
    EventLoopWatch watch;
    QtSoundPlayer player;
    for (auto name : soundNames) {
        player.play(std::string(name));
    }
    spin(300);
    player.play("Glass");
    spin(300);
    EXPECT_GT(watch.ticks(), 10);
    EXPECT_TRUE(log.empty()) << log.text().toStdString();
}

// Run inside with-desktop: its PulseAudio is stopped (SIGSTOP), so it accepts connections but
// never answers, as a hung server does.
class WithStoppedServer : public testing::Test {
protected:
    void SetUp() override {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        QFile pidFile(QString::fromUtf8(runtime ? runtime : "") + QStringLiteral("/pulse/pid"));
        if (!runtime || !pidFile.open(QIODevice::ReadOnly)) {
            GTEST_SKIP() << "needs the sound server of scripts/with-desktop";
        }
        m_pid = pid_t(pidFile.readAll().trimmed().toInt());
        ASSERT_GT(m_pid, 0);
        ASSERT_EQ(::kill(m_pid, SIGSTOP), 0);
    }
    void TearDown() override {
        if (m_pid > 0) {
            ::kill(m_pid, SIGCONT);
        }
    }

    pid_t m_pid = 0;
};

TEST_F(WithStoppedServer, TheProbeGivesUp) {
    EXPECT_FALSE(soundServerAnswers(std::chrono::milliseconds(300)));
}

// Qt Multimedia would wait for the server without end on the first sound; the player must not.
TEST_F(WithStoppedServer, PlayingNeverHoldsUpTheEventLoop) {
    EventLoopWatch watch;
    QtSoundPlayer player;
    player.play("Glass");
    spin(int(QtSoundPlayer::serverTimeout.count()) + 500);
    player.play("Ping");
    spin(200);
    EXPECT_GT(watch.ticks(), 40);
}

}  // namespace
}  // namespace tarnwick
