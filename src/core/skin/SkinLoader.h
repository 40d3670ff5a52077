#pragma once

#include "core/skin/SkinLayouts.h"

#include <string>

namespace z3 {

class SkinMessageSink;
class SkinRowReader;

// Fills the layout sets from the layout files of a skins folder, in the
// order the main window's start-up reads them. When a file cannot be
// opened, the reader has shown "找不到配置文件"; the loader then stops
// reading, asks the sink to close the program once and returns false.
class SkinLoader {
public:
    SkinLoader(SkinRowReader& reader, SkinMessageSink& messages, std::string skinsDirectory)
        : m_reader(reader)
        , m_messages(messages)
        , m_skinsDirectory(std::move(skinsDirectory))
    { }

    // skin_main.ini (BUTTONPOS 0..79, FUN_STRING 1..54), skin_color.ini
    // (BUTTONPOS 0..11), skin_advance.ini (BUTTONPOS 0..13, EDIT 3 and 4,
    // MACRODISPLAY 1 and 2).
    bool loadLayouts(SkinLayouts& layouts);

    // LBWarning.ini BUTTONPOS 0..2; read later in start-up than the others.
    bool loadWarningLayout(WarningLayout& warning);

private:
    template <size_t N> bool loadRegions(const std::string& file, std::array<HitRegion, N>& regions);
    bool loadControl(const std::string& file, const char* section, int key, ControlRect& rect);
    bool fail();
    std::string path(const char* name) const;

    SkinRowReader& m_reader;
    SkinMessageSink& m_messages;
    std::string m_skinsDirectory;
    bool m_closeRequested = false;
};

} // namespace z3
