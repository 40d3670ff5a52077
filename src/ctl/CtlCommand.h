#pragma once

#include "core/app/AppPaths.h"
#include "core/device/HidTransport.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace z3::ctl {

// Exit statuses shared by the commands.
enum ExitStatus : int {
    kExitOk = 0,
    kExitFailure = 1,         // a bad command line or an unexpected error
    kExitNoMouse = 2,         // discovery did not find the mouse
    kExitConfiguratorRuns = 3 // the configurator owns the mouse
};

// What a command gets: the program folder, the output streams and the HID
// transport (real and virtual devices; tests may pass another).
struct CtlContext {
    AppPaths paths;
    std::ostream& out;
    std::ostream& err;
    std::function<std::unique_ptr<HidTransport>()> makeTransport;
};

using CommandFunction = int (*)(CtlContext& context, std::span<const std::string> args);

struct CtlCommand {
    std::string_view name;
    std::string_view usage; // arguments and one line of help
    CommandFunction run;
};

// Every command, in the order `z3ctl --help` lists them (CommandTable.cpp).
std::span<const CtlCommand> ctlCommands();

// Runs `z3ctl <command> args...`; prints usage for no or an unknown command.
int runCtl(CtlContext& context, std::span<const std::string> argv);

} // namespace z3::ctl
