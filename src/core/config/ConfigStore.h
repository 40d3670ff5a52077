#pragma once

#include "core/config/ConfigModel.h"
#include "core/config/ProfileSection.h"
#include "core/io/FileSystem.h"

#include <functional>
#include <mutex>
#include <string>

namespace z3 {

// config.ini on disk. Every operation reads the file afresh (nothing is
// cached besides the model) and every change is one atomic save of the whole
// file, so a crash leaves the old or the new file, never a torn one. A
// mutex serialises the read-modify-write cycles of the UI and listener
// threads. Saves return false when they fail; the old file is then intact.
class ConfigStore {
public:
    ConfigStore(FileSystem& files, std::string path);

    const std::string& path() const { return m_path; }

    // CurConfig of section Init, as an integer (missing gives 0).
    int32_t readCurConfig() const;

    // Loads section "Config" + N (or "CfgReset" + N) into the model.
    void loadProfile(ConfigModel& model, int number, ProfileKind kind = ProfileKind::User) const;

    bool storeProfile(const ConfigModel& model, int number);
    bool storeDpiLevel(const ConfigModel& model, int number);

    // The file side of an apply, as one save: CurConfig = the profile index,
    // the applied-state section from the model as it was when the apply
    // started, and the profile's section from the model as it is now.
    bool recordApply(const ConfigModel& atStart, const ConfigModel& now);

    // Any other whole operation on the document, saved once.
    bool update(const std::function<void(ProfileFile&)>& edit);

private:
    FileSystem& m_files;
    std::string m_path;
    mutable std::mutex m_mutex;
};

// Exchange files: one profile in section Config7 of a file the user chose.
// Export adds or replaces that section (other content of the file stays);
// import loads it into the model's settings.
bool exportProfile(FileSystem& files, const ConfigModel& model, const std::string& path);
void importProfile(const FileSystem& files, ConfigModel& model, const std::string& path);

} // namespace z3
