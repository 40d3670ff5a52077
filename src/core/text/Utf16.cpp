#include "core/text/Utf16.h"

#include <cstdint>

namespace z3 {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one character at `at`; returns its length in bytes (at least 1).
// Surrogate code points in three-byte form are accepted (see the header).
size_t decodeUtf8(std::string_view text, size_t at, char32_t& c)
{
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(at);
    size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        c = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        c = kReplacement;
        return 1;
    }
    if (at + length > text.size()) {
        c = kReplacement;
        return 1;
    }
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            c = kReplacement;
            return 1;
        }
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    c = (value < minimum || value > 0x10FFFF) ? kReplacement : value;
    return c == kReplacement ? 1 : length;
}

} // namespace

std::string utf8FromUtf16(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        appendUtf8(out, c);
    }
    return out;
}

std::u16string utf16FromUtf8(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        char32_t c = 0;
        at += decodeUtf8(text, at, c);
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string_view utf8PrefixByUtf16Units(std::string_view text, size_t maxUnits)
{
    size_t units = 0;
    size_t at = 0;
    while (at < text.size()) {
        char32_t c = 0;
        const size_t length = decodeUtf8(text, at, c);
        const size_t needed = c >= 0x10000 ? 2 : 1;
        if (units + needed > maxUnits)
            break;
        units += needed;
        at += length;
    }
    return text.substr(0, at);
}

} // namespace z3
