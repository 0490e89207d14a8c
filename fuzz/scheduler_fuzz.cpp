// The scheduler driven by random ticks, signals and commands, checking after every step that its
// phase and next times stay consistent, a break never outlasts its setting, and every record
// follows a real change of phase.

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "core/scheduler.hpp"

using namespace tarnwick;

namespace {

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_at >= m_size; }
    unsigned next() { return m_at < m_size ? m_data[m_at++] : 0; }
    std::int64_t between(std::int64_t low, std::int64_t high) { return low + std::int64_t(next()) % (high - low + 1); }

private:
    const std::uint8_t* m_data;
    std::size_t m_size, m_at = 0;
};

// Names the broken invariant before the fuzzer reports the abort.
#define check(condition)                                                                  \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "invariant broken, line %d: %s\n", __LINE__, #condition); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (false)

Settings settingsFrom(Bytes& in) {
    Settings s;
    const unsigned flags = in.next();
    s.microEnabled = flags & 1;
    s.longEnabled = flags & 2;
    s.microEveryMinutes = in.between(1, 30);
    s.microSeconds = in.between(5, 90);
    s.longEveryMinutes = in.between(1, 120);
    s.longMinutes = in.between(1, 15);
    s.blinkEveryMinutes = in.between(0, 10);
    s.postureEveryMinutes = in.between(0, 10);
    s.headsUpSeconds = in.between(0, 60);
    s.naturalBreakMinutes = in.between(1, 10);
    return s;
}

double duration(const Settings& s, BreakKind kind) {
    return kind == BreakKind::micro ? double(s.microSeconds) : double(s.longMinutes) * 60;
}

bool has(const Events& events, const SchedulerEvent& event) {
    for (const auto& e : events) {
        if (e == event) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    Settings settings = settingsFrom(in);
    double now = 1'772'438'400;
    Scheduler scheduler(settings, instantAt(now));
    while (!in.empty()) {
        const Phase before = scheduler.phase();
        const unsigned op = in.next() % 16;
        Events events;
        bool ticked = false;
        double idle = 0;
        std::optional<BusyReason> busy;
        switch (op) {
        case 0: case 1: case 2: case 3: case 4: case 5: case 6: {
            const unsigned step = in.next();
            now += step & 0x80 ? double(step & 0x7f) * 60 : double(step);
            const unsigned signal = in.next();
            idle = signal & 0x80 ? double(signal & 0x7f) * 10 : 0;
            const unsigned reason = (signal >> 3) % 5;
            if (reason == 1) busy = BusyReason::call;
            if (reason == 2) busy = BusyReason::fullscreen;
            if (reason == 3) busy = BusyReason::typing;
            events = scheduler.tick(instantAt(now), Signals{idle, busy});
            ticked = true;
            break;
        }
        case 7: scheduler.startNow(instantAt(now)); break;
        case 8: scheduler.takeBreak(in.next() & 1 ? BreakKind::micro : BreakKind::long_, instantAt(now)); break;
        case 9: scheduler.snooze(std::array<std::int64_t, 3>{1, 5, 15}[in.next() % 3], instantAt(now)); break;
        case 10: events = scheduler.skip(instantAt(now)); break;
        case 11: scheduler.pause(instantAt(now + double(in.next()) * 60)); break;
        case 12: scheduler.resume(instantAt(now)); break;
        case 13: settings = settingsFrom(in); scheduler.update(settings, instantAt(now)); break;
        case 14: scheduler.didSleep(instantAt(now)); break;
        default:
            if (in.next() & 1) events = scheduler.endBreak(instantAt(now));
            else scheduler.announce(in.next() & 1 ? BreakKind::micro : BreakKind::long_, instantAt(now));
        }
        const Phase& after = scheduler.phase();
        check(events.size() <= 1);

        // Every record follows a real change of phase.
        for (const auto& event : events) {
            const auto* record = std::get_if<event::Record>(&event);
            if (!record) {
                check(ticked && std::holds_alternative<phase::Working>(before));  // nudges only while working
                continue;
            }
            switch (record->outcome) {
            case Outcome::taken:
                check(std::holds_alternative<phase::OnBreak>(before) && kindOf(before) == record->kind);
                check(std::holds_alternative<phase::Working>(after));
                break;
            case Outcome::skipped:
                check(op == 10 && kindOf(before) == record->kind && std::holds_alternative<phase::Working>(after));
                break;
            case Outcome::held:
                check(ticked && std::holds_alternative<phase::Held>(after) && kindOf(after) == record->kind);
                check(!std::holds_alternative<phase::Held>(before));
                break;
            case Outcome::natural:
                check(ticked && idle >= double(scheduler.settings().naturalBreakMinutes) * 60);
                check(std::holds_alternative<phase::Working>(after));
                break;
            }
        }
        if (op == 10) check(kindOf(before).has_value() == !events.empty());

        // The phase and the next times are consistent.
        const Settings& s = scheduler.settings();
        if (const auto* b = std::get_if<phase::OnBreak>(&after)) {
            const auto* was = std::get_if<phase::OnBreak>(&before);
            // A break just begun lasts exactly its setting; it is never stretched afterwards.
            if (!was || was->startedAt != b->startedAt) {
                check(b->startedAt == instantAt(now) && (b->endsAt - b->startedAt).count() == duration(s, b->kind));
            } else {
                check(b->endsAt == was->endsAt);
            }
            if (ticked) check(now < epochSeconds(b->endsAt));  // a tick past the end ends it
        }
        if (const auto* h = std::get_if<phase::HeadsUp>(&after)) {
            // A new announcement leads by at most its heads-up; a running one keeps its time.
            const auto* was = std::get_if<phase::HeadsUp>(&before);
            if (!was || !(*was == *h)) check(epochSeconds(h->breakAt) <= now + std::max(double(s.headsUpSeconds), 5.0));
        }
        if (const auto* h = std::get_if<phase::Held>(&after)) {
            check(h->reason != BusyReason::typing && epochSeconds(h->since) <= now);
            if (ticked) check(now - epochSeconds(h->since) < Scheduler::maxHold);
        }
        if (std::holds_alternative<phase::Working>(after) && !std::holds_alternative<phase::Working>(before) &&
            (op == 10 || (ticked && has(events, event::Record{kindOf(before).value_or(BreakKind::micro), Outcome::taken})))) {
            // A break that ended or was skipped restarts the micro timer from now.
            check(epochSeconds(scheduler.nextMicro()) == now + double(s.microEveryMinutes) * 60);
        }
        const auto next = scheduler.nextBreak();
        check(next.has_value() == (s.microEnabled || s.longEnabled));
        if (next && s.microEnabled && s.longEnabled) {
            check(next->at == std::min(scheduler.nextMicro(), scheduler.nextLong()));
        }
    }
    return 0;
}
