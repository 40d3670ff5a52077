#pragma once

#include "core/host/HostInput.h"

#include <memory>

namespace z3 {

// The input injector for this session: XTest when an X display is set
// (DISPLAY), else uinput when /dev/uinput is writable, else one that drops
// every event. The instance is for one thread; make one per thread.
std::unique_ptr<HostInput> createHostInput();

} // namespace z3
