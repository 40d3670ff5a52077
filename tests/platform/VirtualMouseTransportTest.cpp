#include "VirtualMouseServer.h"
#include "platform/hid/VirtualHidTransport.h"
#include "platform/hid/VirtualMouseFolder.h"
#include "support/TempDir.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace z3 {
namespace {

using namespace std::chrono_literals;
using Collections = VirtualMouseDevice::Collections;
using test::VirtualMouseServer;

class VirtualMouseTransport : public testing::Test {
protected:
    std::string root() const { return m_temp.file("mice"); }

    VirtualMouseDevice::Options options(std::string name = "z3") const
    {
        VirtualMouseDevice::Options o;
        o.name = std::move(name);
        return o;
    }

    test::TempDir m_temp;
};

TEST_F(VirtualMouseTransport, ListsTheCollectionsTheOptionsDescribe)
{
    struct Case {
        Collections collections;
        uint16_t input;
        uint16_t feature;
        std::vector<std::array<uint16_t, 4>> expected; // page, usage, input, feature
    };
    const Case cases[] = {
        {Collections::Both, 8, 8, {{0xFF00, 1, 8, 0}, {0xFF01, 1, 0, 8}}},
        {Collections::Input, 8, 8, {{0xFF00, 1, 8, 0}}},
        {Collections::Feature, 8, 8, {{0xFF01, 1, 0, 8}}},
        {Collections::Usage2, 8, 8, {{0xFF00, 2, 8, 0}, {0xFF01, 1, 0, 8}}},
        {Collections::Both, 64, 1, {{0xFF00, 1, 64, 0}, {0xFF01, 1, 0, 1}}},
        {Collections::Both, 0, 5000, {{0xFF00, 1, 0, 0}, {0xFF01, 1, 0, 5000}}},
    };
    for (const auto& c : cases) {
        auto o = options();
        o.collections = c.collections;
        o.inputLength = c.input;
        o.featureLength = c.feature;
        o.vendorId = 0x1234;
        VirtualMouseServer mouse(root(), o);
        ASSERT_EQ(mouse.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
        std::vector<std::array<uint16_t, 4>> listed;
        for (const auto& e : VirtualHidTransport(root()).enumerate()) {
            EXPECT_EQ(e.path, root() + "/z3");
            EXPECT_EQ(e.vendorId, 0x1234);
            EXPECT_EQ(e.productId, 0x0F99);
            listed.push_back({e.usagePage, e.usage, e.inputReportLength, e.featureReportLength});
        }
        EXPECT_EQ(listed, c.expected)
            << static_cast<int>(c.collections) << " " << c.input << "/" << c.feature;
    }
}

TEST_F(VirtualMouseTransport, CarriesFeatureAndInputReports)
{
    VirtualMouseServer mouse(root(), options());
    ASSERT_EQ(mouse.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
    VirtualHidTransport transport(root());
    const std::string path = root() + "/z3";
    auto reader = transport.open(path, HidAccess::Read);
    auto writer = transport.open(path, HidAccess::Write);
    ASSERT_TRUE(reader && writer);

    const std::vector<uint8_t> report{7, 0x10, 1, 1, 0, 0, 0, 0};
    EXPECT_TRUE(writer->sendFeatureReport(report));
    // The send returns once the mouse has taken the report.
    EXPECT_EQ(mouse.features(), std::vector<std::vector<uint8_t>>{report});
    EXPECT_FALSE(reader->sendFeatureReport(report)) << "a read handle sends nothing";

    std::array<uint8_t, 8> buffer{};
    EXPECT_EQ(reader->readInputReport(buffer, 10ms).status, HidReadStatus::Timeout);
    const std::vector<uint8_t> press{6, 0xF2, 0, 0, 0, 0, 0, 0};
    mouse.run([&](VirtualMouseDevice& d) { d.sendInput(press); });
    const HidReadResult result = reader->readInputReport(buffer, 2s);
    EXPECT_EQ(result.status, HidReadStatus::Report);
    EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + result.length), press);

    // A report longer than the buffer is cut; an empty one arrives empty.
    const std::vector<uint8_t> longReport(100, 0xAB);
    mouse.run([&](VirtualMouseDevice& d) {
        d.sendInput(longReport);
        d.sendInput(std::vector<uint8_t>{});
    });
    EXPECT_EQ(reader->readInputReport(buffer, 2s).length, 8u);
    const HidReadResult empty = reader->readInputReport(buffer, 2s);
    EXPECT_EQ(empty.status, HidReadStatus::Report);
    EXPECT_EQ(empty.length, 0u);
}

TEST_F(VirtualMouseTransport, StopWakesABlockedReaderAtOnce)
{
    VirtualMouseServer mouse(root(), options());
    ASSERT_EQ(mouse.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
    auto reader = VirtualHidTransport(root()).open(root() + "/z3", HidAccess::Read);
    ASSERT_TRUE(reader);
    auto blocked = std::async(std::launch::async, [&] {
        std::array<uint8_t, 8> buffer{};
        return reader->readInputReport(buffer, 1h).status;
    });
    std::this_thread::sleep_for(20ms);
    reader->stopReading();
    ASSERT_EQ(blocked.wait_for(1s), std::future_status::ready);
    EXPECT_EQ(blocked.get(), HidReadStatus::Stopped);
}

TEST_F(VirtualMouseTransport, UnplugFailsOpenHandlesAndPlugReturnsTheSamePath)
{
    VirtualMouseServer mouse(root(), options());
    ASSERT_EQ(mouse.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
    VirtualHidTransport transport(root());
    auto reader = transport.open(root() + "/z3", HidAccess::Read);
    auto writer = transport.open(root() + "/z3", HidAccess::Write);
    ASSERT_TRUE(reader && writer);
    auto blocked = std::async(std::launch::async, [&] {
        std::array<uint8_t, 8> buffer{};
        return reader->readInputReport(buffer, 10s).status;
    });
    std::this_thread::sleep_for(20ms);
    mouse.run([](VirtualMouseDevice& d) { d.unplug(); });
    EXPECT_EQ(blocked.get(), HidReadStatus::Failed);
    EXPECT_FALSE(writer->sendFeatureReport(std::vector<uint8_t>(8, 7)));
    EXPECT_TRUE(transport.enumerate().empty());
    EXPECT_EQ(transport.open(root() + "/z3", HidAccess::Read), nullptr);
    EXPECT_EQ(std::filesystem::directory_iterator(root()), std::filesystem::directory_iterator())
        << "unplug leaves nothing behind";

    ASSERT_EQ(mouse.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
    const auto entries = transport.enumerate();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].path, root() + "/z3");
    EXPECT_TRUE(
        transport.open(root() + "/z3", HidAccess::Write)->sendFeatureReport(std::vector<uint8_t>(8, 7)));
}

TEST_F(VirtualMouseTransport, SeveralMiceListByNameAndANameIsHeldOnce)
{
    VirtualMouseServer b(root(), options("b"));
    VirtualMouseServer a(root(), options("a"));
    ASSERT_EQ(b.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
    ASSERT_EQ(a.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
    const auto entries = VirtualHidTransport(root()).enumerate();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].path, root() + "/a");
    EXPECT_EQ(entries[3].path, root() + "/b");

    VirtualMouseServer twin(root(), options("a"));
    EXPECT_NE(twin.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
    EXPECT_EQ(VirtualHidTransport(root()).enumerate().size(), 4u) << "the first mouse keeps its name";
}

TEST_F(VirtualMouseTransport, IgnoresLeftoversAndFoldersOthersCouldReach)
{
    // What a killed mouse leaves: a complete folder whose lock nobody holds.
    const std::string leftover = root() + "/dead";
    ASSERT_EQ(virtualmouse::ensurePrivateRoot(root()), std::nullopt);
    std::filesystem::create_directory(leftover);
    std::ofstream(leftover + "/lock");
    std::ofstream(leftover + "/ids") << "18F8 0F99\n";
    {
        VirtualMouseDevice donor(root(), options("donor"), nullptr, nullptr);
        std::ofstream(leftover + "/descriptor", std::ios::binary)
            .write(reinterpret_cast<const char*>(donor.descriptor().data()),
                static_cast<std::streamsize>(donor.descriptor().size()));
    }
    VirtualHidTransport transport(root());
    EXPECT_TRUE(transport.enumerate().empty());
    EXPECT_EQ(transport.open(leftover, HidAccess::Read), nullptr);
    EXPECT_EQ(transport.open(root() + "/../mice/dead", HidAccess::Read), nullptr);

    // A new mouse of that name replaces the leftover.
    VirtualMouseServer mouse(root(), options("dead"));
    ASSERT_EQ(mouse.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
    EXPECT_EQ(transport.enumerate().size(), 2u);

    // A root that other users could enter is not trusted.
    chmod(root().c_str(), 0755);
    EXPECT_TRUE(transport.enumerate().empty());
    EXPECT_EQ(transport.open(root() + "/dead", HidAccess::Read), nullptr);
    chmod(root().c_str(), 0700);
}

// A raw connection to the mouse's socket, for clients that break the rules.
int rawConnect(const std::string& socketPath)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET, 0);
    EXPECT_EQ(connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    return fd;
}

TEST_F(VirtualMouseTransport, MisbehavingClientsAreDroppedAndOthersStillServed)
{
    VirtualMouseServer mouse(root(), options());
    ASSERT_EQ(mouse.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
    const std::string socketPath = root() + "/z3/socket";

    const std::vector<std::vector<uint8_t>> openings = {
        {'X', 1, 2, 3},                   // no greeting
        {'F', 7, 0x10, 1, 1},             // a report before the greeting
        std::vector<uint8_t>(70000, 'W'), // an oversized packet
    };
    for (const auto& packet : openings) {
        const int fd = rawConnect(socketPath);
        send(fd, packet.data(), packet.size(), MSG_NOSIGNAL);
        pollfd p{fd, POLLIN, 0};
        ASSERT_EQ(poll(&p, 1, 2000), 1) << "the mouse should hang up";
        char byte;
        EXPECT_EQ(recv(fd, &byte, 1, 0), 0);
        close(fd);
    }
    // A writer that vanishes before reading the answer, and a reader that
    // never reads while reports pile up.
    const int writer = rawConnect(socketPath);
    const uint8_t hello = 'W';
    const std::vector<uint8_t> feature{'F', 7, 0x20, 0, 0};
    send(writer, &hello, 1, MSG_NOSIGNAL);
    send(writer, feature.data(), feature.size(), MSG_NOSIGNAL);
    close(writer);
    const int idleReader = rawConnect(socketPath);
    const uint8_t helloRead = 'R';
    send(idleReader, &helloRead, 1, MSG_NOSIGNAL);
    mouse.run([](VirtualMouseDevice& d) {
        for (int i = 0; i < 5000; ++i)
            d.sendInput(std::vector<uint8_t>(64, 6));
    });

    auto handle = VirtualHidTransport(root()).open(root() + "/z3", HidAccess::Write);
    ASSERT_TRUE(handle);
    EXPECT_TRUE(handle->sendFeatureReport(std::vector<uint8_t>(8, 7)));
    EXPECT_EQ(mouse.features().size(), 2u);
    close(idleReader);
}

} // namespace
} // namespace z3
