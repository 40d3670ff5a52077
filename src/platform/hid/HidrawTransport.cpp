#include "platform/hid/HidrawTransport.h"

#include "core/device/ReportDescriptor.h"
#include "platform/hid/HidapiHandle.h"

#include <algorithm>
#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace z3 {
namespace {

std::optional<std::vector<uint8_t>> readSysfsDescriptor(const std::string& node)
{
    const std::string path = "/sys/class/hidraw/" + node + "/device/report_descriptor";
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::vector<uint8_t> bytes(HID_MAX_DESCRIPTOR_SIZE);
    std::size_t total = 0;
    ssize_t got = 0;
    while (total < bytes.size() && (got = ::read(fd, bytes.data() + total, bytes.size() - total)) > 0)
        total += static_cast<std::size_t>(got);
    ::close(fd);
    if (got < 0 || total == 0)
        return std::nullopt;
    bytes.resize(total);
    return bytes;
}

std::optional<std::vector<uint8_t>> readIoctlDescriptor(const std::string& devicePath)
{
    const int fd = ::open(devicePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    int size = 0;
    hidraw_report_descriptor descriptor{};
    std::optional<std::vector<uint8_t>> result;
    if (ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
        descriptor.size = static_cast<uint32_t>(size);
        if (ioctl(fd, HIDIOCGRDESC, &descriptor) == 0)
            result.emplace(descriptor.value, descriptor.value + size);
    }
    ::close(fd);
    return result;
}

} // namespace

std::optional<std::vector<uint8_t>> HidrawTransport::readReportDescriptor(const std::string& devicePath)
{
    const std::string node = devicePath.substr(devicePath.rfind('/') + 1);
    if (node.starts_with("hidraw")) {
        if (auto bytes = readSysfsDescriptor(node))
            return bytes;
    }
    return readIoctlDescriptor(devicePath);
}

std::vector<HidCollectionEntry> HidrawTransport::enumerate()
{
    // hidapi lists one item per collection that has a usage, several per
    // node; take each node once, in hidapi's order.
    std::vector<HidCollectionEntry> entries;
    std::vector<std::string> seen;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* info = list; info; info = info->next) {
        if (!info->path || std::ranges::find(seen, info->path) != seen.end())
            continue;
        seen.emplace_back(info->path);
        const auto descriptor = readReportDescriptor(info->path);
        if (!descriptor)
            continue;
        for (const TopLevelCollection& c : parseReportDescriptor(*descriptor)) {
            entries.push_back({info->path, info->vendor_id, info->product_id, c.usagePage, c.usage,
                c.inputReportLength, c.featureReportLength});
        }
    }
    hid_free_enumeration(list);
    return entries;
}

std::unique_ptr<HidHandle> HidrawTransport::open(const std::string& path, HidAccess access)
{
    (void)access; // hidraw nodes open read-write either way
    hid_device* device = hid_open_path(path.c_str());
    if (!device)
        return nullptr;
    return std::make_unique<HidapiHandle>(device);
}

} // namespace z3
