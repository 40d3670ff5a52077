#pragma once

#include "core/app/AppPaths.h"
#include "core/config/ConfigModel.h"
#include "core/config/ConfigStore.h"
#include "platform/posix/PosixFileSystem.h"

namespace z3 {

// Owns the program's one instance of each service and passes them by
// reference to the windows and workers that use them.
class Application {
public:
    explicit Application(AppPaths paths);

    // Reads the active profile's number and loads that profile.
    void loadStartupProfile();

    const AppPaths& paths() const { return m_paths; }
    ConfigModel& model() { return m_model; }
    ConfigStore& configStore() { return m_configStore; }

private:
    AppPaths m_paths;
    PosixFileSystem m_files;
    ConfigModel m_model;
    ConfigStore m_configStore;
};

} // namespace z3
