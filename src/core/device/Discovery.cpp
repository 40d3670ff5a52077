#include "core/device/Discovery.h"

#include "core/device/MouseIds.h"

#include <algorithm>

namespace z3 {
namespace {

bool usableLength(std::size_t length)
{
    return length > 0 && length <= mouse::kMaxReportLength;
}

bool isReadCollection(const HidCollectionEntry& entry)
{
    return entry.usagePage == mouse::kReadUsagePage && entry.usage == mouse::kReadUsage
        && usableLength(entry.inputReportLength);
}

bool isWriteCollection(const HidCollectionEntry& entry)
{
    return entry.usagePage == mouse::kWriteUsagePage && entry.usage == mouse::kWriteUsage
        && usableLength(entry.featureReportLength);
}

} // namespace

DiscoveryResult discover(HidTransport& transport, DeviceLink& link, HotplugRegistrar& registrar)
{
    // Handles of an earlier search belong to a device that has gone away;
    // keeping them would satisfy the stop test with dead handles.
    link.reset();
    DiscoveryResult result;
    const auto entries = transport.enumerate();
    const std::size_t tried = std::min(entries.size(), mouse::kInterfacesTried);
    for (std::size_t index = 0; index < tried; ++index) {
        const HidCollectionEntry& entry = entries[index];
        result.present = entry.vendorId == mouse::kVendorId && entry.productId == mouse::kProductId;
        if (!result.present)
            continue;
        result.matches.push_back(entry);
        link.setDevicePath(entry.path);
        registrar.registerForNotifications();
        if (isReadCollection(entry))
            link.setReadCollection(entry, transport.open(entry.path, HidAccess::Read));
        else if (isWriteCollection(entry))
            link.setWriteCollection(entry, transport.open(entry.path, HidAccess::Write));
        if (link.readState() != DeviceLink::HandleState::NotOpened
            && link.writeState() != DeviceLink::HandleState::NotOpened)
            break;
    }
    return result;
}

} // namespace z3
