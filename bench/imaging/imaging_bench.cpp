// How long a break's background takes to make: the blur alone on a shrunk desktop picture, and a
// 3840 × 2160 JPEG desktop picture from file through decode, downscale and blur.

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <random>

#include "platform/imaging/backdrops.hpp"
#include "platform/imaging/blur.hpp"
#include "platform/imaging/wallpaper.hpp"

namespace {

using namespace tarnwick;

QString g_picturePath;  // the 4K JPEG, written once by main

// A diagonal colour gradient with per-pixel noise, so that the JPEG is as dense as a photograph's.
QImage noisyGradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(42);
    std::uniform_int_distribution<int> noise(-14, 14);
    auto clamp = [](int v) { return std::clamp(v, 0, 255); };
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int r = 40 + 180 * x / width, g = 60 + 120 * y / height, b = 200 - 150 * (x + y) / (width + height);
            line[x] = qRgb(clamp(r + noise(random)), clamp(g + noise(random)), clamp(b + noise(random)));
        }
    }
    return image;
}

class OnePicture : public DesktopPictures {
public:
    std::optional<std::string> location(const std::string&) override { return g_picturePath.toStdString(); }
};

void blurAlone(benchmark::State& state) {
    const QImage image = noisyGradient(640, 360);
    for (auto _ : state) benchmark::DoNotOptimize(Blur::apply(image, Wallpaper::sigma, Wallpaper::saturation));
}
BENCHMARK(blurAlone)->Name("blur 640x360 sigma 24")->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// What a break pays for a desktop picture it has not seen: a fresh cache every time.
void wholePath(benchmark::State& state) {
    OnePicture pictures;
    for (auto _ : state) {
        Wallpaper wallpaper(pictures);
        const auto image = wallpaper.image(QStringLiteral("HDMI-1"));
        if (!image || image->width() != 640) state.SkipWithError("no picture");
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(wholePath)->Name("3840x2160 JPEG: decode, downscale, blur")->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void decodeShrinking(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Wallpaper::decode(g_picturePath));
}
BENCHMARK(decodeShrinking)->Name("3840x2160 JPEG: decode at most 640 wide")->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// For comparison: decoding every pixel, then shrinking.
void decodeFullThenDownscale(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Wallpaper::downscale(QImage(g_picturePath), Wallpaper::maxWidth));
}
BENCHMARK(decodeFullThenDownscale)->Name("3840x2160 JPEG: full decode, then downscale")->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void sunset(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Blur::apply(Backdrops::sunsetSketch(), 28, 1.0));
}
BENCHMARK(sunset)->Name("sunset backdrop 320x200 sigma 28")->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir folder;
    g_picturePath = folder.filePath(QStringLiteral("desktop-4k.jpg"));
    if (!noisyGradient(3840, 2160).save(g_picturePath, "JPEG", 90)) {
        fprintf(stderr, "imaging_bench: could not write %s\n", qPrintable(g_picturePath));
        return 1;
    }
    benchmark::AddCustomContext("picture", QStringLiteral("3840x2160 JPEG, quality 90, %1 KiB")
                                               .arg(QFileInfo(g_picturePath).size() / 1024)
                                               .toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
