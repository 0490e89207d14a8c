#include "platform/x11/panel_hints.hpp"

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

void blurBehind(std::uintptr_t window) {
    xcb_connection_t* c = connection();
    if (!c || window == 0) return;
    // An empty region means the whole window.
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window),
                        atom(c, "_KDE_NET_WM_BLUR_BEHIND_REGION"), XCB_ATOM_CARDINAL, 32, 0, nullptr);
    xcb_flush(c);
}

}  // namespace tarnwick::x11
