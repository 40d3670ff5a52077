#pragma once

#include "core/device/DeviceUi.h"
#include "core/host/ShellActions.h"

namespace z3::test {

// Adapters that do nothing, for benchmarks and fuzz targets that exercise
// the device code without a window or a desktop.
class NullDeviceUi final : public DeviceUi {
public:
    void invalidateWindow() override { }
    void showMessage(std::string_view) override { }
    void deleteTrayIcon() override { }
    void destroyWindow() override { }
};

class NullShellActions final : public ShellActions {
public:
    void openComputer() override { }
    void lockSession() override { }
    void openCalculator() override { }
    void openTerminal() override { }
};

} // namespace z3::test
