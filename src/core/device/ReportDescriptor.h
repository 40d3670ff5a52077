#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace z3 {

// A top-level collection of a HID report descriptor and the byte lengths of
// its reports, counted the way the Windows capabilities count them: the
// largest report of each kind in the collection, plus one byte for the
// report id when the collection's reports carry one; 0 when the collection
// has no report of that kind. Lengths beyond 65535 saturate.
struct TopLevelCollection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t inputReportLength = 0;
    uint16_t outputReportLength = 0;
    uint16_t featureReportLength = 0;

    bool operator==(const TopLevelCollection&) const = default;
};

// Parses a report descriptor (outside data: any bytes are accepted). Every
// collection opened at nesting depth 0 gives one entry, in order. Parsing
// stops at a truncated item; what was read up to there is kept. Unbalanced
// End Collection items and Pop items without Push are ignored.
std::vector<TopLevelCollection> parseReportDescriptor(std::span<const uint8_t> descriptor);

} // namespace z3
