#pragma once

#include "core/config/ConfigModel.h"
#include "core/device/DeviceUi.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace z3 {

// Blinks the button number of the status prompt while the host actions wait
// for the mouse's arming report: while `driverRunning` is false and the main
// page is shown, it inverts `promptBlinkOn` and repaints every half second,
// checking the page after every six phases. When it ends it leaves
// `promptBlinkOn` true and clears `promptBlinkRunning`.
//
// One worker thread serves every start: a start while a blink is running
// lets that blink go on (it is already doing what the new one would), so two
// blinks never fight over the phase. Whoever starts sets
// `promptBlinkRunning` first (see start()).
class PromptBlinkThread {
public:
    PromptBlinkThread(
        ConfigModel& model, DeviceUi& ui, std::chrono::milliseconds phase = std::chrono::milliseconds(500));
    ~PromptBlinkThread();

    PromptBlinkThread(const PromptBlinkThread&) = delete;
    PromptBlinkThread& operator=(const PromptBlinkThread&) = delete;

    // Sets `promptBlinkRunning` and starts a blink; returns at once. Any
    // thread.
    void start();

    // For the UI's own starts (start-up, switch to the main page): starts
    // only when no blink is running.
    void startIfIdle();

private:
    void run();
    void blink();
    bool sleepPhase();

    ConfigModel& m_model;
    DeviceUi& m_ui;
    const std::chrono::milliseconds m_phase;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_requested = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace z3
