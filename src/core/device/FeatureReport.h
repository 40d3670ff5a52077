#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace z3 {

enum class FeatureCommand : uint8_t {
    ButtonMapping = 0x10, // parameter 1: device button 1..6, parameter 2: device function code
    Wheel = 0x11,         // parameter 1: low byte of the wheel setting
    DpiLed = 0x09,        // parameter 1: low byte of the DPI level, parameter 2: stage value and LED mode
    Close = 0x20,         // no parameters
};

// One configuration report to the mouse: report id 7, a command and two
// parameters; the rest of the collection's feature report length is zero.
struct FeatureReport {
    static constexpr uint8_t kReportId = 0x07;
    // Bytes that carry information; the remainder of a report is padding.
    static constexpr size_t kHeaderLength = 4;

    uint8_t reportId = kReportId;
    FeatureCommand command = FeatureCommand::Close;
    uint8_t parameter1 = 0;
    uint8_t parameter2 = 0;

    static constexpr FeatureReport buttonMapping(int deviceButton, uint8_t deviceFunction)
    {
        return {kReportId, FeatureCommand::ButtonMapping, static_cast<uint8_t>(deviceButton), deviceFunction};
    }

    static constexpr FeatureReport wheel(int32_t wheelStatus)
    {
        return {kReportId, FeatureCommand::Wheel, static_cast<uint8_t>(wheelStatus), 0};
    }

    // The DPI stage and LED report: bit 7 set, bits 6..4 the stage's DPI value
    // code, bits 3..0 the LED mode, i.e. ((value + 8) * 16 + led) mod 256.
    static constexpr FeatureReport dpiLed(int32_t dpiLevel, uint8_t stageValue, uint8_t ledStatus)
    {
        return {kReportId, FeatureCommand::DpiLed, static_cast<uint8_t>(dpiLevel),
            static_cast<uint8_t>((stageValue + 8) * 16 + ledStatus)};
    }

    static constexpr FeatureReport close() { return {kReportId, FeatureCommand::Close, 0, 0}; }

    // Writes the report into `out`, whose size is the collection's feature
    // report length: the four header bytes (as many as fit), then zeros.
    void encode(std::span<uint8_t> out) const;

    bool operator==(const FeatureReport&) const = default;
};

static_assert(sizeof(FeatureReport) == FeatureReport::kHeaderLength, "the header is four bytes on the wire");

} // namespace z3
