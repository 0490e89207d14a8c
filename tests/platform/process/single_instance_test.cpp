#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <QTemporaryDir>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/process/single_instance.hpp"

using namespace tarnwick;

TEST(SingleInstance, ASecondStartAsksTheFirstToShowItselfAndGivesWay) {
    QTemporaryDir data;
    SingleInstance first(data.path());
    ASSERT_TRUE(first.claim());
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });

    SingleInstance second(data.path());
    EXPECT_FALSE(second.claim());
    bool answered = false;
    std::thread asker([&] { answered = second.notifyRunning(2000); });
    QElapsedTimer timer;
    timer.start();
    while (activations == 0 && timer.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    asker.join();
    EXPECT_EQ(activations, 1);
    EXPECT_TRUE(answered);
}

TEST(SingleInstance, NobodyToAskAnswersFalseQuickly) {
    QTemporaryDir data;
    SingleInstance lonely(data.path());
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(lonely.notifyRunning(500));
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST(SingleInstance, ALockLeftByACrashedInstanceIsTakenOver) {
    QTemporaryDir data;
    const pid_t child = fork();
    if (child == 0) {
        // Take the lock and die without releasing it.
        auto* lock = new QLockFile(data.path() + QStringLiteral("/tarnwick.lock"));
        _exit(lock->tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(data.path() + QStringLiteral("/tarnwick.lock")));

    SingleInstance next(data.path());
    EXPECT_TRUE(next.claim());
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
