#pragma once

#include <QString>

namespace tarnwick {

// Creates the folder and any missing parents, each for the user alone (mode 0700), as the XDG base
// directory rules ask; folders that exist keep their modes. Failures show up as failed file
// operations afterwards.
void makePrivateFolder(const QString& folder);

}  // namespace tarnwick
