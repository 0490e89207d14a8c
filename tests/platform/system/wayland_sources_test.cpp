// What Wayland compositors tell without Qt's Wayland platform: sway's IPC framing, its tree's
// full-screen front window and the command that takes a break back, and the XWayland display a
// GNOME session starts on demand.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/sway/sway_focus.hpp"
#include "platform/sway/sway_fullscreen.hpp"
#include "platform/sway/sway_layout.hpp"
#include "platform/sway/sway_idle_inhibitors.hpp"
#include "platform/xwayland_wait.hpp"

using namespace tarnwick;

TEST(SwayIpc, RepliesAreTakenWholeInOrderAndGarbageIsDropped) {
    QByteArray stream = swayIpcMessage(swayGetTree, "{\"a\":1}") + swayIpcMessage(7, "[]");
    EXPECT_EQ(stream.left(6), "i3-ipc");
    EXPECT_EQ(stream.size(), 14 + 7 + 14 + 2);

    // Byte by byte: nothing until a whole reply is in, then each in turn.
    QByteArray buffer;
    std::vector<SwayIpcReply> replies;
    for (char byte : stream) {
        buffer.append(byte);
        while (auto reply = takeSwayIpcReply(buffer)) replies.push_back(*reply);
    }
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0].type, swayGetTree);
    EXPECT_EQ(replies[0].payload, "{\"a\":1}");
    EXPECT_EQ(replies[1].type, 7u);
    EXPECT_TRUE(buffer.isEmpty());

    bool bad = false;
    QByteArray garbage("i3-ipX00000000");
    EXPECT_FALSE(takeSwayIpcReply(garbage, &bad));
    EXPECT_TRUE(bad);
    EXPECT_TRUE(garbage.isEmpty());
    // A length no tree could have is not waited for.
    QByteArray huge = swayIpcMessage(4).left(6) + QByteArray("\xff\xff\xff\x7f\x04\0\0\0", 8);
    EXPECT_FALSE(takeSwayIpcReply(huge, &bad));
    EXPECT_TRUE(bad);
}

namespace {

// A tree with one output and workspace; `windows` are its cons' JSON.
QByteArray tree(const QString& windows, bool workspaceFocused = false) {
    return QStringLiteral(R"({"type":"root","focused":false,"nodes":[
        {"type":"output","name":"__i3","focused":false,"nodes":[]},
        {"type":"output","name":"HEADLESS-1","focused":false,"nodes":[
          {"type":"workspace","name":"1","focused":%1,"fullscreen_mode":0,"nodes":[%2],"floating_nodes":[]}]}]})")
        .arg(workspaceFocused ? "true" : "false", windows)
        .toUtf8();
}

QString view(int pid, bool focused, int fullscreen) {
    return QStringLiteral(R"({"type":"con","pid":%1,"focused":%2,"fullscreen_mode":%3,"nodes":[]})")
        .arg(pid)
        .arg(focused ? "true" : "false")
        .arg(fullscreen);
}

}  // namespace

TEST(SwayTree, OnlyAFocusedFullScreenWindowOfAnotherProgramCounts) {
    const qint64 own = 100;
    struct Case {
        const char* name;
        QByteArray json;
        std::optional<bool> expected;
    } cases[] = {
        {"focused, full screen on its output", tree(view(200, true, 1)), true},
        {"focused, full screen on every output", tree(view(200, true, 2)), true},
        {"focused, not full screen", tree(view(200, true, 0)), false},
        {"full screen but another window has the focus", tree(view(200, false, 1) + "," + view(300, true, 0)), false},
        {"this program's own window", tree(view(own, true, 1)), false},
        {"a window inside a full-screen split",
         tree(QStringLiteral(R"({"type":"con","fullscreen_mode":1,"focused":false,"nodes":[%1]})").arg(view(200, true, 0))),
         true},
        {"a focused empty workspace", tree({}, true), false},
        {"a floating full-screen window",
         QStringLiteral(R"({"type":"root","nodes":[{"type":"output","nodes":[{"type":"workspace","nodes":[],
             "floating_nodes":[{"type":"floating_con","pid":200,"focused":true,"fullscreen_mode":1}]}]}]})")
             .toUtf8(),
         true},
        {"nothing focused", tree(view(200, false, 1)), false},
        {"not JSON", "{\"nodes\":", std::nullopt},
        {"not a tree", "[1,2]", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(swayFocusIsFullscreen(c.json, own), c.expected) << c.name;
}

TEST(SwayFullscreenSource, WithoutASocketItIsNotAvailableAndAnswersNo) {
    SwayFullscreen missing(QStringLiteral("/nonexistent/sway-ipc.sock"));
    EXPECT_FALSE(missing.available());
    EXPECT_FALSE(missing.frontWindowIsFullscreen());
}

TEST(SwayTakeBack, EveryBreakWindowGoesBackToFullScreenBeforeTheMainOneIsFocused) {
    EXPECT_EQ(swayTakeBackCommand({4194310, 4194320}, 4194310),
              "[id=4194310] fullscreen enable; [id=4194320] fullscreen enable; [id=4194310] focus");
    EXPECT_EQ(swayTakeBackCommand({0, 7}, 7), "[id=7] fullscreen enable; [id=7] focus") << "a window not made yet";
    EXPECT_EQ(swayTakeBackCommand({7}, 0), "") << "nothing to focus";
    EXPECT_FALSE(swayTakeBack({7}, 7, 50, QStringLiteral("/nonexistent/sway-ipc.sock")));

    // sway answers one result for each command: taken back only when every one succeeded.
    EXPECT_TRUE(swayCommandsSucceeded(R"([{"success":true},{"success":true}])"));
    EXPECT_FALSE(swayCommandsSucceeded(R"([{"success":true},{"success":false,"error":"No matching node."}])"));
    EXPECT_FALSE(swayCommandsSucceeded("[]"));
    EXPECT_FALSE(swayCommandsSucceeded(R"({"success":true})"));
    EXPECT_FALSE(swayCommandsSucceeded("not json"));

    // A popup's frame: its size first, since sway centres a window whose size changes.
    EXPECT_EQ(swayPlaceCommand(4194310, QRect(1616, 27, 304, 326)),
              "[id=4194310] resize set width 304 px height 326 px; [id=4194310] move absolute position 1616 27");
}

TEST(SwayTree, AnyWindowWithItsIdleInhibitorInForceInhibits) {
    const struct {
        const char* name;
        QByteArray json;
        std::optional<bool> expected;
    } cases[] = {
        {"none", R"({"nodes":[{"type":"workspace","nodes":[{"type":"con","inhibit_idle":false}]}]})", false},
        {"a tiled window deep down",
         R"({"nodes":[{"type":"output","nodes":[{"type":"workspace","nodes":[{"type":"con","nodes":[)"
         R"({"type":"con","inhibit_idle":false},{"type":"con","inhibit_idle":true}]}]}]}]})",
         true},
        {"a floating window on a workspace out of sight",
         R"({"nodes":[{"type":"workspace","nodes":[],)"
         R"("floating_nodes":[{"type":"floating_con","inhibit_idle":true}]}]})",
         true},
        {"a sway without the field", R"({"nodes":[{"type":"con"}]})", false},
        {"not a tree", "[]", std::nullopt},
        {"cut short", R"({"nodes":[{"inhibit_idle":true)", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(swayTreeInhibitsIdle(c.json), c.expected) << c.name;
}

TEST(SwayIdleInhibitorsSource, WithoutSwayItGivesUpAtOnceAndHoldsNothing) {
    SwayIdleInhibitors missing(QStringLiteral("/nonexistent/sway-ipc.sock"));
    missing.ask();
    EXPECT_FALSE(missing.awaitingReply());
    EXPECT_FALSE(missing.answering());
    EXPECT_FALSE(missing.inhibited());
}

TEST(XWaylandDisplay, TheUsersOwnNewestXSocketIsTheDisplay) {
    const uid_t me = 1000;
    using E = XSocketEntry;
    EXPECT_EQ(xwaylandDisplayFrom({{"X0", 0, 10, true}, {"X1", me, 5, true}}, me), QString(":1"));
    EXPECT_EQ(xwaylandDisplayFrom({{"X0", me, 10, true}, {"X2", me, 20, true}}, me), QString(":2"));
    // Another user's server, a lock file, a name that is not a display, a plain file: none.
    EXPECT_EQ(xwaylandDisplayFrom({E{"X0", 0, 10, true}, E{"X1", 1001, 10, true}, E{"X1-lock", me, 10, true},
                                   E{"Xa", me, 10, true}, E{"X3", me, 10, false}, E{"X", me, 10, true}},
                                  me),
              std::nullopt);
}

namespace {
int answersAsked = 0;
bool answersOnThirdAsk(const QString&) { return ++answersAsked >= 3; }
bool neverAnswers(const QString&) { return false; }
}  // namespace

TEST(XWaylandDisplay, AStartBeforeXWaylandWaitsForItsSocketAndItsAnswer) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // No socket yet: waits out the limit and finds none.
    EXPECT_EQ(waitForXWayland(std::chrono::milliseconds(300), neverAnswers, folder.path()), std::nullopt);

    const QString path = folder.path() + QStringLiteral("/X7");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()) + 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    // The socket is there but the server answers only on the third try.
    answersAsked = 0;
    EXPECT_EQ(waitForXWayland(std::chrono::seconds(5), answersOnThirdAsk, folder.path()), QString(":7"));
    EXPECT_EQ(answersAsked, 3);
    ::close(listener);
}

TEST(XWaylandDisplay, OnlyAListeningCompositorIsWaitedFor) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    EXPECT_FALSE(waylandSocketExists(QStringLiteral("wayland-0"), runtime.path()));
    QFile plain(runtime.path() + QStringLiteral("/wayland-1"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    EXPECT_FALSE(waylandSocketExists(QStringLiteral("wayland-1"), runtime.path())) << "a plain file is no compositor";

    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(runtime.path() + QStringLiteral("/wayland-0"));
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()) + 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_TRUE(waylandSocketExists(QStringLiteral("wayland-0"), runtime.path()));
    EXPECT_TRUE(waylandSocketExists(QString(), runtime.path())) << "an unset name is wayland-0";
    EXPECT_TRUE(waylandSocketExists(QString::fromLocal8Bit(path), QString())) << "a path needs no runtime folder";
    EXPECT_FALSE(waylandSocketExists(QStringLiteral("wayland-0"), QString())) << "a name needs the runtime folder";
    ::close(listener);
}

TEST(XWaylandDisplay, MuttersCookieFileOfThisUserIsTheAuthority) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    EXPECT_EQ(xwaylandAuthorityIn(runtime.path(), ::geteuid()), std::nullopt);
    EXPECT_EQ(xwaylandAuthorityIn(QString(), ::geteuid()), std::nullopt);
    for (const char* name : {".mutter-Xwaylandauth.AB12CD", "Xwaylandauth.other"}) {
        QFile file(runtime.path() + u'/' + QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QDir(runtime.path()).mkdir(QStringLiteral(".mutter-Xwaylandauth.folder"));
    EXPECT_EQ(xwaylandAuthorityIn(runtime.path(), ::geteuid()), runtime.path() + "/.mutter-Xwaylandauth.AB12CD");
    EXPECT_EQ(xwaylandAuthorityIn(runtime.path(), ::geteuid() + 1), std::nullopt) << "another user's file";
}
