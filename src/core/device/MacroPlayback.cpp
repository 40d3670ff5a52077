#include "core/device/MacroPlayback.h"

#include <algorithm>
#include <vector>

namespace z3 {

namespace {

MouseButton buttonOf(uint8_t code)
{
    if (code == MacroCode::LeftButton)
        return MouseButton::Left;
    if (code == MacroCode::RightButton)
        return MouseButton::Right;
    return MouseButton::Middle;
}

bool isButton(uint8_t code)
{
    return code >= MacroCode::LeftButton;
}

// Codes the macro pressed and has not released yet, in press order.
class HeldCodes {
public:
    void press(uint8_t code)
    {
        release(code);
        m_held.push_back(code);
    }
    void release(uint8_t code) { std::erase(m_held, code); }

    // Releases in reverse press order, so modifiers go last.
    void releaseAll(HostInput& input)
    {
        for (auto it = m_held.rbegin(); it != m_held.rend(); ++it) {
            if (isButton(*it))
                input.mouseButton(buttonOf(*it), KeyDirection::Up);
            else
                input.key(*it, KeyDirection::Up);
        }
        m_held.clear();
    }

private:
    std::vector<uint8_t> m_held;
};

void playStep(const MacroEvent& step, HostInput& input, HeldCodes& held)
{
    KeyDirection direction;
    if (step.action == MacroAction::Press) {
        direction = KeyDirection::Down;
        held.press(step.code);
    } else if (step.action == MacroAction::Release) {
        direction = KeyDirection::Up;
        held.release(step.code);
    } else {
        return;
    }
    if (isButton(step.code))
        input.mouseButton(buttonOf(step.code), direction);
    else
        input.key(step.code, direction);
}

} // namespace

bool playMacro(const MacroRecord& record, HostInput& input, WaitClock& clock)
{
    const int repetitions = record.repeatFlag == 0 ? 1 : record.repeatCount();
    const size_t steps = std::min<size_t>(record.eventCount, MacroRecord::kStepSlots);
    HeldCodes held;
    auto deadline = clock.now();
    for (int r = 0; r < repetitions; ++r) {
        for (size_t k = 0; k < steps; ++k) {
            const MacroEvent step = record.event(k);
            playStep(step, input, held);
            deadline += std::chrono::milliseconds(step.delayMs);
            if (!clock.sleepUntil(deadline)) {
                held.releaseAll(input);
                return false;
            }
        }
    }
    return true;
}

} // namespace z3
