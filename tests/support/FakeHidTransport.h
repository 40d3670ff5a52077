#pragma once

#include "core/device/HidTransport.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace z3::test {

// A HID transport made of plain data. It lists `entries`, opens every path
// except those in `failingOpens`, records each open and every feature report
// sent, and feeds queued input reports to readers. Safe to use from a test
// thread and a reader thread at once.
class FakeHidTransport : public HidTransport {
public:
    struct Open {
        std::string path;
        HidAccess access;
        bool operator==(const Open&) const = default;
    };
    struct SentReport {
        std::string path;
        std::vector<uint8_t> bytes;
    };

    std::vector<HidCollectionEntry> entries;
    std::set<std::string> failingOpens;

    std::vector<HidCollectionEntry> enumerate() override { return entries; }
    std::unique_ptr<HidHandle> open(const std::string& path, HidAccess access) override;

    // Queues one input report for every read handle of `path`.
    void pushInputReport(const std::string& path, std::vector<uint8_t> bytes);
    // From now on every read and send fails, as with a device pulled out.
    void unplugAll();
    // Makes feature reports fail (the device refuses them).
    void setSendsFail(bool fail);

    // How many readers are blocked waiting for a report right now.
    int blockedReaders() const;

    std::vector<Open> opens() const;
    std::vector<SentReport> sentReports() const;

private:
    class Handle;
    struct Shared {
        std::mutex mutex;
        std::condition_variable changed;
        std::vector<Open> opens;
        std::vector<SentReport> sent;
        std::deque<std::pair<std::string, std::vector<uint8_t>>> input;
        int blocked = 0;
        bool unplugged = false;
        bool sendsFail = false;
    };
    std::shared_ptr<Shared> m_shared = std::make_shared<Shared>();
};

// Counts hot-plug registrations.
class CountingRegistrar : public HotplugRegistrar {
public:
    void registerForNotifications() override { ++count; }
    int count = 0;
};

} // namespace z3::test
