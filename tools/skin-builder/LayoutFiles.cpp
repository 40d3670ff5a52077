#include "LayoutFiles.h"

#include "core/ini/ProfileFile.h"
#include "core/io/FileSystem.h"
#include "core/skin/SkinFiles.h"

namespace z3::skin_builder {

std::string layoutRow(const char* name, const QRect& rect)
{
    return std::string(name) + "," + std::to_string(rect.x()) + "," + std::to_string(rect.y()) + ","
        + std::to_string(rect.width()) + "," + std::to_string(rect.height()) + ",";
}

std::string layoutRow(const RegionSpec& region)
{
    return layoutRow(region.name, region.rect) + region.label + ",";
}

namespace {

template <size_t N> void writeRegions(ProfileFile& file, const std::array<RegionSpec, N>& regions)
{
    for (size_t i = 0; i < N; ++i)
        file.write("BUTTONPOS", std::to_string(i), layoutRow(regions[i]));
}

bool save(FileSystem& files, const ProfileFile& file, const std::string& skinsDir, std::string_view name)
{
    return file.save(files, skinsDir + "/" + std::string(name));
}

} // namespace

bool writeLayoutFiles(FileSystem& files, const std::string& skinsDir, const SkinLayoutSet& layouts)
{
    ProfileFile main;
    writeRegions(main, *layouts.main);
    for (size_t code = 1; code < layouts.functionLabels->size(); ++code)
        main.write("FUN_STRING", std::to_string(code), std::string((*layouts.functionLabels)[code]) + ",");

    ProfileFile colour;
    writeRegions(colour, *layouts.colour);

    ProfileFile advanced;
    writeRegions(advanced, layouts.advanced->regions);
    advanced.write("EDIT", "3", layoutRow("repeat_count", layouts.advanced->repeatEdit));
    advanced.write("EDIT", "4", layoutRow("macro_name", layouts.advanced->nameEdit));
    advanced.write("MACRODISPLAY", "1", layoutRow("macro_list", layouts.advanced->macroList));
    advanced.write("MACRODISPLAY", "2", layoutRow("event_list", layouts.advanced->eventList));

    ProfileFile warning;
    writeRegions(warning, *layouts.warning);

    return save(files, main, skinsDir, skin_files::kMainLayout)
        && save(files, colour, skinsDir, skin_files::kColourLayout)
        && save(files, advanced, skinsDir, skin_files::kAdvancedLayout)
        && save(files, warning, skinsDir, skin_files::kWarningLayout);
}

} // namespace z3::skin_builder
