#pragma once

#include "core/device/DeviceUi.h"
#include "core/macro/UserMessages.h"

#include <QPointer>
#include <QWidget>

namespace z3 {

// The device code's view of the main window. Calls may come from the
// listener thread while the device lock is held, so every effect is posted
// to the UI thread and the call returns at once.
class WindowDeviceUi final : public DeviceUi {
public:
    explicit WindowDeviceUi(QWidget& window);

    void invalidateWindow() override;
    void showMessage(std::string_view text) override;
    // There is no tray icon before the skinned window exists.
    void deleteTrayIcon() override { }
    // Ends the program: the window goes, and with it the event loop.
    void destroyWindow() override;

private:
    QPointer<QWidget> m_window;
};

// Message boxes of the UI thread: OK button, no icon, the application's
// title, modal to the main window; returns when the user closed the box.
class WindowMessages final : public UserMessages {
public:
    explicit WindowMessages(QWidget* owner)
        : m_owner(owner)
    { }
    void showMessage(std::string_view text) override;

private:
    QPointer<QWidget> m_owner;
};

// Shows one of the program's fixed messages now (UI thread).
void showFixedMessage(QWidget* owner, std::string_view text);

} // namespace z3
