#pragma once

#include "core/device/HidTransport.h"

#include <memory>

namespace z3 {

// The transport the program and z3ctl search: the kernel's hidraw devices
// first, then this user's virtual mice (VirtualMouseFolder.h).
std::unique_ptr<HidTransport> makeSystemHidTransport();

} // namespace z3
