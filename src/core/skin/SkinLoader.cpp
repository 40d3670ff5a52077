#include "core/skin/SkinLoader.h"

#include "core/skin/SkinMessages.h"
#include "core/skin/SkinRowReader.h"
#include "core/text/DecimalPrefix.h"

namespace z3 {
namespace {

HitRegion regionOf(const SkinLayoutRow& row)
{
    return {decimalPrefix(row.fields[1]), decimalPrefix(row.fields[2]), decimalPrefix(row.fields[3]),
        decimalPrefix(row.fields[4]), row.fields[5]};
}

} // namespace

std::string SkinLoader::path(const char* name) const
{
    return m_skinsDirectory + "/" + name;
}

bool SkinLoader::fail()
{
    if (!m_closeRequested) {
        m_closeRequested = true;
        m_messages.closeProgram();
    }
    return false;
}

template <size_t N> bool SkinLoader::loadRegions(const std::string& file, std::array<HitRegion, N>& regions)
{
    for (size_t i = 0; i < N; ++i) {
        const auto row = m_reader.read(file, "BUTTONPOS", static_cast<int32_t>(i));
        if (!row)
            return fail();
        regions[i] = regionOf(*row);
    }
    return true;
}

bool SkinLoader::loadControl(const std::string& file, const char* section, int key, ControlRect& rect)
{
    const auto row = m_reader.read(file, section, key);
    if (!row)
        return fail();
    rect = ControlRect::fromRegion(regionOf(*row));
    return true;
}

bool SkinLoader::loadLayouts(SkinLayouts& layouts)
{
    const std::string mainFile = path("skin_main.ini");
    if (!loadRegions(mainFile, layouts.main))
        return false;
    for (size_t code = 1; code < layouts.functionLabels.size(); ++code) {
        const auto row = m_reader.read(mainFile, "FUN_STRING", static_cast<int32_t>(code));
        if (!row)
            return fail();
        layouts.functionLabels[code] = row->fields[0];
    }
    if (!loadRegions(path("skin_color.ini"), layouts.colour))
        return false;
    const std::string advancedFile = path("skin_advance.ini");
    if (!loadRegions(advancedFile, layouts.advanced))
        return false;
    auto& controls = layouts.controls;
    return loadControl(advancedFile, "EDIT", 3, controls[PageControl::RepeatCountEdit])
        && loadControl(advancedFile, "EDIT", 4, controls[PageControl::MacroNameEdit])
        && loadControl(advancedFile, "MACRODISPLAY", 1, controls[PageControl::MacroListBox])
        && loadControl(advancedFile, "MACRODISPLAY", 2, controls[PageControl::EventListBox]);
}

bool SkinLoader::loadWarningLayout(WarningLayout& warning)
{
    return loadRegions(path("LBWarning.ini"), warning);
}

} // namespace z3
