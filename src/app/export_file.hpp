#pragma once

// Writing the user's export to a place of their choosing, which may be a shared folder such as
// /tmp: never through a symbolic link, and readable by the user alone when the file is new.

#include <optional>

#include <QByteArray>
#include <QString>

namespace tarnwick {

// Replaces `destination` atomically with `contents`: a temporary file beside it, created for the
// user alone, written, flushed to disk, then renamed over the destination. A destination that is a
// symbolic link is refused; renaming never follows a link, so one planted after the check is
// replaced, not written through. A file that is replaced keeps its permissions; a new one is 0600.
// On failure, the system's description of it, or "<name> is a symbolic link".
std::optional<QString> writeExportFile(const QString& destination, const QByteArray& contents);

}  // namespace tarnwick
