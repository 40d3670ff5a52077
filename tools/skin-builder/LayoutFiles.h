#pragma once

#include "SkinGeometry.h"

#include <QString>
#include <string>

namespace z3 {
class FileSystem;
}

namespace z3::skin_builder {

// A layout row as the program reads it: name, x, y, width, height, label,
// each terminated by a comma.
std::string layoutRow(const RegionSpec& region);
std::string layoutRow(const char* name, const QRect& rect);

// Writes the four layout files of a skin into `skinsDir`; false when a file
// could not be written.
struct SkinLayoutSet {
    const std::array<RegionSpec, 80>* main;
    const std::array<const char*, 55>* functionLabels;
    const std::array<RegionSpec, 12>* colour;
    const AdvancedGeometry* advanced;
    const std::array<RegionSpec, 3>* warning;
};
bool writeLayoutFiles(FileSystem& files, const std::string& skinsDir, const SkinLayoutSet& layouts);

} // namespace z3::skin_builder
