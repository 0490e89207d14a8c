// From a phase change to break panels shown and drawn on both monitors, the first time (which
// loads Qt Quick) and every time after; the CPU the program spends during a break once its
// entrance is over; and the tray icon drawn anew for a changed countdown, both sizes. Run inside
// scripts/with-desktop.

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "model_rig.hpp"
#include "ui/overlay_controller.hpp"
#include "ui/status_controller.hpp"
#include "ui/views_loader.hpp"

using namespace tarnwick;

namespace {

// Counts frames the panels hand to the screen.
class Frames : public QObject {
    Q_OBJECT
public:
    int count = 0;
public Q_SLOTS:
    void swapped() { ++count; }
};

struct Rig {
    Rig() {
        Settings settings;
        settings.microSeconds = 20;
        settings.enforcement = BreakEnforcement::casual;
        settings.breakBackground = BreakBackground::gradient;
        model.writeSettings(settings);
        model.makeModel();
        controller = std::make_unique<OverlayController>(*model.model, loader, [](const QScreen&) { return QImage(); });
    }
    fakes::ModelRig model;
    ViewsLoader loader{{QStringLiteral(TARNWICK_BINARY_DIR)}};
    std::unique_ptr<OverlayController> controller;
};

Rig* rig = nullptr;

// Turns the event loop until `done` or five seconds passed.
template <class Done>
bool spin(Done done) {
    QElapsedTimer limit;
    limit.start();
    while (!done() && limit.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// Seconds from the phase change until every screen's panel has drawn a frame.
double showBreak() {
    Frames frames;
    QElapsedTimer timer;
    timer.start();
    rig->model.model->takeBreak(BreakKind::micro);
    const auto panels = rig->controller->panels();
    for (QWindow* panel : panels) QObject::connect(panel, SIGNAL(frameSwapped()), &frames, SLOT(swapped()));
    const bool drawn = !panels.empty() && spin([&] { return frames.count >= int(QGuiApplication::screens().size()); });
    const double seconds = timer.nsecsElapsed() / 1e9;
    return drawn ? seconds : -1;
}

void endBreak() {
    rig->model.model->resume();
    spin([] { return rig->controller->panels().empty(); });
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void FirstBreakLoadsQtQuick(benchmark::State& state) {
    for (auto _ : state) {
        const double seconds = showBreak();
        if (seconds < 0) state.SkipWithError("the panels were not drawn");
        state.SetIterationTime(seconds);
        endBreak();
    }
}

void LaterBreaks(benchmark::State& state) {
    for (auto _ : state) {
        const double seconds = showBreak();
        if (seconds < 0) state.SkipWithError("the panels were not drawn");
        state.SetIterationTime(seconds);
        endBreak();
    }
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

// A 20-second break ticking once a second as the program does; CPU counted after the entrance.
void CpuDuringABreak(benchmark::State& state) {
    for (auto _ : state) {
        QTimer tick;
        tick.setInterval(1000);
        QObject::connect(&tick, &QTimer::timeout, [] {
            rig->model.clock.advance(1);
            rig->model.model->tick();
        });
        showBreak();
        tick.start();
        QElapsedTimer wall;
        wall.start();
        spin([&] { return wall.elapsed() >= 1500; });  // the entrance
        const double cpuBefore = cpuSeconds();
        wall.restart();
        QEventLoop idle;
        QTimer::singleShot(17000, &idle, &QEventLoop::quit);
        idle.exec();
        const double cpu = cpuSeconds() - cpuBefore;
        state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / (wall.nsecsElapsed() / 1e9);
        tick.stop();
        endBreak();
    }
}

// What the tray costs each time its countdown text changes (goal: well under a millisecond, as it
// happens every minute of an idle day).
void TrayIconRedraw(benchmark::State& state) {
    int minutesLeft = 0;
    for (auto _ : state) {
        const tarnwick::TrayTitle title{tarnwick::TrayMark::countdown, QString::number(1 + minutesLeft++ % 59) + u'm'};
        for (int size : {22, 44}) benchmark::DoNotOptimize(tarnwick::trayImage(title, size));
    }
}

}  // namespace

BENCHMARK(TrayIconRedraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(FirstBreakLoadsQtQuick)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
// Each break is one repetition, so the report gives the median over fifteen.
BENCHMARK(LaterBreaks)->Iterations(1)->Repetitions(15)->DisplayAggregatesOnly(true)->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CpuDuringABreak)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    Rig instance;
    rig = &instance;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "overlay_bench.moc"
