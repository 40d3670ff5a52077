#include "core/device/CompositeHidTransport.h"

namespace z3 {

CompositeHidTransport::CompositeHidTransport(std::vector<std::unique_ptr<HidTransport>> parts)
    : m_parts(std::move(parts))
{ }

std::vector<HidCollectionEntry> CompositeHidTransport::enumerate()
{
    std::vector<HidCollectionEntry> all;
    m_owner.clear();
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        for (auto& entry : m_parts[i]->enumerate()) {
            m_owner.emplace(entry.path, i); // the first transport to list a path owns it
            all.push_back(std::move(entry));
        }
    }
    return all;
}

std::unique_ptr<HidHandle> CompositeHidTransport::open(const std::string& path, HidAccess access)
{
    if (const auto owner = m_owner.find(path); owner != m_owner.end())
        return m_parts[owner->second]->open(path, access);
    for (auto& part : m_parts) {
        if (auto handle = part->open(path, access))
            return handle;
    }
    return nullptr;
}

} // namespace z3
