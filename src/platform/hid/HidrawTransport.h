#pragma once

#include "core/device/HidTransport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace z3 {

// The HID interfaces of the kernel's hidraw driver. hidapi lists the nodes
// and their ids and does the opens, reads and sends; the top-level
// collections and their report lengths come from each node's report
// descriptor (sysfs, else the HIDIOCGRDESC ioctl), which hidapi does not
// interpret. Nodes the user may not open still list; their opens fail.
class HidrawTransport : public HidTransport {
public:
    std::vector<HidCollectionEntry> enumerate() override;
    std::unique_ptr<HidHandle> open(const std::string& path, HidAccess access) override;

    // The report descriptor of a node such as /dev/hidraw3; nullopt when it
    // cannot be read.
    static std::optional<std::vector<uint8_t>> readReportDescriptor(const std::string& devicePath);
};

} // namespace z3
