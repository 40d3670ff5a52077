#include "platform/input/KeyboardCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace z3 {

KeyboardCapture::KeyboardCapture(QWindow* window, Sink sink, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_sink(std::move(sink))
{
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &KeyboardCapture::release);
}

KeyboardCapture::~KeyboardCapture()
{
    release();
}

void KeyboardCapture::setWindow(QWindow* window)
{
    if (window == m_window)
        return;
    const bool wasCapturing = m_capturing;
    release();
    m_window = window;
    if (wasCapturing)
        grab();
}

void KeyboardCapture::grab()
{
    if (m_capturing || m_window == nullptr)
        return;
    m_capturing = true;
    m_translator.reset();
    m_window->installEventFilter(this);
    // The server drops the grab itself when the window is unmapped; losing
    // the window object ends the capture here too.
    connect(m_window, &QObject::destroyed, this, [this] {
        m_capturing = false;
        m_grabbed = false;
    });
    m_grabbed = m_window->setKeyboardGrabEnabled(true);
}

void KeyboardCapture::release()
{
    if (!m_capturing)
        return;
    m_capturing = false;
    if (m_window != nullptr) {
        if (m_grabbed)
            m_window->setKeyboardGrabEnabled(false);
        m_window->removeEventFilter(this);
        disconnect(m_window, &QObject::destroyed, this, nullptr);
    }
    m_grabbed = false;
    m_translator.reset();
}

bool KeyboardCapture::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_capturing || watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        return true; // no shortcut fires while recording
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Auto-repeat arrives as repeated presses, as from a Windows hook; a
        // repeat's release (without detectable auto-repeat) is dropped.
        if (event->type() == QEvent::KeyRelease && key->isAutoRepeat())
            return true;
        const auto message = m_translator.translate(event->type() == QEvent::KeyPress, key->nativeScanCode(),
            key->modifiers().testFlag(Qt::AltModifier), key->modifiers().testFlag(Qt::ControlModifier));
        if (message && m_sink)
            m_sink(*message);
        return true;
    }
    default:
        return false;
    }
}

} // namespace z3
