// sway's full-screen answer against a fake sway on an IPC socket of the test's own.

#include <gtest/gtest.h>

#include <memory>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "asked_often.hpp"
#include "platform/sway/sway_fullscreen.hpp"

using namespace tarnwick;

namespace {

// Answers every GET_TREE with `tree`, after `delayMs`.
struct FakeSway : QObject {
    QLocalServer server;
    QByteArray tree;
    int delayMs = 0, asked = 0;
    explicit FakeSway(const QString& path) {
        server.listen(path);
        QObject::connect(&server, &QLocalServer::newConnection, this, [this] {
            QLocalSocket* client = server.nextPendingConnection();
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(client, &QLocalSocket::readyRead, client, [this, client, buffer] {
                buffer->append(client->readAll());
                while (auto request = takeSwayIpcReply(*buffer)) {
                    if (request->type != swayGetTree) continue;
                    ++asked;
                    const QByteArray answer = swayIpcMessage(swayGetTree, tree);
                    QTimer::singleShot(delayMs, client, [client, answer] { client->write(answer); });
                }
            });
        });
    }
};

QByteArray treeWith(int fullscreenMode) {
    return QStringLiteral(R"({"type":"root","nodes":[{"type":"output","nodes":[{"type":"workspace","nodes":[
        {"type":"con","pid":7,"focused":true,"fullscreen_mode":%1}]}]}]})")
        .arg(fullscreenMode)
        .toUtf8();
}

}  // namespace

TEST(SwayFullscreenOnSocket, FollowsTheFocusedWindowAndNeverWaitsForALateAnswer) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.path() + QStringLiteral("/sway-ipc.sock");
    FakeSway sway(path);
    sway.tree = treeWith(1);
    SwayFullscreen probe(path);
    ASSERT_TRUE(probe.available());
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe.frontWindowIsFullscreen(); }, 3000)) << "a full-screen video";
    sway.tree = treeWith(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !probe.frontWindowIsFullscreen(); }, 3000)) << "left full screen";

    // Answers later than the budget are dropped; asking never blocks.
    sway.tree = treeWith(1);
    sway.delayMs = 500;
    const int before = sway.asked;
    const AskedOften late = askOften([&] { return probe.frontWindowIsFullscreen(); });
    EXPECT_FALSE(late.ever);
    EXPECT_LT(late.longestMs, SwayFullscreen::answerBudgetMs);
    EXPECT_GE(sway.asked - before, 3) << "it kept asking";

    // sway restarts on the same socket: the probe connects again.
    sway.delayMs = 0;
    sway.server.close();
    QTest::qWait(100);
    ASSERT_TRUE(sway.server.listen(path));
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe.frontWindowIsFullscreen(); }, 4000)) << "after a restart";
}
