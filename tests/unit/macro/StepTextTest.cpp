#include "core/macro/StepText.h"

#include <gtest/gtest.h>

namespace z3 {
namespace {

TEST(StepText, KeyNamesCoverTheWholeCodeRange)
{
    const struct {
        int code;
        const char* name;
    } cases[] = {
        {65, "A"},
        {90, "Z"},
        {48, "0"},
        {57, "9"},
        {8, "BACK"},
        {13, "RETURN"},
        {18, "MENU"},
        {32, "SPACE"},
        {47, "HELP"},
        {91, "LWIN"},
        {93, "APPS"},
        {95, "SLEEP"},
        {96, "NUMPAD0"},
        {111, "DIVIDE"},
        {112, "F1"},
        {121, "F10"},
        {135, "F24"},
        {144, "NUMLOCK"},
        {145, "SCROLL"},
        {160, "LSHIFT"},
        {163, "RCONTROL"},
        {165, "RMENU"},
        {186, ";:"},
        {187, "+"},
        {191, "/?"},
        {192, "`~"},
        {219, "[{"},
        {220, "\\|"},
        {221, "]}"},
        {222, " ' "},
        {240, "Left_Key"},
        {241, "Right_Key"},
        {242, "Middle_Key"},
        // Codes without a name.
        {0, "不可录制"},
        {7, "不可录制"},
        {10, "不可录制"},
        {14, "不可录制"},
        {22, "不可录制"},
        {26, "不可录制"},
        {58, "不可录制"},
        {64, "不可录制"},
        {94, "不可录制"},
        {136, "不可录制"},
        {143, "不可录制"},
        {146, "不可录制"},
        {166, "不可录制"},
        {185, "不可录制"},
        {193, "不可录制"},
        {218, "不可录制"},
        {223, "不可录制"},
        {239, "不可录制"},
        {243, "不可录制"},
        {250, "不可录制"},
        {255, "不可录制"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepText::keyName(static_cast<uint8_t>(c.code)), c.name) << c.code;
}

TEST(StepText, LinesCarryTheDirectionMarkOrThePause)
{
    EXPECT_EQ(StepText::stepLine({65, 1, 0}), "[↓]A");
    EXPECT_EQ(StepText::stepLine({53, 2, 0}), "[↑]5");
    EXPECT_EQ(StepText::stepLine({240, 1, 0}), "[↓]Left_Key");
    EXPECT_EQ(StepText::stepLine({65, 0, 0}), "A");
    EXPECT_EQ(StepText::stepLine({65, 7, 0}), "A");
    EXPECT_EQ(StepText::pauseLine(30), "    30ms");
    EXPECT_EQ(StepText::pauseLine(65535), "    65535ms");
}

} // namespace
} // namespace z3
