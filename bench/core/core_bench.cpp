// The core's hot paths: a year of one-second ticks, and this week's statistics over a long history.

#include <benchmark/benchmark.h>

#include <random>

#include "core/scheduler.hpp"
#include "core/stats.hpp"

using namespace tarnwick;

namespace {

constexpr double start = 1'770'000'000;

// Signals for second t of a working year: office hours with typing, calls and absences.
Signals signalsAt(std::int64_t t, std::mt19937& random) {
    const std::int64_t secondOfDay = t % 86400;
    if (secondOfDay < 8 * 3600 || secondOfDay >= 18 * 3600) return {double(secondOfDay % 3600) + 3600, std::nullopt};
    const std::int64_t minuteOfDay = secondOfDay / 60;
    if (minuteOfDay % 120 < 30) return {0, BusyReason::call};                  // half an hour of calls every 2 h
    if (minuteOfDay % 240 >= 200 && minuteOfDay % 240 < 215) return {double(secondOfDay % 900), std::nullopt};
    if (random() % 3 == 0) return {0, BusyReason::typing};
    return {double(random() % 5), std::nullopt};
}

void SimulatedYearOfTicks(benchmark::State& state) {
    std::int64_t records = 0;
    for (auto _ : state) {
        std::mt19937 random(42);
        Scheduler scheduler(Settings{}, Instant{Seconds{start}});
        for (std::int64_t t = 1; t <= 365 * 86400; ++t) {
            const Instant now{Seconds{start + double(t)}};
            Signals signals = signalsAt(t, random);
            if (!scheduler.wantsBusySignals(now, signals.idleSeconds)) signals.busy.reset();
            records += std::int64_t(scheduler.tick(now, signals).size());
        }
        benchmark::DoNotOptimize(records);
    }
    state.counters["events/year"] = double(records) / double(state.iterations());
}
BENCHMARK(SimulatedYearOfTicks)->Unit(benchmark::kMillisecond)->Iterations(3);

std::vector<BreakRecord> history(Instant now) {
    std::mt19937 random(7);
    std::vector<BreakRecord> records;
    records.reserve(40'000);
    const double span = 400.0 * 86400;
    for (int i = 0; i < 40'000; ++i) {
        const double t = epochSeconds(now) - span + span * double(i) / 40'000.0;
        const auto pick = random() % 10;
        const Outcome outcome = pick < 7 ? Outcome::taken : pick < 8 ? Outcome::natural
                                                     : pick < 9 ? Outcome::skipped : Outcome::held;
        records.push_back({Instant{Seconds{t}}, random() % 4 ? BreakKind::micro : BreakKind::long_, outcome});
    }
    return records;
}

// One statistics call over the same history, in Berlin time.
template <class Result>
void overFortyThousandRecords(benchmark::State& state,
                              Result (*statistic)(const std::vector<BreakRecord>&, Instant, const Calendar&)) {
    const Calendar calendar = Calendar::forZone("Europe/Berlin");
    const Instant now{Seconds{start}};
    const auto records = history(now);
    for (auto _ : state) benchmark::DoNotOptimize(statistic(records, now, calendar));
}
BENCHMARK_CAPTURE(overFortyThousandRecords, Week, &StatsCalculator::week)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(overFortyThousandRecords, Streak, &StatsCalculator::streak)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
