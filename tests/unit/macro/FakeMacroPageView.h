#pragma once

#include "core/macro/MacroPageView.h"
#include "core/macro/RecordingPorts.h"
#include "core/macro/UserMessages.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace z3 {
class EventList;
}

namespace z3::test {

// The macro page's controls as plain data, recording what the logic asks of
// them. Lines and selections behave like list boxes: selecting an index out
// of range selects nothing.
class FakeMacroPageView final : public MacroPageView {
public:
    std::vector<std::string> macroLines;
    int macroSelection = -1;
    std::vector<std::string> eventLines;
    int eventSelection = -1;
    int itemHeight = 16;
    int scrollPosition = 0;
    ScreenRect eventRect{100, 200, 300, 400};
    std::vector<std::pair<int, int>> menusShown;
    // Runs while the menu is open, as a user's choice would.
    int menuChoice = 0;
    EventList* menuTarget = nullptr;

    bool editorOpen = false;
    int editorLine = -1;
    std::string editorText;

    std::string name;
    std::string repeatText = "1";
    bool repeatEnabled = false;
    std::optional<MacroPageControl> focus;
    int invalidations = 0;
    std::optional<std::string> importAnswer;
    std::optional<std::string> exportAnswer;

    int macroListCount() const override { return static_cast<int>(macroLines.size()); }
    std::string macroListText(int line) const override { return at(macroLines, line); }
    void clearMacroList() override
    {
        macroLines.clear();
        macroSelection = -1;
    }
    void addMacroListLine(const std::string& text) override { macroLines.push_back(text); }
    void removeMacroListLine(int line) override
    {
        if (inRange(macroLines, line))
            macroLines.erase(macroLines.begin() + line);
        if (macroSelection >= macroListCount())
            macroSelection = -1;
    }
    int macroListSelection() const override { return macroSelection; }
    void selectMacroListLine(int line) override { macroSelection = inRange(macroLines, line) ? line : -1; }

    int eventListCount() const override { return static_cast<int>(eventLines.size()); }
    std::string eventListText(int line) const override { return at(eventLines, line); }
    void clearEventList() override
    {
        eventLines.clear();
        eventSelection = -1;
    }
    void addEventListLine(const std::string& text) override { eventLines.push_back(text); }
    void insertEventListLine(int line, const std::string& text) override
    {
        eventLines.insert(eventLines.begin() + std::min<size_t>(line, eventLines.size()), text);
    }
    void removeEventListLine(int line) override
    {
        if (inRange(eventLines, line))
            eventLines.erase(eventLines.begin() + line);
    }
    int eventListSelection() const override { return eventSelection; }
    void selectEventListLine(int line) override { eventSelection = inRange(eventLines, line) ? line : -1; }
    int eventListItemHeight() const override { return itemHeight; }
    int eventListScrollPosition() const override { return scrollPosition; }
    ScreenRect eventListScreenRect() const override { return eventRect; }
    void showEventListMenu(int x, int y) override;

    void openLineEditor(int line, const std::string& text) override
    {
        editorOpen = true;
        editorLine = line;
        editorText = text;
    }
    bool lineEditorOpen() const override { return editorOpen; }
    std::string lineEditorText() const override { return editorText; }
    void closeLineEditor() override
    {
        editorOpen = false;
        editorLine = -1;
    }

    std::string nameText() const override { return name; }
    void setNameText(const std::string& text) override { name = text; }
    std::string repeatCountText() const override { return repeatText; }
    void setRepeatCountText(const std::string& text) override { repeatText = text; }
    void setRepeatCountEnabled(bool enabled) override { repeatEnabled = enabled; }
    void setFocus(MacroPageControl control) override { focus = control; }
    void invalidateWindow() override { ++invalidations; }
    std::optional<std::string> chooseImportFile(const std::string&) override { return importAnswer; }
    std::optional<std::string> chooseExportFile(const std::string&) override { return exportAnswer; }

private:
    static bool inRange(const std::vector<std::string>& lines, int line)
    {
        return line >= 0 && line < static_cast<int>(lines.size());
    }
    static std::string at(const std::vector<std::string>& lines, int line)
    {
        return inRange(lines, line) ? lines[line] : std::string();
    }
};

struct RecordingMessages final : UserMessages {
    std::vector<std::string> shown;
    void showMessage(std::string_view text) override { shown.emplace_back(text); }
};

struct FakeClock final : TimeOfDayClock {
    int32_t now = 0;
    int32_t utcMillisecondsOfDay() override { return now; }
};

struct FakeGrab final : KeyboardGrab {
    bool grabbed = false;
    int grabs = 0;
    void grab() override
    {
        grabbed = true;
        ++grabs;
    }
    void release() override { grabbed = false; }
};

} // namespace z3::test
