#include "core/skin/SkinLayoutRow.h"

#include <gtest/gtest.h>

namespace z3 {
namespace {

struct SplitCase {
    const char* value;
    std::array<const char*, 7> fields;
    size_t commas;
};

TEST(SkinLayoutRow, SplitsAtCommasWithTheTerminatingCommaRule)
{
    const SplitCase cases[] = {
        // A full row: rectangle and a comma-terminated label.
        {"5,10,20,30,40,Back,", {"5", "10", "20", "30", "40", "Back", ""}, 6},
        // The label's comma is missing, so the label is empty.
        {"5,10,20,30,40,Back", {"5", "10", "20", "30", "40", "", ""}, 5},
        // No comma at all: the whole value is field 0.
        {"Left Button", {"Left Button", "", "", "", "", "", ""}, 0},
        {"Left Button,", {"Left Button", "", "", "", "", "", ""}, 1},
        {"a,b", {"a", "", "", "", "", "", ""}, 1},
        {"a,b,c,d,e,", {"a", "b", "c", "d", "e", "", ""}, 5},
        // Field 6 is everything behind the sixth comma, further commas too.
        {"0,1,2,3,4,five,six,seven", {"0", "1", "2", "3", "4", "five", "six,seven"}, 7},
        {"0,1,2,3,4,5,", {"0", "1", "2", "3", "4", "5", ""}, 6},
        // Blanks and empty fields belong to the row as written.
        {" 7 ,, 9,,, label ,", {" 7 ", "", " 9", "", "", " label ", ""}, 6},
        {",,,,,,", {"", "", "", "", "", "", ""}, 6},
        {"", {"", "", "", "", "", "", ""}, 0},
        {"x,1,2,3,4,配置 1,", {"x", "1", "2", "3", "4", "配置 1", ""}, 6},
    };
    for (const auto& c : cases) {
        const SkinLayoutRow row = SkinLayoutRow::split(c.value);
        for (size_t k = 0; k < 7; ++k)
            EXPECT_EQ(row.fields[k], c.fields[k]) << "value '" << c.value << "' field " << k;
        EXPECT_EQ(row.commaCount, c.commas) << c.value;
        EXPECT_EQ(row.hasTooManyCommas(), c.commas > 6) << c.value;
    }
}

} // namespace
} // namespace z3
