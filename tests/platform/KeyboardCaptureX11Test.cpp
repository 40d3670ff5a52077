// The keyboard capture against a real X server: run by the end-to-end script
// test_keyboard_capture_grab.sh under Xvfb with the xcb platform; skipped on
// the offscreen platform.
#include "platform/input/KeyboardCapture.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Last: Xlib defines macros (None, Bool) that clash with the headers above.
// clang-format off
#include <X11/Xlib.h>
#undef KeyPress
#undef KeyRelease
#undef None
// clang-format on

namespace z3 {
namespace {

// Whether another X client could take the keyboard now: an active grab of
// ours makes the server refuse it, so no other window receives keys.
bool anotherClientCanGrabTheKeyboard()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    const int status = XGrabKeyboard(
        display, DefaultRootWindow(display), False, GrabModeAsync, GrabModeAsync, CurrentTime);
    XUngrabKeyboard(display, CurrentTime);
    XCloseDisplay(display);
    return status == GrabSuccess;
}

bool waitFor(const std::function<bool()>& condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

class KeyCounter : public QObject {
public:
    int keys = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        keys += event->type() == QEvent::KeyPress;
        return false;
    }
};

class KeyboardCaptureX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != "xcb")
            GTEST_SKIP() << "needs an X server (run by test_keyboard_capture_grab.sh)";
        for (QWindow* window : {recording.get(), other.get()}) {
            window->resize(200, 100);
            window->show();
        }
        other->setPosition(300, 0);
        ASSERT_TRUE(waitFor([&] { return recording->isExposed() && other->isExposed(); }));
        other->installEventFilter(&otherKeys);
        other->requestActivate();
        QCoreApplication::processEvents();
    }

    static void type(const char* key) { QProcess::execute("xdotool", {"key", key}); }

    std::unique_ptr<QWindow> recording = std::make_unique<QWindow>();
    std::unique_ptr<QWindow> other = std::make_unique<QWindow>();
    KeyCounter otherKeys;
    std::vector<KeyMessage> received;
    KeyboardCapture capture{recording.get(), [this](const KeyMessage& m) { received.push_back(m); }};
};

TEST_F(KeyboardCaptureX11Test, GrabsTheDesktopKeyboardUntilReleased)
{
    ASSERT_TRUE(anotherClientCanGrabTheKeyboard());
    capture.grab();
    ASSERT_TRUE(capture.grabbed());
    EXPECT_FALSE(anotherClientCanGrabTheKeyboard());

    // Synthesised keys (as the macro player sends them) reach the capture,
    // whichever window has the focus, and nothing else.
    type("a");
    ASSERT_TRUE(waitFor([&] { return received.size() >= 2; }));
    EXPECT_EQ(received[0].message, WindowMessage::KeyDown);
    EXPECT_EQ(received[0].wParam, 0x41u);
    EXPECT_EQ(received[1].message, WindowMessage::KeyUp);
    type("alt+F10");
    ASSERT_TRUE(waitFor([&] { return received.size() >= 6; }));
    EXPECT_EQ(received[2].message, WindowMessage::SysKeyDown);
    EXPECT_EQ(received[2].wParam, 0xA4u);
    EXPECT_EQ(received[3].message, WindowMessage::SysKeyDown);
    EXPECT_EQ(received[3].wParam, 0x79u);
    EXPECT_EQ(otherKeys.keys, 0);

    capture.release();
    // The ungrab request leaves with the next flush of the event loop.
    EXPECT_TRUE(waitFor(anotherClientCanGrabTheKeyboard));
    const size_t before = received.size();
    type("b");
    QCoreApplication::processEvents(QEventLoop::AllEvents, 200);
    EXPECT_EQ(received.size(), before);
}

TEST_F(KeyboardCaptureX11Test, TheGrabEndsWithTheWindow)
{
    capture.grab();
    ASSERT_TRUE(capture.grabbed());
    recording.reset();
    EXPECT_FALSE(capture.capturing());
    EXPECT_TRUE(waitFor(anotherClientCanGrabTheKeyboard));
}

TEST_F(KeyboardCaptureX11Test, TheGrabEndsWithTheCapture)
{
    {
        KeyboardCapture shortLived(recording.get(), [](const KeyMessage&) {});
        shortLived.grab();
        ASSERT_TRUE(shortLived.grabbed());
    }
    EXPECT_TRUE(waitFor(anotherClientCanGrabTheKeyboard));
}

} // namespace
} // namespace z3
