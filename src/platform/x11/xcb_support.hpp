#pragma once

// Small helpers around Qt's own xcb connection, shared by the X11 realisations.

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace tarnwick::x11 {

// Frees what libxcb hands out with malloc (replies, errors).
struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// Qt's xcb connection, or nullptr when the application does not run on X11 or the
// connection has failed.
xcb_connection_t* connection();

// The root window of the screen Qt connected to (from DISPLAY), or XCB_NONE.
xcb_window_t rootWindow(xcb_connection_t* c);

// The atom of a name, interned once per connection; XCB_ATOM_NONE when the server refuses.
xcb_atom_t atom(xcb_connection_t* c, std::string_view name);

// Collects a reply and drops any error, so failures never reach Qt's event loop.
template <class T, class Cookie, class Fn>
Reply<T> collect(xcb_connection_t* c, Fn replyFn, Cookie cookie) {
    xcb_generic_error_t* error = nullptr;
    Reply<T> reply{replyFn(c, cookie, &error)};
    std::free(error);
    return reply;
}

// The 32-bit values of a property reply of the given type and format 32; empty otherwise.
std::vector<std::uint32_t> values32(const xcb_get_property_reply_t* reply, xcb_atom_t type);

// A property of 32-bit values read with one round trip.
std::vector<std::uint32_t> readProperty32(xcb_connection_t* c, xcb_window_t window,
                                          xcb_atom_t property, xcb_atom_t type,
                                          std::uint32_t maxValues = 1);

// _NET_WM_PID of a window, if it has one.
std::optional<std::int32_t> windowPid(xcb_connection_t* c, xcb_window_t window);

// _NET_ACTIVE_WINDOW on the root; absent for none.
std::optional<xcb_window_t> activeWindow(xcb_connection_t* c, xcb_window_t root);

// Adds `bits` to this client's event mask on each window, keeping what it already selects; the
// questions for all of them go out before the first answer is awaited. Returns the windows that
// no longer exist.
std::vector<xcb_window_t> addEventMask(xcb_connection_t* c, const std::vector<xcb_window_t>& windows, std::uint32_t bits);
// The same for the root window alone.
inline void addRootEventMask(xcb_connection_t* c, xcb_window_t root, std::uint32_t bits) {
    if (root != XCB_NONE) addEventMask(c, {root}, bits);
}

}  // namespace tarnwick::x11
