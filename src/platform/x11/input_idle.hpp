#pragma once

// Idle time and recent typing on X11: the screen saver extension's idle counter, asked only as
// often as the rules need it (see IdleTracker), and raw input events from XInput 2 of which only
// the moment is kept.

#include <QAbstractNativeEventFilter>

#include <chrono>
#include <cstdint>
#include <optional>

#include "app/ports.hpp"
#include "platform/x11/idle_tracker.hpp"

namespace tarnwick {

class X11InputIdle final : public InputIdle, private QAbstractNativeEventFilter {
public:
    // What secondsSinceKeyDown answers before any key press was seen, or when key presses
    // cannot be observed: about 31 years.
    static constexpr double noKeyDown = 1.0e9;

    // Below this many seconds every rule reads idle time as "present" (they start at a minute).
    static constexpr double defaultHorizon = 45;
    // How often a confirmed absence is checked against the server's counter.
    static constexpr double defaultRecheck = 10;

    // Needs a QGuiApplication; without X11 both answers mean "not busy".
    explicit X11InputIdle(double horizon = defaultHorizon, double recheck = defaultRecheck);
    ~X11InputIdle() override;
    X11InputIdle(const X11InputIdle&) = delete;
    X11InputIdle& operator=(const X11InputIdle&) = delete;

    // Seconds since the last input of any kind: exact from the horizon on, never past it before
    // the server confirmed it; 0 when the server cannot tell. A question to the server is answered
    // on the next call, so its reply arrives while the program sleeps.
    double idleSeconds() override;
    // Seconds since the last key press seen by this object.
    double secondsSinceKeyDown() override;

    bool idleObservable() const { return m_idleAvailable; }
    bool typingObservable() const { return m_xinputOpcode != 0; }

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    void watchAllInput(bool on);

    std::uint8_t m_xinputOpcode = 0;  // 0: XInput 2 missing, no typing is seen
    bool m_idleAvailable = false;
    std::uint32_t m_root = 0;
    std::optional<std::chrono::steady_clock::time_point> m_lastKeyDown;
    IdleTracker m_tracker;
    bool m_watchingAll = false;
    // The idle-time request in flight and when it was sent.
    std::optional<unsigned> m_pendingRequest;
    double m_pendingSentAt = 0;
};

}  // namespace tarnwick
