// What programs find on the virtual desktop of scripts/with-desktop: two screens side by side for
// Qt, an EWMH window manager and a system tray. Run inside with-desktop.

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QScreen>
#include <QSystemTrayIcon>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

namespace {

struct XcbDeleter {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using Connection = std::unique_ptr<xcb_connection_t, XcbDeleter>;

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

class X11 : public testing::Test {
protected:
    void SetUp() override {
        m_connection.reset(xcb_connect(nullptr, nullptr));
        ASSERT_EQ(xcb_connection_has_error(m_connection.get()), 0) << "cannot reach the X server";
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection.get())).data->root;
    }

    xcb_atom_t atom(const char* name) {
        auto* c = m_connection.get();
        Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    std::optional<xcb_window_t> windowProperty(xcb_window_t window, const char* name) {
        auto* c = m_connection.get();
        Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(c, xcb_get_property(c, 0, window, atom(name), XCB_ATOM_WINDOW, 0, 1), nullptr),
            &std::free);
        if (!reply || xcb_get_property_value_length(reply.get()) != 4) {
            return std::nullopt;
        }
        return *static_cast<xcb_window_t*>(xcb_get_property_value(reply.get()));
    }

    std::string textProperty(xcb_window_t window, const char* name) {
        auto* c = m_connection.get();
        Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(c, xcb_get_property(c, 0, window, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                   nullptr),
            &std::free);
        if (!reply) {
            return {};
        }
        return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                           std::size_t(xcb_get_property_value_length(reply.get())));
    }

    xcb_window_t selectionOwner(const char* name) {
        auto* c = m_connection.get();
        Reply<xcb_get_selection_owner_reply_t> reply(
            xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom(name)), nullptr), &std::free);
        return reply ? reply->owner : xcb_window_t(XCB_WINDOW_NONE);
    }

    Connection m_connection;
    xcb_window_t m_root = XCB_WINDOW_NONE;
};

TEST(DesktopScreens, QtSeesTwoScreensSideBySideWithTheLeftOnePrimary) {
    const auto screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    struct Expected { QRect geometry; bool primary; } expected[] = {
        {QRect(0, 0, 1280, 1024), true},
        {QRect(1280, 0, 1280, 1024), false},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.geometry.x());
        const auto* screen = QGuiApplication::screenAt(e.geometry.center());
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(screen->geometry(), e.geometry);
        EXPECT_EQ(screen == QGuiApplication::primaryScreen(), e.primary);
    }
    EXPECT_NE(screens[0]->name(), screens[1]->name());
}

// EWMH: the root names a check window, which names itself and carries the manager's name.
TEST_F(X11, AWindowManagerIsRunning) {
    const auto check = windowProperty(m_root, "_NET_SUPPORTING_WM_CHECK");
    ASSERT_TRUE(check.has_value());
    EXPECT_EQ(windowProperty(*check, "_NET_SUPPORTING_WM_CHECK"), check);
    EXPECT_EQ(textProperty(*check, "_NET_WM_NAME"), "Openbox");
}

TEST_F(X11, TheSystemTrayHasAnOwnerThatQtFinds) {
    EXPECT_NE(selectionOwner("_NET_SYSTEM_TRAY_S0"), xcb_window_t(XCB_WINDOW_NONE));
    EXPECT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
