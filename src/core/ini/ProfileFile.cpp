#include "core/ini/ProfileFile.h"

#include "core/text/Utf16.h"

namespace z3 {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The name of a section header line ("[name]", blanks allowed around), or
// false when the line is not a header. A header without ']' runs to the end.
bool sectionName(std::string_view line, std::string_view& name)
{
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return false;
    line.remove_prefix(1);
    const auto close = line.find(']');
    name = trim(line.substr(0, close));
    return true;
}

// Key and value of a "key=value" line; false for lines without '='.
bool keyValue(std::string_view line, std::string_view& key, std::string_view& value)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = trim(line.substr(0, equals));
    value = trim(line.substr(equals + 1));
    return true;
}

std::string_view unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// A written name or value must stay on its own line.
std::string_view singleLine(std::string_view text)
{
    return text.substr(0, text.find_first_of("\r\n"));
}

std::string decodeUtf16Le(std::string_view bytes)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(
            static_cast<uint8_t>(bytes[2 * i]) | (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
    return utf8FromUtf16(units);
}

std::string encodeUtf16Le(std::string_view text)
{
    const std::u16string units = utf16FromUtf8(text);
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

} // namespace

ProfileFile ProfileFile::parse(std::string_view bytes)
{
    ProfileFile file;
    std::string decoded;
    if (bytes.starts_with(kUtf16LeBom)) {
        file.m_encoding = Encoding::Utf16Le;
        decoded = decodeUtf16Le(bytes.substr(kUtf16LeBom.size()));
        bytes = decoded;
    } else if (bytes.starts_with(kUtf8Bom)) {
        file.m_encoding = Encoding::Utf8Bom;
        bytes.remove_prefix(kUtf8Bom.size());
    }
    while (!bytes.empty()) {
        const auto newline = bytes.find('\n');
        std::string_view text = bytes.substr(0, newline);
        std::string ending;
        if (newline != std::string_view::npos) {
            ending = "\n";
            if (text.ends_with('\r')) {
                text.remove_suffix(1);
                ending = "\r\n";
            }
            bytes.remove_prefix(newline + 1);
        } else {
            bytes = {};
        }
        file.m_lines.push_back({std::string(text), std::move(ending)});
    }
    return file;
}

ProfileFile ProfileFile::load(const FileSystem& files, const std::string& path)
{
    const auto result = files.readFile(path, kMaxFileBytes);
    if (result.status == FileSystem::ReadStatus::Ok)
        return parse(result.bytes);
    ProfileFile empty;
    if (result.status != FileSystem::ReadStatus::Missing) {
        // Whatever is there could not be read, so it must not be replaced by
        // a document that lacks it.
        empty.m_readable = false;
        empty.m_saveable = false;
    }
    return empty;
}

bool ProfileFile::findSection(std::string_view section, Position& where) const
{
    size_t i = 0;
    std::string_view name;
    for (; i < m_lines.size(); ++i) {
        if (sectionName(m_lines[i].text, name) && equalsIgnoringCase(name, trim(section)))
            break;
    }
    if (i == m_lines.size())
        return false;
    where.header = i;
    for (++i; i < m_lines.size() && !sectionName(m_lines[i].text, name); ++i) { }
    where.end = i;
    return true;
}

bool ProfileFile::hasSection(std::string_view section) const
{
    Position where;
    return findSection(section, where);
}

std::string ProfileFile::read(std::string_view section, std::string_view key, size_t maxChars) const
{
    Position where;
    if (!findSection(section, where))
        return {};
    std::string_view name;
    std::string_view value;
    for (size_t i = where.header + 1; i < where.end; ++i) {
        if (keyValue(m_lines[i].text, name, value) && equalsIgnoringCase(name, trim(key)))
            return std::string(utf8PrefixByUtf16Units(unquote(value), maxChars));
    }
    return {};
}

std::vector<std::string> ProfileFile::keys(std::string_view section) const
{
    std::vector<std::string> names;
    Position where;
    if (!findSection(section, where))
        return names;
    std::string_view name;
    std::string_view value;
    for (size_t i = where.header + 1; i < where.end; ++i) {
        if (!keyValue(m_lines[i].text, name, value) || name.empty())
            continue;
        bool seen = false;
        for (const auto& known : names)
            seen = seen || equalsIgnoringCase(known, name);
        if (!seen)
            names.emplace_back(name);
    }
    return names;
}

std::string ProfileFile::newLineEnding() const
{
    for (const auto& line : m_lines) {
        if (!line.ending.empty())
            return line.ending;
    }
    return m_encoding == Encoding::Utf8 ? "\n" : "\r\n";
}

void ProfileFile::write(std::string_view section, std::string_view key, std::string_view value)
{
    section = trim(singleLine(section));
    key = trim(singleLine(key));
    std::string line = std::string(key) + "=" + std::string(singleLine(value));
    const std::string ending = newLineEnding();

    Position where;
    if (!findSection(section, where)) {
        if (!m_lines.empty() && m_lines.back().ending.empty())
            m_lines.back().ending = ending;
        m_lines.push_back({"[" + std::string(section) + "]", ending});
        m_lines.push_back({std::move(line), ending});
        return;
    }
    std::string_view name;
    std::string_view old;
    for (size_t i = where.header + 1; i < where.end; ++i) {
        if (keyValue(m_lines[i].text, name, old) && equalsIgnoringCase(name, key)) {
            m_lines[i].text = std::move(line);
            return;
        }
    }
    // Append after the section's last non-blank line, so blank lines that
    // separate it from the next section stay where they are.
    size_t at = where.end;
    while (at > where.header + 1 && trim(m_lines[at - 1].text).empty())
        --at;
    if (m_lines[at - 1].ending.empty())
        m_lines[at - 1].ending = ending;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), {std::move(line), ending});
}

std::string ProfileFile::serialize() const
{
    std::string text;
    for (const auto& line : m_lines) {
        text += line.text;
        text += line.ending;
    }
    switch (m_encoding) {
    case Encoding::Utf8:
        return text;
    case Encoding::Utf8Bom:
        return std::string(kUtf8Bom) + text;
    case Encoding::Utf16Le:
        return std::string(kUtf16LeBom) + encodeUtf16Le(text);
    }
    return text;
}

bool ProfileFile::save(FileSystem& files, const std::string& path) const
{
    if (!m_saveable)
        return false;
    return files.writeFileAtomically(path, serialize());
}

} // namespace z3
