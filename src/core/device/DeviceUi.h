#pragma once

#include <string_view>

namespace z3 {

// The fixed texts the device code shows to the user.
namespace DeviceMessageText {
inline constexpr std::string_view ColourPickerInvalid = "取色键无效,请设置为其他键";
inline constexpr std::string_view InsertMouse = "請插入【Zerrat Z3】USB鼠標";
} // namespace DeviceMessageText

// What apply, close and the host actions need from the user interface. The
// main window implements it; the command-line tool prints instead.
//
// Threads: every call may come from the UI thread or from the listener
// thread, while the device lock is held. So no call may wait for the UI
// thread: repaints and message boxes are posted to it.
class DeviceUi {
public:
    virtual ~DeviceUi() = default;

    // Repaint the whole main window (status line, pages) soon.
    virtual void invalidateWindow() = 0;

    // Show `text` in a message box (OK button, no icon, the application's
    // title, owned by the main window) on the UI thread; returns at once.
    virtual void showMessage(std::string_view text) = 0;

    // Close path: delete the tray icon, then destroy the main window (which
    // ends the program).
    virtual void deleteTrayIcon() = 0;
    virtual void destroyWindow() = 0;
};

} // namespace z3
