// The ten sounds as they are compiled in: one per name, in the format the player expects,
// short, at the agreed level, free of clicks, each its own.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/sound/qt_sound_player.hpp"
#include "wav.hpp"

namespace tarnwick {
namespace {

std::optional<test::Wav> loadSound(std::string_view name) {
    const auto url = soundResource(name);
    if (!url) {
        return std::nullopt;
    }
    QFile file(QLatin1Char(':') + url->path());
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return test::readWav(file.readAll());
}

int peakOf(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    int peak = 0;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i) {
        peak = std::max(peak, std::abs(int(samples[i])));
    }
    return peak;
}

double dbfs(int peak) { return 20.0 * std::log10(std::max(peak, 1) / 32768.0); }

TEST(SoundResource, OnlyTheTenNamesHaveASound) {
    for (auto name : soundNames) {
        SCOPED_TRACE(std::string(name));
        const auto url = soundResource(name);
        ASSERT_TRUE(url.has_value());
        EXPECT_EQ(url->toString().toStdString(), "qrc:/sounds/" + std::string(name) + ".wav");
    }
    for (const char* name : {"", "glass", "GLASS", "Glass ", " Glass", "Glass.wav", "Basso",
                             "../sounds/Glass", "sounds/Glass", "Glass/../Ping"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(soundResource(name).has_value());
    }
    EXPECT_FALSE(soundResource(std::string_view("Ping\0", 5)).has_value());
}

// Each sound: 16-bit 44.1 kHz mono, under a second, peaking at -6 dBFS. A sound that starts away
// from zero, or stops before it has faded, clicks; one that reaches full level within two
// milliseconds is a hard attack. Each file ends in at least 200 ms of silence, because Qt 6.4 on
// PulseAudio drops the last buffered ~150 ms of what QSoundEffect plays.
TEST(SoundResources, EverySoundIsShortAtMinusSixDecibelsSoftAtBothEndsAndTrailedBySilence) {
    constexpr std::size_t twoMs = 88, fiveMs = 220, silentTail = 8820;
    constexpr int quiet = 33;  // -60 dBFS
    for (auto name : soundNames) {
        SCOPED_TRACE(std::string(name));
        const auto wav = loadSound(name);
        ASSERT_TRUE(wav.has_value()) << "missing or not 16-bit PCM WAV";
        EXPECT_EQ(wav->channels, 1);
        EXPECT_EQ(wav->sampleRate, 44100);
        EXPECT_GT(wav->seconds(), 0.1);
        EXPECT_LT(wav->seconds(), 1.0);
        const auto& s = wav->samples;
        const int peak = peakOf(s, 0, s.size());
        EXPECT_NEAR(dbfs(peak), -6.0, 0.5);
        EXPECT_LE(std::abs(int(s.front())), 16);
        EXPECT_LT(peakOf(s, 0, twoMs), peak / 2);
        std::size_t end = s.size();  // one past the last sample above -60 dBFS
        while (end > 0 && std::abs(int(s[end - 1])) <= quiet) {
            --end;
        }
        ASSERT_GT(end, fiveMs);
        EXPECT_GE(s.size() - end, silentTail);
        EXPECT_LT(peakOf(s, end - fiveMs, end), peak / 10);
    }
}

// Normalised correlation of two sounds over their common length: 1 for a copy.
double similarity(const std::vector<std::int16_t>& a, const std::vector<std::int16_t>& b) {
    const auto n = std::min(a.size(), b.size());
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += double(a[i]) * b[i];
        aa += double(a[i]) * a[i];
        bb += double(b[i]) * b[i];
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 1.0;
}

TEST(SoundResources, NoTwoSoundsAreAlike) {
    for (std::size_t i = 0; i < soundNames.size(); ++i) {
        for (std::size_t j = i + 1; j < soundNames.size(); ++j) {
            SCOPED_TRACE(std::string(soundNames[i]) + " and " + std::string(soundNames[j]));
            const auto a = loadSound(soundNames[i]);
            const auto b = loadSound(soundNames[j]);
            ASSERT_TRUE(a && b);
            EXPECT_LT(std::abs(similarity(a->samples, b->samples)), 0.5);
        }
    }
}

// Qt's own loader accepts every sound: the effect becomes ready rather than failing.
TEST(SoundResources, QtDecodesEverySound) {
    for (auto name : soundNames) {
        SCOPED_TRACE(std::string(name));
        QSoundEffect effect;
        effect.setSource(*soundResource(name));
        QEventLoop loop;
        QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
            if (effect.status() == QSoundEffect::Ready || effect.status() == QSoundEffect::Error) {
                loop.quit();
            }
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        if (effect.status() == QSoundEffect::Loading) {
            loop.exec();
        }
        EXPECT_EQ(effect.status(), QSoundEffect::Ready);
    }
}

}  // namespace
}  // namespace tarnwick
