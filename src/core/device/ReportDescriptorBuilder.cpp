#include "core/device/ReportDescriptorBuilder.h"

namespace z3 {

ReportDescriptorBuilder& ReportDescriptorBuilder::beginCollection(uint16_t usagePage, uint16_t usage)
{
    item(0x04, usagePage);                       // Usage Page
    item(0x08, usage);                           // Usage
    m_bytes.insert(m_bytes.end(), {0xA1, 0x01}); // Collection (Application)
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::report(
    ReportKind kind, uint8_t reportId, uint32_t dataBytes)
{
    if (reportId != 0)
        item(0x84, reportId);                          // Report ID
    item(0x08, 1);                                     // Usage (vendor 1)
    item(0x14, 0);                                     // Logical Minimum
    m_bytes.insert(m_bytes.end(), {0x26, 0xFF, 0x00}); // Logical Maximum 255 (two bytes: one is signed)
    item(0x74, 8);                                     // Report Size (bits)
    item(0x94, dataBytes);                             // Report Count
    const uint8_t main = kind == ReportKind::Input ? 0x80 : kind == ReportKind::Output ? 0x90 : 0xB0;
    item(main, 0x02); // Data, Variable, Absolute
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::endCollection()
{
    m_bytes.push_back(0xC0);
    return *this;
}

void ReportDescriptorBuilder::item(uint8_t prefixWithoutSize, uint32_t value)
{
    const uint8_t sizeCode = value <= 0xFF ? 1 : value <= 0xFFFF ? 2 : 3;
    const int bytes = sizeCode == 3 ? 4 : sizeCode;
    m_bytes.push_back(static_cast<uint8_t>(prefixWithoutSize | sizeCode));
    for (int i = 0; i < bytes; ++i)
        m_bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

} // namespace z3
