#include "platform/shell/DesktopShellActions.h"
#include "support/TempDir.h"

#include <QThread>
#include <filesystem>
#include <gtest/gtest.h>

namespace z3 {
namespace {

namespace fs = std::filesystem;

// A PATH folder of fake programs that log their name and arguments.
class FakePrograms {
public:
    void add(const std::string& name, int exitCode = 0)
    {
        const std::string script = m_bin.file(name);
        test::writeFile(script,
            "#!/bin/sh\necho \"" + name + " $*\" >> '" + log() + "'\nexit " + std::to_string(exitCode)
                + "\n");
        fs::permissions(script, fs::perms::owner_all);
    }
    std::string path() const { return m_bin.path().string(); }
    std::string log() const { return m_logDir.file("log"); }

    // The log once `lines` programs have written to it (they run detached).
    std::string waitForLog(int lines) const
    {
        for (int i = 0; i < 400; ++i) {
            if (fs::exists(log())) {
                const std::string text = test::readFile(log());
                if (std::count(text.begin(), text.end(), '\n') >= lines)
                    return text;
            }
            QThread::msleep(5);
        }
        return fs::exists(log()) ? test::readFile(log()) : "";
    }

private:
    test::TempDir m_bin;
    test::TempDir m_logDir;
};

TEST(ShellActions, FirstProgramFoundInPathWins)
{
    FakePrograms programs;
    programs.add("mate-calc");
    programs.add("xcalc");
    EXPECT_TRUE(startFirstAvailable(DesktopShellActions::calculatorCommands(), programs.path(), false));
    EXPECT_EQ(programs.waitForLog(1), "mate-calc \n");
}

TEST(ShellActions, ArgumentsArePassedWithoutAShell)
{
    FakePrograms programs;
    programs.add("xdg-open");
    const std::vector<DesktopShellActions::CommandLine> commands{{"xdg-open", "/; touch injected", "$HOME"}};
    EXPECT_TRUE(startFirstAvailable(commands, programs.path(), false));
    EXPECT_EQ(programs.waitForLog(1), "xdg-open /; touch injected $HOME\n");
    EXPECT_FALSE(fs::exists("injected"));
}

TEST(ShellActions, LockFallsBackWhenTheFirstCommandFails)
{
    FakePrograms programs;
    programs.add("loginctl", 1);
    programs.add("xdg-screensaver");
    EXPECT_TRUE(startFirstAvailable(DesktopShellActions::lockCommands(), programs.path(), true));
    EXPECT_EQ(programs.waitForLog(2), "loginctl lock-session\nxdg-screensaver lock\n");
}

TEST(ShellActions, OnlyTheFirstRunsWhenItSucceedsOrNoFallBackIsAsked)
{
    FakePrograms programs;
    programs.add("loginctl", 0);
    programs.add("xdg-screensaver");
    programs.add("x-terminal-emulator", 3);
    programs.add("xterm");
    EXPECT_TRUE(startFirstAvailable(DesktopShellActions::lockCommands(), programs.path(), true));
    EXPECT_TRUE(startFirstAvailable(DesktopShellActions::terminalCommands(), programs.path(), false));
    QThread::msleep(200);
    const std::string log = programs.waitForLog(2);
    EXPECT_NE(log.find("loginctl lock-session\n"), std::string::npos);
    EXPECT_NE(log.find("x-terminal-emulator \n"), std::string::npos);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2) << log;
}

TEST(ShellActions, NothingFoundIsIgnored)
{
    test::TempDir empty;
    EXPECT_FALSE(startFirstAvailable(DesktopShellActions::terminalCommands(), empty.path().string(), false));
    EXPECT_FALSE(startFirstAvailable({{}}, empty.path().string(), false));
    EXPECT_FALSE(startFirstAvailable({}, "", false));
}

} // namespace
} // namespace z3
