#include "platform/x11/input_idle.hpp"

#include <QCoreApplication>

#include <xcb/screensaver.h>
#include <xcb/xinput.h>

#include "platform/x11/raw_input.hpp"
#include "platform/x11/xcb_support.hpp"

namespace tarnwick {
namespace {

// Raw key presses stay selected on the root window while the observer lives; every other raw
// input event only while it waits for the user's return.
constexpr std::uint32_t keyMask = XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS;
constexpr std::uint32_t returnMask = XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_MOTION |
                                     XCB_INPUT_XI_EVENT_MASK_RAW_TOUCH_BEGIN;

double monotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

X11InputIdle::X11InputIdle(double horizon, double recheck) : m_tracker(horizon, recheck) {
    xcb_connection_t* c = x11::connection();
    m_root = x11::rootWindow(c);
    if (!c || m_root == XCB_NONE) return;

    const xcb_query_extension_reply_t* saver = xcb_get_extension_data(c, &xcb_screensaver_id);
    m_idleAvailable = saver && saver->present;

    // XInput 2.1 or later delivers raw events even while another client grabs the keyboard.
    const std::uint8_t opcode = x11::xinputOpcode();
    if (opcode != 0 && x11::selectRawEvents(keyMask, true)) {
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
    if (m_watchingAll) x11::deselectRawEvents(returnMask);
    x11::deselectRawEvents(keyMask);
}

void X11InputIdle::watchAllInput(bool on) {
    if (on == m_watchingAll || m_xinputOpcode == 0) return;
    m_watchingAll = on;
    if (on) {
        x11::selectRawEvents(returnMask);
    } else {
        x11::deselectRawEvents(returnMask);
    }
}

double X11InputIdle::idleSeconds() {
    if (!m_idleAvailable) return 0;
    xcb_connection_t* c = x11::connection();
    if (!c) return 0;
    // A reply older than this is not used: across a sleep the input since could be anything.
    constexpr double freshFor = 1.5;
    const double now = monotonicSeconds();
    if (m_pendingRequest) {
        xcb_screensaver_query_info_cookie_t cookie{*m_pendingRequest};
        m_pendingRequest.reset();
        if (now - m_pendingSentAt <= freshFor) {
            // Already in, or moments away: waiting for it costs no more than a new round trip.
            auto info = x11::collect<xcb_screensaver_query_info_reply_t>(c, xcb_screensaver_query_info_reply, cookie);
            if (info) m_tracker.answered(info->ms_since_user_input / 1000.0, m_pendingSentAt);
        } else {
            xcb_discard_reply(c, cookie.sequence);
        }
    }
    if (!m_tracker.knows()) {
        // Nothing known yet: the first call waits for the answer. Like every answer it is dated
        // when the question went out.
        auto info = x11::collect<xcb_screensaver_query_info_reply_t>(
            c, xcb_screensaver_query_info_reply, xcb_screensaver_query_info(c, m_root));
        if (info) m_tracker.answered(info->ms_since_user_input / 1000.0, now);
    }
    // Input events are watched before the question is sent, so none between its answer and the
    // next call goes unseen.
    watchAllInput(m_tracker.watchesAllInput(now));
    if (m_tracker.wantsAnswer(now)) {
        m_pendingRequest = xcb_screensaver_query_info(c, m_root).sequence;
        m_pendingSentAt = now;
    }
    xcb_flush(c);
    return m_tracker.idle(now);
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
    if (ge->extension != m_xinputOpcode) return false;
    switch (ge->event_type) {
    case XCB_INPUT_RAW_KEY_PRESS:
        m_lastKeyDown = std::chrono::steady_clock::now();
        m_tracker.inputSeen(monotonicSeconds());
        break;
    case XCB_INPUT_RAW_BUTTON_PRESS:
    case XCB_INPUT_RAW_MOTION:
    case XCB_INPUT_RAW_TOUCH_BEGIN:
        m_tracker.inputSeen(monotonicSeconds());
        break;
    default:
        break;
    }
    return false;  // Others may watch the same events.
}

}  // namespace tarnwick
