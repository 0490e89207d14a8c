// The history on disk: how large a long real history is, what reading it at the start and saving
// it cost, how much of a save the interface still waits for, and what hostile files cost to refuse.

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include <QFile>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include "app/data_readers.hpp"
#include "app/history_saver.hpp"
#include "app/persistence.hpp"

using namespace tarnwick;

namespace {

constexpr double now = 1'780'000'000;

// `perDay` breaks a day for 400 days, spread over office hours, in the outcomes' usual mix.
std::vector<BreakRecord> history(int perDay) {
    std::mt19937 random(7);
    std::vector<BreakRecord> records;
    records.reserve(std::size_t(perDay) * 400);
    for (int day = 399; day >= 0; --day) {
        for (int i = 0; i < perDay; ++i) {
            const double t = now - day * 86400.0 - 16 * 3600.0 + 14 * 3600.0 * i / perDay;
            const auto pick = random() % 10;
            const Outcome outcome = pick < 7 ? Outcome::taken : pick < 8 ? Outcome::natural
                                                         : pick < 9 ? Outcome::skipped : Outcome::held;
            records.push_back({instantAt(std::floor(t)), random() % 4 ? BreakKind::micro : BreakKind::long_, outcome});
        }
    }
    return records;
}

void writeAll(const QString& path, const QByteArray& contents) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()) std::abort();
}

// Reading a 400-day history at the start, as the program does. Arg: records a day.
void LoadHistory(benchmark::State& state) {
    QTemporaryDir dir;
    Persistence persistence(dir.path());
    const auto records = history(int(state.range(0)));
    persistence.save(records, instantAt(now));
    const auto bytes = QFile(persistence.historyPath()).size();
    for (auto _ : state) {
        const auto loaded = persistence.loadHistory();
        if (loaded.size() != records.size()) std::abort();
    }
    state.counters["records"] = double(records.size());
    state.counters["file MB"] = double(bytes) / (1 << 20);
    state.counters["bytes/record"] = double(bytes) / double(records.size());
    state.SetBytesProcessed(std::int64_t(state.iterations()) * bytes);
}
BENCHMARK(LoadHistory)->Arg(50)->Arg(300)->Arg(1440)->Unit(benchmark::kMillisecond);

// The same bytes read by the plain whole-tree parse, as the reader did before it took records one
// element at a time: the reference for the reader's cost.
void ParseHistoryAsOneTree(benchmark::State& state) {
    const std::string text = nlohmann::json(history(int(state.range(0)))).dump(2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(nlohmann::json::parse(text).get<std::vector<BreakRecord>>());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * text.size()));
}
BENCHMARK(ParseHistoryAsOneTree)->Arg(300)->Unit(benchmark::kMillisecond);

// A save of a 400-day history on the thread that asks for it: trim, encode, write, rename.
void SaveHistoryWaitingForTheDisk(benchmark::State& state) {
    QTemporaryDir dir;
    Persistence persistence(dir.path());
    const auto records = history(int(state.range(0)));
    for (auto _ : state) {
        if (!persistence.save(records, instantAt(now))) std::abort();
    }
    state.counters["records"] = double(records.size());
}
BENCHMARK(SaveHistoryWaitingForTheDisk)->Arg(300)->Arg(1440)->Unit(benchmark::kMillisecond);

// What the interface waits for when the model saves the same history: the copy handed to the
// saver's thread. The writes themselves go on behind (the latest one wins) and end with the run.
void SaveHistoryHandedToTheSaver(benchmark::State& state) {
    QTemporaryDir dir;
    Persistence persistence(dir.path());
    const auto records = history(int(state.range(0)));
    HistorySaver saver(persistence, [](bool) {});
    for (auto _ : state) saver.save(records, instantAt(now));
    saver.finish();
    state.counters["records"] = double(records.size());
}
BENCHMARK(SaveHistoryHandedToTheSaver)->Arg(300)->Arg(1440)->Unit(benchmark::kMicrosecond);

// Hostile files at the start: refusing them costs no more than a glance. Each run sets the file aside
// (and says so on the console), so it is written again outside the timing.
void RefuseHostileHistory(benchmark::State& state, QByteArray contents) {
    QTemporaryDir dir;
    Persistence persistence(dir.path());
    for (auto _ : state) {
        state.PauseTiming();
        writeAll(persistence.historyPath(), contents);
        state.ResumeTiming();
        if (!persistence.loadHistory().empty()) std::abort();
    }
    state.counters["file MB"] = double(contents.size()) / (1 << 20);
}
BENCHMARK_CAPTURE(RefuseHostileHistory, TenMegabytesOfBrackets, QByteArray(10 << 20, '['))
    ->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(RefuseHostileHistory, BeyondTheSizeCap, QByteArray((64 << 20) + 1, ' '))
    ->Unit(benchmark::kMillisecond)->Iterations(20);

// The reference for the depth limit: one megabyte of '[' parsed as one tree, nest after nest, as
// the reader did before (ten megabytes took seconds and most of a gigabyte).
void ParseBracketsAsOneTree(benchmark::State& state) {
    const std::string text(std::size_t(1) << 20, '[');
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(nlohmann::json::parse(text));
        } catch (const nlohmann::json::exception&) {
        }
    }
    state.counters["file MB"] = 1;
}
BENCHMARK(ParseBracketsAsOneTree)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
