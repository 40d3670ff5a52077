#pragma once

#include <string>

namespace z3 {

// Full path of the running executable, read from /proc/self/exe before any
// Qt object exists; "" when the kernel does not tell.
std::string executablePath();

} // namespace z3
