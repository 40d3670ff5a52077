#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace z3 {

// One layout value split into its seven comma-terminated text fields.
// Field k (0..5) is the text before the (k + 1)-th comma; a field without its
// terminating comma is empty, and so is every later one. Field 6 is all text
// behind the sixth comma. A value without any comma is the exception: it is
// field 0 as a whole. There is no quoting; blanks belong to the field.
// Layout rows read: 0 free text, 1..4 x, y, width, height, 5 label.
struct SkinLayoutRow {
    static constexpr size_t kFieldCount = 7;
    // Longer values are cut to this many characters (UTF-16 units) on reading.
    static constexpr size_t kMaxChars = 259;
    // More commas than this make the row malformed (it is still split).
    static constexpr size_t kMaxCommas = 6;

    std::array<std::string, kFieldCount> fields;
    size_t commaCount = 0;

    bool hasTooManyCommas() const { return commaCount > kMaxCommas; }

    // Splits a value (already cut to kMaxChars by the reader).
    static SkinLayoutRow split(std::string_view value);
};

} // namespace z3
