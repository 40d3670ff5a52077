#pragma once

#include <string>

namespace z3 {
class FileSystem;
}

namespace z3::skin_builder {

// config.ini as installed: `Init` with CurConfig 1, profiles Config1..5 and
// the factory presets CfgReset2..5 a reset copies into profiles 2..5.
std::string defaultConfigIni();

// The default macros (skins/defMacro.dat, and Macro.dat on first install).
bool writeDefaultMacros(FileSystem& files, const std::string& path);

} // namespace z3::skin_builder
