#pragma once

#include "core/skin/HitRegion.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace z3 {

// The layout sets a skin gives the main window and its popups. Missing rows
// leave a region at 0, 0, 0, 0 with an empty label (never hit, draws nothing).
using MainLayout = std::array<HitRegion, 80>;     // skin_main.ini BUTTONPOS 0..79
using ColourLayout = std::array<HitRegion, 12>;   // skin_color.ini BUTTONPOS 0..11
using AdvancedLayout = std::array<HitRegion, 14>; // skin_advance.ini BUTTONPOS 0..13
using WarningLayout = std::array<HitRegion, 3>;   // LBWarning.ini BUTTONPOS 0..2

// Label per button function code 0..54 (skin_main.ini FUN_STRING 1..54;
// code 0 has no key and stays empty).
using FunctionLabels = std::array<std::string, 55>;

// The four child controls of the macro page, in the order they are created.
enum class PageControl : uint8_t { RepeatCountEdit, MacroNameEdit, MacroListBox, EventListBox };
inline constexpr size_t kPageControlCount = 4;

// Window control id of each page control (indexed by PageControl).
inline constexpr std::array<int32_t, kPageControlCount> kPageControlIds = {10004, 10000, 10001, 10002};

struct PageControlRects {
    std::array<ControlRect, kPageControlCount> rects{};

    const ControlRect& operator[](PageControl control) const { return rects[static_cast<size_t>(control)]; }
    ControlRect& operator[](PageControl control) { return rects[static_cast<size_t>(control)]; }
};

// Everything the main window's start-up reads from the layout files.
struct SkinLayouts {
    MainLayout main{};
    ColourLayout colour{};
    AdvancedLayout advanced{};
    FunctionLabels functionLabels{};
    PageControlRects controls{};
    WarningLayout warning{};
};

} // namespace z3
