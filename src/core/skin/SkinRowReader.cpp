#include "core/skin/SkinRowReader.h"

#include "core/skin/SkinMessages.h"

namespace z3 {

std::optional<SkinLayoutRow> SkinRowReader::read(
    const std::string& path, std::string_view section, int32_t key)
{
    if (m_failed)
        return std::nullopt;
    auto file = m_files.readFile(path, kMaxFileBytes);
    if (file.status != FileSystem::ReadStatus::Ok) {
        m_failed = true;
        m_messages.showMessage(SkinMessageSink::kFileNotFound);
        return std::nullopt;
    }
    if (path != m_cachedPath || file.bytes != m_cachedBytes) {
        m_cachedFile = ProfileFile::parse(file.bytes);
        m_cachedPath = path;
        m_cachedBytes = std::move(file.bytes);
    }
    const std::string value = m_cachedFile.read(section, std::to_string(key), SkinLayoutRow::kMaxChars);
    SkinLayoutRow row = SkinLayoutRow::split(value);
    if (row.hasTooManyCommas())
        m_messages.showMessage(SkinMessageSink::kBadRow);
    return row;
}

} // namespace z3
