#pragma once

#include "core/device/HidTransport.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <mutex>
#include <span>
#include <string>

namespace z3 {

// The mouse's two collections as discovery left them: the read handle of the
// input collection (usage page 0xFF00, usage 1), the write handle of the
// feature collection (0xFF01, usage 1), their capabilities and the path of
// the last interface that matched the vendor and product id.
//
// Threads: discovery fills the link on the UI thread; the listener and the
// report senders use it from any thread. Handles are shared: a caller keeps
// its own reference for the length of one call, so a rediscovery that
// replaces a handle never closes it under a running read or send.
class DeviceLink {
public:
    // How far discovery got with a collection: never tried, tried and failed
    // to open, or open. Discovery stops once both are no longer NotOpened.
    enum class HandleState { NotOpened, OpenFailed, Open };

    // Discovery's side (UI thread).
    void reset();
    void setDevicePath(std::string path);
    // `handle` nullptr records a failed open.
    void setReadCollection(const HidCollectionEntry& capabilities, std::unique_ptr<HidHandle> handle);
    void setWriteCollection(const HidCollectionEntry& capabilities, std::unique_ptr<HidHandle> handle);

    std::string devicePath() const;
    HandleState readState() const;
    HandleState writeState() const;
    // Capabilities of each collection; a default entry until discovery set it.
    HidCollectionEntry readCapabilities() const;
    HidCollectionEntry writeCapabilities() const;
    // The length of every input report read and of every feature report
    // sent; 0 until discovery has found the collection.
    std::size_t inputReportLength() const;
    std::size_t featureReportLength() const;

    // nullptr unless the collection is open.
    std::shared_ptr<HidHandle> readHandle() const;
    std::shared_ptr<HidHandle> writeHandle() const;

    // Sends one feature report on the write handle; false when it is not
    // open or the send failed.
    bool sendFeatureReport(std::span<const uint8_t> report) const;

    // Reads one input report from the read handle; Failed at once when it is
    // not open, Stopped after stopReading().
    HidReadResult readInputReport(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) const;

    // Ends a blocked readInputReport promptly and makes every later one
    // return Stopped, also on handles that a later discovery opens. Safe
    // from any thread; used at shutdown before the reader thread is joined.
    void stopReading();

private:
    struct Collection {
        HidCollectionEntry capabilities;
        std::shared_ptr<HidHandle> handle;
        HandleState state = HandleState::NotOpened;
    };

    mutable std::mutex m_mutex;
    std::string m_devicePath;
    Collection m_read;
    Collection m_write;
    bool m_stopped = false;
};

} // namespace z3
