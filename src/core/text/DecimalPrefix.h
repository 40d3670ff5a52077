#pragma once

#include <cstdint>
#include <string_view>

namespace z3 {

// Converts the decimal integer at the start of a text the way every number
// read from an INI file is converted: leading blanks (spaces and tabs) are
// skipped, an optional sign is taken, then the digits up to the first
// non-digit. No digits give 0. Values beyond the int32 range saturate.
int32_t decimalPrefix(std::string_view text);

} // namespace z3
