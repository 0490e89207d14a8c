#pragma once

// Whether an X server answers, asked before Qt connects (Qt aborts the program when none does).

#include <QString>

namespace tarnwick {

// True when a connection to `display` (DISPLAY's syntax; the default display when empty) opens.
bool xDisplayAnswers(const QString& display);

}  // namespace tarnwick
