#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace z3 {

// Time for the worker threads: the steady clock and waits that a shutdown
// can cut short. Tests substitute a clock that records deadlines.
class WaitClock {
public:
    using Clock = std::chrono::steady_clock;
    using TimePoint = Clock::time_point;

    virtual ~WaitClock() = default;

    virtual TimePoint now() const = 0;
    // Waits until `deadline`; false when interrupted (the caller should end).
    virtual bool sleepUntil(TimePoint deadline) = 0;

    bool sleepFor(std::chrono::milliseconds duration) { return sleepUntil(now() + duration); }
};

// The real clock. interrupt() wakes every current and future wait at once;
// safe from any thread.
class SteadyWaitClock final : public WaitClock {
public:
    TimePoint now() const override { return Clock::now(); }
    bool sleepUntil(TimePoint deadline) override;
    void interrupt();
    bool interrupted() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_interrupted = false;
};

} // namespace z3
