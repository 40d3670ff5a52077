#include "platform/hid/HidapiHandle.h"

#include <algorithm>
#include <hidapi/hidapi.h>

namespace z3 {
namespace {

constexpr auto kReadSlice = std::chrono::milliseconds(100);

} // namespace

HidapiHandle::HidapiHandle(hid_device* device)
    : m_device(device)
{ }

HidapiHandle::~HidapiHandle()
{
    hid_close(m_device);
}

bool HidapiHandle::sendFeatureReport(std::span<const uint8_t> report)
{
    return !report.empty() && hid_send_feature_report(m_device, report.data(), report.size()) >= 0;
}

HidReadResult HidapiHandle::readInputReport(std::span<uint8_t> buffer, std::chrono::milliseconds timeout)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    for (;;) {
        if (m_stopped.load())
            return {HidReadStatus::Stopped, 0};
        const auto left
            = timeout - std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        if (left.count() < 0)
            return {HidReadStatus::Timeout, 0};
        const auto slice = std::min(left, std::chrono::milliseconds(kReadSlice));
        const int got
            = hid_read_timeout(m_device, buffer.data(), buffer.size(), static_cast<int>(slice.count()));
        if (got < 0)
            return {HidReadStatus::Failed, 0};
        if (got > 0)
            return {HidReadStatus::Report, static_cast<std::size_t>(got)};
        if (left.count() == 0)
            return {HidReadStatus::Timeout, 0};
    }
}

void HidapiHandle::stopReading()
{
    m_stopped.store(true);
}

} // namespace z3
