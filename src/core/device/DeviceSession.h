#pragma once

#include "core/config/ConfigModel.h"
#include "core/config/ConfigStore.h"
#include "core/device/DeviceLink.h"
#include "core/device/DeviceUi.h"
#include "core/device/FeatureReport.h"
#include "core/device/FunctionTranslation.h"
#include "core/device/PromptBlinkThread.h"
#include "core/host/HostInput.h"

#include <mutex>

namespace z3 {

// The configuration's side of the device link: sending the model to the
// mouse (apply), the close sequence, and the listener's DPI steps and
// profile switches.
//
// Threads: the UI thread and the listener thread both call in. One lock (the
// device lock) makes each operation whole: a report's composition and send,
// a whole apply, a DPI step with its report and store, a profile load with
// its apply never interleave. Single model fields stay lock-free (see
// SharedValue), so the UI may edit while an operation runs.
class DeviceSession {
public:
    DeviceSession(ConfigModel& model, DeviceLink& link, ConfigStore& store, DeviceUi& ui,
        PromptBlinkThread& promptBlink);

    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Sends the whole model and records it: CurConfig, the applied state
    // (the model as it was when the apply started) and the profile's section,
    // in one save after the reports. A button with the colour-picker code 19
    // is set to 12 first, with a message. The first button that the mouse
    // must report to the host turns the host actions off until the arming
    // report and starts the prompt blink. Returns whether config.ini was
    // saved (the reports are sent either way; their results are not looked
    // at).
    bool applyConfiguration();

    // Six Alt key-ups (so no Alt stays held by a shortcut), the tray icon
    // deleted, the close report, the main window destroyed.
    void closeProgram(HostInput& input);

    // The listener's DPI button: moves the level, sends the DPI report and
    // stores DPI_LEVEL, also when the level did not change. Returns the new
    // level.
    int32_t stepDpi(ButtonDpiAction action);

    // The listener's profile switch: the next profile (after 5, or from an
    // invalid index, profile 1) is loaded and applied. Returns its index.
    int32_t switchToNextProfile();

private:
    bool applyLocked();
    void send(const FeatureReport& report);
    void sendDpiLed();

    ConfigModel& m_model;
    DeviceLink& m_link;
    ConfigStore& m_store;
    DeviceUi& m_ui;
    PromptBlinkThread& m_promptBlink;
    std::mutex m_lock;
};

} // namespace z3
