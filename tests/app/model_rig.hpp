#pragma once

// A model on fake ports, a manual clock and a temporary data folder, in the Berlin time zone.

#include <functional>
#include <memory>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include "app/app_model.hpp"
#include "fakes.hpp"

namespace tarnwick::fakes {

inline constexpr double t0 = 1'772'438'400;  // Monday 2026-03-02 08:00 UTC, 09:00 in Berlin

class CountingPersistence : public Persistence {
public:
    using Persistence::Persistence;
    int settingsSaves = 0, historySaves = 0;
    bool save(const Settings& settings) override {
        ++settingsSaves;
        return Persistence::save(settings);
    }
    bool save(const std::vector<BreakRecord>& history, Instant now) override {
        ++historySaves;
        return Persistence::save(history, now);
    }
};

struct ModelRig {
    ModelRig() { makeModel(); }

    void makeModel() {
        model.reset();
        model = std::make_unique<AppModel>(
            Ports{clock, input, probes, sounds, loginItem, screenLock, sleepMonitor}, persistence);
        model->setCalendarSource([] { return Calendar::forZone("Europe/Berlin"); });
        QObject::connect(model.get(), &AppModel::phaseChanged, [this] { ++phaseSignals; });
        QObject::connect(model.get(), &AppModel::nowChanged, [this] { ++nowSignals; });
    }

    // Writes a settings file for the next model to load.
    bool writeSettings(const Settings& settings) {
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/settings.json"));
        return file.open(QIODevice::WriteOnly) && file.write(Persistence::encode(settings)) > 0;
    }

    // Changes the model's settings as the settings window does.
    void edit(const std::function<void(Settings&)>& change) {
        Settings settings = model->settings();
        change(settings);
        model->setSettings(settings);
    }

    // Ticks once a second until `epoch`. A history save ends well within the second between two
    // ticks; here the seconds pass at once, so each tick waits for it.
    void tickUntil(double epoch) {
        while (clock.epoch() < epoch) {
            clock.advance(1);
            model->tick();
            model->finishSaves();
        }
    }

    QTemporaryDir temp;
    QString folder = temp.path() + QStringLiteral("/Tarnwick");
    ManualClock clock{t0};
    FakeInput input;
    FakeProbes probes;
    FakeSounds sounds;
    FakeLoginItem loginItem;
    FakeScreenLock screenLock;
    FakeSleepMonitor sleepMonitor;
    CountingPersistence persistence{folder};
    std::unique_ptr<AppModel> model;
    int phaseSignals = 0, nowSignals = 0;
};

}  // namespace tarnwick::fakes
