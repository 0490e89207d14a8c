#include "platform/imaging/linux_desktop_pictures.hpp"

#include <gio/gio.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>
#include <memory>

namespace tarnwick {
namespace desktop_pictures {
namespace {

std::optional<QString> nonEmpty(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    return text;
}

// One KDE configuration file: groups named by their bracketed path, each a map of keys.
struct KdeConfig {
    struct Group {
        QStringList path;  // "[Containments][1][General]" is {"Containments", "1", "General"}
        QHash<QString, QString> entries;
    };
    std::vector<Group> groups;  // in file order

    const Group* find(const QStringList& path) const {
        for (const Group& group : groups)
            if (group.path == path) return &group;
        return nullptr;
    }
};

QString kdeUnescape(QStringView value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == u's') out += u' ';
        else if (next == u't') out += u'\t';
        else if (next == u'n') out += u'\n';
        else if (next == u'r') out += u'\r';
        else out += next;  // "\\" and any other escaped character stand for themselves
    }
    return out;
}

KdeConfig parseKdeConfig(const QString& text) {
    KdeConfig config;
    config.groups.push_back({});  // entries before the first header
    static const QRegularExpression segment(QStringLiteral("\\[([^\\]]*)\\]"));
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[')) {
            KdeConfig::Group group;
            for (auto it = segment.globalMatch(line); it.hasNext();)
                group.path << it.next().captured(1);
            config.groups.push_back(std::move(group));
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) continue;
        QStringView key = line.left(equals).trimmed();
        // Keys may carry flags such as "[$i]" or a locale such as "[de]"; neither is wanted here.
        if (const qsizetype bracket = key.indexOf(u'['); bracket > 0) key = key.left(bracket);
        config.groups.back().entries.insert(key.toString(), kdeUnescape(line.mid(equals + 1).trimmed()));
    }
    return config;
}

}  // namespace

std::vector<Source> sourcesFor(const QString& currentDesktop) {
    for (const QString& name : currentDesktop.split(u':', Qt::SkipEmptyParts)) {
        const QString lower = name.trimmed().toLower();
        if (lower == u"gnome" || lower == u"gnome-classic" || lower == u"gnome-flashback" ||
            lower == u"budgie" || lower == u"unity" || lower == u"ubuntu" || lower == u"pantheon")
            return {Source::gnome};
        // Cinnamon and MATE keep their own schemas; without them, they use GNOME's.
        if (lower == u"x-cinnamon" || lower == u"cinnamon") return {Source::cinnamon, Source::gnome};
        if (lower == u"mate") return {Source::mate, Source::gnome};
        if (lower == u"xfce") return {Source::xfce};
        if (lower == u"kde") return {Source::plasma};
    }
    // An unknown desktop: a desktop's own files are a better hint than GNOME's schemas, which are
    // installed on many systems that never run GNOME.
    return {Source::xfce, Source::plasma, Source::gnome, Source::cinnamon, Source::mate};
}

bool desktopShowsSchemaDefaults(const QString& currentDesktop) {
    // A desktop recognised above asks its own schema first; an unknown one starts with XFCE's file.
    const Source first = sourcesFor(currentDesktop).front();
    return first == Source::gnome || first == Source::cinnamon || first == Source::mate;
}

std::optional<QString> localPath(const QString& uriOrPath) {
    const QString text = uriOrPath.trimmed();
    if (text.startsWith(u'/')) return QDir::cleanPath(text);
    if (!text.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) return std::nullopt;
    const QUrl url(text, QUrl::TolerantMode);
    if (!url.isValid() || !url.isLocalFile()) return std::nullopt;
    if (!url.host().isEmpty() && url.host().compare(u"localhost", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QString path = url.path(QUrl::FullyDecoded);
    if (!path.startsWith(u'/')) return std::nullopt;
    return QDir::cleanPath(path);
}

std::optional<QString> xfceLastImage(const QByteArray& xml, const QString& connector) {
    // Every property with a value, by its path ("/backdrop/screen0/monitorHDMI-1/...").
    QHash<QString, QString> values;
    QStringList lastImages;  // paths of the last-image properties, in file order
    QStringList path;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && reader.name() == u"property") {
            const auto attributes = reader.attributes();
            path << attributes.value(QStringLiteral("name")).toString();
            if (attributes.hasAttribute(QStringLiteral("value"))) {
                const QString key = u'/' + path.join(u'/');
                values.insert(key, attributes.value(QStringLiteral("value")).toString());
                if (path.last() == u"last-image") lastImages << key;
            }
        } else if (token == QXmlStreamReader::EndElement && reader.name() == u"property") {
            if (!path.isEmpty()) path.removeLast();
        }
    }
    if (reader.hasError()) return std::nullopt;

    int workspace = 0;
    if (values.value(QStringLiteral("/backdrop/single-workspace-mode")) == u"true")
        workspace = values.value(QStringLiteral("/backdrop/single-workspace-number")).toInt();
    const QString workspaceSuffix = QStringLiteral("/workspace%1/last-image").arg(workspace);

    QString chosen = QStringLiteral("/backdrop/screen0/monitor") + connector + workspaceSuffix;
    if (connector.isEmpty() || !values.contains(chosen)) {
        chosen.clear();
        for (const QString& key : lastImages)
            if (key.endsWith(workspaceSuffix)) { chosen = key; break; }
        if (chosen.isEmpty() && !lastImages.isEmpty()) chosen = lastImages.first();
    }
    if (chosen.isEmpty()) return std::nullopt;
    const QString folder = chosen.left(chosen.lastIndexOf(u'/'));
    if (values.value(folder + QStringLiteral("/image-style")) == u"0") return std::nullopt;  // "None"
    return nonEmpty(values.value(chosen));
}

std::optional<int> plasmaScreenNumber(const QString& shellrc, const QString& connector) {
    if (connector.isEmpty()) return std::nullopt;
    const KdeConfig config = parseKdeConfig(shellrc);
    const auto* group = config.find({QStringLiteral("ScreenConnectors")});
    if (!group) return std::nullopt;
    for (auto it = group->entries.begin(); it != group->entries.end(); ++it) {
        bool ok = false;
        const int number = it.key().toInt(&ok);
        if (ok && it.value() == connector) return number;
    }
    return std::nullopt;
}

QString plasmaCurrentActivity(const QString& activitiesrc) {
    const KdeConfig config = parseKdeConfig(activitiesrc);
    const auto* group = config.find({QStringLiteral("main")});
    return group ? group->entries.value(QStringLiteral("currentActivity")) : QString();
}

std::optional<QString> plasmaImage(const QString& appletsrc, std::optional<int> screen,
                                   const QString& activity) {
    const KdeConfig config = parseKdeConfig(appletsrc);
    // Desktop containments belong to an activity; panels belong to none (they name a wallpaper
    // plugin too, which they never show).
    std::vector<const KdeConfig::Group*> desktops;
    for (const auto& group : config.groups) {
        if (group.path.size() != 2 || group.path[0] != u"Containments") continue;
        if (group.entries.value(QStringLiteral("activityId")).isEmpty() ||
            group.entries.value(QStringLiteral("plugin")) == u"org.kde.panel")
            continue;
        desktops.push_back(&group);
    }
    auto screenOf = [](const KdeConfig::Group* group) -> std::optional<int> {
        for (const char* key : {"lastScreen", "screen"}) {
            bool ok = false;
            const int number = group->entries.value(QString::fromLatin1(key)).toInt(&ok);
            if (ok) return number;
        }
        return std::nullopt;
    };
    const KdeConfig::Group* chosen = nullptr;
    if (screen) {
        for (const auto* group : desktops) {
            if (screenOf(group) != screen) continue;
            if (!chosen) chosen = group;
            if (!activity.isEmpty() && group->entries.value(QStringLiteral("activityId")) == activity) {
                chosen = group;
                break;
            }
        }
    }
    if (!chosen && !desktops.empty()) chosen = desktops.front();
    if (!chosen) return std::nullopt;

    const QString plugin = chosen->entries.value(QStringLiteral("wallpaperplugin"), QStringLiteral("org.kde.image"));
    if (plugin != u"org.kde.image") return std::nullopt;  // a slideshow, a plain colour, a picture of the day
    const auto* general = config.find({chosen->path[0], chosen->path[1], QStringLiteral("Wallpaper"),
                                       plugin, QStringLiteral("General")});
    if (!general) return std::nullopt;
    return nonEmpty(general->entries.value(QStringLiteral("Image")));
}

}  // namespace desktop_pictures

namespace {

using desktop_pictures::Source;

// Configuration files are a few kilobytes; anything far larger is not one and is not read.
constexpr qint64 maxConfigBytes = 4 * 1024 * 1024;

std::optional<QByteArray> readConfig(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxConfigBytes) return std::nullopt;
    return file.read(maxConfigBytes);
}


// GSettings' backend watches for changes over GLib's shared session-bus connection, which by
// default ends the whole process when the bus goes away. The program outlives its bus: the
// connection only closes, and the next lookup makes a new one once a bus is back. Asked without
// waiting, so a bus that does not answer cannot hold up the caller.
void keepRunningIfTheBusCloses() {
    g_bus_get(G_BUS_TYPE_SESSION, nullptr, [](GObject*, GAsyncResult* result, gpointer) {
        if (GDBusConnection* bus = g_bus_get_finish(result, nullptr)) {
            g_dbus_connection_set_exit_on_close(bus, FALSE);
            g_object_unref(bus);
        }
    }, nullptr);
}

template <class T, void (*Free)(T*)>
struct GFree {
    void operator()(T* p) const {
        if (p) Free(p);
    }
};
using SchemaSourcePtr = std::unique_ptr<GSettingsSchemaSource, GFree<GSettingsSchemaSource, g_settings_schema_source_unref>>;
using SchemaPtr = std::unique_ptr<GSettingsSchema, GFree<GSettingsSchema, g_settings_schema_unref>>;
using SchemaKeyPtr = std::unique_ptr<GSettingsSchemaKey, GFree<GSettingsSchemaKey, g_settings_schema_key_unref>>;
void unrefObject(GSettings* settings) { g_object_unref(settings); }
using SettingsPtr = std::unique_ptr<GSettings, GFree<GSettings, unrefObject>>;

// One schema of the schema source, opened only when it is installed, so that a missing schema is an
// answer ("not here") instead of the abort GSettings gives for unknown schemas.
class SchemaReader {
public:
    SchemaReader(GSettingsSchemaSource* source, const char* id) {
        if (!source) return;
        m_schema.reset(g_settings_schema_source_lookup(source, id, TRUE));
        if (m_schema) m_settings.reset(g_settings_new_full(m_schema.get(), nullptr, nullptr));
    }
    bool present() const { return bool(m_settings); }

    // The text of a string (or enumerated) key; nothing when the key is absent or of another type,
    // or, with `userSetOnly`, when nobody set it and it holds the schema's default.
    std::optional<QString> string(const char* key, bool userSetOnly = false) const {
        if (!m_settings || !g_settings_schema_has_key(m_schema.get(), key)) return std::nullopt;
        const SchemaKeyPtr schemaKey(g_settings_schema_get_key(m_schema.get(), key));
        if (!g_variant_type_equal(g_settings_schema_key_get_value_type(schemaKey.get()), G_VARIANT_TYPE_STRING))
            return std::nullopt;
        if (userSetOnly) {
            GVariant* set = g_settings_get_user_value(m_settings.get(), key);
            if (!set) return std::nullopt;
            QString text = QString::fromUtf8(g_variant_get_string(set, nullptr));
            g_variant_unref(set);
            return text;
        }
        gchar* value = g_settings_get_string(m_settings.get(), key);
        QString text = QString::fromUtf8(value);
        g_free(value);
        return text;
    }

private:
    SchemaPtr m_schema;
    SettingsPtr m_settings;
};

struct Answer {
    bool present = false;  // the place exists, so its answer stands
    std::optional<QString> location;
};

// `defaultsShown`: the schema's own desktop runs, so a picture nobody chose is still the one on
// screen. Elsewhere the schema is only installed, and just what someone set there counts.
Answer fromSchema(GSettingsSchemaSource* source, Source kind, bool defaultsShown) {
    const char* id = kind == Source::cinnamon ? "org.cinnamon.desktop.background"
                     : kind == Source::mate   ? "org.mate.background"
                                              : "org.gnome.desktop.background";
    const SchemaReader background(source, id);
    if (!background.present()) return {};
    const bool userSetOnly = !defaultsShown;
    if (!defaultsShown && !background.string("picture-uri", true) && !background.string("picture-uri-dark", true) &&
        !background.string("picture-filename", true))
        return {};
    if (background.string("picture-options", userSetOnly) == u"none") return {true, std::nullopt};
    if (kind == Source::mate) return {true, background.string("picture-filename", userSetOnly)};

    if (kind == Source::gnome) {
        const SchemaReader interface(source, "org.gnome.desktop.interface");
        if (interface.string("color-scheme") == u"prefer-dark") {
            const auto dark = background.string("picture-uri-dark", userSetOnly);
            if (dark && !dark->isEmpty()) return {true, dark};
        }
    }
    return {true, background.string("picture-uri", userSetOnly)};
}

}  // namespace

DesktopPictureSources DesktopPictureSources::inConfigHome(const QString& configHome,
                                                          const QString& currentDesktop) {
    DesktopPictureSources sources;
    sources.currentDesktop = currentDesktop;
    sources.xfceDesktopXml = configHome + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xfce4-desktop.xml");
    sources.plasmaAppletsrc = configHome + QStringLiteral("/plasma-org.kde.plasma.desktop-appletsrc");
    sources.plasmaShellrc = configHome + QStringLiteral("/plasmashellrc");
    sources.plasmaActivitiesrc = configHome + QStringLiteral("/kactivitymanagerdrc");
    return sources;
}

DesktopPictureSources DesktopPictureSources::fromEnvironment() {
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.startsWith(u'/')) configHome = QDir::homePath() + QStringLiteral("/.config");
    return inConfigHome(configHome, qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
}

LinuxDesktopPictures::LinuxDesktopPictures(DesktopPictureSources sources) : m_sources(std::move(sources)) {}

std::optional<std::string> LinuxDesktopPictures::location(const std::string& screenName) {
    namespace dp = desktop_pictures;
    const QString connector = QString::fromStdString(screenName);

    SchemaSourcePtr ownSource;
    GSettingsSchemaSource* schemaSource = nullptr;  // looked up only when a schema is asked for
    bool schemaSourceOpened = false;
    auto schemas = [&]() -> GSettingsSchemaSource* {
        if (schemaSourceOpened) return schemaSource;
        schemaSourceOpened = true;
        keepRunningIfTheBusCloses();
        if (m_sources.schemaDirectory.isEmpty()) {
            schemaSource = g_settings_schema_source_get_default();  // may be null: no schemas at all
        } else {
            GError* error = nullptr;
            ownSource.reset(g_settings_schema_source_new_from_directory(
                QFile::encodeName(m_sources.schemaDirectory).constData(), nullptr, FALSE, &error));
            if (error) g_error_free(error);
            schemaSource = ownSource.get();
        }
        return schemaSource;
    };

    for (const Source source : dp::sourcesFor(m_sources.currentDesktop)) {
        Answer answer;
        switch (source) {
        case Source::gnome:
        case Source::cinnamon:
        case Source::mate:
            answer = fromSchema(schemas(), source, dp::desktopShowsSchemaDefaults(m_sources.currentDesktop));
            break;
        case Source::xfce:
            if (const auto xml = readConfig(m_sources.xfceDesktopXml))
                answer = {true, dp::xfceLastImage(*xml, connector)};
            break;
        case Source::plasma:
            if (const auto appletsrc = readConfig(m_sources.plasmaAppletsrc)) {
                const auto shellrc = readConfig(m_sources.plasmaShellrc);
                const auto activities = readConfig(m_sources.plasmaActivitiesrc);
                const auto screen =
                    shellrc ? dp::plasmaScreenNumber(QString::fromUtf8(*shellrc), connector) : std::nullopt;
                const QString activity =
                    activities ? dp::plasmaCurrentActivity(QString::fromUtf8(*activities)) : QString();
                answer = {true, dp::plasmaImage(QString::fromUtf8(*appletsrc), screen, activity)};
            }
            break;
        }
        if (!answer.present) continue;
        if (!answer.location) return std::nullopt;
        const auto path = dp::localPath(*answer.location);
        if (!path) return std::nullopt;
        return path->toStdString();
    }
    return std::nullopt;
}

}  // namespace tarnwick
