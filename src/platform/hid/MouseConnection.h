#pragma once

#include "core/device/DeviceHotplug.h"
#include "core/device/DeviceLink.h"
#include "core/device/Discovery.h"
#include "core/device/HidTransport.h"
#include "platform/hid/HidHotplugWatcher.h"

#include <memory>
#include <string>

namespace z3 {

// Discovery and hot-plug for the program, wired together: the transport
// (real devices, then virtual mice), the hot-plug watcher that discovery
// registers, and the rules that react to the saved device arriving or
// leaving through the host's callbacks. Lives on the UI thread.
//
// The host's rediscover() is expected to call discover() (and may do more).
class MouseConnection {
public:
    MouseConnection(DeviceLink& link, DeviceHotplugHost& host, std::unique_ptr<HidTransport> transport,
        std::string virtualRoot);
    // The system transport and the user's virtual-mouse root.
    MouseConnection(DeviceLink& link, DeviceHotplugHost& host);

    // Searches for the mouse, fills the link and returns whether the mouse is
    // present (the value the caller stores as its presence flag).
    bool discover();
    const DiscoveryResult& lastDiscovery() const { return m_lastDiscovery; }

private:
    DeviceLink& m_link;
    std::unique_ptr<HidTransport> m_transport;
    HidHotplugWatcher m_watcher;
    DeviceHotplug m_hotplug;
    DiscoveryResult m_lastDiscovery;
};

} // namespace z3
