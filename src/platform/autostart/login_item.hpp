#pragma once

// Launch at login through an XDG autostart entry: <configRoot>/autostart/tarnwick.desktop.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

#include "app/ports.hpp"

namespace tarnwick {

// What an existing autostart file says: switched off by the user (Hidden=true or
// X-GNOME-Autostart-enabled=false in its [Desktop Entry] group) → requiresApproval, else enabled.
LoginItemStatus autostartFileStatus(std::string_view contents);

// The Exec= value that runs `path` with no arguments: quoted and escaped as desktop entries require
// when the path holds a space or another reserved character, '%' doubled; a path with '%' is run
// through env (or, when it also holds '=', through sh), since GLib cannot find it as the program.
std::string desktopExecValue(std::string_view path);

// `text` as the value of a string key of a desktop entry (backslash escapes; a leading blank kept).
std::string desktopStringValue(std::string_view text);

// The program an entry's Exec= starts (its first argument, unquoted and unescaped, or the program
// env or sh runs as desktopExecValue writes them), if it has one.
std::optional<std::string> autostartProgram(std::string_view contents);

// The whole autostart entry for the executable at `path`.
std::string autostartFileContents(std::string_view executablePath);

class XdgLoginItem : public LoginItem {
public:
    // configRoot: the XDG config folder ($XDG_CONFIG_HOME); executablePath: the program to start
    // at login, empty when it cannot be determined.
    XdgLoginItem(QString configRoot, QString executablePath);
    // The user's config folder and the running program.
    XdgLoginItem();

    bool set(bool on) override;
    LoginItemStatus status() override;
    // The entry's program, found through PATH when it has no folder, is this executable.
    bool startsThisProgram() override;

    QString filePath() const;

private:
    bool fail(const QString& error);

    QString m_configRoot;
    QString m_executablePath;
};

// The running program's absolute path, empty when it cannot be determined.
QString currentExecutablePath();

}  // namespace tarnwick
