#include "core/skin/SkinRowReader.h"

#include "core/skin/SkinMessages.h"

#include <filesystem>
#include <fstream>

namespace z3 {

bool SkinRowReader::canOpen(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    return std::ifstream(path, std::ios::binary).is_open();
}

std::optional<SkinLayoutRow> SkinRowReader::read(
    const std::string& path, std::string_view section, int32_t key)
{
    if (m_failed)
        return std::nullopt;
    if (!canOpen(path)) {
        m_failed = true;
        m_messages.showMessage(SkinMessageSink::kFileNotFound);
        return std::nullopt;
    }
    if (path != m_cachedPath) {
        m_cachedFile = ProfileFile::load(path);
        m_cachedPath = path;
    }
    const std::string value = m_cachedFile.read(section, std::to_string(key), SkinLayoutRow::kMaxChars);
    SkinLayoutRow row = SkinLayoutRow::split(value);
    if (row.hasTooManyCommas())
        m_messages.showMessage(SkinMessageSink::kBadRow);
    return row;
}

} // namespace z3
