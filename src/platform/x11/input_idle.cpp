#include "platform/x11/input_idle.hpp"

#include <QCoreApplication>

#include <xcb/screensaver.h>
#include <xcb/xinput.h>

#include "platform/x11/xcb_support.hpp"

namespace tarnwick {
namespace {

// Raw key presses are selected once per connection and stay selected while any observer lives.
int g_rawKeySelections = 0;

bool selectRawKeyPresses(xcb_connection_t* c, xcb_window_t root, bool on) {
    struct {
        xcb_input_event_mask_t head;
        std::uint32_t bits;
    } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, on ? std::uint32_t(XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS) : 0u};
    xcb_generic_error_t* error = xcb_request_check(c, xcb_input_xi_select_events_checked(c, root, 1, &mask.head));
    std::free(error);
    return error == nullptr;
}

// XInput 2.1 or later delivers raw events even while another client grabs the keyboard.
bool xinputUsable(xcb_connection_t* c, std::uint8_t* opcode) {
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_input_id);
    if (!ext || !ext->present) return false;
    // Asking for a version at least as high as Qt's keeps the server's record unchanged.
    auto version = x11::collect<xcb_input_xi_query_version_reply_t>(
        c, xcb_input_xi_query_version_reply, xcb_input_xi_query_version(c, 2, 4));
    if (!version || version->major_version < 2) return false;
    *opcode = ext->major_opcode;
    return true;
}

}  // namespace

X11InputIdle::X11InputIdle() {
    xcb_connection_t* c = x11::connection();
    m_root = x11::rootWindow(c);
    if (!c || m_root == XCB_NONE) return;

    const xcb_query_extension_reply_t* saver = xcb_get_extension_data(c, &xcb_screensaver_id);
    m_idleAvailable = saver && saver->present;

    std::uint8_t opcode = 0;
    if (xinputUsable(c, &opcode) && (g_rawKeySelections > 0 || selectRawKeyPresses(c, m_root, true))) {
        ++g_rawKeySelections;
        m_xinputOpcode = opcode;
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

X11InputIdle::~X11InputIdle() {
    if (m_pendingRequest) {
        if (xcb_connection_t* c = x11::connection()) xcb_discard_reply(c, *m_pendingRequest);
    }
    if (m_xinputOpcode == 0) return;
    if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
    if (--g_rawKeySelections == 0) {
        if (xcb_connection_t* c = x11::connection()) selectRawKeyPresses(c, m_root, false);
    }
}

double X11InputIdle::idleSeconds() {
    if (!m_idleAvailable) return 0;
    xcb_connection_t* c = x11::connection();
    if (!c) return 0;
    using Clock = std::chrono::steady_clock;
    // A reply older than this is not aged but asked again: across a sleep or a long pause the
    // input since could be anything.
    constexpr auto freshFor = std::chrono::milliseconds(1500);
    std::optional<double> answer;
    if (m_pendingRequest) {
        xcb_screensaver_query_info_cookie_t cookie{*m_pendingRequest};
        m_pendingRequest.reset();
        const auto age = Clock::now() - m_pendingSentAt;
        if (age <= freshFor) {
            // Already in, or moments away: waiting for it costs no more than a new round trip.
            auto info = x11::collect<xcb_screensaver_query_info_reply_t>(c, xcb_screensaver_query_info_reply, cookie);
            if (info) answer = info->ms_since_user_input / 1000.0 + std::chrono::duration<double>(age).count();
        } else {
            xcb_discard_reply(c, cookie.sequence);
        }
    }
    if (!answer) {
        auto info = x11::collect<xcb_screensaver_query_info_reply_t>(
            c, xcb_screensaver_query_info_reply, xcb_screensaver_query_info(c, m_root));
        answer = info ? info->ms_since_user_input / 1000.0 : 0.0;
    }
    m_pendingRequest = xcb_screensaver_query_info(c, m_root).sequence;
    m_pendingSentAt = Clock::now();
    xcb_flush(c);
    return *answer;
}

double X11InputIdle::secondsSinceKeyDown() {
    if (!m_lastKeyDown) return noKeyDown;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - *m_lastKeyDown).count();
}

bool X11InputIdle::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || !message) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_GE_GENERIC) return false;
    const auto* ge = static_cast<const xcb_ge_generic_event_t*>(message);
    if (ge->extension == m_xinputOpcode && ge->event_type == XCB_INPUT_RAW_KEY_PRESS) {
        m_lastKeyDown = std::chrono::steady_clock::now();
    }
    return false;  // Others may watch the same events.
}

}  // namespace tarnwick
