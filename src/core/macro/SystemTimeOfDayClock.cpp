#include "core/macro/RecordingPorts.h"

#include <chrono>

namespace z3 {

int32_t SystemTimeOfDayClock::utcMillisecondsOfDay()
{
    using namespace std::chrono;
    const auto now = time_point_cast<milliseconds>(system_clock::now());
    const auto sinceMidnight = now - floor<days>(now);
    return static_cast<int32_t>(sinceMidnight.count());
}

} // namespace z3
