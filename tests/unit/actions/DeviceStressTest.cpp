#include "ActionFakes.h"
#include "core/device/HostActionThread.h"

#include <gtest/gtest.h>

namespace z3 {
namespace {

using test::actions::DeviceFixture;
using namespace std::chrono_literals;

// The listener steps the DPI stage and switches profiles as fast as reports
// come while the UI thread edits and applies. Run under ThreadSanitizer this
// shows the sharing is race-free; in any build it shows that no report of
// one thread lands inside another thread's apply.
TEST(DeviceStress, ListenerAndUiThreadNeverInterleave)
{
    DeviceFixture f(4);
    MacroStore macros;
    test::actions::RecordingShell shell;
    HostActionThread listener({f.model, f.link, f.session, macros, shell, f.ui,
                                  [] { return std::make_unique<test::actions::RecordingInput>(); }},
        {}, 5ms);
    listener.start();

    constexpr int kPresses = 400;
    std::thread mouse([&] {
        const uint8_t buttons[] = {0xF1, 0xF2, 0xF3, 0xF4};
        for (int i = 0; i < kPresses; ++i) {
            f.transport.pushInputReport(DeviceFixture::kPath, {0x06, 0x00}); // arm after each apply
            f.transport.pushInputReport(DeviceFixture::kPath, {0x06, buttons[i % 4]});
            std::this_thread::sleep_for(1ms);
        }
    });

    const int32_t codes[] = {17, 18, 6, 40, 1, 2, 3, 23, 36};
    for (int i = 0; i < 150; ++i) {
        f.model.buttonFunctionCode[1] = 17;
        f.model.buttonFunctionCode[2] = 18;
        f.model.buttonFunctionCode[3] = 6;
        f.model.buttonFunctionCode[4] = i % 3 == 0 ? 40 : 17;
        f.model.buttonFunctionCode[5] = codes[i % std::size(codes)];
        f.model.dpiStageEnabled[1 + i % 4] = static_cast<uint8_t>(i % 2);
        f.model.dpiStageValue[1 + i % 4] = static_cast<uint8_t>(i % 5);
        f.model.ledStatus = static_cast<uint8_t>(i % 4);
        f.session.applyConfiguration();
        std::this_thread::sleep_for(1ms);
    }
    mouse.join();
    std::this_thread::sleep_for(20ms);
    listener.stop();

    // Every wheel report closes the mapping reports of buttons 1..6 in order
    // and is followed by the apply's DPI report.
    const auto sent = f.transport.sentReports();
    int applies = 0;
    for (size_t i = 0; i < sent.size(); ++i) {
        ASSERT_EQ(sent[i].bytes.size(), 4u);
        ASSERT_EQ(sent[i].bytes[0], 0x07);
        if (sent[i].bytes[1] != 0x11)
            continue;
        ++applies;
        ASSERT_GE(i, 6u);
        ASSERT_LT(i + 1, sent.size());
        EXPECT_EQ(sent[i + 1].bytes[1], 0x09) << i;
        for (size_t b = 0; b < 6; ++b) {
            EXPECT_EQ(sent[i - 6 + b].bytes[1], 0x10) << i;
            EXPECT_EQ(sent[i - 6 + b].bytes[2], b + 1) << i;
        }
    }
    EXPECT_GE(applies, 150);
    EXPECT_GT(sent.size(), 150u * 8u); // the listener's DPI reports came in between
    const int32_t level = f.model.dpiLevel;
    EXPECT_TRUE(level >= 0 && level <= 3);
    EXPECT_NE(f.ini("Init", "CurConfig"), "<no file>");
}

} // namespace
} // namespace z3
