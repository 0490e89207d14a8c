#pragma once

// `tarnwick COMMAND`: drives the running instance over the session bus and ends. Without a command
// the program starts as ever. A command never starts a scheduler, takes the instance's lock or
// makes a GUI application object.
//
// Exit codes: 0 done; 1 the running instance refused (its sentence on standard error); 2 a usage
// error (the usage on standard error); 3 no Tarnwick runs.

#include <optional>
#include <variant>

#include <QString>
#include <QStringList>

#include "core/scheduler.hpp"

namespace tarnwick::cli {

struct Launch { bool operator==(const Launch&) const = default; };  // no command: start the program
struct Help { bool operator==(const Help&) const = default; };
struct Version { bool operator==(const Version&) const = default; };
struct Status {
    bool json = false, follow = false;
    bool operator==(const Status&) const = default;
};
// Without a kind, as the tray's first button: the announced or held break at once, else an eye break.
struct Break {
    std::optional<BreakKind> kind;
    bool operator==(const Break&) const = default;
};
// Empty: until tomorrow morning.
struct Pause {
    std::optional<quint32> seconds;
    bool operator==(const Pause&) const = default;
};
struct Resume { bool operator==(const Resume&) const = default; };
struct Skip { bool operator==(const Skip&) const = default; };
struct Snooze {
    quint32 minutes = 5;
    bool operator==(const Snooze&) const = default;
};
struct OpenSettings { bool operator==(const OpenSettings&) const = default; };
struct OpenStats { bool operator==(const OpenStats&) const = default; };
struct UsageError {
    QString problem;
    bool operator==(const UsageError&) const = default;
};
using Command = std::variant<Launch, Help, Version, Status, Break, Pause, Resume, Skip, Snooze, OpenSettings,
                             OpenStats, UsageError>;

enum Exit { done = 0, refused = 1, usage = 2, notRunning = 3 };

// The arguments after the program's name. Options that begin with "-" and are not the program's
// own (Qt's, such as -platform) start the program as before.
Command parse(const QStringList& arguments);
// "90s", "30m", "1h", "1h30m": seconds, at most UINT32_MAX (larger is kept at that); empty when the
// text is not a duration.
std::optional<quint32> parseDuration(const QString& text);
QString usageText();

// Carries out the command of `argv`; empty when there is none and the program is to start.
std::optional<int> runCommandLine(int argc, char** argv);

}  // namespace tarnwick::cli
