#pragma once

#include <QIcon>

namespace tarnwick {

// The sunset orb with the horizon mark, drawn at every size desktops and trays ask for.
QIcon applicationIcon();

}  // namespace tarnwick
