#include "platform/hid/SystemHidTransport.h"

#include "core/device/CompositeHidTransport.h"
#include "platform/hid/HidrawTransport.h"
#include "platform/hid/VirtualHidTransport.h"
#include "platform/hid/VirtualMouseFolder.h"

namespace z3 {

std::unique_ptr<HidTransport> makeSystemHidTransport()
{
    std::vector<std::unique_ptr<HidTransport>> parts;
    parts.push_back(std::make_unique<HidrawTransport>());
    parts.push_back(std::make_unique<VirtualHidTransport>(virtualmouse::rootPath()));
    return std::make_unique<CompositeHidTransport>(std::move(parts));
}

} // namespace z3
