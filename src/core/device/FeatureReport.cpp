#include "core/device/FeatureReport.h"

#include <algorithm>
#include <array>

namespace z3 {

void FeatureReport::encode(std::span<uint8_t> out) const
{
    const std::array<uint8_t, kHeaderLength> header{
        reportId, static_cast<uint8_t>(command), parameter1, parameter2};
    const size_t n = std::min(out.size(), header.size());
    std::copy_n(header.begin(), n, out.begin());
    std::fill(out.begin() + n, out.end(), uint8_t{0});
}

} // namespace z3
