#pragma once

#include <string>

namespace z3 {
class FileSystem;
}

namespace z3::skin_builder {

// A tiny skin for pixel tests of painting: every picture is one solid
// colour, so a pixel tells which picture it came from, and the regions sit
// on a plain grid. `colors.ini` ([COLORS], picture name = #rrggbb) lists the
// colours. The mask is dark except a light 10 x 10 square at the top left.
bool writeTestSkin(FileSystem& files, const std::string& dir);

} // namespace z3::skin_builder
