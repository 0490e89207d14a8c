// The settings and stats windows from the request to their first frame on the virtual desktop,
// opened through the window controller as the tray opens them: the first time (which loads Qt
// Quick and makes the QML engine) and with Qt Quick running; the stats window over a year of
// history, 40,000 records. Run inside scripts/with-desktop.
//
// Goals: settings under 600 ms loading Qt Quick and under 300 ms with it running, also once the
// views were released after the last window closed (the QML engine made anew); stats over
// 40,000 records under 300 ms with Qt Quick running.

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include "model_rig.hpp"
#include "ui/settings_view_model.hpp"
#include "ui/views_loader.hpp"
#include "ui/window_controller.hpp"

using namespace tarnwick;

namespace {

constexpr int opens = 9;

// Counts frames a window hands to the screen.
class Frames : public QObject {
    Q_OBJECT
public:
    int count = 0;
public Q_SLOTS:
    void swapped() { ++count; }
};

template <class Done>
bool spin(Done done, int limitMs = 5000) {
    QElapsedTimer limit;
    limit.start();
    while (!done() && limit.elapsed() < limitMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// Milliseconds from the request to the first frame of the window of `key`; it is closed after.
double openOnce(WindowController& windows, const QString& key) {
    Frames frames;
    QElapsedTimer timer;
    timer.start();
    QWindow* window = windows.open(key);
    if (!window) return -1;
    QObject::connect(window, SIGNAL(frameSwapped()), &frames, SLOT(swapped()));
    if (!spin([&] { return frames.count > 0; })) return -1;
    const double ms = timer.nsecsElapsed() / 1e6;
    window->close();
    spin([&] { return windows.window(key) == nullptr; });
    spin([] { return false; }, 150);  // the closed window is gone
    return ms;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A year of breaks before `now`: about 110 a day, mostly taken.
std::vector<BreakRecord> yearOfHistory(double now) {
    std::vector<BreakRecord> records;
    const Outcome outcomes[] = {Outcome::taken, Outcome::taken, Outcome::taken, Outcome::skipped, Outcome::natural,
                                Outcome::held};
    for (int i = 0; i < 40'000; ++i) {
        const double at = now - 365.0 * 86'400 + i * (365.0 * 86'400 / 40'000);
        records.push_back({instantAt(at), i % 7 == 0 ? BreakKind::long_ : BreakKind::micro, outcomes[i % 6]});
    }
    return records;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    fakes::ModelRig rig;
    Settings settings;
    settings.onboarded = true;
    rig.writeSettings(settings);
    rig.clock.set(fakes::t0 + 3 * 86'400);
    if (!rig.persistence.save(yearOfHistory(rig.clock.epoch()), instantAt(rig.clock.epoch()))) {
        std::fprintf(stderr, "windows_bench: could not write the history\n");
        return 1;
    }
    rig.makeModel();
    ViewsLoader loader{{QStringLiteral(TARNWICK_BINARY_DIR)}};
    auto modelOnly = [&](QObject*) { return QVariantMap{{QStringLiteral("model"), QVariant::fromValue(rig.model.get())}}; };
    WindowController windows(loader, {settingsWindowKind(*rig.model, {}, QStringLiteral("bench")),
                                      {QStringLiteral("stats"), QStringLiteral("StatsWindow.qml"),
                                       QStringLiteral("Tarnwick Stats"), QSize(760, 560), QSize(760, 560), modelOnly}});

    const double cold = openOnce(windows, QStringLiteral("settings"));
    std::vector<double> settingsWarm, statsWarm, settingsReleased;
    for (int i = 0; i < opens; ++i) {
        settingsWarm.push_back(openOnce(windows, QStringLiteral("settings")));
        statsWarm.push_back(openOnce(windows, QStringLiteral("stats")));
    }
    for (int i = 0; i < opens; ++i) {
        // What the program does a little after the last window has closed.
        loader.trim();
        settingsReleased.push_back(openOnce(windows, QStringLiteral("settings")));
    }
    if (cold < 0 || std::count(settingsWarm.begin(), settingsWarm.end(), -1.0) ||
        std::count(statsWarm.begin(), statsWarm.end(), -1.0) ||
        std::count(settingsReleased.begin(), settingsReleased.end(), -1.0)) {
        std::fprintf(stderr, "windows_bench: a window did not open or draw\n");
        return 1;
    }
    std::printf("%-58s %9s %9s\n", "windows, request to first frame", "measured", "goal");
    std::printf("%-58s %6.1f ms %6s ms\n", "settings, loading Qt Quick (once)", cold, "< 600");
    std::printf("%-58s %6.1f ms %6s ms\n", "settings, Qt Quick running (median of 9)", median(settingsWarm), "< 300");
    std::printf("%-58s %6.1f ms %6s ms\n", "settings, after the views were released (median of 9)",
                median(settingsReleased), "< 300");
    std::printf("%-58s %6.1f ms %6s ms\n", "stats over 40,000 records, Qt Quick running (median of 9)",
                median(statsWarm), "< 300");
    std::printf("(history: %d records)\n", rig.model->historyCount());
    return 0;
}

#include "windows_bench.moc"
