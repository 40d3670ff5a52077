#include "core/device/DeviceHotplug.h"

#include <algorithm>

namespace z3 {
namespace {

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool matchesSavedPath(std::string_view path, std::string_view savedPath)
{
    return !savedPath.empty() && std::ranges::equal(path, savedPath, {}, asciiLower, asciiLower);
}

void DeviceHotplug::onDeviceChange(const HotplugEvent& event)
{
    if (event.type == HotplugEvent::Type::Other || !matchesSavedPath(event.path, m_link.devicePath()))
        return;
    if (event.type == HotplugEvent::Type::Arrival) {
        if (!m_host.devicePresent())
            m_host.setDevicePresent(m_host.rediscover());
        return;
    }
    m_host.setDevicePresent(false);
    m_host.deleteTrayIcon();
    m_host.destroyMainWindow();
}

} // namespace z3
