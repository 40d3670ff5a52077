#include "VirtualMouseServer.h"
#include "platform/hid/MouseConnection.h"
#include "platform/hid/VirtualHidTransport.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <array>
#include <chrono>
#include <gtest/gtest.h>

namespace z3 {
namespace {

// The program's side of hot-plug: presence, discovery, the close path.
class ProgramHost : public DeviceHotplugHost {
public:
    bool devicePresent() const override { return present; }
    void setDevicePresent(bool value) override { present = value; }
    bool rediscover() override
    {
        ++discoveries;
        return connection->discover();
    }
    void deleteTrayIcon() override { trayDeleted = true; }
    void destroyMainWindow() override { windowDestroyed = true; }

    MouseConnection* connection = nullptr;
    bool present = false;
    int discoveries = 0;
    bool trayDeleted = false;
    bool windowDestroyed = false;
};

template <typename Condition> bool pumpUntil(Condition condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!condition() && std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

TEST(HidMouseConnection, FindsAVirtualMouseAndFollowsItsPlugAndUnplug)
{
    test::TempDir temp;
    const std::string root = temp.file("mice");
    DeviceLink link;
    ProgramHost host;
    MouseConnection connection(link, host, std::make_unique<VirtualHidTransport>(root), root);
    host.connection = &connection;

    // Absent at first: nothing found, nothing registered.
    EXPECT_FALSE(connection.discover());
    test::VirtualMouseServer mouse(root, VirtualMouseDevice::Options{});
    ASSERT_EQ(mouse.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);

    host.present = connection.discover();
    ASSERT_TRUE(host.present);
    EXPECT_EQ(link.devicePath(), root + "/z3");
    EXPECT_EQ(link.inputReportLength(), 8u);
    EXPECT_EQ(link.featureReportLength(), 8u);
    EXPECT_TRUE(link.sendFeatureReport(std::array<uint8_t, 8>{7, 0x20}));
    EXPECT_EQ(mouse.features().size(), 1u);

    // Unplug and plug again while absent: the arrival runs discovery.
    host.present = false;
    mouse.run([](VirtualMouseDevice& d) { d.unplug(); });
    ASSERT_TRUE(pumpUntil([&] { return host.windowDestroyed; }));
    EXPECT_TRUE(host.trayDeleted);
    EXPECT_FALSE(host.present);
    EXPECT_EQ(host.discoveries, 0);
    ASSERT_EQ(mouse.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
    ASSERT_TRUE(pumpUntil([&] { return host.present; }));
    EXPECT_EQ(host.discoveries, 1);
    EXPECT_TRUE(link.sendFeatureReport(std::array<uint8_t, 8>{7, 0x20}));
}

} // namespace
} // namespace z3
