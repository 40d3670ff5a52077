#include "core/keys/VirtualKeys.h"

#include <gtest/gtest.h>

namespace z3 {
namespace {

struct KeyCase {
    int vk;
    int evdev;
    const char* name;
};

// Keys that Windows distinguishes by the extended flag or a fixed scan code
// must land on distinct physical keys, plus a sample of ordinary ones.
const KeyCase kPhysicalKeys[] = {
    {0xA3, 97, "right Ctrl"},
    {0xA2, 29, "left Ctrl"},
    {0xA5, 100, "right Alt"},
    {0xA4, 56, "left Alt"},
    {0xA1, 54, "right Shift"},
    {0xA0, 42, "left Shift"},
    {0x5B, 125, "left Windows"},
    {0x5C, 126, "right Windows"},
    {0x5D, 127, "Applications"},
    {0x25, 105, "Left"},
    {0x26, 103, "Up"},
    {0x27, 106, "Right"},
    {0x28, 108, "Down"},
    {0x2D, 110, "Insert"},
    {0x2E, 111, "Delete"},
    {0x24, 102, "Home"},
    {0x23, 107, "End"},
    {0x21, 104, "Page Up"},
    {0x22, 109, "Page Down"},
    {0x90, 69, "Num Lock"},
    {0x6F, 98, "keypad divide"},
    {0x2C, 99, "Print Screen"},
    {0x13, 119, "Pause"},
    {0x41, 30, "A"},
    {0x43, 46, "C"},
    {0x5A, 44, "Z"},
    {0x30, 11, "0"},
    {0x31, 2, "1"},
    {0x73, 62, "F4"},
    {0x7B, 88, "F12"},
    {0x7C, 183, "F13"},
    {0xAD, 113, "volume mute"},
    {0x60, 82, "keypad 0"},
    {0x67, 71, "keypad 7"},
    {0x0D, 28, "Enter"},
    {0xDC, 43, "backslash"},
};

TEST(VirtualKeys, PhysicalKeysMapBothWays)
{
    for (const auto& c : kPhysicalKeys) {
        EXPECT_EQ(evdevFromVk(c.vk), c.evdev) << c.name;
        EXPECT_EQ(vkFromEvdev(c.evdev), c.vk) << c.name;
    }
}

TEST(VirtualKeys, GenericModifiersGiveTheLeftKeyAndAreNeverProduced)
{
    EXPECT_EQ(evdevFromVk(0x10), 42);
    EXPECT_EQ(evdevFromVk(0x11), 29);
    EXPECT_EQ(evdevFromVk(0x12), 56);
    EXPECT_EQ(vkFromEvdev(42), 0xA0);
    EXPECT_EQ(vkFromEvdev(29), 0xA2);
    EXPECT_EQ(vkFromEvdev(56), 0xA4);
}

TEST(VirtualKeys, KeypadEnterReadsAsReturn)
{
    EXPECT_EQ(vkFromEvdev(96), 0x0D);
    EXPECT_EQ(evdevFromVk(0x0D), 28);
}

TEST(VirtualKeys, EveryMappedKeyRoundTrips)
{
    for (int code = 0; code <= 0xFF; ++code) {
        if (code == 0x10 || code == 0x11 || code == 0x12)
            continue;
        if (auto evdev = evdevFromVk(code)) {
            EXPECT_EQ(vkFromEvdev(*evdev), code) << std::hex << code;
        }
    }
}

TEST(VirtualKeys, UnknownAndOutOfRangeCodesGiveNothing)
{
    for (int code : {-1, 0, 0x01, 0x07, 0x0A, 0xF0, 0xFF, 0x100, 0x7FFFFFFF, -0x7FFFFFFF})
        EXPECT_FALSE(evdevFromVk(code)) << code;
    for (int code : {-1, 0, 0x300, 0x2FF, 0x7FFFFFFF, 272 /* BTN_LEFT */})
        EXPECT_FALSE(vkFromEvdev(code)) << code;
}

} // namespace
} // namespace z3
