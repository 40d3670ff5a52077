#pragma once

#include <cstdint>

namespace z3 {

// The UTC time of day in milliseconds since midnight (0..86 399 999).
class TimeOfDayClock {
public:
    virtual ~TimeOfDayClock() = default;
    virtual int32_t utcMillisecondsOfDay() = 0;
};

// The system clock.
class SystemTimeOfDayClock final : public TimeOfDayClock {
public:
    int32_t utcMillisecondsOfDay() override;
};

// Takes the whole desktop's keyboard while a recording runs: no other window
// receives keys, and every key event reaches the recorder as a KeyMessage.
// `release` must be safe to call when nothing is grabbed.
class KeyboardGrab {
public:
    virtual ~KeyboardGrab() = default;
    virtual void grab() = 0;
    virtual void release() = 0;
};

} // namespace z3
