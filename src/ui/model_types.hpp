#pragma once

// The application model's types as QML sees them: views receive the one model and read its
// properties, but never create one.

#include <QtQml/qqml.h>

#include "app/app_model.hpp"
#include "app/settings_model.hpp"

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

}  // namespace tarnwick
