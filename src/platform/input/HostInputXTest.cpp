#include "platform/input/HostInputXTest.h"

#include "core/keys/VirtualKeys.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <atomic>
#include <chrono>
#include <mutex>

namespace z3 {

namespace {

long long nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// X keycodes are evdev codes offset by 8 on every evdev/libinput server
// (and in Xvfb's default keymap).
constexpr int kX11KeycodeOffset = 8;

unsigned int x11Button(MouseButton button)
{
    switch (button) {
    case MouseButton::Left:
        return 1;
    case MouseButton::Middle:
        return 2;
    case MouseButton::Right:
        return 3;
    }
    return 2;
}

// Xlib's default I/O error handler prints and ends the process. Ours only
// returns, so that each display's exit handler decides: ours marks the
// connection broken, the default one (other connections) still exits.
int returnFromIoError(Display*)
{
    return 0;
}

void installIoErrorHandler()
{
    static std::once_flag once;
    std::call_once(once, [] { XSetIOErrorHandler(&returnFromIoError); });
}

} // namespace

struct HostInputXTest::Connection {
    Display* display = nullptr;
    int minKeycode = 0;
    int maxKeycode = 0;
    // Set by Xlib's I/O error path when the server goes away; the handler
    // returns instead of exiting the process.
    std::atomic<bool> broken{false};

    ~Connection()
    {
        if (display)
            XCloseDisplay(display);
    }

    static void onIoError(Display*, void* self) { static_cast<Connection*>(self)->broken = true; }
};

HostInputXTest::HostInputXTest(std::string displayName)
    : m_displayName(std::move(displayName))
{ }

HostInputXTest::~HostInputXTest() = default;

bool HostInputXTest::connect()
{
    return connection() != nullptr;
}

HostInputXTest::Connection* HostInputXTest::connection()
{
    if (m_connection && m_connection->broken)
        m_connection.reset();
    if (m_connection)
        return m_connection.get();
    const long long now = nowMs();
    if (m_attempted && now - m_lastAttemptMs < 1000)
        return nullptr;
    m_attempted = true;
    m_lastAttemptMs = now;
    installIoErrorHandler();

    Display* display = XOpenDisplay(m_displayName.empty() ? nullptr : m_displayName.c_str());
    if (!display)
        return nullptr;
    auto c = std::make_unique<Connection>();
    c->display = display;
    XSetIOErrorExitHandler(display, &Connection::onIoError, c.get());
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor))
        return nullptr;
    XDisplayKeycodes(display, &c->minKeycode, &c->maxKeycode);
    m_connection = std::move(c);
    return m_connection.get();
}

void HostInputXTest::key(int vkCode, KeyDirection direction)
{
    const auto evdev = evdevFromVk(vkCode);
    if (!evdev)
        return;
    Connection* c = connection();
    if (!c)
        return;
    const int keycode = *evdev + kX11KeycodeOffset;
    // A keycode outside the server's range is a protocol error, which Xlib
    // would answer by ending the process.
    if (keycode < c->minKeycode || keycode > c->maxKeycode)
        return;
    XTestFakeKeyEvent(
        c->display, static_cast<unsigned int>(keycode), direction == KeyDirection::Down, CurrentTime);
    XFlush(c->display);
}

void HostInputXTest::mouseButton(MouseButton button, KeyDirection direction)
{
    Connection* c = connection();
    if (!c)
        return;
    XTestFakeButtonEvent(c->display, x11Button(button), direction == KeyDirection::Down, CurrentTime);
    XFlush(c->display);
}

} // namespace z3
