#pragma once

#include "core/device/HidTransport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace z3 {

// A udev event of the hidraw subsystem as a hot-plug event: "add" is an
// arrival and "remove" a removal of the device node; other actions are Other.
HotplugEvent hotplugEventFromUdev(std::string_view action, std::string_view deviceNode);

// An inotify event on the virtual mice's root: an entry moved in or created
// is an arrival, moved out or deleted a removal of <root>/<name>. Dot-names
// (folders being prepared or removed) and other events give nullopt.
std::optional<HotplugEvent> hotplugEventFromInotify(
    uint32_t mask, std::string_view name, const std::string& root);

} // namespace z3
