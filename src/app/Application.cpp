#include "Application.h"

namespace z3 {

Application::Application(AppPaths paths)
    : m_paths(std::move(paths))
    , m_configStore(m_files, m_paths.configIni())
{ }

void Application::loadStartupProfile()
{
    m_model.profileIndex = m_configStore.readCurConfig();
    m_configStore.loadProfile(m_model, m_model.profileIndex);
}

} // namespace z3
