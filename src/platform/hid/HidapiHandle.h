#pragma once

#include "core/device/HidTransport.h"

#include <atomic>

struct hid_device_;

namespace z3 {

// An open hidraw node through hidapi. hidapi cannot wake a blocked read, so
// reads wait in slices of at most 100 ms and look at the stop flag between
// them; stopReading() therefore ends a read within 100 ms, and the handle is
// only ever closed by its owner after the reader has left.
class HidapiHandle : public HidHandle {
public:
    explicit HidapiHandle(hid_device_* device);
    ~HidapiHandle() override;
    HidapiHandle(const HidapiHandle&) = delete;
    HidapiHandle& operator=(const HidapiHandle&) = delete;

    bool sendFeatureReport(std::span<const uint8_t> report) override;
    HidReadResult readInputReport(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) override;
    void stopReading() override;

private:
    hid_device_* m_device;
    std::atomic<bool> m_stopped{false};
};

} // namespace z3
