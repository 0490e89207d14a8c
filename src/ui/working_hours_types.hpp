#pragma once

// The working hours' view model as QML sees it: the settings window makes one from the model it
// is given, so each window starts with fresh state.

#include <QtQml/qqml.h>

#include "ui/working_hours_view_model.hpp"

namespace tarnwick {

struct WorkingHoursViewModelForeign {
    Q_GADGET
    QML_FOREIGN(tarnwick::WorkingHoursViewModel)
    QML_NAMED_ELEMENT(WorkingHoursViewModel)
};

}  // namespace tarnwick
