#include "core/app/AppPaths.h"

namespace z3 {

std::string AppPaths::directoryOf(std::string_view executablePath)
{
    const auto cut = executablePath.rfind(kSeparator);
    if (cut == std::string_view::npos)
        return {};
    return std::string(executablePath.substr(0, cut));
}

std::string AppPaths::join(std::string_view tail) const
{
    std::string path = m_appDirectory;
    path += kSeparator;
    path += tail;
    return path;
}

std::string AppPaths::skinFile(std::string_view name) const
{
    return join("skins/" + std::string(name));
}

} // namespace z3
