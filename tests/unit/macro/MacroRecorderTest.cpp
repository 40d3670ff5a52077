#include "MacroPageFixture.h"

#include <vector>

namespace z3 {
namespace {

using Lines = std::vector<std::string>;

constexpr uint32_t kDown = WindowMessage::KeyDown;
constexpr uint32_t kUp = WindowMessage::KeyUp;
constexpr uint32_t kSysDown = WindowMessage::SysKeyDown;
constexpr uint32_t kSysUp = WindowMessage::SysKeyUp;

class MacroRecorderTest : public test::MacroPageFixture {
protected:
    void SetUp() override
    {
        addMacro(u"first");
        addMacro(u"target", {{'Q', MacroAction::Press, 5}});
        store.modify([](MacroStoreData& data) {
            data.records[1].repeatFlag = 1;
            data.records[1].setRepeatCount(9);
        });
        openPage(); // selects the last macro, "target"
    }

    // Sends messages `step` ms apart.
    void send(std::initializer_list<KeyMessage> messages, int32_t step = 100)
    {
        for (const KeyMessage& message : messages) {
            clock.now += step;
            page.preTranslateKey(message);
        }
    }

    std::vector<MacroEvent> recorded() const
    {
        const MacroRecord record = store.record(1);
        std::vector<MacroEvent> steps;
        for (int k = 0; k < record.eventCount; ++k)
            steps.push_back(record.event(k));
        return steps;
    }
};

TEST_F(MacroRecorderTest, StartingClearsTheMacroAndGrabsTheKeyboard)
{
    page.onButton(4);
    EXPECT_TRUE(recorder.active());
    EXPECT_TRUE(grab.grabbed);
    EXPECT_EQ(view.focus, MacroPageControl::EventList);
    EXPECT_TRUE(view.eventLines.empty());
    EXPECT_EQ(view.repeatText, "1");
    EXPECT_FALSE(view.repeatEnabled);
    EXPECT_EQ(store.record(1).eventCount, 0); // plays nothing while recording
    page.onButton(4);
    EXPECT_FALSE(recorder.active());
    EXPECT_FALSE(grab.grabbed);
    const MacroRecord record = store.record(1);
    EXPECT_EQ(record.nameView(), u"target");
    EXPECT_EQ(record.eventCount, 0);
    EXPECT_EQ(record.repeatFlag, 0);
    EXPECT_EQ(record.repeatCount(), 1);
    EXPECT_EQ(record.eventKeys[0].code, 0); // cleared to zero bytes
    EXPECT_EQ(store.current(), 1);
}

TEST_F(MacroRecorderTest, StartingKeepsANameWithAnUnpairedSurrogate)
{
    const std::u16string name = {u'n', 0xD800, u'x'};
    store.modify([&](MacroStoreData& data) { data.records[1].setName(name); });
    view.macroLines[1] = "n\xEF\xBF\xBDx"; // what a widget shows: U+FFFD
    page.onButton(4);
    page.onButton(4);
    EXPECT_EQ(store.record(1).nameView(), name);
}

TEST_F(MacroRecorderTest, AHeldKeyRecordsOnePressAndOneRelease)
{
    page.onButton(4);
    send({{kDown, 'A'}, {kDown, 'A'}, {kDown, 'A'}}, 50); // auto-repeat
    send({{kUp, 'A'}}, 350);
    page.onButton(4);
    EXPECT_EQ(recorded(), (std::vector<MacroEvent>{{'A', 1, 450}, {'A', 2, 30}}));
    EXPECT_EQ(view.eventLines, (Lines{"[↓]A", "    450ms", "[↑]A"}));
    EXPECT_EQ(view.eventSelection, 2); // the last line while recording
    EXPECT_EQ(events.state().pressCount, 1);
    EXPECT_EQ(events.state().releaseCount, 1);
}

TEST_F(MacroRecorderTest, OverlappingKeysAndAltCombinationsKeepTheirOrder)
{
    page.onButton(4);
    send({{kDown, 'A'}, {kDown, 'B'}, {kUp, 'A'}, {kUp, 'B'}, {kSysDown, 0xA4}, {kSysDown, 'X'},
        {kSysUp, 'X'}, {kUp, 0xA4}});
    page.onButton(4);
    const std::vector<MacroEvent> expected = {{'A', 1, 100}, {'B', 1, 100}, {'A', 2, 100}, {'B', 2, 100},
        {0xA4, 1, 100}, {'X', 1, 100}, {'X', 2, 100}, {0xA4, 2, 30}};
    EXPECT_EQ(recorded(), expected);
    EXPECT_EQ(recorder.heldCount(), 0);
}

TEST_F(MacroRecorderTest, ReleasesOfKeysNotPressedDuringTheRecordingAreIgnored)
{
    page.onButton(4);
    send({{kUp, 'Z'}, {kDown, 'A'}, {kUp, 'Z'}, {kUp, 'A'}, {kUp, 'A'}});
    page.onButton(4);
    EXPECT_EQ(recorded(), (std::vector<MacroEvent>{{'A', 1, 200}, {'A', 2, 30}}));
}

TEST_F(MacroRecorderTest, OnlyTheLowEightBitsOfTheKeyAreKept)
{
    page.onButton(4);
    send({{kDown, 0x141}, {kUp, 0x241}});
    page.onButton(4);
    EXPECT_EQ(recorded(), (std::vector<MacroEvent>{{'A', 1, 100}, {'A', 2, 30}}));
}

TEST_F(MacroRecorderTest, ATenthHeldKeyIsRecordedButNotTracked)
{
    page.onButton(4);
    for (uint32_t key = 'A'; key < 'A' + 10; ++key)
        send({{kDown, key}});
    EXPECT_EQ(recorder.heldCount(), 9);
    EXPECT_EQ(recorder.heldKeys().back(), 'I');
    send({{kUp, 'J'}, {kUp, 'C'}});
    page.onButton(4);
    const auto steps = recorded();
    ASSERT_EQ(steps.size(), 11u);
    EXPECT_EQ(steps[9], (MacroEvent{'J', 1, 200})); // the ignored release adds its time
    EXPECT_EQ(steps[10], (MacroEvent{'C', 2, 30}));
    EXPECT_EQ(recorder.heldCount(), 8);
}

TEST_F(MacroRecorderTest, PressesStopAt108AndStepsAt216)
{
    page.onButton(4);
    // 108 presses of distinct codes (nine held at most), each released at once.
    for (int i = 0; i < 108; ++i)
        send({{kDown, static_cast<uint32_t>(i + 1)}, {kUp, static_cast<uint32_t>(i + 1)}}, 1);
    EXPECT_EQ(recorder.stepCount(), 216);
    send({{kDown, 200}});
    EXPECT_EQ(recorder.stepCount(), 216);
    page.onButton(4);
    EXPECT_EQ(store.record(1).eventCount, 216);

    // With 108 presses shown, presses are dropped but releases of held keys still count.
    page.onButton(4);
    for (int i = 0; i < 108; ++i)
        send({{kDown, static_cast<uint32_t>(i % 2 ? 'A' : 'B')}}, 1);
    EXPECT_EQ(events.state().pressCount, 108);
    send({{kDown, 'C'}, {kUp, 'A'}, {kUp, 'B'}, {kUp, 'C'}}, 1);
    EXPECT_EQ(recorder.stepCount(), 110);
    EXPECT_EQ(events.state().releaseCount, 2);
    page.onButton(4);
}

TEST_F(MacroRecorderTest, PausesAreMeasuredAcrossMidnightAndCapped)
{
    const struct {
        int32_t first;
        int32_t second;
        int pause;
    } cases[] = {
        {1000, 1250, 250},
        {1000, 71'000, 65535},       // 70 s
        {86'399'000, 999, 1999},     // midnight between them
        {86'399'990, 69'990, 65535}, // 70 s across midnight
        {5000, 5000, 0},
    };
    for (const auto& c : cases) {
        page.onButton(4);
        clock.now = c.first;
        page.preTranslateKey({kDown, 'A'});
        clock.now = c.second;
        page.preTranslateKey({kUp, 'A'});
        page.onButton(4);
        EXPECT_EQ(recorded().at(0).delayMs, c.pause) << c.first << " -> " << c.second;
    }
}

TEST_F(MacroRecorderTest, ASingleStepKeepsAPauseOfZero)
{
    page.onButton(4);
    send({{kDown, 'A'}});
    page.onButton(4);
    EXPECT_EQ(recorded(), (std::vector<MacroEvent>{{'A', 1, 0}}));
}

TEST_F(MacroRecorderTest, OtherMessagesAreLeftAlone)
{
    page.onButton(4);
    send({{WindowMessage::Char, 'a'}, {0x200, 1}, {kDown, 'A'}});
    page.onButton(4);
    EXPECT_EQ(recorded().size(), 1u);
}

TEST_F(MacroRecorderTest, AnEmptyMacroListDoesNothing)
{
    view.clearMacroList();
    page.onButton(4);
    EXPECT_FALSE(recorder.active());
    EXPECT_EQ(grab.grabs, 0);
    EXPECT_EQ(store.record(1).eventCount, 1);
}

TEST_F(MacroRecorderTest, ARecordingStopsEvenAfterTheListWasEmptied)
{
    page.onButton(4);
    send({{kDown, 'A'}});
    view.importAnswer = "/nowhere.dat";
    page.onButton(0); // a missing file empties the store and the list
    ASSERT_TRUE(view.macroLines.empty());
    page.onButton(4);
    EXPECT_FALSE(recorder.active());
    EXPECT_FALSE(grab.grabbed);
}

TEST_F(MacroRecorderTest, TheGrabIsReleasedWhenTheRecorderGoesAway)
{
    test::FakeGrab ownGrab;
    {
        MacroRecorder other(store, events, view, clock, ownGrab);
        other.toggleRecording();
        EXPECT_TRUE(ownGrab.grabbed);
    }
    EXPECT_FALSE(ownGrab.grabbed);
}

TEST_F(MacroRecorderTest, RecordsIntoTheSelectedMacroWhateverIsSelectedLater)
{
    view.selectMacroListLine(0);
    page.onButton(4);
    view.selectMacroListLine(1);
    page.selectMacro();
    send({{kDown, 'A'}});
    page.onButton(4);
    EXPECT_EQ(recorder.target(), 0);
    EXPECT_EQ(store.record(0).eventCount, 1);
    EXPECT_EQ(store.record(1).eventCount, 1);
    EXPECT_EQ(store.record(1).eventKeys[0].code, 'Q');
}

} // namespace
} // namespace z3
