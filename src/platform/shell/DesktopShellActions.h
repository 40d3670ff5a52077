#pragma once

#include "core/host/ShellActions.h"

#include <string>
#include <vector>

namespace z3 {

// Starts desktop programs for the host actions: each is looked up in PATH
// (first candidate found wins), spawned without a shell in its own session
// with standard input and output on /dev/null, and reaped by a detached
// thread so it leaves no zombie. Nothing waits for it; failures are ignored.
class DesktopShellActions final : public ShellActions {
public:
    void openComputer() override;
    void lockSession() override;
    void openCalculator() override;
    void openTerminal() override;

    // Candidates in order of preference, each an argument vector.
    using CommandLine = std::vector<std::string>;
    static const std::vector<CommandLine>& computerCommands();
    static const std::vector<CommandLine>& lockCommands();
    static const std::vector<CommandLine>& calculatorCommands();
    static const std::vector<CommandLine>& terminalCommands();
};

// Runs the first candidate whose program is found in `path` (a PATH value).
// With `fallBackOnFailure`, a candidate that exits unsuccessfully is followed
// by the next one found. Returns false when no candidate was found or the
// first spawn failed.
bool startFirstAvailable(const std::vector<DesktopShellActions::CommandLine>& candidates,
    const std::string& path, bool fallBackOnFailure);

} // namespace z3
