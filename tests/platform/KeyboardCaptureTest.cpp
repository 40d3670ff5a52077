#include "platform/input/KeyboardCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace z3 {
namespace {

// X keycodes (evdev + 8) of the keys used below.
constexpr uint32_t kA = 38;
constexpr uint32_t kB = 56;
constexpr uint32_t kLeftAlt = 64;
constexpr uint32_t kRightAlt = 108;
constexpr uint32_t kLeftCtrl = 37;
constexpr uint32_t kRightCtrl = 105;
constexpr uint32_t kLeftShift = 50;
constexpr uint32_t kRightShift = 62;
constexpr uint32_t kF10 = 76;
constexpr uint32_t kKeypadEnter = 104;

constexpr uint32_t kDown = WindowMessage::KeyDown;
constexpr uint32_t kUp = WindowMessage::KeyUp;
constexpr uint32_t kSysDown = WindowMessage::SysKeyDown;
constexpr uint32_t kSysUp = WindowMessage::SysKeyUp;

struct Stroke {
    bool press;
    uint32_t keycode;
    bool altModifier;
    uint32_t message; // 0: no message
    uint32_t vk;
};

void runSequence(const std::vector<Stroke>& strokes)
{
    KeyboardCaptureTranslator translator;
    int index = 0;
    for (const Stroke& s : strokes) {
        const auto message = translator.translate(s.press, s.keycode, s.altModifier, false);
        if (s.message == 0) {
            EXPECT_FALSE(message.has_value()) << "stroke " << index;
        } else {
            ASSERT_TRUE(message.has_value()) << "stroke " << index;
            EXPECT_EQ(message->message, s.message) << "stroke " << index;
            EXPECT_EQ(message->wParam, s.vk) << "stroke " << index;
        }
        ++index;
    }
}

TEST(KeyboardCaptureTranslator, PlainKeysGiveKeyMessagesWithSidedCodes)
{
    runSequence({
        {true, kA, false, kDown, 0x41},
        {false, kA, false, kUp, 0x41},
        {true, kLeftShift, false, kDown, 0xA0},
        {true, kRightShift, false, kDown, 0xA1},
        {true, kLeftCtrl, false, kDown, 0xA2},
        {true, kRightCtrl, false, kDown, 0xA3},
        {true, kKeypadEnter, false, kDown, 0x0D},
        {true, 0, false, 0, 0}, // below the X keycode range
        {true, 7, false, 0, 0},
        {true, 100000, false, 0, 0},
    });
}

TEST(KeyboardCaptureTranslator, AltAndF10GiveSysMessages)
{
    runSequence({
        {true, kLeftAlt, false, kSysDown, 0xA4}, // Alt itself
        {true, kA, false, kSysDown, 0x41},       // held Alt seen by this capture
        {false, kA, false, kSysUp, 0x41},
        {false, kLeftAlt, true, kSysUp, 0xA4},
        {true, kA, false, kDown, 0x41}, // Alt released
        {false, kA, false, kUp, 0x41},
        {true, kB, true, kSysDown, 0x42}, // Alt held since before the capture (window's modifiers)
        {true, kF10, false, kSysDown, 0x79},
        {false, kF10, false, kSysUp, 0x79},
        {true, kRightAlt, false, kSysDown, 0xA5},
        {false, kRightAlt, false, kSysUp, 0xA5},
        {true, kLeftCtrl, false, kDown, 0xA2}, // Ctrl+Alt combinations are ordinary keys
        {true, kLeftAlt, false, kDown, 0xA4},
        {true, kA, true, kDown, 0x41},
    });
}

// Counts the key events that get past the filters installed after it, as the
// window's widgets would receive them.
class KeyWitness : public QObject {
public:
    int keys = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        keys += event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
        return false;
    }
};

class KeyboardCaptureTest : public ::testing::Test {
protected:
    KeyboardCaptureTest() { window->installEventFilter(&witness); }

    KeyWitness witness;
    std::unique_ptr<QWindow> window = std::make_unique<QWindow>();
    std::vector<KeyMessage> received;
    KeyboardCapture capture{window.get(), [this](const KeyMessage& m) { received.push_back(m); }};

    void send(QEvent::Type type, uint32_t keycode, bool autoRepeat = false)
    {
        QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, keycode, 0, 0, QString(), autoRepeat);
        QCoreApplication::sendEvent(window.get(), &event);
    }
};

TEST_F(KeyboardCaptureTest, SwallowsKeysOnlyWhileCapturing)
{
    send(QEvent::KeyPress, kA);
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(witness.keys, 1);

    capture.grab();
    EXPECT_TRUE(capture.capturing());
    send(QEvent::KeyPress, kA);
    send(QEvent::KeyPress, kA, true);   // repeat presses pass on
    send(QEvent::KeyRelease, kA, true); // a repeat's release is dropped
    send(QEvent::KeyRelease, kA);
    send(QEvent::KeyPress, 3);  // no virtual key: swallowed all the same
    EXPECT_EQ(witness.keys, 1); // nothing reached the window's own handling
    QKeyEvent shortcut(QEvent::ShortcutOverride, Qt::Key_Q, Qt::ControlModifier);
    QCoreApplication::sendEvent(window.get(), &shortcut);
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].message, kDown);
    EXPECT_EQ(received[1].message, kDown);
    EXPECT_EQ(received[2].message, kUp);
    EXPECT_EQ(received[2].wParam, 0x41u);

    capture.release();
    EXPECT_FALSE(capture.capturing());
    send(QEvent::KeyPress, kA);
    EXPECT_EQ(received.size(), 3u);
    EXPECT_EQ(witness.keys, 2);
    capture.release(); // releasing twice is harmless
}

TEST_F(KeyboardCaptureTest, TheCaptureEndsWithTheWindow)
{
    capture.grab();
    window.reset();
    EXPECT_FALSE(capture.capturing());
    capture.grab(); // no window: nothing to grab
    EXPECT_FALSE(capture.capturing());
}

TEST_F(KeyboardCaptureTest, AFreshCaptureForgetsModifiersOfTheLastOne)
{
    capture.grab();
    send(QEvent::KeyPress, kLeftAlt);
    capture.release();
    capture.grab();
    send(QEvent::KeyPress, kA);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[1].message, kDown);
}

} // namespace
} // namespace z3
