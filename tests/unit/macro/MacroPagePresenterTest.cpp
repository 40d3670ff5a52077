#include "MacroPageFixture.h"
#include "core/ini/ProfileFile.h"
#include "core/macro/MacroFileCodec.h"

#include <vector>

namespace z3 {
namespace {

using MacroPagePresenterTest = test::MacroPageFixture;
using Lines = std::vector<std::string>;

TEST_F(MacroPagePresenterTest, RefillKeepsAnExistingCurrentMacroOrTakesTheLast)
{
    for (const char16_t* name : {u"a", u"b", u"c", u"d", u"e"})
        addMacro(name, {{'X', MacroAction::Press, 30}});
    const struct {
        int current;
        int selected;
    } cases[] = {{9, 4}, {2, 2}, {0, 0}, {-3, 0}};
    for (const auto& c : cases) {
        store.setCurrent(c.current);
        page.refillMacroList();
        EXPECT_EQ(view.macroLines, (Lines{"a", "b", "c", "d", "e"}));
        EXPECT_EQ(store.current(), c.selected) << c.current;
        EXPECT_EQ(view.macroSelection, c.selected) << c.current;
        EXPECT_EQ(view.name, view.macroLines[c.selected]);
        EXPECT_EQ(view.eventLines, Lines{"[↓]X"});
    }
}

TEST_F(MacroPagePresenterTest, RefillWithoutMacrosLeavesTheOtherControls)
{
    view.macroLines = {"stale"};
    view.name = "typed";
    view.eventLines = {"[↓]A"};
    view.repeatText = "5";
    page.refillMacroList();
    EXPECT_TRUE(view.macroLines.empty());
    EXPECT_EQ(view.name, "typed");
    EXPECT_EQ(view.eventLines, Lines{"[↓]A"});
    EXPECT_EQ(view.repeatText, "5");
}

TEST_F(MacroPagePresenterTest, NewMacroCreatesOrSelectsByName)
{
    addMacro(u"first", {{'A', MacroAction::Press, 30}});
    addMacro(u"second");
    openPage();
    view.selectMacroListLine(0);
    page.selectMacro();
    view.repeatText = "3";

    view.name = "second"; // exists: selected, nothing added, the shown steps stay
    page.onButton(2);
    EXPECT_EQ(store.current(), 1);
    EXPECT_EQ(view.macroSelection, 1);
    EXPECT_EQ(view.macroLines.size(), 2u);
    EXPECT_EQ(view.eventLines, Lines{"[↓]A"});
    EXPECT_EQ(view.focus, MacroPageControl::MacroList);

    view.name = "新的宏名字也可以很长很长很长很长很长很长"; // 22 units: stored as its first 19
    page.onButton(2);
    EXPECT_EQ(store.count(), 3);
    EXPECT_EQ(store.current(), 2);
    EXPECT_EQ(view.macroSelection, 2);
    EXPECT_EQ(view.macroLines.back(), "新的宏名字也可以很长很长很长很长很长很");
    EXPECT_TRUE(view.eventLines.empty());
    EXPECT_EQ(view.repeatText, "3");
}

TEST_F(MacroPagePresenterTest, NewMacroRefusesAnEmptyNameAndAThirteenthMacro)
{
    addMacro(u"only");
    openPage();
    view.name = "";
    page.newMacro();
    EXPECT_EQ(store.count(), 1);
    for (int i = 1; i < 12; ++i)
        addMacro(std::u16string(1, static_cast<char16_t>(u'a' + i)));
    openPage();
    view.name = "thirteenth";
    page.newMacro();
    EXPECT_EQ(store.count(), 12);
    EXPECT_EQ(view.macroLines.size(), 12u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MacroPagePresenterTest, RemovingAMacroSelectsTheOneBefore)
{
    addMacro(u"a", {{'A', MacroAction::Press, 30}});
    addMacro(u"b", {{'B', MacroAction::Press, 30}});
    addMacro(u"c", {{'C', MacroAction::Press, 30}});
    openPage();
    view.selectMacroListLine(0);
    page.onButton(3);
    EXPECT_EQ(view.macroLines, (Lines{"b", "c"}));
    EXPECT_EQ(view.macroSelection, 0);
    EXPECT_EQ(store.current(), 0);
    EXPECT_EQ(view.name, "b");
    EXPECT_EQ(view.eventLines, Lines{"[↓]B"});

    view.selectMacroListLine(1);
    page.onButton(3);
    EXPECT_EQ(view.macroLines, Lines{"b"});
    EXPECT_EQ(view.name, "b");

    view.repeatText = "9";
    view.repeatEnabled = true;
    page.onButton(3);
    EXPECT_TRUE(view.macroLines.empty());
    EXPECT_EQ(store.count(), 0);
    EXPECT_EQ(view.name, "");
    EXPECT_EQ(view.repeatText, "1");
    EXPECT_FALSE(view.repeatEnabled);
    EXPECT_TRUE(view.eventLines.empty());
    page.onButton(3); // nothing left to remove
    EXPECT_EQ(store.count(), 0);
}

TEST_F(MacroPagePresenterTest, RemovingDoesNothingWhileRecordingOrWithoutSelection)
{
    addMacro(u"a");
    addMacro(u"b");
    openPage();
    view.macroSelection = -1;
    page.onButton(3);
    EXPECT_EQ(store.count(), 2);
    view.selectMacroListLine(1);
    page.onButton(4);
    page.onButton(3);
    EXPECT_EQ(store.count(), 2);
    page.onButton(4);
}

TEST_F(MacroPagePresenterTest, ApplyRepeatCountClampsStoresAndSaves)
{
    const struct {
        const char* typed;
        int stored;
        const char* shown;
    } cases[] = {
        {"0", 1, "1"},
        {"-7", 1, "1"},
        {"", 1, "1"},
        {"100000", 65535, "65535"},
        {"12abc", 12, "12abc"},
        {" 65535", 65535, " 65535"},
    };
    addMacro(u"a");
    addMacro(u"b");
    openPage();
    for (const auto& c : cases) {
        view.repeatText = c.typed;
        files.writes = 0;
        page.onButton(5);
        EXPECT_EQ(store.record(1).repeatCount(), c.stored) << c.typed;
        EXPECT_EQ(view.repeatText, c.shown) << c.typed;
        EXPECT_EQ(files.writes, 1);
        const ProfileFile saved = ProfileFile::parse(files.files["/app/Macro.dat"]);
        EXPECT_EQ(MacroFileCodec::decodeRecord(saved.read("Macros", "1", 4000)).repeatCount(), c.stored);
        EXPECT_EQ(saved.read("Macros", "macroNum", 10), "2");
    }
}

TEST_F(MacroPagePresenterTest, ToggleRepeatShowsTheCountOnlyWhileOn)
{
    addMacro(u"a");
    store.modify([](MacroStoreData& data) { data.records[0].setRepeatCount(5); });
    openPage();
    page.onButton(6);
    EXPECT_EQ(store.record(0).repeatFlag, 1);
    EXPECT_EQ(view.repeatText, "5");
    EXPECT_TRUE(view.repeatEnabled);
    page.onButton(6);
    EXPECT_EQ(store.record(0).repeatFlag, 0);
    EXPECT_EQ(view.repeatText, "1");
    EXPECT_FALSE(view.repeatEnabled);
    EXPECT_EQ(store.record(0).repeatCount(), 5);
    EXPECT_EQ(files.writes, 0); // nothing saved
}

TEST_F(MacroPagePresenterTest, ImportAndExportGoThroughTheChosenFiles)
{
    addMacro(u"mine");
    openPage();
    page.onButton(0); // cancelled
    page.onButton(1);
    EXPECT_EQ(store.count(), 1);
    EXPECT_EQ(files.writes, 0);

    view.exportAnswer = "/home/u/out.dat";
    page.onButton(1);
    MacroStoreData other;
    other.count = 2;
    other.records[0].setName(u"x");
    other.records[1].setName(u"y");
    files.files["/home/u/in.dat"] = MacroFileCodec::fileBytes(other);
    view.importAnswer = "/home/u/in.dat";
    page.onButton(0);
    EXPECT_EQ(view.macroLines, (Lines{"x", "y"}));
    EXPECT_EQ(view.macroSelection, 1);
    EXPECT_EQ(files.files.count("/app/Macro.dat"), 0u); // imports stay in memory

    view.importAnswer = "/home/u/out.dat";
    page.onButton(0);
    EXPECT_EQ(view.macroLines, Lines{"mine"});

    view.importAnswer = "/home/u/gone.dat";
    view.name = "kept";
    page.onButton(0);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"找不到配置文件"});
    EXPECT_TRUE(view.macroLines.empty());
    EXPECT_EQ(view.name, "kept");
}

TEST_F(MacroPagePresenterTest, KeyFilterConsumesEscapeReturnAndF10Keys)
{
    const struct {
        uint32_t message;
        uint32_t wParam;
        bool consumed;
    } cases[] = {
        {WindowMessage::KeyDown, 27, true},
        {WindowMessage::KeyDown, 13, true},
        {WindowMessage::KeyUp, 27, false}, // the in-place edit acts on these
        {WindowMessage::KeyUp, 13, false},
        {WindowMessage::SysKeyDown, 13, false},
        {WindowMessage::KeyDown, 121, true},
        {WindowMessage::KeyUp, 121, true},
        {WindowMessage::SysKeyDown, 121, true},
        {WindowMessage::SysKeyUp, 121, true},
        {WindowMessage::Char, 121, false}, // a typed "y"
        {WindowMessage::Char, 27, false},
        {WindowMessage::KeyDown, 'A', false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(page.preTranslateKey({c.message, c.wParam}), c.consumed) << c.message << "/" << c.wParam;
}

TEST_F(MacroPagePresenterTest, WhileRecordingKeysAreRecordedBeforeTheFilter)
{
    addMacro(u"a");
    openPage();
    page.onButton(4);
    EXPECT_TRUE(page.preTranslateKey({WindowMessage::KeyDown, 27}));
    EXPECT_FALSE(page.preTranslateKey({WindowMessage::KeyUp, 'Z'})); // ignored release: standard handling
    EXPECT_TRUE(page.preTranslateKey({WindowMessage::SysKeyDown, 121}));
    page.onButton(4);
    EXPECT_EQ(store.record(0).eventCount, 2);
    EXPECT_EQ(view.eventLines, (Lines{"[↓]ESCAPE", "    0ms", "[↓]F10"}));
}

TEST_F(MacroPagePresenterTest, RightClicksAreIgnoredWhileRecording)
{
    addMacro(u"a", {{'A', MacroAction::Press, 30}});
    openPage();
    page.onButton(4);
    rightClickLine(0);
    EXPECT_TRUE(view.menusShown.empty());
    page.onButton(4);
    rightClickLine(0);
    EXPECT_EQ(view.menusShown.size(), 1u);
}

} // namespace
} // namespace z3
