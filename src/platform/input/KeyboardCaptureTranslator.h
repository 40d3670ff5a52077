#pragma once

#include "core/macro/KeyMessage.h"

#include <cstdint>
#include <optional>

namespace z3 {

// Turns X11 key events into the key messages a Windows keyboard hook reports:
// the virtual-key code of the key (left/right-specific for Shift, Ctrl, Alt
// and the Windows keys) and the message kind. The SYS kinds are reported as
// Windows does: for Alt itself, for any key while Alt is held (unless Ctrl is
// held too, which makes it an ordinary key) and for F10.
class KeyboardCaptureTranslator {
public:
    // X key codes are evdev key codes + 8.
    static constexpr uint32_t kXKeycodeOffset = 8;

    // A press or release of the key with X keycode `xKeycode`. `altHeld` and
    // `ctrlHeld` are the modifier state the window system reports for the
    // event; Alt and Ctrl keys seen pressed here count as held too. Keys
    // without a virtual-key code give nothing.
    std::optional<KeyMessage> translate(bool press, uint32_t xKeycode, bool altHeld, bool ctrlHeld);

    // Forgets the modifiers seen pressed (when a capture ends).
    void reset();

private:
    bool m_leftAlt = false;
    bool m_rightAlt = false;
    bool m_leftCtrl = false;
    bool m_rightCtrl = false;
};

} // namespace z3
