#pragma once

#include "core/macro/KeyMessage.h"

#include <array>
#include <cstdint>

namespace z3 {

class EventList;
class KeyboardGrab;
class MacroPageView;
class MacroStore;
class TimeOfDayClock;

// Records keystrokes into a macro: idle or recording, switched by the record
// button. While recording the keyboard is grabbed and every key message
// becomes a step of the target macro, with the pause measured since the step
// before. Limits: 216 steps, 108 presses, 9 keys held at once (a tenth held
// key is recorded but not tracked, so its release is ignored). Auto-repeat
// (the same message and key twice in a row) and releases of keys not pressed
// during the recording make no step. User-interface thread only.
class MacroRecorder {
public:
    static constexpr int kMaxSteps = 216;
    static constexpr int kMaxPresses = 108;
    static constexpr int kMaxHeldKeys = 9;
    static constexpr int32_t kDayMs = 86'400'000;
    static constexpr int32_t kMaxPauseMs = 65'535;

    // Where a key message goes after the recorder has seen it.
    enum class Next {
        KeyFilter,        // on to the main window's key filter
        StandardHandling, // straight to the window's standard handling
    };

    MacroRecorder(
        MacroStore& store, EventList& events, MacroPageView& view, TimeOfDayClock& clock, KeyboardGrab& grab);
    ~MacroRecorder();
    MacroRecorder(const MacroRecorder&) = delete;
    MacroRecorder& operator=(const MacroRecorder&) = delete;

    // Starts a recording into the macro selected in the macro list (its
    // steps and repeat setting are cleared), or stops the running one and
    // gives the macro its recorded steps. Starting needs a macro in the list.
    void toggleRecording();

    // Turns one key message into a step while recording.
    Next recordKeyMessage(KeyMessage message);

    // Milliseconds since the previous call, at most 65535, across midnight.
    int32_t measurePause();

    bool active() const { return m_active; }
    int target() const { return m_target; }
    int stepCount() const { return m_stepCount; }
    int heldCount() const { return m_heldCount; }
    const std::array<uint8_t, kMaxHeldKeys>& heldKeys() const { return m_heldKeys; }

private:
    void start();
    void stop();
    bool takeHeldKey(uint8_t code);

    MacroStore& m_store;
    EventList& m_events;
    MacroPageView& m_view;
    TimeOfDayClock& m_clock;
    KeyboardGrab& m_grab;

    bool m_active = false;
    int32_t m_target = 0;
    int32_t m_stepCount = 0;
    uint32_t m_lastMessage = 0;
    uint32_t m_lastKey = 0;
    std::array<uint8_t, kMaxHeldKeys> m_heldKeys{};
    int32_t m_heldCount = 0;
    int32_t m_lastTimeMs = 0;
    bool m_grabbed = false;
};

} // namespace z3
