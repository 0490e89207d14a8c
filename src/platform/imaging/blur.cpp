#include "platform/imaging/blur.hpp"

#include <QColorSpace>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

// The convolution is built for the machine it runs on where the compiler can choose: a wide-vector
// copy for CPUs with AVX2 and FMA, and the baseline copy for every other x86-64.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define TARNWICK_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define TARNWICK_VECTOR_CLONES
#endif

namespace tarnwick::Blur {
namespace {

// Pixels are held as four floats in memory order B, G, R, A (QImage's 32-bit layout on a
// little-endian machine), premultiplied by alpha. Work goes in blocks of 16 pixels, so that the
// sums of one block stay in registers while the kernel's taps stream past.
constexpr int channels = 4;
constexpr int blockPixels = 16;
constexpr int blockFloats = blockPixels * channels;

// Rec. 709 luma weights for the channels in memory order.
constexpr float lumaB = 0.0722f, lumaG = 0.7152f, lumaR = 0.2126f;

std::vector<float> gaussianKernel(double sigma) {
    const int radius = sigma > 0 ? int(std::ceil(3.0 * sigma)) : 0;
    std::vector<double> exact(std::size_t(2 * radius + 1));
    double sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        const double value = std::exp(-double(i) * i / (2.0 * sigma * sigma));
        exact[std::size_t(i + radius)] = radius == 0 ? 1.0 : value;
        sum += exact[std::size_t(i + radius)];
    }
    std::vector<float> weights(exact.size());
    for (std::size_t i = 0; i < exact.size(); ++i) weights[i] = float(exact[i] / sum);
    return weights;
}

// out[t] = sum over k of weights[k] * src[k * tapStride + t], for one block of 16 pixels.
TARNWICK_VECTOR_CLONES
void convolveBlock(const float* __restrict src, std::ptrdiff_t tapStride,
                   const float* __restrict weights, int taps, float* __restrict out) {
    float acc[blockFloats] = {};
    for (int k = 0; k < taps; ++k) {
        const float w = weights[k];
        const float* s = src + k * tapStride;
        for (int t = 0; t < blockFloats; ++t) acc[t] += w * s[t];
    }
    std::memcpy(out, acc, sizeof acc);
}

void unpack(QRgb pixel, float* out) {
    out[0] = float(qBlue(pixel));
    out[1] = float(qGreen(pixel));
    out[2] = float(qRed(pixel));
    out[3] = float(qAlpha(pixel));
}

int toByte(float value, float high) {
    return int(std::clamp(value, 0.0f, high) + 0.5f);
}

// Applies the saturation (when it changes anything) and packs one pixel, keeping every colour
// within its alpha as premultiplied pixels must.
QRgb pack(const float* in, bool saturate, float saturation, bool opaque) {
    float b = in[0], g = in[1], r = in[2];
    if (saturate) {
        const float luma = lumaB * b + lumaG * g + lumaR * r;
        b = luma + saturation * (b - luma);
        g = luma + saturation * (g - luma);
        r = luma + saturation * (r - luma);
    }
    const int a = opaque ? 255 : toByte(in[3], 255.0f);
    const float high = opaque ? 255.0f : float(a);
    return qRgba(toByte(r, high), toByte(g, high), toByte(b, high), a);
}

QImage blur(const QImage& image, double sigma, double saturation) {
    const bool opaque = !image.hasAlphaChannel();
    const QImage source =
        image.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    if (source.isNull()) return image;

    const std::vector<float> weights = gaussianKernel(sigma);
    const int taps = int(weights.size());
    const int radius = taps / 2;
    const int width = source.width(), height = source.height();
    const int blocks = (width + blockPixels - 1) / blockPixels;
    const std::ptrdiff_t rowFloats = std::ptrdiff_t(blocks) * blockFloats;

    // The horizontal pass reads one source row at a time, widened by the kernel radius on each side
    // with copies of the edge pixels, and writes into `rows`, which has `radius` extra rows above
    // and below holding copies of the first and last row: the vertical pass then needs no edge test.
    std::vector<float> line(std::size_t((blocks * blockPixels + 2 * radius) * channels));
    std::vector<float> rows(std::size_t(rowFloats) * std::size_t(height + 2 * radius));
    for (int y = 0; y < height; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        const int lineLength = blocks * blockPixels + 2 * radius;
        for (int i = 0; i < lineLength; ++i)
            unpack(pixels[std::clamp(i - radius, 0, width - 1)], &line[std::size_t(i * channels)]);
        float* out = &rows[std::size_t(y + radius) * std::size_t(rowFloats)];
        for (int b = 0; b < blocks; ++b)
            convolveBlock(&line[std::size_t(b * blockFloats)], channels, weights.data(), taps,
                          out + std::ptrdiff_t(b) * blockFloats);
    }
    const std::size_t rowBytes = std::size_t(rowFloats) * sizeof(float);
    for (int y = 0; y < radius; ++y) {
        std::memcpy(&rows[std::size_t(y) * std::size_t(rowFloats)],
                    &rows[std::size_t(radius) * std::size_t(rowFloats)], rowBytes);
        std::memcpy(&rows[std::size_t(radius + height + y) * std::size_t(rowFloats)],
                    &rows[std::size_t(radius + height - 1) * std::size_t(rowFloats)], rowBytes);
    }

    QImage result(width, height, source.format());
    if (result.isNull()) return image;
    const bool saturate = saturation != 1.0;
    float block[blockFloats];
    // Column strips of one block each, top to bottom, so that the taps of a strip stay in cache.
    for (int b = 0; b < blocks; ++b) {
        const int firstX = b * blockPixels;
        const int count = std::min(blockPixels, width - firstX);
        for (int y = 0; y < height; ++y) {
            convolveBlock(&rows[std::size_t(y) * std::size_t(rowFloats) + std::size_t(b * blockFloats)],
                          rowFloats, weights.data(), taps, block);
            auto* out = reinterpret_cast<QRgb*>(result.scanLine(y)) + firstX;
            for (int i = 0; i < count; ++i)
                out[i] = pack(&block[i * channels], saturate, float(saturation), opaque);
        }
    }
    result.setDevicePixelRatio(image.devicePixelRatio());
    result.setColorSpace(image.colorSpace());
    return result;
}

}  // namespace

QImage apply(const QImage& image, double sigma, double saturation) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return image;
    if (!std::isfinite(sigma) || sigma < 0 || sigma > maxSigma || !std::isfinite(saturation))
        return image;
    try {
        return blur(image, sigma, saturation);
    } catch (const std::bad_alloc&) {
        return image;
    } catch (const std::length_error&) {
        return image;
    }
}

}  // namespace tarnwick::Blur
