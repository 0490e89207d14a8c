// The welcome window's steps as its view drives them: what each step writes through the model on
// fake ports, and what the user reads.

#include <gtest/gtest.h>

#include "model_rig.hpp"
#include "ui/onboarding_view_model.hpp"

namespace tarnwick {
namespace {

struct Steps : fakes::ModelRig {
    Steps() {
        vm.setModel(model.get());
        QObject::connect(&vm, &OnboardingViewModel::finished, [this] { ++finishes; });
    }
    Settings saved() { return persistence.loadSettings(); }

    OnboardingViewModel vm;
    int finishes = 0;
};

struct Onboarding : ::testing::Test, Steps {};

TEST(OnboardingFirstBreak, ComesFromFreshDefaultsWithThePresetWhateverTheSettingsHeld) {
    const std::pair<Preset, QString> cases[] = {
        {Preset::classic, "Your first break is in 20 minutes."},
        {Preset::focus, "Your first break is in 30 minutes."},
        {Preset::gentle, "Your first break is in 120 minutes."},
    };
    for (const auto& [preset, text] : cases) {
        SCOPED_TRACE(std::string(id(preset)));
        EXPECT_EQ(firstBreakText(preset), text);
        Steps o;
        Settings odd = o.model->settings();
        odd.microEveryMinutes = 45;
        odd.longEveryMinutes = 75;
        o.model->setSettings(odd);
        o.vm.choosePreset(int(preset));
        EXPECT_EQ(o.vm.doneText(), "Tarnwick lives in your system tray. " + text);
    }
}

TEST_F(Onboarding, StartsOnTheWelcomeWithClassicAndLoginOnAndNoBack) {
    EXPECT_EQ(vm.step(), 1);
    EXPECT_EQ(vm.stepText(), "Step 1 of 3");
    EXPECT_EQ(vm.preset(), Preset::classic);
    EXPECT_TRUE(vm.launchAtLogin());
    EXPECT_FALSE(vm.showBack());
    EXPECT_EQ(vm.primaryText(), "Continue");
    ASSERT_EQ(vm.presets().size(), 3);
    const QVariantMap focus = vm.presets()[1].toMap();
    EXPECT_EQ(focus["name"].toString(), "Deep focus");
    EXPECT_EQ(focus["tag"].toString(), "Coding");
    vm.back();
    EXPECT_EQ(vm.step(), 1);
}

TEST_F(Onboarding, ChoosingAPresetOrFlippingTheSwitchWritesNothing) {
    const int saves = persistence.settingsSaves;
    vm.choosePreset(2);
    vm.choosePreset(7);  // not a preset: ignored
    vm.setLaunchAtLogin(false);
    EXPECT_EQ(vm.preset(), Preset::gentle);
    EXPECT_EQ(persistence.settingsSaves, saves);
    EXPECT_EQ(model->settings(), Settings{});
    EXPECT_TRUE(loginItem.calls.empty());
}

TEST_F(Onboarding, ContinueAppliesThePresetAndBackKeepsItUntilAnotherIsApplied) {
    vm.choosePreset(int(Preset::focus));
    vm.next();
    EXPECT_EQ(vm.step(), 2);
    EXPECT_TRUE(vm.showBack());
    EXPECT_TRUE(matches(Preset::focus, saved()));

    vm.back();
    EXPECT_EQ(vm.step(), 1);
    EXPECT_EQ(vm.preset(), Preset::focus) << "the row still shows the choice";
    EXPECT_TRUE(matches(Preset::focus, model->settings())) << "nothing is undone";
    EXPECT_EQ(model->settings().microEveryMinutes, 30);

    vm.choosePreset(int(Preset::gentle));
    vm.next();
    EXPECT_TRUE(matches(Preset::gentle, saved()));
}

TEST(OnboardingSteps, TheLoginStepStoresTheChoiceAndRegistersOrRemovesTheLoginItem) {
    struct Case { bool on, accepted; std::vector<bool> calls; } cases[] = {
        {true, true, {true}}, {false, true, {false}}, {true, false, {true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "on " << c.on << ", accepted " << c.accepted);
        Steps o;
        o.loginItem.accept = c.accepted;
        o.vm.next();
        o.vm.setLaunchAtLogin(c.on);
        o.vm.next();
        EXPECT_EQ(o.vm.step(), 3);
        EXPECT_EQ(o.loginItem.calls, c.calls);
        EXPECT_EQ(o.saved().launchAtLogin, c.on) << "stored whether or not the desktop took it";
        EXPECT_FALSE(o.saved().onboarded);
    }
}

TEST_F(Onboarding, TheLastStepMarksOnboardingDoneAndFinishesOnce) {
    vm.next();
    vm.next();
    EXPECT_EQ(vm.primaryText(), "Start Tarnwick");
    EXPECT_EQ(finishes, 0);
    vm.next();
    EXPECT_TRUE(saved().onboarded);
    EXPECT_EQ(finishes, 1);
    vm.next();
    vm.back();
    EXPECT_EQ(finishes, 1);
    EXPECT_EQ(vm.step(), 3);
}

TEST(OnboardingWithoutModel, DoesNotMoveOn) {
    OnboardingViewModel vm;
    vm.next();
    EXPECT_EQ(vm.step(), 1);
}

}  // namespace
}  // namespace tarnwick
