#pragma once

// The ports through which the application model reaches the system. The platform layer
// realises them for Linux; tests use fakes and a manual clock.

#include <functional>
#include <optional>
#include <string>

#include "core/time.hpp"

namespace tarnwick {

class Clock {
public:
    virtual ~Clock() = default;
    virtual Instant now() = 0;
    // Seconds on a clock that stops while the computer sleeps (CLOCK_MONOTONIC).
    virtual double monotonicSeconds() = 0;
    // Seconds on a clock that runs on while the computer sleeps (CLOCK_BOOTTIME).
    virtual double bootSeconds() = 0;
};

class InputIdle {
public:
    virtual ~InputIdle() = default;
    // Seconds since the last input event of any kind.
    virtual double idleSeconds() = 0;
    // Seconds since the last key press; a very large number when none was seen.
    virtual double secondsSinceKeyDown() = 0;
};

// Each probe answers false when it cannot tell.
class BusyProbes {
public:
    virtual ~BusyProbes() = default;
    virtual bool cameraInUse() = 0;
    virtual bool microphoneInUse() = 0;
    virtual bool frontAppIsFullscreen() = 0;
    // Whether a screen is being shared with another program (a screencast); nothing where that
    // cannot be told. A shared screen holds a break as a call does.
    virtual std::optional<bool> screenShared() { return std::nullopt; }
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays the named sound; a name with no sound plays nothing.
    virtual void play(const std::string& name) = 0;
};

enum class LoginItemStatus { notRegistered = 0, enabled = 1, requiresApproval = 2, notFound = 3 };

class LoginItem {
public:
    virtual ~LoginItem() = default;
    // True when the change was made. A failure writes one console line.
    virtual bool set(bool on) = 0;
    virtual LoginItemStatus status() = 0;
    // Whether the registered entry starts this very program (not a moved or older copy).
    virtual bool startsThisProgram() = 0;
};

class ScreenLock {
public:
    virtual ~ScreenLock() = default;
    virtual void lock() = 0;
};

class SleepMonitor {
public:
    virtual ~SleepMonitor() = default;
    // Whether the system reports sleep and wake at all; when it does not, the model detects
    // sleep from the gap between the boot-time and the monotonic clock.
    virtual bool available() = 0;
    virtual void watch(std::function<void()> willSleep, std::function<void()> didWake) = 0;
};

class DesktopPictures {
public:
    virtual ~DesktopPictures() = default;
    // Where the desktop picture of the named screen lies (a path or file URL), if the desktop says.
    virtual std::optional<std::string> location(const std::string& screenName) = 0;
};

}  // namespace tarnwick
