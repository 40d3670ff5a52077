#pragma once

#include "core/device/HidTransport.h"

#include <map>
#include <memory>
#include <vector>

namespace z3 {

// Lists the interfaces of several transports one after the other (real
// devices first, then virtual ones) and opens each path with the transport
// that listed it. A path not seen in the last enumeration is tried on each
// transport in order.
class CompositeHidTransport : public HidTransport {
public:
    explicit CompositeHidTransport(std::vector<std::unique_ptr<HidTransport>> parts);

    std::vector<HidCollectionEntry> enumerate() override;
    std::unique_ptr<HidHandle> open(const std::string& path, HidAccess access) override;

private:
    std::vector<std::unique_ptr<HidTransport>> m_parts;
    std::map<std::string, std::size_t> m_owner; // path -> index in m_parts
};

} // namespace z3
