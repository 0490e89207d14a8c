#include "platform/x11/hot_key.hpp"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTimer>

#include <xcb/xcb_keysyms.h>

#include <algorithm>
#include <map>
#include <utility>

#include "platform/x11/xcb_support.hpp"

namespace tarnwick {
namespace {

constexpr xcb_keysym_t numLockKeysym = 0xff7f;

std::vector<std::uint8_t> keycodesOf(xcb_key_symbols_t* symbols, xcb_keysym_t keysym) {
    std::vector<std::uint8_t> keycodes;
    if (xcb_keycode_t* list = xcb_key_symbols_get_keycode(symbols, keysym)) {
        for (const xcb_keycode_t* k = list; *k != XCB_NO_SYMBOL; ++k) keycodes.push_back(*k);
        std::free(list);
    }
    return keycodes;
}

std::uint16_t numLockMask(xcb_connection_t* c, xcb_key_symbols_t* symbols) {
    auto reply = x11::collect<xcb_get_modifier_mapping_reply_t>(
        c, xcb_get_modifier_mapping_reply, xcb_get_modifier_mapping(c));
    if (!reply) return 0;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply.get());
    const int length = xcb_get_modifier_mapping_keycodes_length(reply.get());
    const std::vector<std::uint8_t> map(codes, codes + std::max(length, 0));
    return keygrab::modifierMaskFor(map, reply->keycodes_per_modifier, keycodesOf(symbols, numLockKeysym));
}

// The one action of the process, and the grabs and key filter shared by all live HotKeys.
std::function<void()> g_action;
int g_liveHotKeys = 0;

struct Registration {
    HotKey* owner;
    std::vector<std::uint8_t> keycodes;
    std::uint16_t modifiers;
    std::uint16_t numLock = 0;  // the NumLock bit of the map the keycodes come from
};

// The XKEYBOARD extension's event code (its events share it, their kind in the second byte), 0
// without the extension. Qt selects its map and new-keyboard events, which then stand in for the
// core MappingNotify.
std::uint8_t xkbEventCode(xcb_connection_t* c) {
    static constexpr char name[] = "XKEYBOARD";
    auto reply = x11::collect<xcb_query_extension_reply_t>(c, xcb_query_extension_reply,
                                                           xcb_query_extension(c, sizeof name - 1, name));
    return reply && reply->present ? reply->first_event : 0;
}
constexpr std::uint8_t xkbNewKeyboardNotify = 0, xkbMapNotify = 1;

class Registry final : public QAbstractNativeEventFilter {
public:
    xcb_window_t root = XCB_NONE;
    std::uint8_t xkbEvent = 0;
    bool regrabPending = false;
    std::vector<Registration> registrations;
    std::map<std::pair<std::uint8_t, std::uint16_t>, int> grabShares;
    std::map<std::uint8_t, keygrab::RepeatFilter> repeats;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t" || !message) return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const std::uint8_t type = event->response_type & 0x7f;
        // The keyboard's map changed (another layout, a virtual keyboard with a map of its own):
        // the hot key's keysym may sit on another key now. Qt reads the event too.
        if (type == XCB_MAPPING_NOTIFY ||
            (xkbEvent && type == xkbEvent && (event->pad0 == xkbNewKeyboardNotify || event->pad0 == xkbMapNotify))) {
            regrabSoon();
            return false;
        }
        if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
        // Key press and release share one layout.
        const auto* key = static_cast<const xcb_key_press_event_t*>(message);
        if (key->event != root) return false;
        const Registration* hit = nullptr;
        for (const auto& r : registrations) {
            if (std::find(r.keycodes.begin(), r.keycodes.end(), key->detail) == r.keycodes.end()) continue;
            // A release may come after the modifiers were let go: the key alone decides.
            if (type == XCB_KEY_RELEASE || keygrab::stateMatches(key->state, r.modifiers, r.numLock)) {
                hit = &r;
                break;
            }
        }
        if (!hit) return false;
        auto& repeat = repeats[key->detail];
        if (type == XCB_KEY_RELEASE) {
            repeat.release(key->time);
        } else if (repeat.press(key->time)) {
            // Never inside event dispatch: the action may open windows or grab the keyboard.
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                if (auto action = g_action) action();
            });
        }
        return true;
    }

    // Once per burst of map events, after they have been handled.
    void regrabSoon() {
        if (regrabPending) return;
        regrabPending = true;
        QTimer::singleShot(0, QCoreApplication::instance(), [this] {
            regrabPending = false;
            for (auto& r : registrations) r.owner->followMap();
        });
    }
};

Registry* g_registry = nullptr;

}  // namespace

HotKey::HotKey(std::uint32_t keysym, std::uint16_t modifiers, std::function<void()> action)
    : m_keysym(keysym), m_modifiers(modifiers) {
    g_action = std::move(action);
    ++g_liveHotKeys;
    auto* app = QCoreApplication::instance();
    xcb_connection_t* c = x11::connection();
    const xcb_window_t root = x11::rootWindow(c);
    if (!app || !c || root == XCB_NONE) return;

    if (!g_registry) {
        g_registry = new Registry;
        g_registry->root = root;
        g_registry->xkbEvent = xkbEventCode(c);
        app->installNativeEventFilter(g_registry);
    }
    g_registry->registrations.push_back({this, {}, modifiers, 0});
    followMap();
}

void HotKey::followMap() {
    xcb_connection_t* c = x11::connection();
    if (!g_registry || !c) return;
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(c);
    if (!symbols) return;
    const std::vector<std::uint8_t> keycodes = keycodesOf(symbols, m_keysym);
    const std::uint16_t numLock = numLockMask(c, symbols);
    xcb_key_symbols_free(symbols);
    auto registration = std::find_if(g_registry->registrations.begin(), g_registry->registrations.end(),
                                     [this](const Registration& r) { return r.owner == this; });
    if (registration == g_registry->registrations.end()) return;
    // The same keys as before keep their grabs: no moment without them.
    if (!m_grabs.empty() && registration->keycodes == keycodes && registration->numLock == numLock) return;
    releaseGrabs();
    registration->keycodes = keycodes;
    registration->numLock = numLock;

    // Send every grab first, then check them: one round trip in all.
    std::vector<std::pair<Grab, xcb_void_cookie_t>> requests;
    for (const std::uint8_t keycode : keycodes) {
        for (const std::uint16_t state : keygrab::lockVariants(m_modifiers, numLock)) {
            // A combination another HotKey of ours holds is shared, not grabbed again.
            if (auto held = g_registry->grabShares.find({keycode, state}); held != g_registry->grabShares.end()) {
                m_grabs.push_back({keycode, state});
                ++held->second;
                continue;
            }
            // owner_events off: the release, too, is reported on the root when one of our own
            // windows has the focus; otherwise the next quick press would pass for a repeat.
            requests.push_back({{keycode, state},
                                xcb_grab_key_checked(c, 0, g_registry->root, state, keycode,
                                                     XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)});
        }
    }
    for (const auto& [grab, cookie] : requests) {
        if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
            std::free(error);  // BadAccess: another program holds it.
            continue;
        }
        m_grabs.push_back(grab);
        ++g_registry->grabShares[{grab.keycode, grab.state}];
    }
}

void HotKey::releaseGrabs() {
    if (!g_registry) return;
    xcb_connection_t* c = x11::connection();
    for (const Grab& grab : m_grabs) {
        auto it = g_registry->grabShares.find({grab.keycode, grab.state});
        if (it == g_registry->grabShares.end() || --it->second > 0) continue;
        g_registry->grabShares.erase(it);
        if (c) xcb_ungrab_key(c, grab.keycode, g_registry->root, grab.state);
    }
    m_grabs.clear();
    if (c) xcb_flush(c);
}

HotKey::~HotKey() {
    if (--g_liveHotKeys == 0) g_action = nullptr;
    if (!g_registry) return;
    auto& regs = g_registry->registrations;
    regs.erase(std::remove_if(regs.begin(), regs.end(), [this](const Registration& r) { return r.owner == this; }),
               regs.end());
    releaseGrabs();
    if (regs.empty()) {
        if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(g_registry);
        delete g_registry;
        g_registry = nullptr;
    }
}

}  // namespace tarnwick
