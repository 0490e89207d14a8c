#pragma once

// Fakes of every port, and a manual clock, for testing the model without the system.

#include <functional>
#include <string>
#include <vector>

#include "app/ports.hpp"

namespace tarnwick::fakes {

class ManualClock : public Clock {
public:
    explicit ManualClock(double epochSeconds) : m_now(epochSeconds) {}
    Instant now() override { return instantAt(m_now); }
    double monotonicSeconds() override { return m_monotonic; }
    double bootSeconds() override { return m_boot; }

    void set(double epochSeconds) { advance(epochSeconds - m_now); }
    // Time passes while awake: all clocks move.
    void advance(double seconds) {
        m_now += seconds;
        m_monotonic += seconds;
        m_boot += seconds;
    }
    // The computer sleeps: the monotonic clock stands still.
    void sleep(double seconds) {
        m_now += seconds;
        m_boot += seconds;
    }
    // The wall clock is set: only it moves.
    void jump(double seconds) { m_now += seconds; }
    double epoch() const { return m_now; }

private:
    double m_now, m_monotonic = 1000, m_boot = 1000;
};

struct FakeInput : InputIdle {
    double idle = 0;
    double sinceKeyDown = 1e9;
    int keyDownReads = 0;
    double idleSeconds() override { return idle; }
    double secondsSinceKeyDown() override {
        ++keyDownReads;
        return sinceKeyDown;
    }
};

struct FakeProbes : BusyProbes {
    bool camera = false, microphone = false, fullscreen = false;
    std::optional<bool> screen;
    int cameraCalls = 0, microphoneCalls = 0, fullscreenCalls = 0, screenCalls = 0;
    bool cameraInUse() override {
        ++cameraCalls;
        return camera;
    }
    bool microphoneInUse() override {
        ++microphoneCalls;
        return microphone;
    }
    bool frontAppIsFullscreen() override {
        ++fullscreenCalls;
        return fullscreen;
    }
    std::optional<bool> screenShared() override {
        ++screenCalls;
        return screen;
    }
    int calls() const { return cameraCalls + microphoneCalls + fullscreenCalls + screenCalls; }
};

struct FakeSounds : SoundPlayer {
    std::vector<std::string> played;
    void play(const std::string& name) override { played.push_back(name); }
};

struct FakeLoginItem : LoginItem {
    LoginItemStatus current = LoginItemStatus::notRegistered;
    bool accept = true;
    bool pointsHere = true;  // the entry starts this program
    std::vector<bool> calls;
    bool set(bool on) override {
        calls.push_back(on);
        if (accept) {
            current = on ? LoginItemStatus::enabled : LoginItemStatus::notRegistered;
            pointsHere = on;
        }
        return accept;
    }
    LoginItemStatus status() override { return current; }
    bool startsThisProgram() override { return current != LoginItemStatus::notRegistered && pointsHere; }
};

struct FakeScreenLock : ScreenLock {
    int locks = 0;
    void lock() override { ++locks; }
};

struct FakeSleepMonitor : SleepMonitor {
    bool present = true;
    std::function<void()> willSleep, didWake;
    bool available() override { return present; }
    void watch(std::function<void()> will, std::function<void()> did) override {
        willSleep = std::move(will);
        didWake = std::move(did);
    }
};

}  // namespace tarnwick::fakes
