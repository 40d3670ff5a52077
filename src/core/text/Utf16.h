#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace z3 {

// Conversions between UTF-8 and UTF-16, the unit the Windows version of the
// program counts text in.
//
// Lone surrogates (found in files written by Windows) survive a round trip:
// they are kept in UTF-8 as their three-byte generalised form. Bytes that are
// not valid UTF-8 become U+FFFD.
std::string utf8FromUtf16(std::u16string_view text);
std::u16string utf16FromUtf8(std::string_view text);

// The UTF-8 prefix of `text` that holds at most `maxUnits` UTF-16 units,
// never cutting a character in half.
std::string_view utf8PrefixByUtf16Units(std::string_view text, size_t maxUnits);

} // namespace z3
