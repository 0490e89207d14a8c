#include "platform/pulse/microphone.hpp"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/proplist.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tarnwick {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

// State shared with libpulse's callbacks during one query.
struct Query {
    PulseSnapshot snapshot;
    int listsPending = 0;
    bool failed = false;
};

// Counts a finished list or a failure; true when the call carries an item.
bool isItem(Query* query, const void* info, int eol) {
    if (eol < 0) query->failed = true;
    if (eol > 0) --query->listsPending;
    return eol == 0 && info;
}

void onSource(pa_context*, const pa_source_info* info, int eol, void* data) {
    auto* query = static_cast<Query*>(data);
    if (isItem(query, info, eol)) query->snapshot.sources.push_back({info->index, info->monitor_of_sink});
}

void onSourceOutput(pa_context*, const pa_source_output_info* info, int eol, void* data) {
    auto* query = static_cast<Query*>(data);
    if (!isItem(query, info, eol)) return;
    SourceOutputRecord record{info->corked != 0, info->source, std::nullopt};
    if (info->proplist) {
        if (const char* pid = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_PROCESS_ID)) record.processId = pid;
    }
    query->snapshot.outputs.push_back(std::move(record));
}

void onContextState(pa_context* context, void* data) {
    auto* query = static_cast<Query*>(data);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY: {
        query->listsPending = 2;
        pa_operation* sources = pa_context_get_source_info_list(context, onSource, query);
        pa_operation* outputs = pa_context_get_source_output_info_list(context, onSourceOutput, query);
        if (!sources || !outputs) query->failed = true;
        if (sources) pa_operation_unref(sources);
        if (outputs) pa_operation_unref(outputs);
        break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        query->failed = true;
        break;
    default:
        break;
    }
}

bool nameStartsWith(const std::filesystem::path& path, std::string_view prefix) {
    return path.filename().native().starts_with(prefix);
}

}  // namespace

std::optional<std::int64_t> parseProcessId(std::string_view text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool otherProcessRecording(const PulseSnapshot& snapshot, std::int64_t ownPid) {
    const auto isMonitor = [&](std::uint32_t sourceIndex) {
        auto source = std::find_if(snapshot.sources.begin(), snapshot.sources.end(),
                                   [&](const SourceRecord& s) { return s.index == sourceIndex; });
        return source != snapshot.sources.end() && source->monitorOfSink != noPulseIndex;
    };
    return std::any_of(snapshot.outputs.begin(), snapshot.outputs.end(), [&](const SourceOutputRecord& output) {
        if (output.corked || isMonitor(output.sourceIndex)) return false;
        auto pid = output.processId ? parseProcessId(*output.processId) : std::nullopt;
        return !pid || *pid != ownPid;
    });
}

std::optional<PulseSnapshot> queryPulseSources(std::chrono::milliseconds budget) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + budget;

    pa_mainloop* loop = pa_mainloop_new();
    if (!loop) return std::nullopt;
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Tarnwick");
    pa_context* context = pa_context_new_with_proplist(pa_mainloop_get_api(loop), "Tarnwick", properties);
    pa_proplist_free(properties);
    if (!context) {
        pa_mainloop_free(loop);
        return std::nullopt;
    }

    Query query;
    pa_context_set_state_callback(context, onContextState, &query);
    bool answered = false;
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        while (!query.failed) {
            if (query.listsPending == 0 && pa_context_get_state(context) == PA_CONTEXT_READY) {
                answered = true;
                break;
            }
            auto remaining = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
            if (remaining.count() <= 0) break;
            if (pa_mainloop_prepare(loop, static_cast<int>(remaining.count())) < 0) break;
            if (pa_mainloop_poll(loop) < 0) break;
            if (pa_mainloop_dispatch(loop) < 0) break;
        }
    }

    // No callback may run into the stack frame that is about to go.
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
    pa_mainloop_free(loop);
    if (!answered) return std::nullopt;
    return std::move(query.snapshot);
}

bool captureStatusRunning(std::string_view statusText) {
    while (!statusText.empty()) {
        auto newline = statusText.find('\n');
        std::string_view line = statusText.substr(0, newline);
        statusText = newline == std::string_view::npos ? std::string_view{} : statusText.substr(newline + 1);
        auto colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        if (trimmed(line.substr(0, colon)) == "state" && trimmed(line.substr(colon + 1)) == "RUNNING") return true;
    }
    return false;
}

bool anyAlsaCaptureRunning(const std::string& asoundRoot) {
    namespace fs = std::filesystem;
    std::error_code error;
    // Each level is listed without following errors: a card that vanishes mid-scan is passed over.
    const auto children = [&error](const fs::path& folder, std::string_view prefix, bool captureOnly) {
        std::vector<fs::path> found;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const fs::path& path = it->path();
            if (!nameStartsWith(path, prefix)) continue;
            if (captureOnly && !path.filename().native().ends_with('c')) continue;
            found.push_back(path);
        }
        error.clear();
        return found;
    };
    for (const auto& card : children(asoundRoot, "card", false)) {
        for (const auto& pcm : children(card, "pcm", true)) {
            for (const auto& sub : children(pcm, "sub", false)) {
                std::ifstream file(sub / "status");
                if (!file) continue;
                std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
                if (captureStatusRunning(text)) return true;
            }
        }
    }
    return false;
}

bool microphoneInUse() {
    if (auto snapshot = queryPulseSources(pulseQueryBudget)) return otherProcessRecording(*snapshot, getpid());
    return anyAlsaCaptureRunning(std::string(defaultAsoundRoot));
}

}  // namespace tarnwick
