#pragma once

#include <string>
#include <string_view>

namespace z3 {

// The program folder and every file path formed from it. The folder is the
// running executable's path cut before its last separator; every file path
// is the folder plus a fixed tail, so the program finds its files wherever
// it is installed and never looks anywhere else.
class AppPaths {
public:
    static constexpr char kSeparator = '/';

    // Folder of an executable path; "" when the path has no separator.
    static std::string directoryOf(std::string_view executablePath);

    explicit AppPaths(std::string appDirectory)
        : m_appDirectory(std::move(appDirectory))
    { }

    const std::string& appDirectory() const { return m_appDirectory; }
    std::string skinsDirectory() const { return join("skins"); }
    std::string configIni() const { return join("config.ini"); }
    std::string macroDat() const { return join("Macro.dat"); }
    std::string defaultMacroDat() const { return join("skins/defMacro.dat"); }
    // A file inside the skins folder.
    std::string skinFile(std::string_view name) const;

private:
    std::string join(std::string_view tail) const;

    std::string m_appDirectory;
};

} // namespace z3
