#pragma once

#include "core/host/HostInput.h"

namespace z3 {

// Injects input through a virtual keyboard-and-mouse device made with
// /dev/uinput (consoles and Wayland sessions without an X display). The
// device is created on the first event; when /dev/uinput cannot be opened,
// events are dropped.
class HostInputUinput final : public HostInput {
public:
    HostInputUinput() = default;
    ~HostInputUinput() override;

    HostInputUinput(const HostInputUinput&) = delete;
    HostInputUinput& operator=(const HostInputUinput&) = delete;

    void key(int vkCode, KeyDirection direction) override;
    void mouseButton(MouseButton button, KeyDirection direction) override;

    static bool available();

private:
    bool ensureDevice();
    void emitKey(int evdevCode, KeyDirection direction);

    int m_fd = -1;
    bool m_attempted = false;
};

} // namespace z3
