#include "ApplyCommand.h"
#include "CtlCommand.h"
#include "DevicesCommand.h"
#include "ListenCommand.h"

#include <array>
#include <ostream>

namespace z3::ctl {

std::span<const CtlCommand> ctlCommands()
{
    static constexpr std::array kCommands = {
        CtlCommand{"devices", "list the mouse's collections (exit 0 present, 2 absent)", runDevices},
        CtlCommand{"apply", "[1-5]  apply a profile (default: the current one) to the mouse", runApply},
        CtlCommand{"listen", "apply, then perform the host actions until SIGINT/SIGTERM", runListen},
    };
    return kCommands;
}

namespace {

void printUsage(std::ostream& out)
{
    out << "usage: z3ctl <command> [arguments]\n";
    for (const CtlCommand& command : ctlCommands())
        out << "  " << command.name << "  " << command.usage << '\n';
}

} // namespace

int runCtl(CtlContext& context, std::span<const std::string> argv)
{
    if (argv.size() < 2 || argv[1] == "--help" || argv[1] == "-h" || argv[1] == "help") {
        printUsage(argv.size() < 2 ? context.err : context.out);
        return argv.size() < 2 ? kExitFailure : kExitOk;
    }
    for (const CtlCommand& command : ctlCommands()) {
        if (argv[1] == command.name)
            return command.run(context, argv.subspan(2));
    }
    context.err << "z3ctl: unknown command '" << argv[1] << "'\n";
    printUsage(context.err);
    return kExitFailure;
}

} // namespace z3::ctl
