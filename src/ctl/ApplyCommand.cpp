#include "ApplyCommand.h"

#include "ApplySession.h"

#include <ostream>

namespace z3::ctl {

int runApply(CtlContext& context, std::span<const std::string> args)
{
    std::optional<int32_t> profile;
    if (args.size() > 1 || (args.size() == 1 && !(profile = parseProfileNumber(args[0])))) {
        context.err << "usage: z3ctl apply [1-5]\n";
        return kExitFailure;
    }
    ApplySession session(context);
    if (const auto refused = session.refuseWhileConfiguratorRuns())
        return *refused;
    if (!session.discover())
        return kExitNoMouse;
    session.loadAndApply(profile);
    context.out << session.statusLine() << std::endl;
    return kExitOk;
}

} // namespace z3::ctl
