#include "core/keys/VirtualKeys.h"

#include <array>
#include <cstddef>

namespace z3 {
namespace {

struct KeyPair {
    int vk;
    int evdev;
};

// One row per physical key, both ways. Every evdev code appears once.
constexpr KeyPair kKeys[] = {
    {0x08, 14},  // Backspace
    {0x09, 15},  // Tab
    {0x0D, 28},  // Enter
    {0x13, 119}, // Pause
    {0x14, 58},  // Caps Lock
    {0x1B, 1},   // Escape
    {0x1C, 92},  // Convert (Henkan)
    {0x1D, 94},  // Non-convert (Muhenkan)
    {0x20, 57},  // Space
    {0x21, 104}, // Page Up
    {0x22, 109}, // Page Down
    {0x23, 107}, // End
    {0x24, 102}, // Home
    {0x25, 105}, // Left
    {0x26, 103}, // Up
    {0x27, 106}, // Right
    {0x28, 108}, // Down
    {0x2C, 99},  // Print Screen (SysRq)
    {0x2D, 110}, // Insert
    {0x2E, 111}, // Delete
    {0x30, 11},  // 0
    {0x31, 2},   // 1
    {0x32, 3},   // 2
    {0x33, 4},   // 3
    {0x34, 5},   // 4
    {0x35, 6},   // 5
    {0x36, 7},   // 6
    {0x37, 8},   // 7
    {0x38, 9},   // 8
    {0x39, 10},  // 9
    {0x41, 30},  // A
    {0x42, 48},  // B
    {0x43, 46},  // C
    {0x44, 32},  // D
    {0x45, 18},  // E
    {0x46, 33},  // F
    {0x47, 34},  // G
    {0x48, 35},  // H
    {0x49, 23},  // I
    {0x4A, 36},  // J
    {0x4B, 37},  // K
    {0x4C, 38},  // L
    {0x4D, 50},  // M
    {0x4E, 49},  // N
    {0x4F, 24},  // O
    {0x50, 25},  // P
    {0x51, 16},  // Q
    {0x52, 19},  // R
    {0x53, 31},  // S
    {0x54, 20},  // T
    {0x55, 22},  // U
    {0x56, 47},  // V
    {0x57, 17},  // W
    {0x58, 45},  // X
    {0x59, 21},  // Y
    {0x5A, 44},  // Z
    {0x5B, 125}, // left Windows (Meta)
    {0x5C, 126}, // right Windows
    {0x5D, 127}, // Applications (Compose)
    {0x5F, 142}, // Sleep
    {0x60, 82},  // keypad 0
    {0x61, 79},  // keypad 1
    {0x62, 80},  // keypad 2
    {0x63, 81},  // keypad 3
    {0x64, 75},  // keypad 4
    {0x65, 76},  // keypad 5
    {0x66, 77},  // keypad 6
    {0x67, 71},  // keypad 7
    {0x68, 72},  // keypad 8
    {0x69, 73},  // keypad 9
    {0x6A, 55},  // keypad *
    {0x6B, 78},  // keypad +
    {0x6C, 121}, // keypad separator (comma)
    {0x6D, 74},  // keypad -
    {0x6E, 83},  // keypad .
    {0x6F, 98},  // keypad /
    {0x70, 59},  // F1
    {0x71, 60},  // F2
    {0x72, 61},  // F3
    {0x73, 62},  // F4
    {0x74, 63},  // F5
    {0x75, 64},  // F6
    {0x76, 65},  // F7
    {0x77, 66},  // F8
    {0x78, 67},  // F9
    {0x79, 68},  // F10
    {0x7A, 87},  // F11
    {0x7B, 88},  // F12
    {0x7C, 183}, // F13
    {0x7D, 184}, // F14
    {0x7E, 185}, // F15
    {0x7F, 186}, // F16
    {0x80, 187}, // F17
    {0x81, 188}, // F18
    {0x82, 189}, // F19
    {0x83, 190}, // F20
    {0x84, 191}, // F21
    {0x85, 192}, // F22
    {0x86, 193}, // F23
    {0x87, 194}, // F24
    {0x90, 69},  // Num Lock
    {0x91, 70},  // Scroll Lock
    {0xA0, 42},  // left Shift
    {0xA1, 54},  // right Shift
    {0xA2, 29},  // left Ctrl
    {0xA3, 97},  // right Ctrl
    {0xA4, 56},  // left Alt
    {0xA5, 100}, // right Alt
    {0xA6, 158}, // browser back
    {0xA7, 159}, // browser forward
    {0xA8, 173}, // browser refresh
    {0xA9, 128}, // browser stop
    {0xAA, 217}, // browser search
    {0xAB, 156}, // browser favourites (bookmarks)
    {0xAC, 172}, // browser home
    {0xAD, 113}, // volume mute
    {0xAE, 114}, // volume down
    {0xAF, 115}, // volume up
    {0xB0, 163}, // next track
    {0xB1, 165}, // previous track
    {0xB2, 166}, // media stop
    {0xB3, 164}, // play/pause
    {0xB4, 155}, // mail
    {0xB5, 226}, // media select
    {0xB6, 157}, // launch app 1 (computer)
    {0xB7, 140}, // launch app 2 (calculator)
    {0xBA, 39},  // ;
    {0xBB, 13},  // =
    {0xBC, 51},  // ,
    {0xBD, 12},  // -
    {0xBE, 52},  // .
    {0xBF, 53},  // /
    {0xC0, 41},  // `
    {0xDB, 26},  // [
    {0xDC, 43},  // backslash
    {0xDD, 27},  // ]
    {0xDE, 40},  // '
    {0xE2, 86},  // the extra key beside left Shift (102nd)
};

// Virtual keys that name no single physical key: they map to the left-hand
// key, and are never produced by the reverse lookup.
constexpr KeyPair kGenericModifiers[] = {
    {vk::Shift, 42},
    {vk::Control, 29},
    {vk::Menu, 56},
};

// Keys that Windows reports under a shared virtual key.
constexpr KeyPair kReverseAliases[] = {
    {vk::Return, 96}, // keypad Enter
};

constexpr int kMaxVk = 0xFF;
constexpr int kMaxEvdev = 0x2FF; // KEY_MAX

constexpr bool codesAreUnique()
{
    for (size_t i = 0; i < std::size(kKeys); ++i) {
        for (size_t j = i + 1; j < std::size(kKeys); ++j) {
            if (kKeys[i].vk == kKeys[j].vk || kKeys[i].evdev == kKeys[j].evdev)
                return false;
        }
    }
    return true;
}
static_assert(codesAreUnique(), "each virtual key and each evdev code appears once");

constexpr std::array<short, kMaxVk + 1> buildForward()
{
    std::array<short, kMaxVk + 1> table{};
    for (const auto& k : kKeys)
        table[k.vk] = static_cast<short>(k.evdev);
    for (const auto& k : kGenericModifiers)
        table[k.vk] = static_cast<short>(k.evdev);
    return table;
}

constexpr std::array<unsigned char, kMaxEvdev + 1> buildReverse()
{
    std::array<unsigned char, kMaxEvdev + 1> table{};
    for (const auto& k : kKeys)
        table[k.evdev] = static_cast<unsigned char>(k.vk);
    for (const auto& k : kReverseAliases)
        table[k.evdev] = static_cast<unsigned char>(k.vk);
    return table;
}

// Direct lookup tables; 0 marks "no such key" (neither side uses code 0).
constexpr auto kForward = buildForward();
constexpr auto kReverse = buildReverse();

} // namespace

std::optional<int> evdevFromVk(int vkCode)
{
    if (vkCode < 0 || vkCode > kMaxVk || kForward[vkCode] == 0)
        return std::nullopt;
    return kForward[vkCode];
}

std::optional<int> vkFromEvdev(int evdevCode)
{
    if (evdevCode < 0 || evdevCode > kMaxEvdev || kReverse[evdevCode] == 0)
        return std::nullopt;
    return kReverse[evdevCode];
}

} // namespace z3
