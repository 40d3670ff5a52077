#pragma once

#include <cstdint>
#include <vector>

namespace z3 {

// Writes simple vendor-defined report descriptors: top-level application
// collections holding byte-wide reports. Used by the virtual mouse to
// describe itself and by tests to make descriptors.
class ReportDescriptorBuilder {
public:
    enum class ReportKind { Input, Output, Feature };

    ReportDescriptorBuilder& beginCollection(uint16_t usagePage, uint16_t usage);
    // A report of `dataBytes` bytes after its id; reportId 0 writes no id.
    ReportDescriptorBuilder& report(ReportKind kind, uint8_t reportId, uint32_t dataBytes);
    ReportDescriptorBuilder& endCollection();

    const std::vector<uint8_t>& bytes() const { return m_bytes; }

private:
    // One short item with the smallest data size that holds `value`.
    void item(uint8_t prefixWithoutSize, uint32_t value);

    std::vector<uint8_t> m_bytes;
};

} // namespace z3
