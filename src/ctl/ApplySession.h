#pragma once

#include "CtlCommand.h"
#include "core/config/ConfigModel.h"
#include "core/config/ConfigStore.h"
#include "core/device/DeviceLink.h"
#include "core/device/DeviceSession.h"
#include "core/device/DeviceUi.h"
#include "core/device/PromptBlinkThread.h"
#include "platform/posix/PosixFileSystem.h"

#include <memory>
#include <optional>
#include <string>

namespace z3::ctl {

// The device side of the configurator without its window, for `apply` and
// `listen`: discovery, the profile load and the apply exactly as the program
// runs them, on config.ini in the program folder.
class ApplySession {
public:
    explicit ApplySession(CtlContext& context);
    ~ApplySession();

    // Exit status when the configurator is running (it owns the mouse), else
    // nothing. Prints the reason.
    std::optional<int> refuseWhileConfiguratorRuns();

    enum class Report { Absence, Quietly };
    // Runs discovery; false when the mouse is absent (with the "insert the
    // mouse" message on standard error unless told to be quiet).
    bool discover(Report report = Report::Absence);

    // Loads profile `profile` (CurConfig when nothing) and applies it.
    void loadAndApply(std::optional<int32_t> profile);

    // The status line as the main window shows it right after the apply
    // (the prompt's button number visible).
    std::string statusLine() const;

    ConfigModel& model() { return m_model; }
    DeviceLink& link() { return m_link; }
    DeviceSession& session() { return m_session; }
    DeviceUi& ui() { return *m_ui; }
    const FileSystem& files() const { return m_files; }

private:
    CtlContext& m_context;
    std::unique_ptr<HidTransport> m_transport;
    PosixFileSystem m_files;
    ConfigModel m_model;
    ConfigStore m_store;
    DeviceLink m_link;
    std::unique_ptr<DeviceUi> m_ui;
    PromptBlinkThread m_promptBlink;
    DeviceSession m_session;
};

// Parses a profile number 1..5; nothing for anything else.
std::optional<int32_t> parseProfileNumber(const std::string& text);

} // namespace z3::ctl
