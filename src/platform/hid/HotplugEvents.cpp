#include "platform/hid/HotplugEvents.h"

#include "platform/hid/VirtualMouseFolder.h"

#include <sys/inotify.h>

namespace z3 {

HotplugEvent hotplugEventFromUdev(std::string_view action, std::string_view deviceNode)
{
    HotplugEvent event;
    event.path = std::string(deviceNode);
    if (action == "add")
        event.type = HotplugEvent::Type::Arrival;
    else if (action == "remove")
        event.type = HotplugEvent::Type::Removal;
    return event;
}

std::optional<HotplugEvent> hotplugEventFromInotify(
    uint32_t mask, std::string_view name, const std::string& root)
{
    if (!virtualmouse::isValidName(name))
        return std::nullopt;
    const std::string path = root + "/" + std::string(name);
    if (mask & (IN_MOVED_TO | IN_CREATE))
        return HotplugEvent{HotplugEvent::Type::Arrival, path};
    if (mask & (IN_MOVED_FROM | IN_DELETE))
        return HotplugEvent{HotplugEvent::Type::Removal, path};
    return std::nullopt;
}

} // namespace z3
