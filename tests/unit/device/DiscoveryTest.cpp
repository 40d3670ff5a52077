#include "core/device/Discovery.h"

#include "core/device/MouseIds.h"
#include "support/FakeHidTransport.h"

#include <array>
#include <gtest/gtest.h>

namespace z3 {
namespace {

using test::CountingRegistrar;
using test::FakeHidTransport;
using Open = FakeHidTransport::Open;
using State = DeviceLink::HandleState;

HidCollectionEntry mouseEntry(
    std::string path, uint16_t usagePage, uint16_t usage, uint16_t input = 8, uint16_t feature = 8)
{
    return {std::move(path), mouse::kVendorId, mouse::kProductId, usagePage, usage, input, feature};
}

HidCollectionEntry readEntry(std::string path)
{
    return mouseEntry(std::move(path), 0xFF00, 1, 8, 0);
}
HidCollectionEntry writeEntry(std::string path)
{
    return mouseEntry(std::move(path), 0xFF01, 1, 0, 8);
}
HidCollectionEntry otherEntry(std::string path)
{
    return {std::move(path), 0x046D, 0xC077, 1, 2, 5, 0};
}

struct LayoutCase {
    const char* name;
    std::vector<HidCollectionEntry> entries;
    bool present;
    std::string savedPath;
    std::vector<Open> opens;
    int registrations;
};

TEST(Discovery, FollowsTheSearchOverTheInterfaceList)
{
    const LayoutCase cases[] = {
        {"both collections: stops right after the second",
            {otherEntry("k"), readEntry("r"), writeEntry("w"), readEntry("late")}, true, "w",
            {{"r", HidAccess::Read}, {"w", HidAccess::Write}}, 2},
        {"feature collection first", {writeEntry("w"), readEntry("r")}, true, "r",
            {{"w", HidAccess::Write}, {"r", HidAccess::Read}}, 2},
        {"no mouse", {otherEntry("a"), otherEntry("b")}, false, "", {}, 0},
        {"empty list", {}, false, "", {}, 0},
        {"usage 2 opens nothing", {mouseEntry("u", 0xFF00, 2), writeEntry("w")}, true, "w",
            {{"w", HidAccess::Write}}, 2},
        {"only one collection, last examined matches", {otherEntry("a"), readEntry("r")}, true, "r",
            {{"r", HidAccess::Read}}, 1},
        {"only one collection, last examined does not match", {readEntry("r"), otherEntry("z")}, false, "r",
            {{"r", HidAccess::Read}}, 1},
        {"a second read collection is opened again", {readEntry("r1"), readEntry("r2")}, true, "r2",
            {{"r1", HidAccess::Read}, {"r2", HidAccess::Read}}, 2},
    };
    for (const auto& c : cases) {
        FakeHidTransport transport;
        transport.entries = c.entries;
        CountingRegistrar registrar;
        DeviceLink link;
        const DiscoveryResult result = discover(transport, link, registrar);
        EXPECT_EQ(result.present, c.present) << c.name;
        EXPECT_EQ(link.devicePath(), c.savedPath) << c.name;
        EXPECT_EQ(transport.opens(), c.opens) << c.name;
        EXPECT_EQ(registrar.count, c.registrations) << c.name;
        EXPECT_EQ(result.matches.size(), static_cast<std::size_t>(c.registrations)) << c.name;
    }
}

TEST(Discovery, LooksAtTheFirstHundredInterfacesOnly)
{
    FakeHidTransport transport;
    for (int i = 0; i < 99; ++i)
        transport.entries.push_back(otherEntry("other" + std::to_string(i)));
    transport.entries.push_back(readEntry("r"));  // index 99: examined
    transport.entries.push_back(writeEntry("w")); // index 100: never examined
    CountingRegistrar registrar;
    DeviceLink link;
    const DiscoveryResult result = discover(transport, link, registrar);
    EXPECT_TRUE(result.present);
    EXPECT_EQ(link.devicePath(), "r");
    EXPECT_EQ(link.readState(), State::Open);
    EXPECT_EQ(link.writeState(), State::NotOpened);
}

TEST(Discovery, ReportLengthsOutsideOneTo4096AreNotTheMouse)
{
    struct Case {
        uint16_t input;
        uint16_t feature;
        State read;
        State write;
    };
    const Case cases[] = {
        {8, 8, State::Open, State::Open},
        {1, 1, State::Open, State::Open},
        {4096, 4096, State::Open, State::Open},
        {0, 8, State::NotOpened, State::Open},
        {8, 0, State::Open, State::NotOpened},
        {4097, 8, State::NotOpened, State::Open},
        {8, 65535, State::Open, State::NotOpened},
    };
    for (const auto& c : cases) {
        FakeHidTransport transport;
        transport.entries
            = {mouseEntry("r", 0xFF00, 1, c.input, 0), mouseEntry("w", 0xFF01, 1, 0, c.feature)};
        CountingRegistrar registrar;
        DeviceLink link;
        discover(transport, link, registrar);
        EXPECT_EQ(link.readState(), c.read) << c.input << "/" << c.feature;
        EXPECT_EQ(link.writeState(), c.write) << c.input << "/" << c.feature;
        const std::size_t expectedInput = c.read == State::Open ? c.input : 0;
        EXPECT_EQ(link.inputReportLength(), expectedInput);
    }
}

TEST(Discovery, AFailedOpenCountsAsTriedAndLeavesNoHandle)
{
    FakeHidTransport transport;
    transport.entries = {readEntry("r"), writeEntry("w"), writeEntry("late")};
    transport.failingOpens = {"r"};
    CountingRegistrar registrar;
    DeviceLink link;
    EXPECT_TRUE(discover(transport, link, registrar).present);
    EXPECT_EQ(link.readState(), State::OpenFailed);
    EXPECT_EQ(link.readHandle(), nullptr);
    EXPECT_EQ(link.writeState(), State::Open);
    EXPECT_EQ(link.devicePath(), "w");
    std::array<uint8_t, 8> buffer{};
    EXPECT_EQ(link.readInputReport(buffer, std::chrono::milliseconds(0)).status, HidReadStatus::Failed);
}

TEST(Discovery, ARepeatedSearchStartsFromAnEmptyLink)
{
    FakeHidTransport transport;
    transport.entries = {readEntry("r")};
    CountingRegistrar registrar;
    DeviceLink link;
    discover(transport, link, registrar);
    ASSERT_EQ(link.readState(), State::Open);

    // The device came back with its two collections: both are opened anew
    // rather than the search stopping on the stale read handle.
    transport.entries = {writeEntry("w"), readEntry("r")};
    EXPECT_TRUE(discover(transport, link, registrar).present);
    const std::vector<Open> opens{{"r", HidAccess::Read}, {"w", HidAccess::Write}, {"r", HidAccess::Read}};
    EXPECT_EQ(transport.opens(), opens);
    EXPECT_EQ(link.devicePath(), "r");
}

} // namespace
} // namespace z3
