#pragma once

#include "core/macro/RecordingPorts.h"
#include "platform/input/KeyboardCaptureTranslator.h"

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <functional>

namespace z3 {

// The keyboard of the whole desktop for a macro recording. While capturing,
// the window holds an active keyboard grab (on X11 no other window receives
// keys) and every key event that reaches it is swallowed and handed to the
// sink as a key message with a Windows virtual-key code; no widget of the
// program sees it either. The grab ends with `release`, when the window is
// destroyed, when the application quits and when this object goes away, so
// the desktop is never left without its keyboard. Keystrokes synthesised by
// the macro player arrive like typed ones. User-interface thread only.
class KeyboardCapture final : public QObject, public KeyboardGrab {
    Q_OBJECT
public:
    using Sink = std::function<void(const KeyMessage&)>;

    KeyboardCapture(QWindow* window, Sink sink, QObject* parent = nullptr);
    ~KeyboardCapture() override;

    // The window to grab with; takes effect at the next `grab`.
    void setWindow(QWindow* window);

    void grab() override;
    void release() override;

    bool capturing() const { return m_capturing; }
    // Whether the window system granted the grab (never on the offscreen
    // platform, where the window's own key events are still captured).
    bool grabbed() const { return m_grabbed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWindow> m_window;
    Sink m_sink;
    KeyboardCaptureTranslator m_translator;
    bool m_capturing = false;
    bool m_grabbed = false;
};

} // namespace z3
