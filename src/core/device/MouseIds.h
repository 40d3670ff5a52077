#pragma once

#include <cstddef>
#include <cstdint>

namespace z3::mouse {

// How the Zerrat Z3 presents itself on USB.
inline constexpr uint16_t kVendorId = 0x18F8;
inline constexpr uint16_t kProductId = 0x0F99;
// The collection that sends input reports (button presses, arming).
inline constexpr uint16_t kReadUsagePage = 0xFF00;
inline constexpr uint16_t kReadUsage = 1;
// The collection that takes configuration as feature reports.
inline constexpr uint16_t kWriteUsagePage = 0xFF01;
inline constexpr uint16_t kWriteUsage = 1;
// Discovery looks at the first this many interfaces of the enumeration.
inline constexpr std::size_t kInterfacesTried = 100;
// A collection whose report length is 0 or above this is not the mouse;
// report buffers are sized from the capabilities within this bound.
inline constexpr std::size_t kMaxReportLength = 4096;

} // namespace z3::mouse
