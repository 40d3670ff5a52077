#include "MacroPageFixture.h"

#include <vector>

namespace z3 {
namespace {

using EventListTest = test::MacroPageFixture;
using Lines = std::vector<std::string>;

TEST_F(EventListTest, ShowsStepsAndThePausesBetweenThem)
{
    addMacro(u"m", {{65, MacroAction::Press, 120}, {65, MacroAction::Release, 30}});
    store.modify([](MacroStoreData& data) {
        data.records[0].repeatFlag = 1;
        data.records[0].setRepeatCount(7);
    });
    events.showMacroSteps(0);
    EXPECT_EQ(view.eventLines, (Lines{"[↓]A", "    120ms", "[↑]A"}));
    EXPECT_EQ(events.state().pressCount, 1);
    EXPECT_EQ(events.state().releaseCount, 1);
    EXPECT_EQ(view.repeatText, "7");
    EXPECT_TRUE(view.repeatEnabled);

    // A repeat flag other than 1 shows "1", disabled.
    store.modify([](MacroStoreData& data) { data.records[0].repeatFlag = 2; });
    events.showMacroSteps(0);
    EXPECT_EQ(view.repeatText, "1");
    EXPECT_FALSE(view.repeatEnabled);
}

TEST_F(EventListTest, AMacroWithoutStepsEmptiesTheListAndKeepsTheRepeatEdit)
{
    addMacro(u"empty");
    view.eventLines = {"old"};
    view.repeatText = "42";
    view.repeatEnabled = true;
    events.showMacroSteps(0);
    EXPECT_TRUE(view.eventLines.empty());
    EXPECT_EQ(view.repeatText, "42");
    EXPECT_TRUE(view.repeatEnabled);
}

TEST_F(EventListTest, ARecordClaimingEverySlotShowsAll255Steps)
{
    addMacro(u"full");
    store.modify([](MacroStoreData& data) { data.records[0].eventCount = 255; });
    events.showMacroSteps(0);
    EXPECT_EQ(view.eventLines.size(), 509u);
    events.showMacroSteps(12); // no such record: an empty list, nothing read past the store
    EXPECT_TRUE(view.eventLines.empty());
}

TEST_F(EventListTest, RightClickSelectsTheLineAtTheCursorHeight)
{
    addMacroWithSteps(u"m", 4); // 7 lines
    openPage();
    const struct {
        int scroll;
        int y; // relative to the list's top
        int x;
        int line;
        bool menu;
    } cases[] = {
        {0, 1, 105, 0, true}, {0, 47, 105, 2, true}, {2, 1, 105, 2, true}, // scrolled by two lines
        {0, 120, 105, 7, false},  // below the last line: no menu, no selection
        {0, 30, 50, 1, false},    // left of the list: no menu, the line is still selected
        {0, 200, 105, 12, false}, // below the list
    };
    for (const auto& c : cases) {
        view.menusShown.clear();
        view.scrollPosition = c.scroll;
        page.onRightButtonUp(c.x, view.eventRect.top + c.y);
        EXPECT_EQ(events.state().selectedLine, c.line) << c.y;
        EXPECT_EQ(view.eventSelection, c.line < 7 ? c.line : -1) << c.y;
        EXPECT_EQ(view.menusShown.size(), c.menu ? 1u : 0u) << c.y;
        EXPECT_EQ(events.state().menuLineCount, 7);
        EXPECT_EQ(events.state().menuStep, c.line < 7 ? c.line / 2 : 0) << c.y;
    }
    view.itemHeight = 0;
    page.onRightButtonUp(105, view.eventRect.top + 50);
    EXPECT_EQ(events.state().selectedLine, 0);
}

TEST_F(EventListTest, RightClickOnAnEmptyListOpensTheMenu)
{
    addMacro(u"m");
    openPage();
    rightClickLine(3);
    EXPECT_EQ(view.menusShown.size(), 1u);
    EXPECT_EQ(events.state().menuMacro, 0);
    EXPECT_EQ(events.state().menuStep, 0);
}

TEST_F(EventListTest, DeleteOnAPauseLineDeletesTheStepAboveIt)
{
    addMacroWithSteps(u"m", 4);
    openPage();
    view.menuChoice = EventListCommand::Delete;
    rightClickLine(3);
    EXPECT_EQ(view.eventLines, (Lines{"[↓]A", "    10ms", "[↓]C", "    12ms", "[↓]D"}));
    EXPECT_EQ(events.state().selectedLine, 1);
    EXPECT_EQ(view.eventSelection, 1);
    rightClickLine(1);
    EXPECT_EQ(events.state().selectedLine, 0); // below 3 gives 0
    EXPECT_EQ(store.record(0).eventCount, 2);
}

TEST_F(EventListTest, InsertCommandsAddMouseButtonStepsAroundTheClickedStep)
{
    const struct {
        int command;
        int clickedLine;
        Lines lines;
    } cases[] = {
        {32802, 2, {"[↓]A", "    10ms", "[↓]Left_Key", "    30ms", "[↓]B", "    11ms", "[↓]C"}},
        {32805, 1,
            {"[↑]Right_Key", "    30ms", "[↓]A", "    10ms", "[↓]B", "    11ms",
                "[↓]C"}}, // a pause line: its step
        {32806, 0, {"[↓]Middle_Key", "    30ms", "[↓]A", "    10ms", "[↓]B", "    11ms", "[↓]C"}},
        {32809, 4, {"[↓]A", "    10ms", "[↓]B", "    11ms", "[↓]C", "    12ms", "[↓]Left_Key"}},
        {32812, 0, {"[↓]A", "    10ms", "[↑]Right_Key", "    30ms", "[↓]B", "    11ms", "[↓]C"}},
        {32814, 3, {"[↓]A", "    10ms", "[↓]B", "    11ms", "[↑]Middle_Key", "    30ms", "[↓]C"}},
    };
    for (const auto& c : cases) {
        store.replace({});
        addMacroWithSteps(u"m", 3);
        openPage();
        view.menuChoice = c.command;
        rightClickLine(c.clickedLine);
        EXPECT_EQ(view.eventLines, c.lines) << c.command;
        EXPECT_EQ(events.state().selectedLine, c.clickedLine + 2) << c.command;
    }
}

TEST_F(EventListTest, InsertAfterOnAnEmptyListCreatesTheFirstStep)
{
    addMacro(u"m");
    openPage();
    view.menuChoice = 32810;
    rightClickLine(4);
    EXPECT_EQ(view.eventLines, Lines{"[↑]Left_Key"});
    EXPECT_EQ(store.record(0).event(0), (MacroEvent{240, MacroAction::Release, 30}));
    EXPECT_EQ(events.state().selectedLine, 0);
    EXPECT_EQ(view.eventSelection, 0);
}

TEST_F(EventListTest, TheTwoHundredFiftyFifthStepIsRefusedWithOverflow)
{
    addMacroWithSteps(u"m", 253);
    openPage();
    view.menuChoice = 32802;
    rightClickLine(0);
    EXPECT_EQ(store.record(0).eventCount, 254);
    EXPECT_TRUE(messages.shown.empty());
    rightClickLine(0);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Overflow!!!"});
    EXPECT_EQ(store.record(0).eventCount, 254);
    EXPECT_EQ(view.eventLines.size(), 507u);
    EXPECT_EQ(events.state().selectedLine, 0);
}

TEST_F(EventListTest, CommandsDoNothingWhileRecordingOrWithoutASelectedMacro)
{
    addMacroWithSteps(u"m", 3);
    openPage();
    rightClickLine(2);
    events.setRecording(true);
    events.runCommand(EventListCommand::Delete);
    events.runCommand(32802);
    events.setRecording(false);
    view.macroSelection = -1;
    events.runCommand(EventListCommand::Delete);
    events.runCommand(32809);
    EXPECT_EQ(store.record(0).eventCount, 3);
    EXPECT_EQ(view.eventLines.size(), 5u);
}

TEST_F(EventListTest, EditedPausesAreStoredByTheirLowSixteenBits)
{
    const struct {
        const char* typed;
        bool enter; // else Escape
        int pause;
    } cases[] = {
        {"250", true, 250},
        {"70000", true, 4464},
        {"    99ms", true, 99},
        {" 12ms34", true, 12},
        {"-5", true, 0},
        {"abc", true, 0},
        {"", true, 0},
        {"250", false, 11},
        {"65535ms", true, 65535},
    };
    for (const auto& c : cases) {
        store.replace({});
        addMacroWithSteps(u"m", 3);
        openPage();
        rightClickLine(3); // pause of step 1 (11 ms)
        events.runCommand(EventListCommand::EditPause);
        ASSERT_TRUE(view.editorOpen);
        EXPECT_EQ(view.editorLine, 3);
        EXPECT_EQ(view.editorText, "    11ms");
        view.editorText = c.typed;
        if (c.enter)
            events.onEditorEnter();
        else
            events.onEditorEscape();
        EXPECT_FALSE(view.editorOpen);
        EXPECT_EQ(store.record(0).eventDelays[1], c.pause) << c.typed;
        EXPECT_EQ(view.eventLines[3], "    " + std::to_string(c.pause) + "ms") << c.typed;
        EXPECT_EQ(view.eventSelection, 3);
    }
}

TEST_F(EventListTest, FocusLossAndScrollingKeepTheEditedText)
{
    addMacroWithSteps(u"m", 3);
    openPage();
    rightClickLine(1);
    events.runCommand(EventListCommand::EditPause);
    view.editorText = "77";
    events.onEditorFocusLost();
    EXPECT_EQ(store.record(0).eventDelays[0], 77);
    events.onListResizedOrScrolled(); // no editor open: nothing happens
    EXPECT_EQ(store.record(0).eventDelays[0], 77);
}

TEST_F(EventListTest, EditPauseOpensOnlyOnAPauseLine)
{
    addMacroWithSteps(u"m", 3);
    openPage();
    for (int line : {0, 2, 4}) {
        rightClickLine(line);
        events.runCommand(EventListCommand::EditPause);
        EXPECT_FALSE(view.editorOpen) << line;
    }
    // A stray close of no editor stores nothing.
    events.applyEditedPause();
    EXPECT_EQ(store.record(0).eventDelays[2], 12);
}

} // namespace
} // namespace z3
