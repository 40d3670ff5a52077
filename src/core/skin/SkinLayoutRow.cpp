#include "core/skin/SkinLayoutRow.h"

#include <algorithm>

namespace z3 {

SkinLayoutRow SkinLayoutRow::split(std::string_view value)
{
    SkinLayoutRow row;
    row.commaCount = static_cast<size_t>(std::count(value.begin(), value.end(), ','));
    if (row.commaCount == 0) {
        row.fields[0] = std::string(value);
        return row;
    }
    size_t start = 0;
    for (size_t k = 0; k + 1 < kFieldCount; ++k) {
        const size_t comma = value.find(',', start);
        if (comma == std::string_view::npos)
            return row; // this field and every later one stay empty
        row.fields[k] = std::string(value.substr(start, comma - start));
        start = comma + 1;
    }
    row.fields[kFieldCount - 1] = std::string(value.substr(start));
    return row;
}

} // namespace z3
