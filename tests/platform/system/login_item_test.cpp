#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "platform/autostart/login_item.hpp"
#include "test_support.hpp"

namespace tarnwick {
namespace {

std::string readText(const std::string& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(AutostartFile, SwitchedOffEntriesRequireApproval) {
    using enum LoginItemStatus;
    struct Case { const char* file; LoginItemStatus expected; } cases[] = {
        {"written.desktop", enabled},
        {"hidden.desktop", requiresApproval},
        {"gnome-disabled.desktop", requiresApproval},
        {"other-group.desktop", enabled},   // the switches sit in an action group
        {"commented.desktop", enabled},     // comments and a localised Hidden[de]
        {"spaced.desktop", requiresApproval},
        {"before-group.desktop", enabled},  // a key before any group is not the entry's
        {"crlf.desktop", requiresApproval},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string text = readText(std::string(TARNWICK_SYSTEM_FIXTURES) + "/autostart/" + c.file);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(autostartFileStatus(text), c.expected);
    }
    EXPECT_EQ(autostartFileStatus("[Desktop Entry]\nHidden=1\n"), requiresApproval);
    EXPECT_EQ(autostartFileStatus("[Desktop Entry]\nHidden=yes\nHiddenness=true\n"), enabled);
    EXPECT_EQ(autostartFileStatus(autostartFileContents("/opt/My Apps/tarnwick")), enabled);
}

TEST(AutostartFile, ExecValuesAreQuotedAndEscapedWhenNeeded) {
    struct Case { const char* path; const char* expected; } cases[] = {
        {"/usr/bin/tarnwick", "/usr/bin/tarnwick"},
        {"/opt/My Apps/tarnwick", "\"/opt/My Apps/tarnwick\""},
        {"/opt/100%/tarnwick", "/opt/100%%/tarnwick"},
        {"/opt/a$b/t", "\"/opt/a\\\\$b/t\""},
        {"/opt/say \"hi\"/t", "\"/opt/say \\\\\"hi\\\\\"/t\""},
        {"/opt/back\\slash/t", "\"/opt/back\\\\\\\\slash/t\""},  // four backslashes, as the format asks
        {"/opt/new\nline/t", "\"/opt/new\\nline/t\""},
        {"/opt/Bücher/tarnwick", "/opt/Bücher/tarnwick"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(desktopExecValue(c.path), c.expected);
    }
}

std::string stderrDuring(const std::function<void()>& action) { return test::outputDuring({STDERR_FILENO}, action); }

// Root writes into read-only folders, so as root `action` runs in a child that becomes "nobody".
bool asOrdinaryUser(const std::function<bool()>& action) {
    if (geteuid() != 0) return action();
    std::fflush(stderr);
    pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
        const bool result = action();
        std::fflush(stderr);
        _exit(result ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class XdgLoginItemTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString configRoot() const { return dir.path() + "/config"; }  // does not exist yet
    std::string entryPath() const { return (configRoot() + "/autostart/tarnwick.desktop").toStdString(); }
};

TEST_F(XdgLoginItemTest, SetAndStatusRoundTrip) {
    XdgLoginItem item(configRoot(), "/opt/My Apps/tarnwick");
    EXPECT_EQ(item.status(), LoginItemStatus::notRegistered);
    EXPECT_EQ(stderrDuring([&] { EXPECT_TRUE(item.set(true)); }), "");
    EXPECT_EQ(item.status(), LoginItemStatus::enabled);
    EXPECT_EQ(readText(entryPath()), autostartFileContents("/opt/My Apps/tarnwick"));
    EXPECT_TRUE(item.set(true)) << "registering twice is fine";
    EXPECT_EQ(QDir(configRoot() + "/autostart").entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "no temporary file is left beside the entry";

    std::ofstream(entryPath(), std::ios::app) << "Hidden=true\n";  // switched off in the desktop's settings
    EXPECT_EQ(item.status(), LoginItemStatus::requiresApproval);

    EXPECT_EQ(stderrDuring([&] {
                  EXPECT_TRUE(item.set(false));
                  EXPECT_TRUE(item.set(false)) << "an absent entry is already off";
              }),
              "");
    EXPECT_EQ(item.status(), LoginItemStatus::notRegistered);

    XdgLoginItem relative(configRoot(), "bin/tarnwick");
    ASSERT_TRUE(relative.set(true));
    EXPECT_NE(readText(entryPath()).find("\nExec=" + QDir::current().absoluteFilePath("bin/tarnwick").toStdString()),
              std::string::npos);
}

TEST_F(XdgLoginItemTest, FailuresReturnFalseAndWriteExactlyOneLine) {
    struct Case {
        const char* name;
        std::function<void(const QString& root)> arrange;
        const char* executable;
        bool on;
        bool ordinaryUser = false;  // a read-only folder stops only ordinary users
    } cases[] = {
        {"the program's path is unknown", [](const QString&) {}, "", true},
        {"the autostart folder is a file",
         [](const QString& root) {
             QDir().mkpath(root);
             std::ofstream((root + "/autostart").toStdString()) << "in the way";
         },
         "/usr/bin/tarnwick", true},
        {"the autostart folder is read-only",
         [](const QString& root) {
             QDir().mkpath(root + "/autostart");
             QFile::setPermissions(root + "/autostart", QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
         },
         "/usr/bin/tarnwick", true, true},
        {"the entry's place is a folder",
         [](const QString& root) { QDir().mkpath(root + "/autostart/tarnwick.desktop/keep"); }, "/usr/bin/tarnwick", true},
        {"the entry to remove is a folder with content",
         [](const QString& root) { QDir().mkpath(root + "/autostart/tarnwick.desktop/keep"); }, "/usr/bin/tarnwick",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir caseDir;
        QFile::setPermissions(caseDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
        const QString root = caseDir.path() + "/config";
        c.arrange(root);
        XdgLoginItem item(root, c.executable);
        bool result = true;
        const std::string output = stderrDuring([&] { result = c.ordinaryUser ? asOrdinaryUser([&] { return item.set(c.on); }) : item.set(c.on); });
        EXPECT_FALSE(result);
        const std::string prefix = "Tarnwick: launch at login change failed: ";
        EXPECT_TRUE(output.starts_with(prefix) && output.size() > prefix.size() + 1) << output;
        EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
        EXPECT_TRUE(output.ends_with('\n'));
        QFile::setPermissions(root + "/autostart", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_EQ(XdgLoginItem(configRoot(), "").status(), LoginItemStatus::notFound);
}

TEST_F(XdgLoginItemTest, DefaultsFollowXdgConfigHomeAndTheRunningProgram) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", configRoot().toStdString().c_str(), 1);
    XdgLoginItem item;
    ASSERT_TRUE(item.set(true));
    EXPECT_TRUE(currentExecutablePath().endsWith("/tarnwick_system_tests"));
    EXPECT_NE(readText(entryPath()).find("\nExec=" + currentExecutablePath().toStdString() + "\n"), std::string::npos);
    if (old) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace tarnwick
