#pragma once

#include "core/host/HostInput.h"

#include <memory>
#include <string>

namespace z3 {

// Injects input into an X11 display through the XTest extension. The
// display connection is its own, opened on the first event in the calling
// thread (the listener's, for the host actions), and flushed after every
// event so each one reaches the server before the call returns. When the
// display cannot be opened, lacks XTest or goes away, events are dropped
// and opening is retried at most once a second; the process never exits
// because of the display.
class HostInputXTest final : public HostInput {
public:
    // `displayName` empty: the DISPLAY environment variable.
    explicit HostInputXTest(std::string displayName = {});
    ~HostInputXTest() override;

    HostInputXTest(const HostInputXTest&) = delete;
    HostInputXTest& operator=(const HostInputXTest&) = delete;

    void key(int vkCode, KeyDirection direction) override;
    void mouseButton(MouseButton button, KeyDirection direction) override;

    // Opens the connection now (on the calling thread); true when usable.
    bool connect();

private:
    struct Connection;

    Connection* connection();

    std::string m_displayName;
    std::unique_ptr<Connection> m_connection;
    long long m_lastAttemptMs = 0;
    bool m_attempted = false;
};

} // namespace z3
