#pragma once

#include <optional>

namespace z3 {

// Windows virtual-key codes as macro files and the host actions use them.
// Only the codes that the program itself names are listed here; the full
// mapping lives in the table behind evdevFromVk/vkFromEvdev.
namespace vk {
inline constexpr int Back = 0x08;
inline constexpr int Return = 0x0D;
inline constexpr int Shift = 0x10;
inline constexpr int Control = 0x11;
inline constexpr int Menu = 0x12; // Alt
inline constexpr int Pause = 0x13;
inline constexpr int Escape = 0x1B;
inline constexpr int Space = 0x20;
inline constexpr int Prior = 0x21; // Page Up
inline constexpr int Next = 0x22;  // Page Down
inline constexpr int End = 0x23;
inline constexpr int Home = 0x24;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Snapshot = 0x2C; // Print Screen
inline constexpr int Insert = 0x2D;
inline constexpr int Delete = 0x2E;
inline constexpr int KeyA = 0x41;
inline constexpr int KeyC = 0x43;
inline constexpr int KeyV = 0x56;
inline constexpr int KeyZ = 0x5A;
inline constexpr int LeftWin = 0x5B;
inline constexpr int RightWin = 0x5C;
inline constexpr int Apps = 0x5D;
inline constexpr int Divide = 0x6F; // keypad /
inline constexpr int F4 = 0x73;
inline constexpr int NumLock = 0x90;
inline constexpr int LeftShift = 0xA0;
inline constexpr int RightShift = 0xA1;
inline constexpr int LeftControl = 0xA2;
inline constexpr int RightControl = 0xA3;
inline constexpr int LeftMenu = 0xA4;
inline constexpr int RightMenu = 0xA5;
inline constexpr int VolumeMute = 0xAD;
} // namespace vk

// The Linux input-event (evdev) key code of a Windows virtual-key code. The
// generic modifiers (Shift, Control, Alt) give their left-hand keys. Keys
// that Windows tells apart only by the extended-key flag or a fixed scan
// code are separate codes here already (right Ctrl/Alt/Shift, the Windows
// keys, arrows, Insert/Delete/Home/End/Page keys, Num Lock, keypad divide,
// Print Screen, Pause), so no flag is needed. Unknown or out-of-range codes
// give nothing. The X11 key code is the evdev code + 8.
std::optional<int> evdevFromVk(int vkCode);

// The virtual-key code of an evdev key code, preferring the left/right
// specific codes (VK_LSHIFT, not VK_SHIFT). Keypad Enter gives VK_RETURN,
// as on Windows. Unknown codes give nothing.
std::optional<int> vkFromEvdev(int evdevCode);

} // namespace z3
