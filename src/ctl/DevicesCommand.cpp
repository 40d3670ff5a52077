#include "DevicesCommand.h"

#include "core/device/DeviceUi.h"
#include "core/device/Discovery.h"

#include <cstdio>
#include <ostream>

namespace z3::ctl {
namespace {

// Listing needs no hot-plug notifications.
class NoHotplug : public HotplugRegistrar {
public:
    void registerForNotifications() override { }
};

std::string describe(const HidCollectionEntry& entry)
{
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, " 0x%04X 0x%04X %u %u", entry.usagePage, entry.usage,
        entry.inputReportLength, entry.featureReportLength);
    return entry.path + numbers;
}

} // namespace

int runDevices(CtlContext& context, std::span<const std::string> args)
{
    if (!args.empty()) {
        context.err << "usage: z3ctl devices\n";
        return kExitFailure;
    }
    const auto transport = context.makeTransport();
    DeviceLink link;
    NoHotplug registrar;
    const DiscoveryResult result = discover(*transport, link, registrar);
    for (const HidCollectionEntry& entry : result.matches)
        context.out << describe(entry) << '\n';
    context.out.flush();
    if (!result.present) {
        context.err << DeviceMessageText::InsertMouse << '\n';
        return kExitNoMouse;
    }
    return kExitOk;
}

} // namespace z3::ctl
