#include "platform/hid/MouseConnection.h"

#include "platform/hid/SystemHidTransport.h"
#include "platform/hid/VirtualMouseFolder.h"

namespace z3 {

MouseConnection::MouseConnection(DeviceLink& link, DeviceHotplugHost& host,
    std::unique_ptr<HidTransport> transport, std::string virtualRoot)
    : m_link(link)
    , m_transport(std::move(transport))
    , m_watcher(std::move(virtualRoot))
    , m_hotplug(link, host)
{
    m_watcher.setHandler([this](const HotplugEvent& event) { m_hotplug.onDeviceChange(event); });
}

MouseConnection::MouseConnection(DeviceLink& link, DeviceHotplugHost& host)
    : MouseConnection(link, host, makeSystemHidTransport(), virtualmouse::rootPath())
{ }

bool MouseConnection::discover()
{
    m_lastDiscovery = z3::discover(*m_transport, m_link, m_watcher);
    return m_lastDiscovery.present;
}

} // namespace z3
