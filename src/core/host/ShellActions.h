#pragma once

namespace z3 {

// Desktop programs the host actions start. Each call starts its program
// detached, without a shell, and returns at once; a missing program or a
// failed start is ignored. Callable from any thread.
class ShellActions {
public:
    virtual ~ShellActions() = default;

    // The file manager at the computer's top level.
    virtual void openComputer() = 0;
    virtual void lockSession() = 0;
    virtual void openCalculator() = 0;
    virtual void openTerminal() = 0;
};

} // namespace z3
