#include "core/device/WaitClock.h"

namespace z3 {

bool SteadyWaitClock::sleepUntil(TimePoint deadline)
{
    std::unique_lock lock(m_mutex);
    return !m_wake.wait_until(lock, deadline, [this] { return m_interrupted; });
}

void SteadyWaitClock::interrupt()
{
    {
        std::lock_guard lock(m_mutex);
        m_interrupted = true;
    }
    m_wake.notify_all();
}

bool SteadyWaitClock::interrupted() const
{
    std::lock_guard lock(m_mutex);
    return m_interrupted;
}

} // namespace z3
