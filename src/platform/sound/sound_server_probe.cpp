#include "platform/sound/sound_server_probe.hpp"

#include <pulse/context.h>
#include <pulse/mainloop.h>

namespace tarnwick {

bool soundServerAnswers(std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop) {
        return false;
    }
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "Tarnwick");
    bool ready = false;
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        // A server that accepts the socket but never replies (stopped, hung) is caught by the
        // deadline: each poll waits at most 10 ms.
        while (Clock::now() < deadline) {
            const auto state = pa_context_get_state(context);
            if (state == PA_CONTEXT_READY) {
                ready = true;
                break;
            }
            if (!PA_CONTEXT_IS_GOOD(state)) {
                break;
            }
            if (pa_mainloop_prepare(loop, 10'000) < 0 || pa_mainloop_poll(loop) < 0 ||
                pa_mainloop_dispatch(loop) < 0) {
                break;
            }
        }
        pa_context_disconnect(context);
    }
    if (context) {
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return ready;
}

}  // namespace tarnwick
