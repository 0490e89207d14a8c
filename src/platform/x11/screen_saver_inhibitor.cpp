#include "platform/x11/screen_saver_inhibitor.hpp"

#include <xcb/screensaver.h>
#include <xcb/xcbext.h>

#include "platform/x11/xcb_support.hpp"

namespace tarnwick {

bool SaverSuspendRule::suspended(bool disabled) {
    if (!disabled) m_seenEnabled = true;
    return disabled && m_seenEnabled;
}

X11ScreenSaverInhibitor::X11ScreenSaverInhibitor(QObject* parent) : QObject(parent) {
    xcb_connection_t* c = x11::connection();
    m_root = x11::rootWindow(c);
    if (!c || m_root == XCB_NONE) return;
    const xcb_query_extension_reply_t* saver = xcb_get_extension_data(c, &xcb_screensaver_id);
    m_available = saver && saver->present;
}

X11ScreenSaverInhibitor::~X11ScreenSaverInhibitor() {
    if (!m_pending) return;
    if (xcb_connection_t* c = x11::connection()) xcb_discard_reply(c, *m_pending);
}

void X11ScreenSaverInhibitor::ask() {
    collect();
    if (m_pending) return;
    xcb_connection_t* c = m_available ? x11::connection() : nullptr;
    if (!c) {
        m_answering = m_inhibited = false;
        return;
    }
    m_pending = xcb_screensaver_query_info(c, m_root).sequence;
    m_askedAt = std::chrono::steady_clock::now();
    xcb_flush(c);
}

void X11ScreenSaverInhibitor::collect() const {
    if (!m_pending) return;
    const unsigned request = *m_pending;
    xcb_connection_t* c = x11::connection();
    void* reply = nullptr;
    xcb_generic_error_t* error = nullptr;
    const bool arrived = c && xcb_poll_for_reply(c, request, &reply, &error);
    if (!arrived && c && std::chrono::steady_clock::now() - m_askedAt < replyWithin) return;  // on its way
    m_pending.reset();
    m_answering = m_inhibited = false;
    if (!arrived) {
        if (c) xcb_discard_reply(c, request);  // too late: it counts as no answer
        return;
    }
    std::free(error);
    const x11::Reply<xcb_screensaver_query_info_reply_t> info{static_cast<xcb_screensaver_query_info_reply_t*>(reply)};
    if (!info) return;
    m_answering = true;
    m_inhibited = m_rule.suspended(info->state == XCB_SCREENSAVER_STATE_DISABLED);
}

}  // namespace tarnwick
