#include "core/text/DecimalPrefix.h"
#include "core/text/Utf16.h"

#include <gtest/gtest.h>
#include <limits>

namespace z3 {
namespace {

TEST(DecimalPrefix, ConvertsLikeTheIniReader)
{
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"", 0},
        {"0", 0},
        {"42", 42},
        {"  \t17", 17},
        {"-5", -5},
        {"+8", 8},
        {"12abc", 12},
        {"abc", 0},
        {"-", 0},
        {"- 3", 0},
        {"1 2", 1},
        {"0012", 12},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"-2147483648", kMin},
        {"-99999999999999999999", kMin},
        {"\n5", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decimalPrefix(c.text), c.value) << '"' << c.text << '"';
}

TEST(DecimalPrefix, AMegabyteOfDigitsSaturates)
{
    EXPECT_EQ(decimalPrefix(std::string(1 << 20, '9')), std::numeric_limits<int32_t>::max());
}

TEST(Utf16, RoundTripsTextAndLoneSurrogates)
{
    const std::u16string cases[] = {
        u"",
        u"K1=1",
        u"请插入鼠标",
        u"emoji \U0001F5B1 end",
        std::u16string{u'a', char16_t(0xD800), u'b'}, // lone high surrogate
        std::u16string{char16_t(0xDC00)},             // lone low surrogate
        std::u16string{char16_t(0xDBFF), char16_t(0xD800)},
    };
    for (const auto& text : cases)
        EXPECT_EQ(utf16FromUtf8(utf8FromUtf16(text)), text);
}

TEST(Utf16, InvalidUtf8BecomesReplacementCharacters)
{
    EXPECT_EQ(utf16FromUtf8("a\xFF"
                            "b"),
        u"a\uFFFDb");
    EXPECT_EQ(utf16FromUtf8("\xE4\xB8"), u"\uFFFD\uFFFD"); // truncated sequence
    EXPECT_EQ(utf16FromUtf8("\xC0\x80"), u"\uFFFD\uFFFD"); // overlong NUL
}

TEST(Utf16, PrefixCountsUtf16UnitsAndNeverSplitsACharacter)
{
    const struct {
        const char* text;
        size_t units;
        const char* prefix;
    } cases[] = {
        {"12345", 4, "1234"},
        {"12", 4, "12"},
        {"中文字", 2, "中文"},
        {"a\U0001F5B1b", 2, "a"}, // the pair needs two units
        {"a\U0001F5B1b", 3, "a\U0001F5B1"},
        {"abc", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8PrefixByUtf16Units(c.text, c.units), c.prefix) << c.text << " " << c.units;
}

} // namespace
} // namespace z3
