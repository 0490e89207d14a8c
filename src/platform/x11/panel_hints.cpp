#include "platform/x11/panel_hints.hpp"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/x11/xcb_support.hpp"

namespace tarnwick::x11 {

namespace {

constexpr std::uint32_t netWmStateAdd = 1;
constexpr std::uint32_t sourceApplication = 1;

}  // namespace

void addWindowStates(std::uintptr_t window, std::initializer_list<const char*> states) {
    xcb_connection_t* c = connection();
    const xcb_window_t root = rootWindow(c);
    if (!c || root == XCB_NONE || window == 0) return;
    const xcb_atom_t netWmState = atom(c, "_NET_WM_STATE");
    std::vector<xcb_atom_t> atoms;
    for (const char* name : states) atoms.push_back(atom(c, name));
    for (std::size_t i = 0; i < atoms.size(); i += 2) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = static_cast<xcb_window_t>(window);
        event.type = netWmState;
        event.data.data32[0] = netWmStateAdd;
        event.data.data32[1] = atoms[i];
        event.data.data32[2] = i + 1 < atoms.size() ? atoms[i + 1] : 0;
        event.data.data32[3] = sourceApplication;
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    }
    xcb_flush(c);
}

void showOnAllDesktops(std::uintptr_t window) {
    xcb_connection_t* c = connection();
    if (!c || window == 0) return;
    const std::uint32_t all = 0xFFFFFFFF;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window), atom(c, "_NET_WM_DESKTOP"),
                        XCB_ATOM_CARDINAL, 32, 1, &all);
    xcb_flush(c);
}

bool windowManagerKeepsPlaces() {
    xcb_connection_t* c = connection();
    const xcb_window_t root = rootWindow(c);
    if (!c || root == XCB_NONE) return true;
    const std::vector<std::uint32_t> check = readProperty32(c, root, atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (check.empty()) return true;
    auto name = collect<xcb_get_property_reply_t>(
        c, xcb_get_property_reply,
        xcb_get_property(c, 0, check[0], atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"), 0, 64));
    if (!name || name->format != 8) return true;
    const std::string_view text(static_cast<const char*>(xcb_get_property_value(name.get())),
                                std::size_t(xcb_get_property_value_length(name.get())));
    return text != "wlroots wm";
}

std::optional<WorkArea> workArea() {
    xcb_connection_t* c = connection();
    const xcb_window_t root = rootWindow(c);
    if (!c || root == XCB_NONE) return std::nullopt;
    const std::vector<std::uint32_t> desktop = readProperty32(c, root, atom(c, "_NET_CURRENT_DESKTOP"), XCB_ATOM_CARDINAL);
    const std::vector<std::uint32_t> areas = readProperty32(c, root, atom(c, "_NET_WORKAREA"), XCB_ATOM_CARDINAL, 4 * 64);
    const std::size_t at = 4 * (desktop.empty() ? 0 : desktop[0]);
    if (areas.size() < at + 4) return std::nullopt;
    return WorkArea{static_cast<std::int32_t>(areas[at]), static_cast<std::int32_t>(areas[at + 1]),
                    static_cast<std::int32_t>(areas[at + 2]), static_cast<std::int32_t>(areas[at + 3])};
}

std::optional<RootSize> rootSize() {
    xcb_connection_t* c = connection();
    const xcb_window_t root = rootWindow(c);
    if (!c || root == XCB_NONE) return std::nullopt;
    auto geometry = collect<xcb_get_geometry_reply_t>(c, xcb_get_geometry_reply, xcb_get_geometry(c, root));
    if (!geometry) return std::nullopt;
    return RootSize{geometry->width, geometry->height};
}

std::optional<std::vector<Strut>> struts() {
    xcb_connection_t* c = connection();
    const xcb_window_t root = rootWindow(c);
    if (!c || root == XCB_NONE) return std::nullopt;
    auto list = collect<xcb_get_property_reply_t>(
        c, xcb_get_property_reply,
        xcb_get_property(c, 0, root, atom(c, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 0, 4096));
    if (!list || list->type != XCB_ATOM_WINDOW) return std::nullopt;
    const std::vector<std::uint32_t> windows = values32(list.get(), XCB_ATOM_WINDOW);
    const xcb_atom_t partial = atom(c, "_NET_WM_STRUT_PARTIAL"), plain = atom(c, "_NET_WM_STRUT");
    // Every question goes out before the first answer is awaited.
    std::vector<std::pair<xcb_get_property_cookie_t, xcb_get_property_cookie_t>> cookies;
    cookies.reserve(windows.size());
    for (const std::uint32_t w : windows) {
        cookies.emplace_back(xcb_get_property(c, 0, w, partial, XCB_ATOM_CARDINAL, 0, 12),
                             xcb_get_property(c, 0, w, plain, XCB_ATOM_CARDINAL, 0, 4));
    }
    std::vector<Strut> found;
    for (const auto& [partialCookie, plainCookie] : cookies) {
        auto full = collect<xcb_get_property_reply_t>(c, xcb_get_property_reply, partialCookie);
        auto old = collect<xcb_get_property_reply_t>(c, xcb_get_property_reply, plainCookie);
        std::vector<std::uint32_t> v = values32(full.get(), XCB_ATOM_CARDINAL);
        if (v.size() < 12) {
            v = values32(old.get(), XCB_ATOM_CARDINAL);
            if (v.size() < 4) continue;
            // The whole length of every edge.
            v.resize(12, 0);
            v[5] = v[7] = v[9] = v[11] = 1 << 30;
        }
        auto at = [&](std::size_t i) { return static_cast<int>(std::min<std::uint32_t>(v[i], 0x7fffffff)); };
        const Strut s{at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7), at(8), at(9), at(10), at(11)};
        if (s.left || s.right || s.top || s.bottom) found.push_back(s);
    }
    return found;
}

void blurBehind(std::uintptr_t window) {
    xcb_connection_t* c = connection();
    if (!c || window == 0) return;
    // An empty region means the whole window.
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window),
                        atom(c, "_KDE_NET_WM_BLUR_BEHIND_REGION"), XCB_ATOM_CARDINAL, 32, 0, nullptr);
    xcb_flush(c);
}

}  // namespace tarnwick::x11
