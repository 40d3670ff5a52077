#pragma once

#include <array>
#include <string_view>

namespace z3 {

// Names of the files of a skins folder (appended to the folder path).
namespace skin_files {

inline constexpr std::string_view kMainLayout = "skin_main.ini";
inline constexpr std::string_view kColourLayout = "skin_color.ini";
inline constexpr std::string_view kAdvancedLayout = "skin_advance.ini";
inline constexpr std::string_view kWarningLayout = "LBWarning.ini";
inline constexpr std::string_view kDefaultMacros = "defMacro.dat";

// The three full-window pictures of a page: normal, over (hover), down.
struct PagePictures {
    std::string_view normal;
    std::string_view over;
    std::string_view down;
};
inline constexpr PagePictures kMainPage{"main_normal.jpg", "main_over.jpg", "main_down.jpg"};
inline constexpr PagePictures kAdvancedPage{"advanced_normal.jpg", "advanced_over.jpg", "advanced_down.jpg"};
// The colour page's pictures are named after the colour their LED preview
// area shows: pink, red and purple.
inline constexpr PagePictures kColourPage{
    "color_normal_pink.jpg", "color_over_red.jpg", "color_down_purple.jpg"};
inline constexpr std::string_view kLedPreviewDark = "color_normal_gray.jpg";
inline constexpr std::string_view kLedPreviewBlue = "color_over_blue.jpg";
inline constexpr std::string_view kDpiSliderKnob = "dpi_slider.jpg";
inline constexpr std::string_view kMainMask = "main_mask.jpg";

// Function menu: ten rows; only the mask's size is used.
inline constexpr std::string_view kMenuMask = "menu_mask.jpg";
inline constexpr PagePictures kMenu{"menu_normal.jpg", "menu_over.jpg", "menu_down.jpg"};
// Advanced function menu: room for twelve rows; the names contain a space.
inline constexpr std::string_view kAdvancedMenuMask = "advanced menu_mask.jpg";
inline constexpr PagePictures kAdvancedMenu{
    "advanced menu_normal.jpg", "advanced menu_over.jpg", "advanced menu_down.jpg"};

// Left-button warning dialog (no pressed picture).
inline constexpr std::string_view kWarningNormal = "warning_normal.jpg";
inline constexpr std::string_view kWarningOver = "warning_over.jpg";
inline constexpr std::string_view kWarningMask = "warning_mask.bmp";

// Every file a complete skins folder holds.
inline constexpr std::array<std::string_view, 29> kAll = {kMainLayout, kColourLayout, kAdvancedLayout,
    kWarningLayout, kDefaultMacros, kMainPage.normal, kMainPage.over, kMainPage.down, kAdvancedPage.normal,
    kAdvancedPage.over, kAdvancedPage.down, kColourPage.normal, kColourPage.over, kColourPage.down,
    kLedPreviewDark, kLedPreviewBlue, kDpiSliderKnob, kMainMask, kMenuMask, kMenu.normal, kMenu.over,
    kMenu.down, kAdvancedMenuMask, kAdvancedMenu.normal, kAdvancedMenu.over, kAdvancedMenu.down,
    kWarningNormal, kWarningOver, kWarningMask};

} // namespace skin_files
} // namespace z3
