#pragma once

#include "core/macro/KeyMessage.h"

namespace z3 {

class AppPaths;
class EventList;
class FileSystem;
class MacroPageView;
class MacroRecorder;
class MacroStore;
class UserMessages;

// The macro page's commands over its controls: filling and selecting the
// macro list, creating and deleting macros, the repeat setting, import and
// export, and the main window's key filtering. User-interface thread only.
class MacroPagePresenter {
public:
    // Buttons of the page, by region of the page's layout.
    enum class Button { Import = 0, Export, New, Remove, Record, ApplyRepeatCount, ToggleRepeat };

    MacroPagePresenter(MacroStore& store, EventList& events, MacroRecorder& recorder, MacroPageView& view,
        UserMessages& messages, FileSystem& files, const AppPaths& paths);

    // A click on button region 0..6; other regions are ignored.
    void onButton(int region);

    // Refills the macro list from the store and selects the current macro
    // (kept when it names a macro, else the last one). With no macros the
    // other controls keep their contents.
    void refillMacroList();
    // The user selected a line of the macro list: it becomes the current
    // macro, its name and steps are shown.
    void selectMacro();

    void importMacros();
    void exportMacros();
    void newMacro();
    void removeSelectedMacro();
    // Takes the repeat count typed (1..65535, the edit corrected when out of
    // range) and saves the store to Macro.dat: the page's only save.
    void applyRepeatCount();
    void toggleRepeat();

    // The main window's key handling before dispatch, for every key or
    // character message: records it while a recording runs, then consumes
    // Escape and Return key-downs (so the window never closes on them) and
    // F10 key messages. Returns true when the message is consumed. Typed
    // characters (a "y" has the same number as F10) always pass.
    bool preTranslateKey(KeyMessage message);

    // A right-button release anywhere on the main window while the page is
    // shown (screen coordinates); ignored while recording.
    void onRightButtonUp(int cursorX, int cursorY);

private:
    MacroStore& m_store;
    EventList& m_events;
    MacroRecorder& m_recorder;
    MacroPageView& m_view;
    UserMessages& m_messages;
    FileSystem& m_files;
    const AppPaths& m_paths;
};

} // namespace z3
