#pragma once

#include "FakeMacroPageView.h"
#include "core/app/AppPaths.h"
#include "core/macro/EventList.h"
#include "core/macro/MacroPagePresenter.h"
#include "core/macro/MacroRecorder.h"
#include "core/macro/MacroStore.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace z3::test {

// The whole macro page on fakes: the store, the event list, the recorder and
// the presenter over a fake view, clock, keyboard grab and file system.
class MacroPageFixture : public ::testing::Test {
protected:
    MacroStore store;
    FakeMacroPageView view;
    RecordingMessages messages;
    FakeClock clock;
    FakeGrab grab;
    MemoryFileSystem files;
    AppPaths paths{"/app"};
    EventList events{store, view, messages};
    MacroRecorder recorder{store, events, view, clock, grab};
    MacroPagePresenter page{store, events, recorder, view, messages, files, paths};

    MacroPageFixture() { view.menuTarget = &events; }

    // Adds a macro with the given steps (code, action, pause) to the store.
    void addMacro(const std::u16string& name, std::initializer_list<MacroEvent> steps = {})
    {
        store.modify([&](MacroStoreData& data) {
            ASSERT_TRUE(data.createMacro(name));
            MacroRecord& record = data.records[data.current];
            for (const MacroEvent& step : steps)
                record.setEvent(record.eventCount++, step);
        });
    }

    // A macro of n key presses with codes 'A', 'B', ... and pauses 10, 11, ...
    void addMacroWithSteps(const std::u16string& name, int n)
    {
        addMacro(name);
        store.modify([&](MacroStoreData& data) {
            MacroRecord& record = data.records[data.current];
            for (int k = 0; k < n; ++k)
                record.setEvent(k,
                    {static_cast<uint8_t>('A' + k % 26), MacroAction::Press, static_cast<uint16_t>(10 + k)});
            record.eventCount = static_cast<uint8_t>(n);
        });
    }

    // Shows the store on the page, as when the page opens.
    void openPage() { page.refillMacroList(); }

    // The cursor position that a right-click on line `line` of the list uses.
    int lineY(int line) const { return view.eventRect.top + line * view.itemHeight + 1; }
    void rightClickLine(int line) { page.onRightButtonUp(view.eventRect.left + 5, lineY(line)); }
};

} // namespace z3::test
