#include "platform/imaging/linux_desktop_pictures.hpp"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace tarnwick {
namespace {

namespace dp = desktop_pictures;

const QString fixtures = QStringLiteral(TARNWICK_IMAGING_FIXTURES);
const QString schemas = QStringLiteral(TARNWICK_IMAGING_SCHEMAS);

std::string text(const std::optional<std::string>& location) { return location.value_or("(nothing)"); }
std::string text(const std::optional<QString>& location) {
    return location ? location->toStdString() : "(nothing)";
}

TEST(DesktopPictureSources, FollowTheDesktopInUse) {
    using S = dp::Source;
    const std::vector<S> unknown{S::xfce, S::plasma, S::gnome, S::cinnamon, S::mate};
    struct Case {
        const char* desktop;
        std::vector<S> expected;
    } cases[] = {
        {"GNOME", {S::gnome}},
        {"Budgie:GNOME", {S::gnome}},
        {"X-Cinnamon", {S::cinnamon, S::gnome}},
        {"MATE", {S::mate, S::gnome}},
        {"XFCE", {S::xfce}},
        {"KDE", {S::plasma}},
        {"i3", unknown},
        {"", unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.desktop);
        EXPECT_EQ(dp::sourcesFor(QString::fromLatin1(c.desktop)), c.expected);
    }
}

TEST(DesktopPictureLocation, FileUrisBecomeDecodedPaths) {
    struct Case {
        const char* in;
        std::optional<QString> out;
    } cases[] = {
        {"/home/ann/a.png", QStringLiteral("/home/ann/a.png")},
        {"file:///home/ann/My%20Pictures/caf%C3%A9.jpg", QStringLiteral("/home/ann/My Pictures/café.jpg")},
        {"file:///home/ann/unencoded name.jpg", QStringLiteral("/home/ann/unencoded name.jpg")},
        {"file://localhost/srv/a.png", QStringLiteral("/srv/a.png")},
        {"file:///srv/100%25.png", QStringLiteral("/srv/100%.png")},
        {"  /srv/padded.png\n", QStringLiteral("/srv/padded.png")},
        {"file://fileserver/share/a.png", std::nullopt},
        {"https://example.invalid/a.png", std::nullopt},
        {"Pictures/a.png", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(text(dp::localPath(QString::fromUtf8(c.in))), text(c.out));
    }
}

TEST(XfceDesktopPicture, IsTheMonitorsLastImage) {
    LinuxDesktopPictures pictures(DesktopPictureSources::inConfigHome(fixtures + QStringLiteral("/xfce"), QStringLiteral("XFCE")));
    struct Case {
        const char* screen;
        std::optional<std::string> expected;
    } cases[] = {
        {"HDMI-1", "/home/ann/Pictures/Lake & Hills.jpg"},
        {"eDP-1", "/home/ann/Pictures/café.webp"},
        {"DP-2", std::nullopt},  // backdrop style "None"
        {"VGA-7", "/usr/share/backgrounds/xfce/xfce-shapes.svg"},  // unknown: the first monitor's
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        EXPECT_EQ(text(pictures.location(c.screen)), text(c.expected));
    }
}

TEST(XfceDesktopPicture, ReadsTheSingleWorkspaceAndSurvivesBadFiles) {
    const QByteArray singleWorkspace = R"(<channel name="xfce4-desktop" version="1.0">
  <property name="backdrop" type="empty">
    <property name="single-workspace-mode" type="bool" value="true"/>
    <property name="single-workspace-number" type="int" value="2"/>
    <property name="screen0" type="empty">
      <property name="monitorHDMI-1" type="empty">
        <property name="workspace0" type="empty"><property name="last-image" type="string" value="/w0.png"/></property>
        <property name="workspace2" type="empty"><property name="last-image" type="string" value="/w2.png"/></property>
      </property>
    </property>
  </property>
</channel>)";
    struct Case {
        const char* name;
        QByteArray xml;
        const char* screen;
        std::optional<QString> expected;
    } cases[] = {
        {"single workspace mode", singleWorkspace, "HDMI-1", QStringLiteral("/w2.png")},
        {"cut short", singleWorkspace.left(300), "HDMI-1", std::nullopt},
        {"not XML", "\x89PNG\r\n", "HDMI-1", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text(dp::xfceLastImage(c.xml, QString::fromLatin1(c.screen))), text(c.expected));
    }
}

TEST(PlasmaDesktopPicture, IsTheImageOfTheScreensContainmentInTheCurrentActivity) {
    LinuxDesktopPictures pictures(
        DesktopPictureSources::inConfigHome(fixtures + QStringLiteral("/plasma"), QStringLiteral("KDE")));
    struct Case {
        const char* screen;
        std::optional<std::string> expected;
    } cases[] = {
        {"eDP-1", "/home/ann/Pictures/Work Desk.jpg"},   // screen 0 has one containment per activity
        {"HDMI-1", "/home/ann/Pictures/Big Sky.png"},    // screen 1 only in the other activity
        {"DP-3", std::nullopt},                          // a slideshow
        {"Unknown-1", "/home/ann/Pictures/first-activity.jpg"},  // the first desktop containment
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        EXPECT_EQ(text(pictures.location(c.screen)), text(c.expected));
    }
}

TEST(DesktopPictureLookup, UnknownDesktopAsksTheDesktopWhoseFilesArePresent) {
    struct Case {
        const char* configHome;
        std::optional<std::string> expected;
    } cases[] = {
        {"/xfce", "/usr/share/backgrounds/xfce/xfce-shapes.svg"},
        {"/plasma", "/home/ann/Pictures/first-activity.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.configHome);
        auto sources = DesktopPictureSources::inConfigHome(fixtures + QString::fromLatin1(c.configHome), QStringLiteral("i3"));
        sources.schemaDirectory = schemas + QStringLiteral("/none");  // no GSettings schemas at all
        EXPECT_EQ(text(LinuxDesktopPictures(sources).location("Unknown-1")), text(c.expected));
    }
}

// GNOME and its relatives, through compiled test schemas and GSettings' memory backend.
class GSettingsDesktopPicture : public testing::Test {
protected:
    void SetUp() override {
        GError* error = nullptr;
        m_source = g_settings_schema_source_new_from_directory(
            QFile::encodeName(schemas + QStringLiteral("/full")).constData(), nullptr, TRUE, &error);
        ASSERT_NE(m_source, nullptr) << (error ? error->message : "");
        resetAll();
    }

    // Every key back to its default; the memory backend outlives each test.
    void resetAll() {
        for (const char* id : {"org.gnome.desktop.background", "org.gnome.desktop.interface",
                               "org.cinnamon.desktop.background", "org.mate.background"}) {
            GSettingsSchema* schema = g_settings_schema_source_lookup(m_source, id, FALSE);
            ASSERT_NE(schema, nullptr) << id;
            GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
            gchar** keys = g_settings_schema_list_keys(schema);
            for (gchar** key = keys; *key; ++key) g_settings_reset(settings, *key);
            g_strfreev(keys);
            g_object_unref(settings);
            g_settings_schema_unref(schema);
        }
    }
    void TearDown() override {
        if (m_source) g_settings_schema_source_unref(m_source);
    }

    void set(const char* id, const char* key, const char* value) {
        GSettingsSchema* schema = g_settings_schema_source_lookup(m_source, id, FALSE);
        GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
        EXPECT_TRUE(g_settings_set_string(settings, key, value)) << id << " " << key;
        g_object_unref(settings);
        g_settings_schema_unref(schema);
    }

    static std::optional<std::string> lookUp(const char* desktop, const char* schemaSet) {
        DesktopPictureSources sources;
        sources.currentDesktop = QString::fromLatin1(desktop);
        sources.schemaDirectory = schemas + u'/' + QString::fromLatin1(schemaSet);
        return LinuxDesktopPictures(sources).location("HDMI-1");
    }

    GSettingsSchemaSource* m_source = nullptr;
};

TEST_F(GSettingsDesktopPicture, GnomeTakesTheDarkPictureWhenDarkIsPreferred) {
    struct Setting {
        const char* key;
        const char* value;
    };
    struct Case {
        const char* name;
        std::vector<Setting> background, interface;
        std::optional<std::string> expected;
    } cases[] = {
        {"defaults", {}, {}, "/usr/share/backgrounds/gnome/adwaita-l.jpg"},
        {"an encoded URI", {{"picture-uri", "file:///home/ann/My%20Pictures/dune.jpg"}}, {}, "/home/ann/My Pictures/dune.jpg"},
        {"a plain path", {{"picture-uri", "/srv/pictures/a.png"}}, {}, "/srv/pictures/a.png"},
        {"prefers dark", {{"picture-uri-dark", "file:///d.png"}}, {{"color-scheme", "prefer-dark"}}, "/d.png"},
        {"prefers dark, no dark picture", {{"picture-uri-dark", ""}, {"picture-uri", "file:///l.png"}},
         {{"color-scheme", "prefer-dark"}}, "/l.png"},
        {"prefers light", {{"picture-uri-dark", "file:///d.png"}, {"picture-uri", "file:///l.png"}},
         {{"color-scheme", "prefer-light"}}, "/l.png"},
        {"picture switched off", {{"picture-options", "none"}}, {}, std::nullopt},
        {"no picture", {{"picture-uri", ""}}, {}, std::nullopt},
        {"a web address", {{"picture-uri", "https://example.invalid/a.png"}}, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetAll();
        for (const Setting& s : c.background) set("org.gnome.desktop.background", s.key, s.value);
        for (const Setting& s : c.interface) set("org.gnome.desktop.interface", s.key, s.value);
        EXPECT_EQ(text(lookUp("GNOME", "full")), text(c.expected));
    }
}

TEST_F(GSettingsDesktopPicture, RelativesUseTheirOwnSchemaWherePresent) {
    set("org.gnome.desktop.background", "picture-uri", "file:///gnome.png");
    set("org.cinnamon.desktop.background", "picture-uri", "file:///cinnamon.png");
    set("org.mate.background", "picture-filename", "/mate.png");
    struct Case {
        const char* desktop;
        const char* schemaSet;
        std::optional<std::string> expected;
    } cases[] = {
        {"X-Cinnamon", "full", "/cinnamon.png"},
        {"X-Cinnamon", "gnome-only", "/gnome.png"},
        {"MATE", "full", "/mate.png"},
        {"MATE", "gnome-only", "/gnome.png"},
        {"Budgie:GNOME", "full", "/gnome.png"},
        {"GNOME", "none", std::nullopt},  // no schemas installed: no picture, and no abort
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.desktop << " with " << c.schemaSet);
        EXPECT_EQ(text(lookUp(c.desktop, c.schemaSet)), text(c.expected));
    }
}

}  // namespace
}  // namespace tarnwick
