#include "core/device/DeviceLink.h"

#include "support/FakeHidTransport.h"

#include <array>
#include <future>
#include <gtest/gtest.h>

namespace z3 {
namespace {

using namespace std::chrono_literals;
using test::FakeHidTransport;

void waitUntilBlocked(const FakeHidTransport& transport)
{
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (transport.blockedReaders() == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    ASSERT_EQ(transport.blockedReaders(), 1);
}

TEST(DeviceLink, StopEndsABlockedReadAndEveryLaterOne)
{
    FakeHidTransport transport;
    DeviceLink link;
    link.setReadCollection({"r", 0, 0, 0xFF00, 1, 8, 0}, transport.open("r", HidAccess::Read));
    auto reader = std::async(std::launch::async, [&] {
        std::array<uint8_t, 8> buffer{};
        return link.readInputReport(buffer, 60s).status;
    });
    waitUntilBlocked(transport);
    link.stopReading();
    ASSERT_EQ(reader.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(reader.get(), HidReadStatus::Stopped);

    // A handle installed after the stop is stopped too.
    link.setReadCollection({"r", 0, 0, 0xFF00, 1, 8, 0}, transport.open("r", HidAccess::Read));
    transport.pushInputReport("r", {6, 0});
    std::array<uint8_t, 8> buffer{};
    EXPECT_EQ(link.readInputReport(buffer, 1s).status, HidReadStatus::Stopped);
}

TEST(DeviceLink, AReadKeepsItsHandleWhileDiscoveryReplacesIt)
{
    FakeHidTransport transport;
    DeviceLink link;
    link.setReadCollection({"r", 0, 0, 0xFF00, 1, 8, 0}, transport.open("r", HidAccess::Read));
    auto reader = std::async(std::launch::async, [&] {
        std::array<uint8_t, 4> buffer{};
        const HidReadResult result = link.readInputReport(buffer, 5s);
        return std::pair(result, buffer);
    });
    waitUntilBlocked(transport);
    link.reset(); // the old handle must outlive the running read
    transport.pushInputReport("r", {6, 0xF2, 9, 9, 9, 9});
    const auto [result, buffer] = reader.get();
    EXPECT_EQ(result.status, HidReadStatus::Report);
    EXPECT_EQ(result.length, 4u); // cut to the buffer
    EXPECT_EQ(buffer, (std::array<uint8_t, 4>{6, 0xF2, 9, 9}));
}

TEST(DeviceLink, SendsFailWithoutAnOpenWriteHandle)
{
    FakeHidTransport transport;
    DeviceLink link;
    const std::array<uint8_t, 4> report{7, 0x20, 0, 0};
    EXPECT_FALSE(link.sendFeatureReport(report));
    link.setWriteCollection({"w", 0, 0, 0xFF01, 1, 0, 4}, nullptr);
    EXPECT_FALSE(link.sendFeatureReport(report));
    link.setWriteCollection({"w", 0, 0, 0xFF01, 1, 0, 4}, transport.open("w", HidAccess::Write));
    EXPECT_TRUE(link.sendFeatureReport(report));
    ASSERT_EQ(transport.sentReports().size(), 1u);
    EXPECT_EQ(transport.sentReports()[0].bytes, std::vector<uint8_t>(report.begin(), report.end()));
}

} // namespace
} // namespace z3
