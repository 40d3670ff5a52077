#include "platform/shell/DesktopShellActions.h"

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace z3 {

namespace {

using CommandLine = DesktopShellActions::CommandLine;

std::string findInPath(const std::string& program, const std::string& path)
{
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find(':', start), path.size());
        const std::string dir = end > start ? path.substr(start, end - start) : ".";
        const std::string candidate = dir + "/" + program;
        struct stat info { };
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode)
            && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

// Spawns the program at `executable` with `args`; -1 on failure.
pid_t spawn(const std::string& executable, const CommandLine& args)
{
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&files);
    posix_spawnattr_init(&attributes);
    // Own session, so that closing our terminal or our process group leaves
    // the program running; quiet standard streams, so that it cannot write
    // into a command-line tool's output.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    for (int fd : {0, 1, 2})
        posix_spawn_file_actions_addopen(&files, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, executable.c_str(), &files, &attributes, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    return pid;
}

bool exitedSuccessfully(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct Resolved {
    std::string executable;
    CommandLine args;
};

std::vector<Resolved> resolve(const std::vector<CommandLine>& candidates, const std::string& path)
{
    std::vector<Resolved> found;
    for (const auto& c : candidates) {
        if (c.empty())
            continue;
        std::string executable = findInPath(c.front(), path);
        if (!executable.empty())
            found.push_back({std::move(executable), c});
    }
    return found;
}

std::string pathVariable()
{
    const char* path = std::getenv("PATH");
    return path ? path : "/usr/local/bin:/usr/bin:/bin";
}

} // namespace

bool startFirstAvailable(
    const std::vector<CommandLine>& candidates, const std::string& path, bool fallBackOnFailure)
{
    std::vector<Resolved> found = resolve(candidates, path);
    if (found.empty())
        return false;
    const pid_t first = spawn(found.front().executable, found.front().args);
    if (first < 0)
        return false;
    // The reaper owns the rest of the chain; it is never joined.
    std::thread([first, found = std::move(found), fallBackOnFailure] {
        pid_t pid = first;
        for (size_t next = 1;; ++next) {
            if (exitedSuccessfully(pid) || !fallBackOnFailure || next >= found.size())
                return;
            pid = spawn(found[next].executable, found[next].args);
            if (pid < 0)
                return;
        }
    }).detach();
    return true;
}

const std::vector<CommandLine>& DesktopShellActions::computerCommands()
{
    static const std::vector<CommandLine> commands{{"xdg-open", "/"}};
    return commands;
}

const std::vector<CommandLine>& DesktopShellActions::lockCommands()
{
    static const std::vector<CommandLine> commands{{"loginctl", "lock-session"}, {"xdg-screensaver", "lock"}};
    return commands;
}

const std::vector<CommandLine>& DesktopShellActions::calculatorCommands()
{
    static const std::vector<CommandLine> commands{
        {"gnome-calculator"}, {"kcalc"}, {"mate-calc"}, {"galculator"}, {"qalculate-gtk"}, {"xcalc"}};
    return commands;
}

const std::vector<CommandLine>& DesktopShellActions::terminalCommands()
{
    static const std::vector<CommandLine> commands{
        {"x-terminal-emulator"}, {"gnome-terminal"}, {"konsole"}, {"xfce4-terminal"}, {"xterm"}};
    return commands;
}

void DesktopShellActions::openComputer()
{
    startFirstAvailable(computerCommands(), pathVariable(), false);
}

void DesktopShellActions::lockSession()
{
    startFirstAvailable(lockCommands(), pathVariable(), true);
}

void DesktopShellActions::openCalculator()
{
    startFirstAvailable(calculatorCommands(), pathVariable(), false);
}

void DesktopShellActions::openTerminal()
{
    startFirstAvailable(terminalCommands(), pathVariable(), false);
}

} // namespace z3
