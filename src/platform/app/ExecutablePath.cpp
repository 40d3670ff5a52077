#include "platform/app/ExecutablePath.h"

#include <climits>
#include <unistd.h>

namespace z3 {

std::string executablePath()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || length >= static_cast<ssize_t>(sizeof buffer))
        return {};
    return std::string(buffer, static_cast<size_t>(length));
}

} // namespace z3
