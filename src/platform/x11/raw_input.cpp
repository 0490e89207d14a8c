#include "platform/x11/raw_input.hpp"

#include <array>
#include <cstdlib>

#include <xcb/xinput.h>

#include "platform/x11/xcb_support.hpp"

namespace tarnwick::x11 {

namespace {

// How many watchers want each bit.
std::array<int, 32> g_wanted{};

std::uint32_t wantedMask() {
    std::uint32_t mask = 0;
    for (std::size_t bit = 0; bit < g_wanted.size(); ++bit) {
        if (g_wanted[bit] > 0) mask |= 1u << bit;
    }
    return mask;
}

void count(std::uint32_t bits, int by) {
    for (std::size_t bit = 0; bit < g_wanted.size(); ++bit) {
        if (bits & (1u << bit)) g_wanted[bit] += by;
    }
}

// Selects the union on the root for all master devices; false when the server refused it.
bool send(xcb_connection_t* c, bool checked) {
    const xcb_window_t root = rootWindow(c);
    if (root == XCB_NONE) return false;
    struct {
        xcb_input_event_mask_t head;
        std::uint32_t bits;
    } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, wantedMask()};
    if (!checked) {
        xcb_input_xi_select_events(c, root, 1, &mask.head);
        xcb_flush(c);
        return true;
    }
    xcb_generic_error_t* error = xcb_request_check(c, xcb_input_xi_select_events_checked(c, root, 1, &mask.head));
    std::free(error);
    return error == nullptr;
}

}  // namespace

std::uint8_t xinputOpcode() {
    static xcb_connection_t* askedFor = nullptr;
    static std::uint8_t opcode = 0;
    xcb_connection_t* c = connection();
    if (!c) return 0;
    if (askedFor == c) return opcode;
    askedFor = c;
    opcode = 0;
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_input_id);
    if (!ext || !ext->present) return 0;
    // Asking for a version at least as high as Qt's keeps the server's record unchanged.
    auto version = collect<xcb_input_xi_query_version_reply_t>(c, xcb_input_xi_query_version_reply,
                                                              xcb_input_xi_query_version(c, 2, 4));
    if (version && version->major_version >= 2) opcode = ext->major_opcode;
    return opcode;
}

bool selectRawEvents(std::uint32_t bits, bool checked) {
    xcb_connection_t* c = connection();
    if (!c || xinputOpcode() == 0) return false;
    const std::uint32_t before = wantedMask();
    count(bits, +1);
    if (wantedMask() == before) return true;
    if (send(c, checked)) return true;
    count(bits, -1);
    return false;
}

void deselectRawEvents(std::uint32_t bits) {
    const std::uint32_t before = wantedMask();
    count(bits, -1);
    for (int& n : g_wanted) n = n < 0 ? 0 : n;
    xcb_connection_t* c = connection();
    if (c && wantedMask() != before) send(c, false);
}

}  // namespace tarnwick::x11
