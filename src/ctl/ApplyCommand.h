#pragma once

#include "CtlCommand.h"

namespace z3::ctl {

// `z3ctl apply [N]`: discovery, then profile N (1..5; default CurConfig of
// config.ini) loaded and applied to the mouse as the configurator does it:
// the same reports and the same writes of CurConfig, the applied state and
// the profile's section. Prints the status line. Exit 0; 1 for a bad
// argument; 2 without the mouse; 3 while the configurator runs.
int runApply(CtlContext& context, std::span<const std::string> args);

} // namespace z3::ctl
