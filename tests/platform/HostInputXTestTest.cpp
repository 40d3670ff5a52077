#include "platform/input/HostInputXTest.h"

#include "core/keys/VirtualKeys.h"

#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

// Xlib defines macros (None, Bool) that clash with gtest: include it last.
// clang-format off
#include <X11/Xlib.h>
// clang-format on

namespace z3 {
namespace {

// A private Xvfb server for one test; skipped when Xvfb is not installed.
class XvfbServer {
public:
    bool start()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            return false;
        // A display number nobody holds; the server must still be ours once
        // its socket appears (a clash makes it exit at once).
        for (int number = 180 + getpid() % 400; number < 1000; ++number) {
            if (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock"))
                continue;
            m_name = ":" + std::to_string(number);
            m_process.start(
                "Xvfb", {QString::fromStdString(m_name), "-nolisten", "tcp", "-screen", "0", "320x240x24"});
            if (!m_process.waitForStarted(3000))
                return false;
            const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
            for (int i = 0;
                 i < 100 && !std::filesystem::exists(socket) && m_process.state() != QProcess::NotRunning;
                 ++i)
                QThread::msleep(50);
            QThread::msleep(50);
            if (m_process.state() == QProcess::Running && std::filesystem::exists(socket))
                return true;
            stop();
        }
        return false;
    }
    void stop()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }
    ~XvfbServer() { stop(); }
    const std::string& name() const { return m_name; }

private:
    QProcess m_process;
    std::string m_name;
};

bool keyIsDown(Display* display, int vkCode)
{
    char keys[32] = {};
    XQueryKeymap(display, keys);
    const int keycode = *evdevFromVk(vkCode) + 8;
    return (keys[keycode / 8] >> (keycode % 8)) & 1;
}

// XTest events are flushed, not synchronised: give the server a moment.
template <typename Predicate> bool eventually(Predicate predicate)
{
    for (int i = 0; i < 200; ++i) {
        if (predicate())
            return true;
        QThread::msleep(5);
    }
    return false;
}

unsigned int buttonMask(Display* display)
{
    Window root, child;
    int rx, ry, wx, wy;
    unsigned int mask = 0;
    XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rx, &ry, &wx, &wy, &mask);
    return mask;
}

TEST(HostInputXTest, KeysAndButtonsReachTheServer)
{
    XvfbServer server;
    if (!server.start())
        GTEST_SKIP() << "no Xvfb";
    HostInputXTest input(server.name());
    ASSERT_TRUE(input.connect());
    Display* observer = XOpenDisplay(server.name().c_str());
    ASSERT_NE(observer, nullptr);

    // Keys that Windows tells apart by the extended flag are distinct here.
    for (int vkCode : {vk::RightControl, vk::LeftControl, vk::Snapshot, vk::Divide, vk::KeyC}) {
        input.key(vkCode, KeyDirection::Down);
        EXPECT_TRUE(eventually([&] { return keyIsDown(observer, vkCode); })) << vkCode;
        input.key(vkCode, KeyDirection::Up);
        EXPECT_TRUE(eventually([&] { return !keyIsDown(observer, vkCode); })) << vkCode;
    }
    EXPECT_FALSE(keyIsDown(observer, vk::LeftControl));

    input.mouseButton(MouseButton::Right, KeyDirection::Down);
    const unsigned int buttons = Button1Mask | Button2Mask | Button3Mask;
    EXPECT_TRUE(eventually([&] { return (buttonMask(observer) & buttons) == Button3Mask; }));
    input.mouseButton(MouseButton::Right, KeyDirection::Up);
    EXPECT_TRUE(eventually([&] { return (buttonMask(observer) & buttons) == 0; }));
    XCloseDisplay(observer);
}

TEST(HostInputXTest, AVanishedDisplayDropsEventsInsteadOfEndingTheProcess)
{
    HostInputXTest absent(":999");
    absent.key(vk::KeyA, KeyDirection::Down); // nothing to connect to: ignored

    XvfbServer server;
    if (!server.start())
        GTEST_SKIP() << "no Xvfb";
    HostInputXTest input(server.name());
    ASSERT_TRUE(input.connect());
    server.stop();
    for (int i = 0; i < 3; ++i) {
        input.key(vk::KeyA, KeyDirection::Down);
        input.key(vk::KeyA, KeyDirection::Up);
        input.mouseButton(MouseButton::Left, KeyDirection::Down);
    }
    SUCCEED();
}

} // namespace
} // namespace z3
