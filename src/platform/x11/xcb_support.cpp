#include "platform/x11/xcb_support.hpp"

#include <QGuiApplication>
#include <QPointer>
#include <QtGui/qguiapplication_platform.h>

#include <cstring>
#include <map>
#include <string>

namespace tarnwick::x11 {

xcb_connection_t* connection() {
    // Looked up once per application: the lookup walks Qt's interface tables, and the idle time is
    // asked for every second.
    static QPointer<QGuiApplication> resolvedFor;
    static xcb_connection_t* resolved = nullptr;
    if (!qGuiApp) return nullptr;
    if (resolvedFor != qGuiApp) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        resolved = x11 ? x11->connection() : nullptr;
        resolvedFor = qGuiApp;
    }
    return resolved && !xcb_connection_has_error(resolved) ? resolved : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* c) {
    if (!c) return XCB_NONE;
    int screenNumber = 0;
    char* host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screenNumber) == 0) screenNumber = 0;
    std::free(host);
    auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
    xcb_window_t first = it.rem > 0 ? it.data->root : xcb_window_t(XCB_NONE);
    for (int i = 0; it.rem > 0; xcb_screen_next(&it), ++i) {
        if (i == screenNumber) return it.data->root;
    }
    return first;
}

xcb_atom_t atom(xcb_connection_t* c, std::string_view name) {
    // Qt keeps one connection for the application's lifetime; a new one starts a new table.
    static xcb_connection_t* cachedFor = nullptr;
    static std::map<std::string, xcb_atom_t, std::less<>> cache;
    if (!c) return XCB_ATOM_NONE;
    if (cachedFor != c) {
        cache.clear();
        cachedFor = c;
    }
    if (auto it = cache.find(name); it != cache.end()) return it->second;
    auto reply = collect<xcb_intern_atom_reply_t>(
        c, xcb_intern_atom_reply,
        xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.data()));
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    if (value != XCB_ATOM_NONE) cache.emplace(std::string(name), value);
    return value;
}

std::vector<std::uint32_t> values32(const xcb_get_property_reply_t* reply, xcb_atom_t type) {
    if (!reply || reply->type != type || reply->format != 32) return {};
    const int bytes = xcb_get_property_value_length(reply);
    if (bytes <= 0) return {};
    std::vector<std::uint32_t> values(static_cast<std::size_t>(bytes) / 4);
    std::memcpy(values.data(), xcb_get_property_value(reply), values.size() * 4);
    return values;
}

std::vector<std::uint32_t> readProperty32(xcb_connection_t* c, xcb_window_t window,
                                          xcb_atom_t property, xcb_atom_t type,
                                          std::uint32_t maxValues) {
    if (!c || window == XCB_NONE || property == XCB_ATOM_NONE) return {};
    auto reply = collect<xcb_get_property_reply_t>(
        c, xcb_get_property_reply, xcb_get_property(c, 0, window, property, type, 0, maxValues));
    return values32(reply.get(), type);
}

std::optional<std::int32_t> windowPid(xcb_connection_t* c, xcb_window_t window) {
    const auto values = readProperty32(c, window, atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL);
    if (values.empty() || values.front() == 0) return std::nullopt;
    return static_cast<std::int32_t>(values.front());
}

std::optional<xcb_window_t> activeWindow(xcb_connection_t* c, xcb_window_t root) {
    const auto values = readProperty32(c, root, atom(c, "_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW);
    if (values.empty() || values.front() == XCB_NONE) return std::nullopt;
    return values.front();
}

std::vector<xcb_window_t> addEventMask(xcb_connection_t* c, const std::vector<xcb_window_t>& windows,
                                       std::uint32_t bits) {
    std::vector<xcb_window_t> gone;
    if (!c || windows.empty()) return gone;
    std::vector<xcb_get_window_attributes_cookie_t> cookies;
    cookies.reserve(windows.size());
    for (xcb_window_t w : windows) cookies.push_back(xcb_get_window_attributes(c, w));
    for (std::size_t i = 0; i < windows.size(); ++i) {
        auto attributes = collect<xcb_get_window_attributes_reply_t>(c, xcb_get_window_attributes_reply, cookies[i]);
        if (!attributes) {
            gone.push_back(windows[i]);
            continue;
        }
        if ((attributes->your_event_mask & bits) == bits) continue;
        const std::uint32_t mask = attributes->your_event_mask | bits;
        xcb_change_window_attributes(c, windows[i], XCB_CW_EVENT_MASK, &mask);
    }
    xcb_flush(c);
    return gone;
}

}  // namespace tarnwick::x11
