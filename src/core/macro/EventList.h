#pragma once

#include <cstdint>

namespace z3 {

class MacroPageView;
class MacroStore;
class UserMessages;

// Commands of the event list's context menu.
namespace EventListCommand {
inline constexpr int EditPause = 32780;
inline constexpr int Delete = 32781;
inline constexpr int InsertBeforeFirst = 32802; // 32802..32807: left/right/middle x press/release
inline constexpr int InsertBeforeLast = 32807;
inline constexpr int InsertAfterFirst = 32809; // 32809..32814, same order
inline constexpr int InsertAfterLast = 32814;
} // namespace EventListCommand

// The state the event list shares with the recorder and the page.
struct EventListState {
    int32_t selectedLine = 0;  // the line selected whenever the list is refilled outside a recording
    int32_t pressCount = 0;    // press steps added since the list was last emptied
    int32_t releaseCount = 0;  // release steps likewise
    int32_t menuMacro = 0;     // macro the context-menu commands edit
    int32_t menuStep = 0;      // step they refer to
    int32_t menuLineCount = 0; // lines of the list at the last right-click
};

// The event list of the macro page: one macro's steps as lines (line 2k is
// step k, line 2k+1 the pause after it, the last step's pause not shown, so
// n steps give 2n-1 lines), the right-click and context-menu commands that
// insert and delete mouse-button steps, and the in-place editing of pauses.
// User-interface thread only.
class EventList {
public:
    EventList(MacroStore& store, MacroPageView& view, UserMessages& messages);

    const EventListState& state() const { return m_state; }

    // Set by the recorder while a recording runs: appended lines then select
    // the last line, and the editing commands do nothing.
    void setRecording(bool recording) { m_recording = recording; }
    bool recording() const { return m_recording; }

    // Selects the line of the last step of `macro` (0 without steps), as
    // after loading the store at start-up.
    void selectLastStepOf(int macro);

    // Empties the list and zeroes the press and release counters.
    void clear();

    // Adds the lines of step k of `macro` at the end: the pause line of step
    // k-1 first (k > 0), then the step line; counts a press or release.
    void appendStepLines(int macro, int k);

    // Empties the list and shows every step of `macro`; with steps, the
    // repeat-count edit shows the count (enabled) when the repeat flag is 1,
    // else "1" (disabled).
    void showMacroSteps(int macro);

    // A right-button release at a screen position while the page is shown
    // and no recording runs: selects the line at the cursor's height, and
    // opens the context menu when the cursor is over the list and on a line
    // (or the list is empty).
    void onRightButtonUp(int cursorX, int cursorY);

    // A context-menu command (EventListCommand); others are ignored. The
    // pause editor opens only through EditPause on a pause line: a typed
    // character (Ctrl+A) opens nothing, so no step line is ever read back as
    // a pause.
    void runCommand(int command);

    // The in-place editor closes: Enter keeps the text, Escape discards it,
    // losing the focus keeps it, and so do the list's resizing and scrolling.
    void onEditorEnter() { endEdit(true); }
    void onEditorEscape() { endEdit(false); }
    void onEditorFocusLost() { endEdit(true); }
    void onListResizedOrScrolled() { endEdit(true); }

    // Takes the pause typed into the selected pause line: the text before
    // "ms" as a decimal prefix, stored by its low 16 bits (a negative number
    // stores 0) as the pause of the menu's step; the list is then refilled.
    // Runs after every closing of the editor.
    void applyEditedPause();

private:
    void insertStep(int position, uint8_t code, uint8_t action);
    void beginEdit(int line);
    void endEdit(bool keep);
    bool macroSelected() const;

    MacroStore& m_store;
    MacroPageView& m_view;
    UserMessages& m_messages;
    EventListState m_state;
    bool m_recording = false;
    int m_editIndex = -1;
};

} // namespace z3
