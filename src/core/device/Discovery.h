#pragma once

#include "core/device/DeviceLink.h"
#include "core/device/HidTransport.h"

#include <vector>

namespace z3 {

struct DiscoveryResult {
    // The match flag of the last interface examined: true when the search
    // stopped because both collections had been tried, otherwise whether the
    // last interface of the first 100 matched the vendor and product id.
    bool present = false;
    // Every examined collection with the mouse's vendor and product id, in
    // the order examined.
    std::vector<HidCollectionEntry> matches;
};

// Searches the first 100 entries of the transport's list for the mouse,
// fills `link` (after clearing it) with the path of the last matching
// interface and a handle for each of its two collections, and registers for
// hot-plug notifications once per matching entry. Stops as soon as an open
// has been attempted for both collections. A collection whose report length
// for its role is 0 or above 4096 is not the mouse and opens nothing.
// Runs on the UI thread (or the command-line tool's main thread).
DiscoveryResult discover(HidTransport& transport, DeviceLink& link, HotplugRegistrar& registrar);

} // namespace z3
