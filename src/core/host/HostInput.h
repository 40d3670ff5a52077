#pragma once

namespace z3 {

enum class KeyDirection { Down, Up };

enum class MouseButton { Left, Right, Middle };

// Synthetic keyboard and mouse-button input on the desktop.
//
// Keys are Windows virtual-key codes (the codes macros store); the adapter
// maps them to the physical keys they mean (see VirtualKeys.h) and drops
// codes it cannot map. Each event reaches the desktop before the call
// returns (no batching), so pauses between calls are the pauses the user
// sees. Failures are ignored: there is no result.
//
// Threads: an instance is used by one thread at a time; adapters that keep
// a connection open it on that thread.
class HostInput {
public:
    virtual ~HostInput() = default;

    virtual void key(int vkCode, KeyDirection direction) = 0;
    virtual void mouseButton(MouseButton button, KeyDirection direction) = 0;
};

} // namespace z3
