#pragma once

#include "core/io/FileSystem.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace z3 {

// An INI ("profile string") document with the read and write rules of the
// Windows profile-string functions, so that files stay exchangeable with the
// Windows version of the program:
// - section and key names compare case-insensitively (ASCII), with blanks
//   around them ignored; the first of duplicate sections or keys counts;
// - a value is the text after the first '=', blanks trimmed, one pair of
//   surrounding quotes removed; missing file, section or key read as "";
// - writing replaces the key's line in place, or appends the key to the end
//   of its section, or appends the section to the end of the document; every
//   other line (comments, blank lines, unknown sections) stays byte for byte.
// Text is handled as UTF-8. A document read from UTF-16LE (with BOM) or
// UTF-8 with BOM is written back in that encoding; line endings are kept per
// line, new lines take the document's first line ending.
class ProfileFile {
public:
    enum class Encoding { Utf8, Utf8Bom, Utf16Le };

    // Files above this size are treated as unreadable: they read as empty and
    // are never overwritten (so nothing in them can be lost).
    static constexpr size_t kMaxFileBytes = 256u * 1024 * 1024;

    ProfileFile() = default;

    // Parses file bytes (any content; never fails).
    static ProfileFile parse(std::string_view bytes);

    // Reads a file. A missing, unreadable or oversized file, or a folder,
    // gives an empty document; `readable()` is false for all but a missing
    // file (which a save simply creates).
    static ProfileFile load(const FileSystem& files, const std::string& path);

    bool readable() const { return m_readable; }

    // The value of `key` in `section`, cut after `maxChars` characters
    // (counted in UTF-16 units, as the Windows functions count them); ""
    // when the section or key is missing.
    std::string read(std::string_view section, std::string_view key, size_t maxChars) const;

    // True when the section exists (has a header line).
    bool hasSection(std::string_view section) const;

    // Keys of a section in file order (first occurrence of each).
    std::vector<std::string> keys(std::string_view section) const;

    // Sets `key` in `section` to `value` (see the rules above).
    void write(std::string_view section, std::string_view key, std::string_view value);

    // The document's bytes in its encoding.
    std::string serialize() const;

    // Writes the document atomically: a temporary file in the same folder,
    // flushed and synced, renamed over `path`, then the folder synced. On any
    // failure the old file is left as it was and false is returned. A
    // document loaded from an oversized file refuses to save.
    bool save(FileSystem& files, const std::string& path) const;

private:
    struct Line {
        std::string text;   // without its line ending
        std::string ending; // "\n", "\r\n" or "" for a last line without one
    };
    struct Position {
        size_t header = 0; // index of the section's header line
        size_t end = 0;    // one past the section's last line
    };

    bool findSection(std::string_view section, Position& where) const;
    std::string newLineEnding() const;

    std::vector<Line> m_lines;
    Encoding m_encoding = Encoding::Utf8;
    bool m_readable = true;
    bool m_saveable = true;
};

} // namespace z3
