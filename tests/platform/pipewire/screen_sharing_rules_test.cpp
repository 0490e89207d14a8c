#include <gtest/gtest.h>

#include "platform/pipewire/screen_sharing.hpp"

using namespace tarnwick;

TEST(ScreenSharingRules, OnlyARunningSourceWithNoDeviceBehindItIsASharedScreen) {
    EXPECT_TRUE(isVideoSource({{"media.class", "Video/Source"}}));
    EXPECT_TRUE(isVideoSource({{"media.class", "Stream/Output/Video"}})) << "GNOME's casts";
    for (const char* other : {"Audio/Source", "Stream/Input/Video", "Stream/Output/Audio", "Video/Sink",
                              "Video/Source/Virtual", ""}) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(isVideoSource({{"media.class", other}}));
    }
    EXPECT_FALSE(isVideoSource({{"node.name", "no class"}}));

    struct Case {
        const char* name;
        NodeProperties properties;
        bool device;
    } cases[] = {
        {"a compositor's screencast", {{"media.class", "Video/Source"}, {"node.name", "gnome-shell-screencast"}}, false},
        {"a camera's device object", {{"device.id", "42"}}, true},
        {"a device API", {{"device.api", "v4l2"}}, true},
        {"libcamera's keys", {{"api.libcamera.location", "front"}}, true},
        {"V4L2's keys", {{"api.v4l2.path", "/dev/video0"}}, true},
        {"a V4L2 object path", {{"object.path", "v4l2:/dev/video0"}}, true},
        {"a libcamera object path", {{"object.path", "libcamera:/base/soc/i2c0"}}, true},
        {"another object path", {{"object.path", "xdg-desktop-portal:screencast"}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isCaptureDevice(c.properties), c.device);
    }

    EXPECT_FALSE(screenBeingShared({}));
    EXPECT_FALSE(screenBeingShared({{1, false, false}})) << "a screencast nobody watches";
    EXPECT_FALSE(screenBeingShared({{1, true, true}})) << "a camera in use is the camera's probe's business";
    EXPECT_TRUE(screenBeingShared({{1, true, true}, {2, false, true}}));
}
