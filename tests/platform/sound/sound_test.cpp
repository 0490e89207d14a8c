#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSoundEffect>
#include <QTimer>
#include <QtEndian>
#include <functional>

#include "platform/sound/qt_sound_player.hpp"

namespace tarnwick {
namespace {

// Does `act` and runs the event loop until `ms` ms after it began; returns the 20 ms ticks that got through.
int ticksAfter(const std::function<void()>& act, int ms) {
    int ticks = 0;
    QEventLoop loop;
    QTimer ticker;
    ticker.callOnTimeout([&] { ++ticks; });
    ticker.start(20);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    act();
    loop.exec();
    return ticks;
}

TEST(SoundResources, EveryNameHasASoundUnderASecondThatQtDecodes) {
    for (auto name : soundNames) {
        SCOPED_TRACE(std::string(name));
        const QUrl url = soundResource(name).value_or(QUrl());
        QFile file(QLatin1Char(':') + url.path());
        const QByteArray wav = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const qsizetype data = wav.indexOf("data");  // its length, over the byte rate of the "fmt " chunk
        ASSERT_TRUE(wav.startsWith("RIFF") && wav.mid(12, 4) == "fmt " && data > 0 && data + 8 <= wav.size());
        const quint32 length = qFromLittleEndian<quint32>(wav.constData() + data + 4), rate = qFromLittleEndian<quint32>(wav.constData() + 28);
        EXPECT_TRUE(length > rate / 10 && length < rate) << length << " bytes at " << rate << " a second";
        QSoundEffect effect;
        effect.setSource(url);
        for (int i = 0; i < 250 && effect.status() == QSoundEffect::Loading; ++i) ticksAfter([] {}, 20);
        EXPECT_EQ(effect.status(), QSoundEffect::Ready);
    }
}

// Run with PULSE_SERVER naming a missing socket, and in with-desktop with its PulseAudio stopped, which
// never answers, as a hung server does. Qt Multimedia would wait for it without end, or log its failure.
TEST(QtSoundPlayerWithoutAnswer, PlaysNothingAndNeverHoldsUpTheEventLoop) {
    QFile pidFile(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pulse/pid"));
    const bool onDesktop = qEnvironmentVariableIsSet("TARNWICK_DESKTOP_RUN");
    const pid_t pid = onDesktop && pidFile.open(QIODevice::ReadOnly) ? pid_t(pidFile.readAll().trimmed().toInt()) : 0;
    ASSERT_TRUE(!onDesktop || (pid > 0 && ::kill(pid, SIGSTOP) == 0)) << "the desktop's sound server was not stopped";
    static QString log;
    const auto previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { log += text + u'\n'; });
    std::optional<QtSoundPlayer> player;  // made inside the watched time: it asks for the server as it is made
    const int ticks = ticksAfter([&] { player.emplace(); for (auto name : soundNames) player->play(std::string(name)); }, int(QtSoundPlayer::serverTimeout.count()) + 500) +
                      ticksAfter([&] { player->play("Glass"); }, 200);
    qInstallMessageHandler(previous);
    if (pid > 0) ::kill(pid, SIGCONT);
    EXPECT_GT(ticks, 45);
    EXPECT_TRUE(log.isEmpty()) << log.toStdString();
}

TEST(QtSoundPlayerOnPulse, EveryNameReachesTheNullSinkAndUnknownNamesPlayNothing) {
    if (!qEnvironmentVariableIsSet("TARNWICK_DESKTOP_RUN")) GTEST_SKIP() << "needs scripts/with-desktop";
    QProcess parec;    // its low latency also keeps the null sink rendering in small steps
    QByteArray heard;  // 16-bit mono samples at 44.1 kHz
    QObject::connect(&parec, &QProcess::readyReadStandardOutput, [&] { heard += parec.readAllStandardOutput(); });
    parec.start(QStringLiteral("parec"), QStringLiteral("--device=@DEFAULT_MONITOR@ --raw --format=s16le --rate=44100 --channels=1 --latency-msec=20").split(u' '));
    for (int spell = 0, steady = 0; steady < 2; ++spell) {  // until 100 ms of audio come in each of two 100 ms spells
        ASSERT_LT(spell, 80) << "parec could not record the default sink's monitor";
        const qsizetype before = heard.size();
        ticksAfter([] {}, 100);
        steady = heard.size() - before >= 6000 ? steady + 1 : 0;
    }
    QtSoundPlayer player;
    auto loudest = [&](const std::string& name) {
        const qsizetype from = heard.size() & ~qsizetype(1);
        ticksAfter([&] { player.play(name); }, 1300);
        EXPECT_GT(heard.size() - from, 88200) << "too little was recorded to tell";
        int peak = 0;
        for (qsizetype i = from; i + 1 < heard.size(); i += 2) peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(heard.constData() + i))));
        return peak;
    };
    for (auto name : soundNames) EXPECT_NEAR(loudest(std::string(name)), 16423, 900) << name;  // -6 dBFS, ±0.5 dB
    for (const char* name : {"Basso", "../sounds/Glass"}) EXPECT_LT(loudest(name), 33) << name;  // under -60 dBFS
    parec.terminate();
    parec.waitForFinished(3000);
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // Qt Multimedia needs one; no display is needed
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
