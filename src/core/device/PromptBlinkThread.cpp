#include "core/device/PromptBlinkThread.h"

namespace z3 {

namespace {

constexpr int kPhasesPerPageCheck = 6;

bool onMainPage(const ConfigModel& model)
{
    return model.currentPage == static_cast<uint8_t>(Page::Main);
}

} // namespace

PromptBlinkThread::PromptBlinkThread(ConfigModel& model, DeviceUi& ui, std::chrono::milliseconds phase)
    : m_model(model)
    , m_ui(ui)
    , m_phase(phase)
    , m_thread([this] { run(); })
{ }

PromptBlinkThread::~PromptBlinkThread()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void PromptBlinkThread::start()
{
    m_model.promptBlinkRunning = true;
    {
        std::lock_guard lock(m_mutex);
        m_requested = true;
    }
    m_wake.notify_all();
}

void PromptBlinkThread::startIfIdle()
{
    if (!m_model.promptBlinkRunning.exchange(true))
        start();
}

void PromptBlinkThread::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_requested || m_stopping; });
        if (m_stopping)
            return;
        m_requested = false;
        lock.unlock();
        blink();
        lock.lock();
        // A start that came in while this blink was ending runs another one;
        // otherwise the blink is over.
        if (!m_requested)
            m_model.promptBlinkRunning = false;
    }
}

void PromptBlinkThread::blink()
{
    while (onMainPage(m_model) && !m_model.driverRunning) {
        for (int i = 0; i < kPhasesPerPageCheck; ++i) {
            m_model.promptBlinkOn = !m_model.promptBlinkOn;
            m_ui.invalidateWindow();
            if (!sleepPhase())
                break;
        }
        std::lock_guard lock(m_mutex);
        if (m_stopping)
            break;
    }
    m_model.promptBlinkOn = true;
}

bool PromptBlinkThread::sleepPhase()
{
    std::unique_lock lock(m_mutex);
    return !m_wake.wait_for(lock, m_phase, [this] { return m_stopping; });
}

} // namespace z3
