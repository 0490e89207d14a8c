#include "platform/pipewire/screen_sharing.hpp"

#include <pipewire/pipewire.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <string_view>

namespace tarnwick {

namespace {

bool has(const NodeProperties& properties, const char* key) { return properties.find(key) != properties.end(); }

std::string_view value(const NodeProperties& properties, const char* key) {
    auto it = properties.find(key);
    return it == properties.end() ? std::string_view{} : std::string_view(it->second);
}

NodeProperties propertiesOf(const spa_dict* dict) {
    NodeProperties properties;
    if (!dict) return properties;
    for (std::uint32_t i = 0; i < dict->n_items; ++i) {
        const spa_dict_item& item = dict->items[i];
        if (item.key && item.value) properties[item.key] = item.value;
    }
    return properties;
}

// Whether a PipeWire daemon can be there: a remote named in the environment, or its socket in the
// runtime folder. Without one the library is never set up, which would load its modules for nothing.
bool daemonSocketPresent() {
    if (const char* remote = std::getenv("PIPEWIRE_REMOTE"); remote && *remote) return true;
    const char* folder = std::getenv("PIPEWIRE_RUNTIME_DIR");
    if (!folder || !*folder) folder = std::getenv("XDG_RUNTIME_DIR");
    std::error_code error;
    return folder && *folder && std::filesystem::exists(std::filesystem::path(folder) / "pipewire-0", error);
}

}  // namespace

bool isVideoSource(const NodeProperties& properties) {
    const auto mediaClass = value(properties, PW_KEY_MEDIA_CLASS);
    return mediaClass == "Video/Source" || mediaClass == "Stream/Output/Video";
}

bool isCaptureDevice(const NodeProperties& properties) {
    if (has(properties, PW_KEY_DEVICE_ID) || has(properties, PW_KEY_DEVICE_API)) return true;
    const bool deviceKey = std::any_of(properties.begin(), properties.end(), [](const auto& entry) {
        return entry.first.starts_with("api.v4l2.") || entry.first.starts_with("api.libcamera.");
    });
    const auto path = value(properties, PW_KEY_OBJECT_PATH);
    return deviceKey || path.starts_with("v4l2:") || path.starts_with("libcamera:");
}

bool screenBeingShared(const std::vector<VideoSourceNode>& nodes) {
    return std::any_of(nodes.begin(), nodes.end(), [](const VideoSourceNode& n) { return n.running && !n.captureDevice; });
}

// Everything the loop's thread and the asking thread share. The PipeWire objects and the nodes are
// touched only with the loop's lock held (PipeWire's callbacks run with it held).
struct ScreenSharingWatch::Shared {
    struct Node {
        Shared* shared = nullptr;
        pw_proxy* proxy = nullptr;
        spa_hook listener{};
        NodeProperties properties;
        VideoSourceNode state;
    };

    pw_thread_loop* loop = nullptr;
    pw_context* context = nullptr;
    pw_core* core = nullptr;
    pw_registry* registry = nullptr;
    spa_hook coreListener{}, registryListener{};
    std::map<std::uint32_t, std::unique_ptr<Node>> nodes;
    int syncSeq = 0, syncsLeft = 0;

    WatchedAnswer<bool> answer;

    void publish(std::optional<bool> shared, bool connectionEnded) { answer.publish(shared, connectionEnded); }

    // The answer from the nodes known now, once the first listing is complete.
    void publishNodes() {
        if (syncsLeft > 0) return;
        std::vector<VideoSourceNode> states;
        states.reserve(nodes.size());
        for (const auto& [id, node] : nodes) states.push_back(node->state);
        publish(screenBeingShared(states), false);
    }

    static void onNodeInfo(void* data, const pw_node_info* info) {
        auto* node = static_cast<Node*>(data);
        if (info->change_mask & PW_NODE_CHANGE_MASK_PROPS) {
            for (auto& [key, text] : propertiesOf(info->props)) node->properties[key] = text;
            node->state.captureDevice = isCaptureDevice(node->properties);
        }
        if (info->change_mask & PW_NODE_CHANGE_MASK_STATE) node->state.running = info->state == PW_NODE_STATE_RUNNING;
        node->shared->publishNodes();
    }

    static void onGlobal(void* data, std::uint32_t id, std::uint32_t, const char* type, std::uint32_t,
                         const spa_dict* props) {
        auto* shared = static_cast<Shared*>(data);
        if (std::strcmp(type, PW_TYPE_INTERFACE_Node) != 0) return;
        NodeProperties properties = propertiesOf(props);
        if (!isVideoSource(properties)) return;
        auto node = std::make_unique<Node>();
        node->shared = shared;
        node->proxy = static_cast<pw_proxy*>(pw_registry_bind(shared->registry, id, PW_TYPE_INTERFACE_Node, PW_VERSION_NODE, 0));
        if (!node->proxy) return;
        static const pw_node_events events = {.version = PW_VERSION_NODE_EVENTS, .info = onNodeInfo, .param = nullptr};
        pw_proxy_add_object_listener(node->proxy, &node->listener, &events, node.get());
        node->properties = std::move(properties);
        node->state = {id, isCaptureDevice(node->properties), false};
        shared->nodes[id] = std::move(node);
        shared->publishNodes();
    }

    static void onGlobalRemove(void* data, std::uint32_t id) {
        auto* shared = static_cast<Shared*>(data);
        auto it = shared->nodes.find(id);
        if (it == shared->nodes.end()) return;
        spa_hook_remove(&it->second->listener);
        pw_proxy_destroy(it->second->proxy);
        shared->nodes.erase(it);
        shared->publishNodes();
    }

    // Two round trips complete the first listing: the first lists the globals, the second brings
    // the info of the nodes bound on the way.
    static void onDone(void* data, std::uint32_t id, int seq) {
        auto* shared = static_cast<Shared*>(data);
        if (id != PW_ID_CORE || seq != shared->syncSeq || shared->syncsLeft == 0) return;
        if (--shared->syncsLeft > 0) {
            shared->syncSeq = pw_core_sync(shared->core, PW_ID_CORE, 0);
        } else {
            shared->publishNodes();
        }
    }

    static void onError(void* data, std::uint32_t id, int, int res, const char*) {
        auto* shared = static_cast<Shared*>(data);
        // The daemon went away (or refused us): no answer until a new connection has one.
        if (id == PW_ID_CORE && res == -EPIPE) shared->publish(std::nullopt, true);
    }

    // Drops the connection and what was bound through it; with the loop's lock held.
    void disconnect() {
        for (auto& [id, node] : nodes) {
            spa_hook_remove(&node->listener);
            pw_proxy_destroy(node->proxy);
        }
        nodes.clear();
        if (registry) {
            spa_hook_remove(&registryListener);
            pw_proxy_destroy(reinterpret_cast<pw_proxy*>(registry));
            registry = nullptr;
        }
        if (core) {
            spa_hook_remove(&coreListener);
            pw_core_disconnect(core);
            core = nullptr;
        }
        syncsLeft = 0;
    }
};

ScreenSharingWatch::ScreenSharingWatch(std::chrono::milliseconds firstAnswerBudget, std::chrono::milliseconds retryEvery)
    : m_budget(firstAnswerBudget), m_connect(retryEvery), m_shared(std::make_unique<Shared>()) {}

ScreenSharingWatch::~ScreenSharingWatch() {
    Shared& shared = *m_shared;
    if (!shared.loop) return;
    pw_thread_loop_lock(shared.loop);
    shared.disconnect();
    pw_thread_loop_unlock(shared.loop);
    pw_thread_loop_stop(shared.loop);
    if (shared.context) pw_context_destroy(shared.context);
    pw_thread_loop_destroy(shared.loop);
}

void ScreenSharingWatch::connect() {
    Shared& shared = *m_shared;
    if (!shared.loop && !daemonSocketPresent()) {
        shared.publish(std::nullopt, true);
        return;
    }
    if (!shared.loop) {
        static std::once_flag initialised;
        std::call_once(initialised, [] { pw_init(nullptr, nullptr); });
        pw_thread_loop* loop = pw_thread_loop_new("pipewire watch", nullptr);
        if (!loop) return;
        pw_context* context = pw_context_new(pw_thread_loop_get_loop(loop), nullptr, 0);
        if (!context || pw_thread_loop_start(loop) < 0) {
            if (context) pw_context_destroy(context);
            pw_thread_loop_destroy(loop);
            return;
        }
        shared.loop = loop;
        shared.context = context;
    }
    pw_thread_loop_lock(shared.loop);
    shared.disconnect();
    shared.publish(std::nullopt, false);
    shared.core = pw_context_connect(shared.context, nullptr, 0);
    if (shared.core) {
        static const pw_core_events coreEvents = [] {
            pw_core_events events{};
            events.version = PW_VERSION_CORE_EVENTS;
            events.done = Shared::onDone;
            events.error = Shared::onError;
            return events;
        }();
        pw_core_add_listener(shared.core, &shared.coreListener, &coreEvents, &shared);
        shared.registry = pw_core_get_registry(shared.core, PW_VERSION_REGISTRY, 0);
    }
    if (shared.registry) {
        static const pw_registry_events registryEvents = {
            .version = PW_VERSION_REGISTRY_EVENTS, .global = Shared::onGlobal, .global_remove = Shared::onGlobalRemove};
        pw_registry_add_listener(shared.registry, &shared.registryListener, &registryEvents, &shared);
        shared.syncsLeft = 2;
        shared.syncSeq = pw_core_sync(shared.core, PW_ID_CORE, 0);
    } else {
        shared.disconnect();
        shared.publish(std::nullopt, true);
    }
    pw_thread_loop_unlock(shared.loop);
}

std::optional<bool> ScreenSharingWatch::shared() {
    const auto now = std::chrono::steady_clock::now();
    // Every new connection is waited for: the daemon may have come back since the last one.
    const bool connectNow = m_connect.due(m_shared->answer.known(), now);
    if (connectNow) connect();
    return m_shared->answer.read(connectNow ? std::optional(now + m_budget) : std::nullopt);
}

}  // namespace tarnwick
