#pragma once

#include "core/config/ConfigModel.h"
#include "core/device/DeviceLink.h"
#include "core/device/DeviceSession.h"
#include "core/device/DeviceUi.h"
#include "core/device/WaitClock.h"
#include "core/host/HostInput.h"
#include "core/host/ShellActions.h"
#include "core/macro/MacroStore.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <thread>

namespace z3 {

// Reads the mouse's input reports and performs the host side of the buttons
// that the mouse reports (device function 31): DPI steps, macros, keyboard
// shortcuts, desktop programs, the profile switch. After an apply that
// turned the host actions off, the arming report (06 00) turns them on.
//
// The loop: read one report (the read waits at most `readTimeout`, so a
// stop is noticed), act on it, pause 2 ms, for as long as the thread runs; a
// failed read (no mouse yet, mouse gone) only leads to the pause.
class HostActionThread {
public:
    // Called on the listener thread with a short description of every action
    // performed ("dpi-level 3", "macro 2", "shortcut ctrl+c", "shell lock",
    // "profile 4", "armed").
    using ActionObserver = std::function<void(const std::string&)>;

    struct Services {
        ConfigModel& model;
        DeviceLink& link;
        DeviceSession& session;
        const MacroStore& macros;
        ShellActions& shell;
        DeviceUi& ui;
        // Makes the input injector on the listener thread itself (adapters
        // keep per-thread connections).
        std::function<std::unique_ptr<HostInput>()> makeInput;
    };

    explicit HostActionThread(Services services, ActionObserver observer = {},
        std::chrono::milliseconds readTimeout = std::chrono::milliseconds(250));
    // Stops and joins the thread.
    ~HostActionThread();

    HostActionThread(const HostActionThread&) = delete;
    HostActionThread& operator=(const HostActionThread&) = delete;

    void start();
    // Ends the loop (interrupting a read or a macro) and joins the thread.
    void stop();

    // One loop iteration's work for one report of `length` valid bytes,
    // without the read and the pause. Public for tests and the benchmark.
    void handleReport(std::span<const uint8_t> report, HostInput& input);

    // The action of button 1..6, whatever the arming state.
    void performButton(int button, HostInput& input);

    // True while reads fail (no mouse yet, or the mouse went away); the
    // owner may then run discovery again. Any thread.
    bool readsFailing() const { return m_readsFailing.load(std::memory_order_relaxed); }

    // The clock that times macros and pauses; replaceable before start().
    void setClock(WaitClock& clock) { m_clock = &clock; }

private:
    void run();
    void performCode(int32_t code, HostInput& input);
    void shortcut(int modifier, int key, bool pauseBeforeRelease, HostInput& input);
    void announce(const std::string& action);

    Services m_services;
    ActionObserver m_observer;
    const std::chrono::milliseconds m_readTimeout;
    SteadyWaitClock m_steadyClock;
    WaitClock* m_clock = &m_steadyClock;
    std::atomic<bool> m_readsFailing{false};
    std::thread m_thread;
};

} // namespace z3
