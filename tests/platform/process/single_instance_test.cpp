#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "platform/process/single_instance.hpp"

using namespace tarnwick;

TEST(SingleInstance, ASecondStartAsksTheFirstToShowItselfAndGivesWay) {
    QTemporaryDir data;
    SingleInstance first(data.path()), second(data.path());
    EXPECT_FALSE(second.notifyRunning(500)) << "nobody is running yet";
    ASSERT_EQ(first.claim(), SingleInstance::Claim::claimed);
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });
    EXPECT_EQ(second.claim(), SingleInstance::Claim::heldElsewhere);
    bool answered = false;
    std::thread asker([&] { answered = second.notifyRunning(2000); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return activations == 1; }, 3000));
    asker.join();
    EXPECT_TRUE(answered);
}

TEST(SingleInstance, ALockLeftByACrashedInstanceIsTakenOver) {
    QTemporaryDir data;
    const pid_t child = fork();
    if (child == 0) _exit((new QLockFile(data.path() + "/tarnwick.lock"))->tryLock(0) ? 0 : 1);  // dies holding it
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(data.path() + "/tarnwick.lock"));
    EXPECT_EQ(SingleInstance(data.path()).claim(), SingleInstance::Claim::claimed);
}

TEST(SingleInstance, AFolderThatCannotBeMadeIsNotTakenForAnotherInstance) {
    QTemporaryDir temp;
    QFile inTheWay(temp.path() + "/file");
    ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
    for (const QString& folder : {temp.path() + "/file", temp.path() + "/file/Tarnwick"}) {
        SCOPED_TRACE(folder.toStdString());
        SingleInstance instance(folder);
        EXPECT_EQ(instance.claim(), SingleInstance::Claim::unavailable);
        EXPECT_FALSE(instance.lockProblem().isEmpty());
        EXPECT_FALSE(QFileInfo(folder).isDir());
    }
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
