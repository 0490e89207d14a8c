#include "platform/pulse/microphone.hpp"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/subscribe.h>
#include <pulse/thread-mainloop.h>
#include <pulse/proplist.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace tarnwick {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

// Counts a finished list or a failure; true when the call carries an item.
template <class Shared>
bool isItem(Shared* shared, const void* info, int eol) {
    if (eol < 0) shared->listingFailed = true;
    if (eol != 0) --shared->listsPending;
    return eol == 0 && info;
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

// Everything the server's thread and the asking thread share. The context and the listing in
// progress are touched only with the loop's lock held (libpulse's callbacks run with it held).
struct MicrophoneWatch::Shared {
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    PulseSnapshot listing;
    int listsPending = 0;
    bool listingFailed = false, relistWanted = false;
    WatchedAnswer<PulseSnapshot> answer;

    void publish(std::optional<PulseSnapshot> snapshot, bool connectionEnded) {
        answer.publish(std::move(snapshot), connectionEnded);
    }

    // Lists the sources and the recording streams anew; the listing is published once both lists end.
    void list() {
        listing = {};
        listingFailed = false;
        listsPending = 2;
        pa_operation* sources = pa_context_get_source_info_list(context, onSource, this);
        pa_operation* outputs = pa_context_get_source_output_info_list(context, onSourceOutput, this);
        for (pa_operation* operation : {sources, outputs}) {
            if (operation) {
                pa_operation_unref(operation);
            } else {
                listingFailed = true;
                --listsPending;
            }
        }
        listEnded();
    }

    void listEnded() {
        if (listsPending > 0) return;
        if (!listingFailed) publish(listing, false);
        if (std::exchange(relistWanted, false)) list();
    }

    // Callbacks from a context this watch has since replaced are ignored.
    static Shared* current(pa_context* context, void* data) {
        auto* shared = static_cast<Shared*>(data);
        return shared->context == context ? shared : nullptr;
    }

    static void onSource(pa_context* context, const pa_source_info* info, int eol, void* data) {
        Shared* shared = current(context, data);
        if (!shared) return;
        if (isItem(shared, info, eol)) shared->listing.sources.push_back({info->index, info->monitor_of_sink});
        if (eol != 0) shared->listEnded();
    }

    static void onSourceOutput(pa_context* context, const pa_source_output_info* info, int eol, void* data) {
        Shared* shared = current(context, data);
        if (!shared) return;
        if (isItem(shared, info, eol)) {
            SourceOutputRecord record{info->corked != 0, info->source, std::nullopt};
            if (info->proplist) {
                if (const char* pid = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_PROCESS_ID)) record.processId = pid;
            }
            shared->listing.outputs.push_back(std::move(record));
        }
        if (eol != 0) shared->listEnded();
    }

    static void onChange(pa_context* context, pa_subscription_event_type_t, std::uint32_t, void* data) {
        Shared* shared = current(context, data);
        if (!shared) return;
        if (shared->listsPending > 0) {
            shared->relistWanted = true;  // the listing under way may already be out of date
        } else {
            shared->list();
        }
    }

    static void onState(pa_context* context, void* data) {
        Shared* shared = current(context, data);
        if (!shared) return;
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY: {
            pa_context_set_subscribe_callback(context, onChange, shared);
            const auto mask = pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_SOURCE_OUTPUT);
            if (pa_operation* subscribed = pa_context_subscribe(context, mask, nullptr, nullptr)) {
                pa_operation_unref(subscribed);
            }
            shared->list();
            break;
        }
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            shared->publish(std::nullopt, true);
            break;
        default:
            break;
        }
    }

    // Drops the current context, if any; with the loop's lock held.
    void dropContext() {
        if (!context) return;
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_set_subscribe_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }
};

MicrophoneWatch::MicrophoneWatch(std::chrono::milliseconds firstAnswerBudget, std::chrono::milliseconds retryEvery)
    : m_budget(firstAnswerBudget), m_connect(retryEvery), m_shared(std::make_unique<Shared>()) {}

MicrophoneWatch::~MicrophoneWatch() {
    if (!m_shared->loop) return;
    pa_threaded_mainloop_lock(m_shared->loop);
    m_shared->dropContext();
    pa_threaded_mainloop_unlock(m_shared->loop);
    pa_threaded_mainloop_stop(m_shared->loop);
    pa_threaded_mainloop_free(m_shared->loop);
}

void MicrophoneWatch::connect() {
    Shared& shared = *m_shared;
    if (!shared.loop) {
        pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
        if (!loop) return;
        pa_threaded_mainloop_set_name(loop, "pulse watch");
        if (pa_threaded_mainloop_start(loop) < 0) {
            pa_threaded_mainloop_free(loop);
            return;
        }
        shared.loop = loop;
    }
    pa_threaded_mainloop_lock(shared.loop);
    shared.dropContext();
    shared.publish(std::nullopt, false);
    shared.listsPending = 0;
    shared.relistWanted = false;
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Tarnwick");
    shared.context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(shared.loop), "Tarnwick", properties);
    pa_proplist_free(properties);
    if (shared.context) {
        pa_context_set_state_callback(shared.context, Shared::onState, &shared);
        if (pa_context_connect(shared.context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) shared.dropContext();
    }
    if (!shared.context) shared.publish(std::nullopt, true);
    pa_threaded_mainloop_unlock(shared.loop);
}

std::optional<PulseSnapshot> MicrophoneWatch::snapshot() {
    const auto now = std::chrono::steady_clock::now();
    const bool first = m_connect.attempts() == 0;
    if (m_connect.due(m_shared->answer.known(), now)) connect();
    return m_shared->answer.read(first ? std::optional(now + m_budget) : std::nullopt);
}

bool MicrophoneWatch::inUse() {
    if (auto listing = snapshot()) return otherProcessRecording(*listing, getpid());
    return anyAlsaCaptureRunning(std::string(defaultAsoundRoot));
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

}  // namespace tarnwick
