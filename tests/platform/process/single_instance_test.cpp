#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "platform/process/single_instance.hpp"

using namespace tarnwick;
using namespace std::chrono_literals;
using Start = SingleInstance::Start;

namespace {

// A later start, made and run on its own thread while this thread serves the first instance.
Start startElsewhere(const QString& data, const QString& runtime, std::chrono::milliseconds wait = 5s) {
    std::atomic<bool> done = false;
    Start result = Start::first;
    std::thread starter([&] {
        result = SingleInstance(data, runtime).start(wait);
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, int(3 * wait.count()))) << "the start did not end";
    starter.join();
    return result;
}

// The two places a socket can live: a private runtime folder, or the abstract namespace.
struct Place { const char* name; bool abstract; };
constexpr Place places[] = {{"runtime folder", false}, {"abstract namespace", true}};

}  // namespace

TEST(SingleInstanceEndpoint, OnlyAPrivateRuntimeFolderOfTheUserHoldsTheSocket) {
    const uid_t me = 1000;
    const QString data = QStringLiteral("/home/u/.local/share/Tarnwick");
    struct Case { const char* name; RuntimeFolderFacts runtime; bool inFolder; } cases[] = {
        {"private", {"/run/user/1000", true, me, 0700}, true},
        {"private, trailing slash", {"/run/user/1000/", true, me, 0700}, true},
        {"unset", {"", false, 0, 0}, false},
        {"missing", {"/run/user/1000", false, 0, 0}, false},
        {"relative", {"run/user/1000", true, me, 0700}, false},
        {"another user's", {"/run/user/1001", true, 1001, 0700}, false},
        {"readable by the group", {"/run/user/1000", true, me, 0750}, false},
        {"shared like /tmp", {"/tmp", true, me, 01777}, false},
        {"too long for a socket path", {"/" + QString(100, u'r'), true, me, 0700}, false},
    };
    const InstanceEndpoint reference = instanceEndpoint(data, {"/run/user/1000", true, me, 0700}, me);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const InstanceEndpoint endpoint = instanceEndpoint(data, c.runtime, me);
        EXPECT_EQ(endpoint.abstract, !c.inFolder);
        if (c.inFolder) {
            EXPECT_EQ(endpoint, reference);
            EXPECT_TRUE(endpoint.socketName.startsWith("/run/user/1000/tarnwick-")) << endpoint.socketName.toStdString();
            EXPECT_EQ(QFileInfo(endpoint.guardPath).absolutePath(), "/run/user/1000");
        } else {
            EXPECT_FALSE(endpoint.socketName.contains(u'/')) << endpoint.socketName.toStdString();
            EXPECT_TRUE(endpoint.guardPath.isEmpty());
        }
    }
    // Other users and other data folders get names of their own; no name depends on TMPDIR.
    const InstanceEndpoint abstract = instanceEndpoint(data, {}, me);
    EXPECT_NE(instanceEndpoint(data, {}, 1001).socketName, abstract.socketName);
    EXPECT_NE(instanceEndpoint(data + "2", {}, me).socketName, abstract.socketName);
    qputenv("TMPDIR", "/somewhere/else");
    EXPECT_EQ(instanceEndpoint(data, {}, me), abstract);
    qunsetenv("TMPDIR");
}

TEST(SingleInstanceEndpoint, ListeningAbstractNamesAreReadFromTheSocketTable) {
    const char* table =
        "Num       RefCount Protocol Flags    Type St Inode Path\n"
        "0000000085daf988: 00000003 00000000 00000000 0001 03 224201\n"
        "00000000dd080196: 00000002 00000000 00010000 0001 01 224047 /tmp/tarnwick-abc-1\n"
        "00000000dd080197: 00000002 00000000 00010000 0001 01 224048 @tarnwick-abc-00ff\n"
        "00000000dd080198: 00000002 00000000 00000000 0001 03 224049 @tarnwick-abc-0aaa\n"
        "00000000dd080199: 00000002 00000000 00010000 0001 01 224050 @tarnwick-abd-0bbb\n"
        "00000000dd08019a: 00000002 00000000 00010000 0001 01 224051 @tarnwick-abc-0ccc@@@@\n"
        "00000000dd08019b: 00000002 00000000 00010000 0001 01 224052 @tarnwick-abc-00ff\n"
        "00000000dd08019c: 00000002 00000000 zz010000 0001 01 224053 @tarnwick-abc-0ddd\n"
        "00000000dd08019d: 00000002 00000000 00010000 0001 01 224054 @tarnwick-abc-with space";
    const std::vector<QString> expected = {"tarnwick-abc-00ff", "tarnwick-abc-0ccc", "tarnwick-abc-with space"};
    EXPECT_EQ(listeningAbstractNames(table, "tarnwick-abc-"), expected);
    EXPECT_TRUE(listeningAbstractNames("", "tarnwick-").empty());
}

TEST(SingleInstance, ASecondStartAsksTheFirstToShowItselfAndEnds) {
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        QTemporaryDir data, runtime;  // QTemporaryDir makes its folder 0700
        const QString runtimeFolder = place.abstract ? QString() : runtime.path();
        SingleInstance first(data.path(), runtimeFolder);
        ASSERT_EQ(first.start(), Start::first);
        EXPECT_TRUE(first.holdsLock());
        EXPECT_EQ(first.address().startsWith('@'), place.abstract) << first.address().toStdString();
        int activations = 0;
        QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });
        EXPECT_EQ(startElsewhere(data.path(), runtimeFolder), Start::handedOver);
        EXPECT_EQ(startElsewhere(data.path(), runtimeFolder), Start::handedOver);
        EXPECT_EQ(activations, 2);
    }
}

// The start with a TMPDIR of its own reaches the first all the same.
TEST(SingleInstance, ASecondStartWithAnotherTemporaryFolderStillReachesTheFirst) {
    QTemporaryDir data, runtime, otherTemp;
    SingleInstance first(data.path(), runtime.path());
    ASSERT_EQ(first.start(), Start::first);
    qputenv("TMPDIR", otherTemp.path().toUtf8());
    EXPECT_EQ(startElsewhere(data.path(), runtime.path()), Start::handedOver);
    qunsetenv("TMPDIR");
}

TEST(SingleInstance, ALockAndASocketLeftByACrashedInstanceAreTakenOver) {
    QTemporaryDir data, runtime;
    const InstanceEndpoint endpoint = instanceEndpoint(data.path(), runtimeFolderFacts(runtime.path()), ::geteuid());
    const pid_t child = fork();
    if (child == 0) {
        // Dies holding the lock, the guard and a listening socket file.
        const bool locked = (new QLockFile(data.path() + "/tarnwick.lock"))->tryLock(0);
        const int guard = ::open(QFile::encodeName(endpoint.guardPath).constData(), O_RDWR | O_CREAT, 0600);
        const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, QFile::encodeName(endpoint.socketName).constData());
        const bool listening = ::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                               ::listen(server, 1) == 0;
        _exit(locked && ::flock(guard, LOCK_EX) == 0 && listening ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(data.path() + "/tarnwick.lock"));
    ASSERT_TRUE(QFileInfo::exists(endpoint.socketName));
    SingleInstance instance(data.path(), runtime.path());
    EXPECT_EQ(instance.start(), Start::first);
    EXPECT_TRUE(instance.holdsLock());
    EXPECT_EQ(startElsewhere(data.path(), runtime.path()), Start::handedOver) << "the new socket answers";
}

TEST(SingleInstance, AFolderThatCannotBeMadeIsNotTakenForAnotherInstance) {
    QTemporaryDir temp, runtime;
    QFile inTheWay(temp.path() + "/file");
    ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
    for (const QString& folder : {temp.path() + "/file", temp.path() + "/file/Tarnwick"}) {
        SCOPED_TRACE(folder.toStdString());
        SingleInstance instance(folder, runtime.path());
        EXPECT_EQ(instance.start(), Start::first);
        EXPECT_FALSE(instance.holdsLock());
        EXPECT_FALSE(instance.problem().isEmpty());
        EXPECT_FALSE(QFileInfo(folder).isDir());
    }
}

// An instance that started without a usable data folder is still the one instance: a later start
// hands over to it, and it takes the lock itself once the folder can be used.
TEST(SingleInstance, AnInstanceWithoutTheLockKeepsOthersOutAndTakesTheLockLater) {
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        QTemporaryDir temp, runtime;
        const QString runtimeFolder = place.abstract ? QString() : runtime.path();
        const QString parent = temp.path() + "/share", data = parent + "/Tarnwick";
        QFile(parent).open(QIODevice::WriteOnly);  // the data folder's parent is a file
        SingleInstance first(data, runtimeFolder);
        ASSERT_EQ(first.start(), Start::first);
        ASSERT_FALSE(first.holdsLock());
        int activations = 0, taken = 0;
        QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });
        QObject::connect(&first, &SingleInstance::lockTaken, [&] { ++taken; });
        EXPECT_EQ(startElsewhere(data, runtimeFolder), Start::handedOver) << "while the folder cannot be used";

        ASSERT_TRUE(QFile::remove(parent));
        ASSERT_TRUE(QDir().mkpath(parent));
        EXPECT_EQ(startElsewhere(data, runtimeFolder), Start::handedOver) << "once the folder can be used";
        EXPECT_EQ(activations, 2);
        ASSERT_TRUE(QTest::qWaitFor([&] { return first.holdsLock(); }, 3 * SingleInstance::lockRetryInterval.count()));
        EXPECT_EQ(taken, 1);
        EXPECT_TRUE(QFileInfo(data).isDir());
        EXPECT_EQ(QFileInfo(data).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0) << "made private";
        QLockFile lock(data + "/tarnwick.lock");
        EXPECT_FALSE(lock.tryLock(0)) << "the first instance holds it";
        EXPECT_EQ(startElsewhere(data, runtimeFolder), Start::handedOver);
    }
}

TEST(SingleInstance, AStartThatCannotReachTheRunningInstanceSaysSo) {
    QTemporaryDir data, runtime;
    const InstanceEndpoint endpoint = instanceEndpoint(data.path(), runtimeFolderFacts(runtime.path()), ::geteuid());
    {
        SCOPED_TRACE("an instance that holds the guard and never listens");
        const int guard = ::open(QFile::encodeName(endpoint.guardPath).constData(), O_RDWR | O_CREAT, 0600);
        ASSERT_EQ(::flock(guard, LOCK_EX), 0);
        SingleInstance start(data.path(), runtime.path());
        EXPECT_EQ(start.start(300ms), Start::unreachable);
        EXPECT_TRUE(start.problem().contains(endpoint.socketName)) << start.problem().toStdString();
        EXPECT_FALSE(QFile::exists(data.path() + "/tarnwick.lock")) << "the lock is left to the running one";
        ::close(guard);
    }
    {
        SCOPED_TRACE("an instance that listens and never answers");
        QLocalServer silent;
        ASSERT_TRUE(silent.listen(endpoint.socketName));
        SingleInstance start(data.path(), runtime.path());
        EXPECT_EQ(start.start(300ms), Start::unreachable);
        EXPECT_TRUE(start.problem().contains("did not answer")) << start.problem().toStdString();
    }
    {
        SCOPED_TRACE("another session's instance, listening elsewhere, holds the lock");
        QTemporaryDir otherRuntime;
        SingleInstance other(data.path(), otherRuntime.path());
        ASSERT_EQ(other.start(), Start::first);
        SingleInstance start(data.path(), runtime.path());
        EXPECT_EQ(start.start(300ms), Start::unreachable);
        EXPECT_TRUE(start.problem().contains(QString::number(QCoreApplication::applicationPid())))
            << start.problem().toStdString();
        EXPECT_EQ(startElsewhere(data.path(), otherRuntime.path()), Start::handedOver) << "the running one still answers";
    }
}

// Two sessions with different runtime folders cannot see each other's socket: the lock decides, and
// the instance that waited for it gives way.
TEST(SingleInstance, AnInstanceWithoutTheLockEndsWhenAnotherTakesIt) {
    QTemporaryDir temp, runtime, otherRuntime;
    const QString parent = temp.path() + "/share", data = parent + "/Tarnwick";
    QFile(parent).open(QIODevice::WriteOnly);
    SingleInstance waiting(data, runtime.path());
    ASSERT_EQ(waiting.start(), Start::first);
    QString why;
    QObject::connect(&waiting, &SingleInstance::supplanted, [&](const QString& text) { why = text; });
    ASSERT_TRUE(QFile::remove(parent));
    ASSERT_TRUE(QDir().mkpath(data));
    QLockFile other(data + "/tarnwick.lock");  // taken before the waiting one tries again
    ASSERT_TRUE(other.tryLock(0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !why.isEmpty(); }, 3 * SingleInstance::lockRetryInterval.count()));
    EXPECT_TRUE(why.contains(data)) << why.toStdString();
    EXPECT_FALSE(waiting.holdsLock());
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
