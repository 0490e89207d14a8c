#pragma once

// Where the desktop in use keeps the picture of each screen: GNOME and its relatives in GSettings,
// XFCE in its xfconf channel file, KDE Plasma in its containment configuration.

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "app/ports.hpp"

namespace tarnwick {

// The settings each desktop keeps its picture in. Tests point these at fixtures.
struct DesktopPictureSources {
    QString currentDesktop;          // as XDG_CURRENT_DESKTOP: desktop names separated by ':'
    QString xfceDesktopXml;          // xfconf's xfce4-desktop.xml
    QString plasmaAppletsrc;         // plasma-org.kde.plasma.desktop-appletsrc
    QString plasmaShellrc;           // plasmashellrc, which numbers the screens by connector name
    QString plasmaActivitiesrc;      // kactivitymanagerdrc, which names the current activity
    QString schemaDirectory;         // compiled GSettings schemas; empty means the system's own

    // The files a desktop keeps under `configHome` (what XDG_CONFIG_HOME names).
    static DesktopPictureSources inConfigHome(const QString& configHome, const QString& currentDesktop);
    // The user's own: XDG_CURRENT_DESKTOP and XDG_CONFIG_HOME (by default ~/.config).
    static DesktopPictureSources fromEnvironment();
};

class LinuxDesktopPictures : public DesktopPictures {
public:
    explicit LinuxDesktopPictures(DesktopPictureSources sources = DesktopPictureSources::fromEnvironment());
    // A local path, or nothing when the desktop names no picture for the screen (QScreen::name()).
    std::optional<std::string> location(const std::string& screenName) override;

private:
    DesktopPictureSources m_sources;
};

// The decisions behind the lookup, on text, so that they can be checked without a desktop.
namespace desktop_pictures {

enum class Source { gnome, cinnamon, mate, xfce, plasma };

// The places to ask, in order, for the desktop named by XDG_CURRENT_DESKTOP. The first place
// that exists (an installed schema, a present file) answers, even when it names no picture.
std::vector<Source> sourcesFor(const QString& currentDesktop);

// Whether the desktop named is one whose schema the lookup reads (GNOME, Cinnamon, MATE and their
// kin), so that a schema's default value is what that desktop shows; on any other desktop a
// default is only a value nobody chose.
bool desktopShowsSchemaDefaults(const QString& currentDesktop);

// A local path for a path or a file URI (percent-decoded); nothing for other URIs or empty text.
std::optional<QString> localPath(const QString& uriOrPath);

// The last-image of the monitor named `monitor` + the connector in the workspace shown, falling
// back to the first monitor that has one; nothing when the backdrop style is "none".
std::optional<QString> xfceLastImage(const QByteArray& xml, const QString& connector);

// The screen number Plasma gave the connector ([ScreenConnectors] of plasmashellrc).
std::optional<int> plasmaScreenNumber(const QString& shellrc, const QString& connector);

// The current activity of kactivitymanagerdrc ([main] currentActivity).
QString plasmaCurrentActivity(const QString& activitiesrc);

// The Image of the desktop containment shown on `screen` (in `activity` when several are), or of
// the first desktop containment when none is on that screen. Nothing for a slideshow or a
// wallpaper plugin other than the plain image one.
std::optional<QString> plasmaImage(const QString& appletsrc, std::optional<int> screen,
                                   const QString& activity);

}  // namespace desktop_pictures
}  // namespace tarnwick
