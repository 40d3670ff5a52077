// Report descriptors come from the device (or a virtual one): any bytes must
// parse without fault, and every length stays within its 16-bit field.
#include "core/device/ReportDescriptor.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto collections = z3::parseReportDescriptor({data, size});
    // Each top-level collection needs at least one Collection item byte.
    if (collections.size() > size)
        std::abort();
    return 0;
}
