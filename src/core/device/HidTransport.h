#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace z3 {

// One top-level collection of a present HID interface. An interface with two
// top-level collections gives two entries with the same path.
struct HidCollectionEntry {
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    // Byte length of the largest input / feature report of the collection,
    // plus one for the report id when the collection uses report ids; 0 when
    // the collection has no report of that kind.
    uint16_t inputReportLength = 0;
    uint16_t featureReportLength = 0;

    bool operator==(const HidCollectionEntry&) const = default;
};

enum class HidAccess { Read, Write };

enum class HidReadStatus {
    Report,  // one input report was read
    Timeout, // nothing arrived within the timeout
    Stopped, // stopReading() was called
    Failed,  // the device is gone or the handle is unusable
};

struct HidReadResult {
    HidReadStatus status = HidReadStatus::Failed;
    std::size_t length = 0; // bytes stored, for HidReadStatus::Report
};

// An open HID collection.
//
// Threads: one thread at a time may call readInputReport or
// sendFeatureReport on a handle (the HID libraries are not thread-safe);
// stopReading may be called from any thread at any time. Destroy a handle
// only when no thread is inside one of its calls: stop the reader, wait for
// it to leave readInputReport, then release the handle.
class HidHandle {
public:
    virtual ~HidHandle() = default;

    // Sends one feature report; report[0] is the report id (0 when the
    // collection uses none). Returns false when the device refused it or is
    // gone; nothing is retried.
    virtual bool sendFeatureReport(std::span<const uint8_t> report) = 0;

    // Blocks until one input report arrives, the timeout passes, the device
    // fails or stopReading() is called. A report longer than `buffer` is cut
    // to its size; the result says how many bytes were stored.
    virtual HidReadResult readInputReport(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) = 0;

    // Makes a blocked readInputReport return Stopped promptly (within a
    // fraction of a second), and every later read return Stopped at once.
    virtual void stopReading() = 0;
};

// The present HID interfaces: what discovery searches.
//
// Threads: enumerate and open are called on one thread (the UI thread, or
// the command-line tool's main thread). Errors are not thrown: a failed
// enumeration gives fewer entries, a failed open gives nullptr.
class HidTransport {
public:
    virtual ~HidTransport() = default;

    // One entry per top-level collection of each present interface, in a
    // stable order.
    virtual std::vector<HidCollectionEntry> enumerate() = 0;

    // Opens the interface at `path` for reading input reports or for sending
    // feature reports. nullptr when it cannot be opened.
    virtual std::unique_ptr<HidHandle> open(const std::string& path, HidAccess access) = 0;
};

// A change in the set of present HID interfaces, by device path.
struct HotplugEvent {
    enum class Type { Arrival, Removal, Other };
    Type type = Type::Other;
    std::string path;
};

// Subscribes to hot-plug events. Discovery registers once for every matching
// interface; the adapter may treat repeated registrations as one. Once
// registered, the adapter delivers HotplugEvents on the UI thread to the
// handler it was given (see DeviceHotplug).
class HotplugRegistrar {
public:
    virtual ~HotplugRegistrar() = default;
    virtual void registerForNotifications() = 0;
};

} // namespace z3
