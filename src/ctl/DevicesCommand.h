#pragma once

#include "CtlCommand.h"

namespace z3::ctl {

// `z3ctl devices`: runs discovery and prints one line per collection with
// the mouse's vendor and product id: path, usage page and usage in hex,
// input and feature report lengths, e.g.
//   /dev/hidraw3 0xFF00 0x0001 8 0
// Exit 0 when the mouse is present, 2 when not.
int runDevices(CtlContext& context, std::span<const std::string> args);

} // namespace z3::ctl
