#pragma once

#include "CtlCommand.h"

namespace z3::ctl {

// `z3ctl listen`: discovery, the apply of the current profile, then the
// host actions until SIGINT or SIGTERM, with one line per action performed
// on standard output ("dpi-level 3", "macro 2", "shortcut ctrl+c",
// "shell lock", "profile 4", "armed"); the status line goes to standard
// error. When the mouse goes away it is looked for once a second and applied
// again when back. Exit 0 after a signal; 2 without the mouse at the start;
// 3 while the configurator runs.
int runListen(CtlContext& context, std::span<const std::string> args);

} // namespace z3::ctl
