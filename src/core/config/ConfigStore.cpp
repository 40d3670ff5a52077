#include "core/config/ConfigStore.h"

namespace z3 {

ConfigStore::ConfigStore(FileSystem& files, std::string path)
    : m_files(files)
    , m_path(std::move(path))
{ }

int32_t ConfigStore::readCurConfig() const
{
    std::lock_guard lock(m_mutex);
    return z3::readCurConfig(ProfileFile::load(m_files, m_path));
}

void ConfigStore::loadProfile(ConfigModel& model, int number, ProfileKind kind) const
{
    std::lock_guard lock(m_mutex);
    loadProfileSection(model, ProfileFile::load(m_files, m_path), number, kind);
}

bool ConfigStore::update(const std::function<void(ProfileFile&)>& edit)
{
    std::lock_guard lock(m_mutex);
    auto file = ProfileFile::load(m_files, m_path);
    edit(file);
    return file.save(m_files, m_path);
}

bool ConfigStore::storeProfile(const ConfigModel& model, int number)
{
    return update([&](ProfileFile& file) { storeProfileSection(model, file, number); });
}

bool ConfigStore::storeDpiLevel(const ConfigModel& model, int number)
{
    return update([&](ProfileFile& file) { storeDpiLevelKey(model, file, number); });
}

bool ConfigStore::recordApply(const ConfigModel& atStart, const ConfigModel& now)
{
    return update([&](ProfileFile& file) {
        writeCurConfig(file, now.profileIndex);
        storeProfileSection(atStart, file, kAppliedStateSection);
        storeProfileSection(now, file, now.profileIndex);
    });
}

bool exportProfile(FileSystem& files, const ConfigModel& model, const std::string& path)
{
    auto file = ProfileFile::load(files, path);
    storeProfileSection(model, file, kExchangeSection);
    return file.save(files, path);
}

void importProfile(const FileSystem& files, ConfigModel& model, const std::string& path)
{
    loadProfileSection(model, ProfileFile::load(files, path), kExchangeSection);
}

} // namespace z3
