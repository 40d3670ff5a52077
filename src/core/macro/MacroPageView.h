#pragma once

#include <optional>
#include <string>

namespace z3 {

// A rectangle in screen coordinates; right and bottom are exclusive.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

enum class MacroPageControl { NameEdit, MacroList, EventList, RepeatCountEdit };

// The controls of the macro page as the page's logic sees them: the name
// edit, the macro list (one line per macro), the event list (the current
// macro's steps, with an in-place line editor), the repeat-count edit, and
// the main window around them. The widgets implement it; while the page is
// not shown the lists read as empty and changes to them are dropped. Texts
// are UTF-8. Line indexes out of range read as "" and select nothing.
// User-interface thread only.
class MacroPageView {
public:
    virtual ~MacroPageView() = default;

    // Macro list. Selecting a line from here must not report a selection
    // change back (only the user's choice does).
    virtual int macroListCount() const = 0;
    virtual std::string macroListText(int line) const = 0;
    virtual void clearMacroList() = 0;
    virtual void addMacroListLine(const std::string& text) = 0;
    virtual void removeMacroListLine(int line) = 0;
    virtual int macroListSelection() const = 0; // -1 when none
    virtual void selectMacroListLine(int line) = 0;

    // Event list.
    virtual int eventListCount() const = 0;
    virtual std::string eventListText(int line) const = 0;
    virtual void clearEventList() = 0;
    virtual void addEventListLine(const std::string& text) = 0;
    virtual void insertEventListLine(int line, const std::string& text) = 0;
    virtual void removeEventListLine(int line) = 0;
    virtual int eventListSelection() const = 0; // -1 when none
    virtual void selectEventListLine(int line) = 0;
    virtual int eventListItemHeight() const = 0;
    virtual int eventListScrollPosition() const = 0; // index of the top line shown
    virtual ScreenRect eventListScreenRect() const = 0;
    // Opens the step-editing context menu at a screen position. The chosen
    // command comes back through EventList::runCommand, during this call or
    // after it.
    virtual void showEventListMenu(int x, int y) = 0;

    // The in-place editor over one event-list line: a bordered edit over the
    // line's rectangle (2 pixels taller above and below), in the list's font,
    // holding `text` all selected, with the keyboard focus. Its Enter, Escape
    // and focus loss, and the list's resizing and scrolling, go to
    // EventList's editor handlers.
    virtual void openLineEditor(int line, const std::string& text) = 0;
    virtual bool lineEditorOpen() const = 0;
    virtual std::string lineEditorText() const = 0;
    virtual void closeLineEditor() = 0;

    // Edits.
    virtual std::string nameText() const = 0;
    virtual void setNameText(const std::string& text) = 0;
    virtual std::string repeatCountText() const = 0;
    virtual void setRepeatCountText(const std::string& text) = 0;
    virtual void setRepeatCountEnabled(bool enabled) = 0;

    virtual void setFocus(MacroPageControl control) = 0;

    // Repaints the whole main window, background included (record button
    // caption, repeat button, press and release counters, macro names).
    virtual void invalidateWindow() = 0;

    // The platform's file dialogs for "All Files(*.dat)|*.dat||", starting in
    // `folder`; nothing when the user cancels. The save dialog adds ".dat"
    // to a name without extension and confirms overwriting.
    virtual std::optional<std::string> chooseImportFile(const std::string& folder) = 0;
    virtual std::optional<std::string> chooseExportFile(const std::string& folder) = 0;
};

} // namespace z3
