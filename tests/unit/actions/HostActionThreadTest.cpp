#include "core/device/HostActionThread.h"

#include "ActionFakes.h"
#include "core/device/DpiStep.h"
#include "core/device/MacroPlayback.h"
#include "core/keys/VirtualKeys.h"

#include <gtest/gtest.h>

namespace z3 {
namespace {

using test::actions::DeviceFixture;
using Events = std::vector<std::string>;
using namespace std::chrono_literals;

// The listener over a DeviceFixture, with recording input, shell and clock.
struct ListenerFixture : DeviceFixture {
    explicit ListenerFixture(uint16_t featureLength = 8)
        : DeviceFixture(featureLength)
    {
        listener.setClock(clock);
    }

    void press(std::vector<uint8_t> report) { listener.handleReport(report, input); }

    MacroStore macros;
    test::actions::RecordingShell shell;
    test::actions::FakeWaitClock clock;
    test::actions::RecordingInput input;
    std::vector<std::string> actions;
    HostActionThread listener{{model, link, session, macros, shell, ui,
                                  [] { return std::make_unique<test::actions::RecordingInput>(); }},
        [this](const std::string& a) { actions.push_back(a); }};
};

MacroRecord macroOf(std::initializer_list<MacroEvent> steps, uint8_t repeatFlag = 0, uint16_t repeatCount = 1)
{
    MacroRecord r = MacroRecord::blank();
    size_t k = 0;
    for (const auto& step : steps)
        r.setEvent(k++, step);
    r.eventCount = static_cast<uint8_t>(steps.size());
    r.repeatFlag = repeatFlag;
    r.setRepeatCount(repeatCount);
    return r;
}

TEST(HostActions, ArmingReportTurnsTheActionsOn)
{
    ListenerFixture f;
    f.model.buttonFunctionCode[2] = 36;
    f.session.applyConfiguration();
    ASSERT_FALSE(f.model.driverRunning);

    f.press({0x06, 0xF2, 0, 0, 0, 0, 0, 0}); // dropped while off
    f.press({0x05, 0x00});                   // wrong report id
    f.press({});
    EXPECT_TRUE(f.shell.calls().empty());
    EXPECT_FALSE(f.model.driverRunning);

    f.press({0x06}); // a one-byte collection: the missing button byte reads 0
    EXPECT_TRUE(f.model.driverRunning);
    EXPECT_FALSE(f.model.promptBlinkStarted);
    f.press({0x06, 0xF2});
    EXPECT_EQ(f.shell.calls(), Events{"computer"});
    EXPECT_EQ(f.actions, (Events{"armed", "shell computer"}));

    // Once on, arming reports do nothing and the report id is not checked.
    f.press({0x06, 0x00});
    f.press({0x01, 0xF2});
    EXPECT_EQ(f.actions, (Events{"armed", "shell computer", "shell computer"}));
}

TEST(HostActions, ButtonBytesSelectTheButton)
{
    ListenerFixture f;
    for (int b = 1; b <= 6; ++b)
        f.model.buttonFunctionCode[b] = 35 + b; // 36..41: shell actions and profile switch
    f.model.buttonFunctionCode[1] = 37;
    f.model.buttonFunctionCode[2] = 38;
    f.model.buttonFunctionCode[3] = 39;
    f.press({0x06, 0xF3});
    f.press({0x06, 0xF1});
    f.press({0x06, 0xF2});
    f.press({0x06, 0xF0}); // no button 0
    f.press({0x06, 0xF7}); // no button 7
    f.press({0x06, 0x01});
    EXPECT_EQ(f.shell.calls(), (Events{"terminal", "lock", "calculator"}));
}

TEST(DpiStep, MovesToEnabledStagesOnly)
{
    struct Case {
        std::array<uint8_t, 4> enabled;
        int32_t level;
        ButtonDpiAction action;
        int32_t expected;
    };
    using A = ButtonDpiAction;
    const Case cases[] = {
        {{1, 0, 0, 1}, 1, A::Up, 3},
        {{1, 0, 0, 1}, 3, A::Down, 0},
        {{1, 0, 0, 1}, 3, A::Cycle, 0},
        {{1, 0, 0, 1}, 3, A::Up, 3},
        {{1, 0, 0, 1}, 0, A::Down, 0},
        {{0, 1, 1, 0}, 2, A::Cycle, 1},
        {{0, 0, 0, 0}, 2, A::Cycle, 2},
        {{2, 2, 2, 1}, 3, A::Down, 3}, // only exactly 1 counts as enabled
        {{1, 1, 1, 1}, 9, A::Up, 3},   // a hand-edited level is taken as the nearest stage
        {{1, 1, 1, 1}, -4, A::Down, 0},
        {{1, 1, 1, 1}, -4, A::Cycle, 1},
    };
    for (const auto& c : cases) {
        ConfigModel model;
        for (int s = 1; s <= 4; ++s)
            model.dpiStageEnabled[s] = c.enabled[s - 1];
        model.dpiLevel = c.level;
        EXPECT_EQ(nextDpiLevel(model, c.action), c.expected)
            << "level " << c.level << " action " << int(c.action);
    }
}

TEST(HostActions, DpiButtonSendsTheReportAndStoresTheLevelEvenWhenUnchanged)
{
    ListenerFixture f(4);
    f.model.buttonFunctionCode[3] = 17; // up
    const uint8_t values[] = {1, 2, 4, 0};
    for (int s = 1; s <= 4; ++s)
        f.model.dpiStageValue[s] = values[s - 1];
    f.model.dpiStageEnabled[2] = 0;
    f.model.dpiStageEnabled[3] = 0;
    f.model.dpiLevel = 1;
    f.model.profileIndex = 2;
    f.session.applyConfiguration();
    f.press({0x06, 0x00});
    const size_t before = f.sent().size();

    f.press({0x06, 0xF3});
    f.press({0x06, 0xF3});
    EXPECT_EQ(f.model.dpiLevel, 3);
    const auto sent = f.sent();
    EXPECT_EQ(Events(sent.begin() + before, sent.end()), (Events{"07 09 03 80", "07 09 03 80"}));
    EXPECT_EQ(f.ini("Config2", "DPI_LEVEL"), "3");
    EXPECT_EQ(f.actions, (Events{"armed", "dpi-level 3", "dpi-level 3"}));
}

TEST(HostActions, ShortcutsAndKeys)
{
    struct Case {
        int32_t code;
        Events events;
        size_t waits;
    };
    const Case cases[] = {
        {31, {"down 11", "down 43", "up 43", "up 11"}, 1}, {32, {"down 11", "down 56", "up 56", "up 11"}, 1},
        {33, {"down 11", "down 41", "up 41", "up 11"}, 1}, {34, {"down 11", "down 5A", "up 5A", "up 11"}, 1},
        {35, {"down 12", "down 73", "up 73", "up 12"}, 0}, {26, {"down AD", "up AD"}, 0}, {27, {}, 0},
        {30, {}, 0}, {52, {}, 0}, // a macro slot with no macro behind it
    };
    for (const auto& c : cases) {
        ListenerFixture f;
        f.model.buttonFunctionCode[4] = c.code;
        f.listener.performButton(4, f.input);
        EXPECT_EQ(f.input.events, c.events) << c.code;
        ASSERT_EQ(f.clock.deadlines.size(), c.waits) << c.code;
        if (c.waits) {
            EXPECT_EQ(f.clock.deadlines[0] - test::actions::FakeWaitClock::TimePoint{}, 20ms);
        }
    }
}

TEST(HostActions, ProfileSwitchLoadsAndAppliesTheNextProfile)
{
    ListenerFixture f(4);
    f.files.files[DeviceFixture::kIni]
        = "[Config1]\nK1=1\nK2=40\nK3=14\nK4=4\nK5=5\nK6=2\nDPI_LEVEL=1\n"
          "DPI_SET1=1\nDPI_SET2=3\nDPI_SET_EN1=1\nDPI_SET_EN2=1\nLED_STATUS=2\n";
    f.model.buttonFunctionCode[2] = 40;
    f.model.profileIndex = 5;
    f.press({0x06, 0xF2});
    EXPECT_EQ(f.model.profileIndex, 1);
    EXPECT_EQ(f.sent(),
        (Events{"07 10 01 01", "07 10 02 1F", "07 10 03 0A", "07 10 04 04", "07 10 05 05", "07 10 06 02",
            "07 11 00 00", "07 09 01 B2"}));
    EXPECT_EQ(f.ini("Init", "CurConfig"), "1");
    EXPECT_EQ(f.actions, Events{"profile 1"});

    // Indices that name no profile also go to profile 1, never to "Config-1".
    for (int32_t index : {0, -2, 7}) {
        f.model.profileIndex = index;
        f.model.driverRunning = true;
        f.model.buttonFunctionCode[2] = 40;
        f.press({0x06, 0xF2});
        EXPECT_EQ(f.model.profileIndex, 1) << index;
    }
    f.model.profileIndex = 3;
    f.model.driverRunning = true;
    f.press({0x06, 0xF2});
    EXPECT_EQ(f.model.profileIndex, 4);
}

TEST(MacroPlayback, RepeatFlagAndCountDecideTheRepetitions)
{
    struct Case {
        uint8_t flag;
        uint16_t count;
        size_t plays;
    };
    const Case cases[] = {{0, 3, 1}, {0, 0, 1}, {1, 3, 3}, {1, 1, 1}, {1, 0, 0}, {7, 2, 2}};
    for (const auto& c : cases) {
        test::actions::FakeWaitClock clock;
        test::actions::RecordingInput input;
        const auto record = macroOf({{0x41, 1, 5}, {0x41, 2, 5}}, c.flag, c.count);
        EXPECT_TRUE(playMacro(record, input, clock));
        EXPECT_EQ(input.events.size(), 2 * c.plays) << int(c.flag) << " " << c.count;
        EXPECT_EQ(clock.deadlines.size(), 2 * c.plays);
    }
}

TEST(MacroPlayback, StepsBecomeKeysAndButtons)
{
    test::actions::FakeWaitClock clock;
    test::actions::RecordingInput input;
    const auto record = macroOf({{0x2C, 1, 0}, {0x2C, 2, 0}, {240, 1, 0}, {240, 2, 0}, {241, 1, 0},
        {241, 2, 0}, {242, 1, 0}, {250, 2, 0}, {0xA3, 1, 0}, {0xA3, 2, 0}, {0x41, 0, 7}, {0x41, 3, 7}});
    EXPECT_TRUE(playMacro(record, input, clock));
    EXPECT_EQ(input.events,
        (Events{"down 2C", "up 2C", "button left down", "button left up", "button right down",
            "button right up", "button middle down", "button middle up", "down A3", "up A3"}));
    // Steps without input still wait their pause.
    EXPECT_EQ(clock.deadlines.size(), 12u);
    EXPECT_EQ(clock.deadlines.back() - test::actions::FakeWaitClock::TimePoint{}, 14ms);
}

TEST(MacroPlayback, DeadlinesAreAbsoluteSoLatenessDoesNotAccumulate)
{
    test::actions::FakeWaitClock clock;
    clock.oversleep = 1ms;                            // every wait overshoots
    test::actions::RecordingInput input(&clock, 1ms); // and every injection costs time
    std::vector<MacroEvent> steps(100, MacroEvent{0x41, 1, 2});
    MacroRecord record = MacroRecord::blank();
    for (size_t k = 0; k < steps.size(); ++k)
        record.setEvent(k, steps[k]);
    record.eventCount = 100;
    EXPECT_TRUE(playMacro(record, input, clock));
    for (size_t k = 0; k < clock.deadlines.size(); ++k)
        ASSERT_EQ(clock.deadlines[k] - test::actions::FakeWaitClock::TimePoint{},
            std::chrono::milliseconds(2 * (k + 1)));
}

TEST(MacroPlayback, AnInterruptedMacroReleasesWhatItHolds)
{
    test::actions::FakeWaitClock clock;
    clock.interruptAtWait = 3;
    test::actions::RecordingInput input;
    const auto record = macroOf({{0xA2, 1, 1}, {240, 1, 1}, {0x41, 1, 1}, {0x41, 2, 1}, {0xA2, 2, 1}});
    EXPECT_FALSE(playMacro(record, input, clock));
    EXPECT_EQ(
        input.events, (Events{"down A2", "button left down", "down 41", "up 41", "button left up", "up A2"}));
}

TEST(HostActions, MacroCodesPlayStoredMacrosOnly)
{
    ListenerFixture f;
    f.macros.modify([](MacroStoreData& data) {
        data.count = 3;
        data.records[2] = macroOf({{0x5A, 1, 0}, {0x5A, 2, 0}});
    });
    f.model.buttonFunctionCode[1] = 43; // third macro
    f.model.buttonFunctionCode[2] = 45; // beyond the stored three
    f.model.buttonFunctionCode[3] = INT32_MIN;
    f.press({0x06, 0xF1});
    f.press({0x06, 0xF2});
    f.press({0x06, 0xF3});
    EXPECT_EQ(f.input.events, (Events{"down 5A", "up 5A"}));
    EXPECT_EQ(f.actions, Events{"macro 3"});
}

TEST(HostActionThread, ReadsReportsUntilStoppedAndSurvivesAVanishingMouse)
{
    ListenerFixture f;
    f.model.buttonFunctionCode[5] = 39;
    HostActionThread thread({f.model, f.link, f.session, f.macros, f.shell, f.ui,
                                [] { return std::make_unique<test::actions::RecordingInput>(); }},
        {}, 20ms);
    thread.start();
    f.transport.pushInputReport(DeviceFixture::kPath, {0x06, 0xF5, 0, 0, 0, 0, 0, 0});
    f.transport.pushInputReport(
        DeviceFixture::kPath, std::vector<uint8_t>(5000, 0xF5)); // longer than the buffer
    for (int i = 0; i < 2000 && f.shell.calls().size() < 1; ++i)
        std::this_thread::sleep_for(1ms);
    f.transport.unplugAll(); // reads now fail at once: the loop pauses and retries
    std::this_thread::sleep_for(20ms);
    thread.stop();
    EXPECT_GE(f.shell.calls().size(), 1u);
}

} // namespace
} // namespace z3
