#pragma once

#include "core/ini/ProfileFile.h"
#include "core/io/FileSystem.h"
#include "core/skin/SkinLayoutRow.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace z3 {

class SkinMessageSink;

// Reads layout rows (one key of one section of a skin layout file) and
// splits them. Before every read it checks that the file can still be
// read; the parsed document is kept while the file's bytes stay the same.
//
// Failures are reported through the sink with the program's fixed texts:
// - a file that cannot be read (missing, a folder, no permission, larger
//   than kMaxFileBytes): "找不到配置文件", shown once per reader; that read
//   and every later one return nothing;
// - a row with more than six commas: "加载ini错误！" for each such row; the
//   row is still split and returned.
// A missing section or key reads as an empty row.
class SkinRowReader {
public:
    // Layout files are a few kilobytes; this bound keeps a hostile file from
    // being read again for each of the ~170 rows.
    static constexpr size_t kMaxFileBytes = 4u * 1024 * 1024;

    SkinRowReader(const FileSystem& files, SkinMessageSink& messages)
        : m_files(files)
        , m_messages(messages)
    { }

    std::optional<SkinLayoutRow> read(const std::string& path, std::string_view section, int32_t key);

    // True once a file could not be opened.
    bool failed() const { return m_failed; }

private:
    const FileSystem& m_files;
    SkinMessageSink& m_messages;
    std::string m_cachedPath;
    std::string m_cachedBytes;
    ProfileFile m_cachedFile;
    bool m_failed = false;
};

} // namespace z3
