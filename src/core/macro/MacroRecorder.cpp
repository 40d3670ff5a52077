#include "core/macro/MacroRecorder.h"

#include "core/macro/EventList.h"
#include "core/macro/MacroPageView.h"
#include "core/macro/MacroStore.h"
#include "core/macro/RecordingPorts.h"

#include <algorithm>
#include <string>

namespace z3 {

MacroRecorder::MacroRecorder(
    MacroStore& store, EventList& events, MacroPageView& view, TimeOfDayClock& clock, KeyboardGrab& grab)
    : m_store(store)
    , m_events(events)
    , m_view(view)
    , m_clock(clock)
    , m_grab(grab)
{ }

MacroRecorder::~MacroRecorder()
{
    // Never leave the desktop without its keyboard.
    if (m_grabbed)
        m_grab.release();
}

void MacroRecorder::toggleRecording()
{
    m_view.setFocus(MacroPageControl::EventList);
    // A recording stops even when the macro list has been emptied meanwhile
    // (an import of a missing file): otherwise the keyboard would stay
    // grabbed with no way to end the recording.
    if (m_active)
        stop();
    else if (m_view.macroListCount() > 0)
        start();
}

void MacroRecorder::start()
{
    m_active = true;
    m_events.setRecording(true);
    m_target = std::max(m_view.macroListSelection(), 0);
    m_target = std::min(m_target, MacroStoreData::kMaxMacros - 1);
    m_heldCount = 0;
    m_heldKeys.fill(0);
    if (!m_grabbed) {
        m_grab.grab();
        m_grabbed = true;
    }
    m_stepCount = 0;
    m_store.modify([&](MacroStoreData& data) {
        // The list line shows this record's name; keeping the record's own
        // units spares names with unpaired surrogates a lossy trip through
        // the widget's text.
        MacroRecord& record = data.records[m_target];
        const std::u16string name(record.nameView());
        record = MacroRecord{};
        record.setName(name);
        data.current = m_target;
        record.repeatFlag = 0;
        record.setRepeatCount(1);
    });
    m_view.setRepeatCountText("1");
    m_view.setRepeatCountEnabled(false);
    m_events.clear();
    m_view.invalidateWindow(); // the record button's caption
}

void MacroRecorder::stop()
{
    m_active = false;
    m_events.setRecording(false);
    m_store.modify(
        [&](MacroStoreData& data) { data.records[m_target].eventCount = static_cast<uint8_t>(m_stepCount); });
    if (m_grabbed) {
        m_grab.release();
        m_grabbed = false;
    }
    m_view.invalidateWindow();
}

bool MacroRecorder::takeHeldKey(uint8_t code)
{
    const auto held = m_heldKeys.begin() + m_heldCount;
    const auto found = std::find(m_heldKeys.begin(), held, code);
    if (found == held)
        return false;
    std::copy(found + 1, held, found);
    --m_heldCount;
    m_heldKeys[m_heldCount] = 0;
    return true;
}

MacroRecorder::Next MacroRecorder::recordKeyMessage(KeyMessage message)
{
    if (!m_active || !WindowMessage::isKey(message.message))
        return Next::KeyFilter;
    const bool repeated = message.message == m_lastMessage && message.wParam == m_lastKey;
    if (!repeated && m_stepCount < kMaxSteps) {
        const bool down = WindowMessage::isKeyDown(message.message);
        if (down && m_events.state().pressCount >= kMaxPresses)
            return Next::StandardHandling;
        const auto code = static_cast<uint8_t>(message.wParam & 0xFF);
        uint8_t action = 0;
        if (down) {
            action = MacroAction::Press;
            if (m_heldCount < kMaxHeldKeys)
                m_heldKeys[m_heldCount++] = code;
        } else {
            if (!takeHeldKey(code))
                return Next::StandardHandling;
            action = MacroAction::Release;
        }
        const int32_t pause = measurePause();
        const int slot = m_stepCount;
        m_store.modify([&](MacroStoreData& data) {
            MacroRecord& record = data.records[m_target];
            if (slot > 0) {
                record.eventDelays[slot - 1] = static_cast<uint16_t>(pause);
                record.eventDelays[slot] = MacroRecord::kDefaultDelayMs;
            }
            record.eventKeys[slot] = {code, action};
        });
        m_events.appendStepLines(m_target, slot);
        ++m_stepCount;
    }
    m_lastMessage = message.message;
    m_lastKey = message.wParam;
    return Next::KeyFilter;
}

int32_t MacroRecorder::measurePause()
{
    const int32_t now = m_clock.utcMillisecondsOfDay();
    int64_t elapsed = int64_t{now} - m_lastTimeMs;
    m_lastTimeMs = now;
    if (elapsed < 0) // midnight passed
        elapsed += kDayMs;
    return static_cast<int32_t>(std::clamp<int64_t>(elapsed, 0, kMaxPauseMs));
}

} // namespace z3
