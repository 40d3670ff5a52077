#pragma once

#include <cstdint>

namespace z3 {

// A keyboard message as the recorder and the page's key filter see it: the
// Windows message identifier and its wParam (a virtual-key code for the four
// key messages, a character code for WM_CHAR). The keyboard capture turns
// toolkit key events into these.
struct KeyMessage {
    uint32_t message = 0;
    uint32_t wParam = 0;
};

namespace WindowMessage {
inline constexpr uint32_t KeyDown = 0x100;
inline constexpr uint32_t KeyUp = 0x101;
inline constexpr uint32_t Char = 0x102;
inline constexpr uint32_t SysKeyDown = 0x104;
inline constexpr uint32_t SysKeyUp = 0x105;

inline constexpr bool isKeyDown(uint32_t message)
{
    return message == KeyDown || message == SysKeyDown;
}
inline constexpr bool isKeyUp(uint32_t message)
{
    return message == KeyUp || message == SysKeyUp;
}
inline constexpr bool isKey(uint32_t message)
{
    return isKeyDown(message) || isKeyUp(message);
}
} // namespace WindowMessage

} // namespace z3
