#include <gtest/gtest.h>

#include "app/system_signals.hpp"
#include "fakes.hpp"

using namespace tarnwick;

TEST(SystemSignalsBusyReason, CallBeatsFullscreenBeatsTyping) {
    struct Case {
        const char* name;
        bool camera, microphone, fullscreen;
        double sinceKeyDown;
        std::optional<BusyReason> expected;
        std::optional<bool> screen = std::nullopt;
    } cases[] = {
        {"nothing", false, false, false, 1e9, std::nullopt},
        {"camera and full screen", true, false, true, 0.1, BusyReason::call},
        {"microphone", false, true, false, 1e9, BusyReason::call},
        {"full screen and a key 0.5 s ago", false, false, true, 0.5, BusyReason::fullscreen},
        {"key 1.49 s ago", false, false, false, 1.49, BusyReason::typing},
        {"key exactly 1.5 s ago", false, false, false, 1.5, std::nullopt},
        {"a shared screen is a call, before full screen", false, false, true, 0.1, BusyReason::call, true},
        {"a screen not shared", false, false, false, 1e9, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::FakeProbes probes;
        probes.camera = c.camera;
        probes.microphone = c.microphone;
        probes.fullscreen = c.fullscreen;
        probes.screen = c.screen;
        fakes::FakeInput input;
        input.sinceKeyDown = c.sinceKeyDown;
        EXPECT_EQ(SystemSignals::busyReason(Settings{}, probes, input), c.expected);
    }
}

TEST(SystemSignalsBusyReason, ProbesRunOnlyWhenTheirAnswerCanMatter) {
    fakes::FakeProbes probes;
    fakes::FakeInput input;
    probes.camera = probes.microphone = probes.fullscreen = true;
    input.sinceKeyDown = 0;

    Settings off;
    off.holdDuringCalls = off.holdDuringFullscreen = off.holdWhileTyping = false;
    EXPECT_EQ(SystemSignals::busyReason(off, probes, input), std::nullopt);
    EXPECT_EQ(probes.calls() + input.keyDownReads, 0);

    EXPECT_EQ(SystemSignals::busyReason(Settings{}, probes, input), BusyReason::call);
    EXPECT_EQ(probes.cameraCalls, 1);
    EXPECT_EQ(probes.microphoneCalls, 0);  // the camera already answered
    EXPECT_EQ(probes.screenCalls, 0);
    EXPECT_EQ(probes.fullscreenCalls, 0);
    EXPECT_EQ(input.keyDownReads, 0);

    Settings noCalls;
    noCalls.holdDuringCalls = false;
    fakes::FakeProbes fresh;
    fresh.camera = fresh.fullscreen = true;
    EXPECT_EQ(SystemSignals::busyReason(noCalls, fresh, input), BusyReason::fullscreen);
    EXPECT_EQ(fresh.cameraCalls + fresh.microphoneCalls + fresh.screenCalls, 0);

    // Screen sharing is asked last among the call's probes, and only when the others said no.
    fakes::FakeProbes sharing;
    sharing.screen = true;
    EXPECT_EQ(SystemSignals::busyReason(Settings{}, sharing, input), BusyReason::call);
    EXPECT_EQ(sharing.screenCalls, 1);
    EXPECT_EQ(sharing.fullscreenCalls, 0);
}
