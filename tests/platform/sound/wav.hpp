#pragma once

// A reader for the canonical WAV files the tests inspect: RIFF/WAVE with a "fmt " and a "data"
// chunk, 16-bit PCM. Anything else reads as nothing.

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include <QByteArray>

namespace tarnwick::test {

struct Wav {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;  // interleaved

    double seconds() const {
        return channels > 0 && sampleRate > 0 ? double(samples.size()) / channels / sampleRate : 0.0;
    }
};

inline std::optional<Wav> readWav(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = std::size_t(bytes.size());
    auto u16 = [&](std::size_t at) { return unsigned(data[at] | data[at + 1] << 8); };
    auto u32 = [&](std::size_t at) { return std::uint32_t(u16(at) | u16(at + 2) << 16); };
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    Wav wav;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= size;) {
        const auto length = std::size_t(u32(at + 4));
        const auto body = at + 8;
        if (length > size - body) {
            return std::nullopt;
        }
        if (std::memcmp(data + at, "fmt ", 4) == 0 && length >= 16) {
            if (u16(body) != 1) {  // PCM
                return std::nullopt;
            }
            wav.channels = int(u16(body + 2));
            wav.sampleRate = int(u32(body + 4));
            wav.bitsPerSample = int(u16(body + 14));
            haveFormat = true;
        } else if (std::memcmp(data + at, "data", 4) == 0) {
            if (!haveFormat || wav.bitsPerSample != 16) {
                return std::nullopt;
            }
            wav.samples.resize(length / 2);
            for (std::size_t i = 0; i < wav.samples.size(); ++i) {
                wav.samples[i] = std::int16_t(u16(body + 2 * i));
            }
            return wav;
        }
        at = body + length + (length & 1);
    }
    return std::nullopt;
}

}  // namespace tarnwick::test
