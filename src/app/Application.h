#pragma once

#include "core/app/AppPaths.h"
#include "core/config/ConfigModel.h"
#include "core/config/ConfigStore.h"
#include "core/device/DeviceHotplug.h"
#include "core/device/DeviceLink.h"
#include "core/device/DeviceSession.h"
#include "core/device/HostActionThread.h"
#include "core/device/PromptBlinkThread.h"
#include "core/macro/MacroStore.h"
#include "platform/hid/MouseConnection.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/power/PowerEvents.h"
#include "platform/shell/DesktopShellActions.h"
#include "ui/main/StartupWindow.h"
#include "ui/main/WindowDeviceUi.h"

#include <memory>

namespace z3 {

// Owns the program's one instance of each service, passes them by reference
// to the window and the workers, and runs the start-up in its fixed order.
class Application final : private DeviceHotplugHost {
public:
    explicit Application(AppPaths paths);
    ~Application() override;

    // Brings the program up: listener and prompt blink started, the active
    // profile and the macros loaded, the mouse found and sent the profile.
    // False when the mouse is missing: the user was told, the close sequence
    // ran, and the program should end.
    bool start();

    StartupWindow& window() { return m_window; }
    ConfigModel& model() { return m_model; }

private:
    // DeviceHotplugHost
    bool devicePresent() const override { return m_model.devicePresent; }
    void setDevicePresent(bool present) override { m_model.devicePresent = present; }
    bool rediscover() override;
    void deleteTrayIcon() override { m_ui.deleteTrayIcon(); }
    void destroyMainWindow() override { m_ui.destroyWindow(); }

    void closeProgram();

    AppPaths m_paths;
    PosixFileSystem m_files;
    ConfigModel m_model;
    ConfigStore m_configStore;
    MacroStore m_macros;
    StartupWindow m_window;
    WindowDeviceUi m_ui;
    WindowMessages m_messages;
    DeviceLink m_link;
    PromptBlinkThread m_promptBlink;
    DeviceSession m_session;
    DesktopShellActions m_shell;
    HostActionThread m_listener;
    MouseConnection m_connection;
    std::unique_ptr<PowerEvents> m_power;
};

} // namespace z3
