#include "ActionFakes.h"
#include "core/config/ConfigRules.h"

#include <gtest/gtest.h>

namespace z3 {
namespace {

using test::actions::DeviceFixture;
using Reports = std::vector<std::string>;

TEST(ApplyConfiguration, DefaultsSendEightPaddedReportsInOrder)
{
    // Code 6 (DPI cycle) is handled on the host: the mouse reports button 6.
    DeviceFixture f;
    EXPECT_TRUE(f.session.applyConfiguration());
    EXPECT_EQ(f.sent(),
        (Reports{"07 10 01 01 00 00 00 00", "07 10 02 02 00 00 00 00", "07 10 03 03 00 00 00 00",
            "07 10 04 04 00 00 00 00", "07 10 05 05 00 00 00 00", "07 10 06 1F 00 00 00 00",
            "07 11 00 00 00 00 00 00", "07 09 00 90 00 00 00 00"}));
    EXPECT_EQ(f.model.buttonDpiAction[6], 2);
    EXPECT_FALSE(f.model.driverRunning);
    EXPECT_GE(f.ui.invalidations(), 1);
    EXPECT_TRUE(f.ui.calls().empty());
}

TEST(ApplyConfiguration, WithoutHostHandledButtonsTheActionsStayOn)
{
    DeviceFixture f;
    f.model.buttonFunctionCode[6] = 5;
    f.session.applyConfiguration();
    EXPECT_EQ(f.sent()[5], "07 10 06 05 00 00 00 00");
    EXPECT_TRUE(f.model.driverRunning);
    EXPECT_FALSE(f.model.promptBlinkStarted);
    EXPECT_EQ(statusLineText(f.model), "驱动运行中...");
}

TEST(ApplyConfiguration, ButtonCodesTranslateOrSendNothing)
{
    struct Case {
        int button;
        int32_t code;
        const char* report; // nullptr: no report for this button
    };
    const Case cases[] = {
        {3, 14, "07 10 03 0A"},
        {2, 23, "07 10 02 0F"},
        {1, 0, "07 10 01 00"},
        {6, 25, "07 10 06 11"},
        {5, 8, nullptr},
        {5, 20, nullptr},
        {4, 53, nullptr},
        {4, -1, nullptr},
    };
    for (const auto& c : cases) {
        DeviceFixture f(4);
        f.model.buttonFunctionCode[c.button] = c.code;
        f.session.applyConfiguration();
        const auto sent = f.sent();
        const std::string prefix = "07 10 0" + std::to_string(c.button);
        const auto mine
            = std::find_if(sent.begin(), sent.end(), [&](auto& r) { return r.starts_with(prefix); });
        if (c.report) {
            EXPECT_EQ(sent.size(), 8u) << c.code;
            ASSERT_NE(mine, sent.end()) << c.code;
            EXPECT_EQ(*mine, c.report) << c.code;
        } else {
            EXPECT_EQ(sent.size(), 7u) << c.code;
            EXPECT_EQ(mine, sent.end()) << c.code;
        }
    }
}

TEST(ApplyConfiguration, FirstHostHandledButtonTurnsActionsOffAndPromptsForIt)
{
    DeviceFixture f;
    f.model.buttonFunctionCode[2] = 31;
    f.model.buttonFunctionCode[4] = 36;
    f.model.buttonFunctionCode[5] = 17;
    f.session.applyConfiguration();
    const auto sent = f.sent();
    EXPECT_EQ(sent[1], "07 10 02 1F 00 00 00 00");
    EXPECT_EQ(sent[3], "07 10 04 1F 00 00 00 00");
    EXPECT_EQ(sent[4], "07 10 05 1F 00 00 00 00");
    EXPECT_FALSE(f.model.driverRunning);
    EXPECT_EQ(f.model.promptButton, 2);
    EXPECT_TRUE(f.model.promptBlinkStarted);
    EXPECT_EQ(f.model.buttonDpiAction[5], 1);
    EXPECT_EQ(f.model.buttonDpiAction[2], 0);
    EXPECT_EQ(statusLineText(f.model).find("配置完成，请点击鼠标第["), 0u);
}

TEST(ApplyConfiguration, ColourPickerCodeIsRepairedWithAMessage)
{
    DeviceFixture f;
    f.model.buttonFunctionCode[3] = 19;
    f.model.buttonFunctionCode[6] = 19;
    f.session.applyConfiguration();
    EXPECT_EQ(
        f.ui.calls(), (Reports{"message 取色键无效,请设置为其他键", "message 取色键无效,请设置为其他键"}));
    EXPECT_EQ(f.model.buttonFunctionCode[3], 12);
    EXPECT_EQ(f.sent()[2], "07 10 03 08 00 00 00 00");
    EXPECT_EQ(f.sent()[5], "07 10 06 08 00 00 00 00");
    // The applied-state section keeps the model as the apply found it.
    EXPECT_EQ(f.ini("Config6", "K3"), "19");
    EXPECT_EQ(f.ini("Config1", "K3"), "12");

    f.session.applyConfiguration();
    EXPECT_EQ(f.ui.calls().size(), 2u); // repaired once, no message again
}

TEST(ApplyConfiguration, DpiReportUsesTheActiveStageAndCopiesTheAppliedValues)
{
    DeviceFixture f(4);
    f.model.dpiLevel = 2;
    const uint8_t values[] = {0, 1, 4, 3};
    for (int s = 1; s <= 4; ++s)
        f.model.dpiStageValue[s] = values[s - 1];
    f.model.ledStatus = 1;
    f.model.wheelStatus = 1;
    f.session.applyConfiguration();
    EXPECT_EQ(f.sent()[6], "07 11 01 00");
    EXPECT_EQ(f.sent()[7], "07 09 02 C1");
    EXPECT_EQ(f.model.appliedDpiStageValue[3], 4);
    EXPECT_EQ(f.model.appliedLedStatus, 1);

    // A hand-edited level beyond the stages is sent as stored, with the value
    // of the nearest stage instead of whatever lies past the array.
    f.model.dpiLevel = 9;
    f.session.applyConfiguration();
    EXPECT_EQ(f.sent().back(), "07 09 09 B1");
}

TEST(ApplyConfiguration, RecordsCurConfigAppliedStateAndProfileInOneSave)
{
    DeviceFixture f;
    f.model.profileIndex = 3;
    f.model.buttonFunctionCode[2] = 40;
    f.model.dpiLevel = 1;
    EXPECT_TRUE(f.session.applyConfiguration());
    EXPECT_EQ(f.files.writes, 1);
    EXPECT_EQ(f.ini("Init", "CurConfig"), "3");
    EXPECT_EQ(f.ini("Config6", "K2"), "40");
    EXPECT_EQ(f.ini("Config3", "K2"), "40");
    EXPECT_EQ(f.ini("Config3", "DPI_LEVEL"), "1");
}

TEST(ApplyConfiguration, AFailedSaveOrAbsentMouseStillRunsTheRest)
{
    DeviceFixture f;
    f.files.failWrites = true;
    f.transport.unplugAll();
    f.model.buttonFunctionCode[1] = 38;
    EXPECT_FALSE(f.session.applyConfiguration());
    EXPECT_FALSE(f.model.driverRunning);
    EXPECT_EQ(f.model.promptButton, 1);

    // No mouse found at all: nothing to send to, nothing breaks.
    DeviceFixture none;
    none.link.reset();
    EXPECT_TRUE(none.session.applyConfiguration());
    EXPECT_TRUE(none.sent().empty());
}

TEST(ApplyConfiguration, ReportLengthFollowsTheCollection)
{
    DeviceFixture shortReports(2);
    shortReports.session.applyConfiguration();
    EXPECT_EQ(shortReports.sent().front(), "07 10");

    DeviceFixture longReports(65);
    longReports.session.applyConfiguration();
    EXPECT_EQ(longReports.transport.sentReports().front().bytes.size(), 65u);
    EXPECT_EQ(longReports.transport.sentReports().back().bytes[64], 0);
}

TEST(CloseProgram, AltKeyUpsThenTrayThenCloseReportThenWindow)
{
    DeviceFixture f(4);
    test::actions::RecordingInput input;
    f.session.closeProgram(input);
    EXPECT_EQ(input.events, Reports(6, "up 12"));
    EXPECT_EQ(f.ui.calls(), (Reports{"tray deleted", "window destroyed"}));
    EXPECT_EQ(f.sent(), (Reports{"07 20 00 00"}));
}

TEST(PromptBlink, BlinksWhileWaitingForArmingAndEndsOnArmingOrPageChange)
{
    DeviceFixture f;
    f.model.buttonFunctionCode[1] = 36;
    f.session.applyConfiguration();
    EXPECT_TRUE(f.model.promptBlinkRunning);
    // Wait for a few phases, then arm the actions.
    for (int i = 0; i < 2000 && f.ui.invalidations() < 8; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_GE(f.ui.invalidations(), 8);
    f.model.driverRunning = true;
    for (int i = 0; i < 2000 && f.model.promptBlinkRunning; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(f.model.promptBlinkRunning);
    EXPECT_TRUE(f.model.promptBlinkOn);

    // Started on another page, or with the actions on, it ends at once.
    f.model.driverRunning = false;
    f.model.currentPage = static_cast<uint8_t>(Page::Colour);
    f.blink.startIfIdle();
    for (int i = 0; i < 2000 && f.model.promptBlinkRunning; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(f.model.promptBlinkRunning);
}

} // namespace
} // namespace z3
