#pragma once

// The model's and the view models' types as QML sees them: views are given the model and the
// controllers' view models and read their properties; a window's own view model is made by the
// window itself from the model it is given.

#include <QtQml/qqml.h>

#include "app/app_model.hpp"
#include "app/settings_model.hpp"
#include "ui/break_view_models.hpp"
#include "ui/menu_bar_view_model.hpp"
#include "ui/onboarding_view_model.hpp"
#include "ui/settings_view_model.hpp"
#include "ui/stats_view_model.hpp"
#include "ui/tray_menu_model.hpp"
#include "ui/working_hours_view_model.hpp"

namespace tarnwick {

struct AppModelForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::AppModel)
    QML_NAMED_ELEMENT(AppModel)
    QML_UNCREATABLE("The program has one model; views are given it.")
};

struct SettingsModelForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::SettingsModel)
    QML_NAMED_ELEMENT(SettingsModel)
    QML_UNCREATABLE("The model owns the settings.")
};

struct BreakViewModelForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::BreakViewModel)
    QML_NAMED_ELEMENT(BreakViewModel)
    QML_UNCREATABLE("Made by the overlay controller.")
};

struct HeadsUpViewModelForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::HeadsUpViewModel)
    QML_NAMED_ELEMENT(HeadsUpViewModel)
    QML_UNCREATABLE("Made by the overlay controller.")
};

struct MenuBarViewModelForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::MenuBarViewModel)
    QML_NAMED_ELEMENT(MenuBarViewModel)
    QML_UNCREATABLE("Made by the status controller.")
};

struct TrayMenuModelForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::TrayMenuModel)
    QML_NAMED_ELEMENT(TrayMenuModel)
    QML_UNCREATABLE("Made by the status controller.")
};

struct SettingsViewModelForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::SettingsViewModel)
    QML_NAMED_ELEMENT(SettingsViewModel)
    QML_UNCREATABLE("Made by the window controller.")
};

struct SettingsTextsForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::SettingsTexts)
    QML_NAMED_ELEMENT(SettingsTexts)
    QML_UNCREATABLE("Made by the settings view model.")
};

struct ChoicePickerModelForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::ChoicePickerModel)
    QML_NAMED_ELEMENT(ChoicePickerModel)
    QML_UNCREATABLE("Made by the settings view model.")
};

struct StatsViewModelForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::StatsViewModel)
    QML_NAMED_ELEMENT(StatsViewModel)
};

struct OnboardingViewModelForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::OnboardingViewModel)
    QML_NAMED_ELEMENT(OnboardingViewModel)
};

struct WorkingHoursViewModelForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::WorkingHoursViewModel)
    QML_NAMED_ELEMENT(WorkingHoursViewModel)
};

}  // namespace tarnwick
