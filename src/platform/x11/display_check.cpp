#include "platform/x11/display_check.hpp"

#include <xcb/xcb.h>

namespace tarnwick {

bool xDisplayAnswers(const QString& display) {
    const QByteArray name = display.toLocal8Bit();
    xcb_connection_t* c = xcb_connect(name.isEmpty() ? nullptr : name.constData(), nullptr);
    const bool answers = c && xcb_connection_has_error(c) == 0;
    if (c) xcb_disconnect(c);
    return answers;
}

}  // namespace tarnwick
