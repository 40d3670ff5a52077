#pragma once

#include "core/device/HidTransport.h"

#include <string>

namespace z3 {

// The virtual mice of this user (see VirtualMouseFolder.h): one entry per
// top-level collection of each living mouse, ordered by name. Folders left
// by killed mice, folders with unreadable or oversized files and a root
// that other users could reach list nothing.
class VirtualHidTransport : public HidTransport {
public:
    explicit VirtualHidTransport(std::string root);

    std::vector<HidCollectionEntry> enumerate() override;
    std::unique_ptr<HidHandle> open(const std::string& path, HidAccess access) override;

private:
    bool rootIsPrivate() const;
    bool isMouseFolder(const std::string& path) const;

    std::string m_root;
};

} // namespace z3
