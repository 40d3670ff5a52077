#include "VirtualMouseServer.h"
#include "platform/hid/HidHotplugWatcher.h"
#include "platform/hid/HotplugEvents.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <chrono>
#include <gtest/gtest.h>
#include <sys/inotify.h>

namespace z3 {
namespace {

using Type = HotplugEvent::Type;

TEST(HidHotplugEvents, TranslateUdevAndInotifyEvents)
{
    struct UdevCase {
        const char* action;
        Type type;
    };
    for (const auto& c : {UdevCase{"add", Type::Arrival}, UdevCase{"remove", Type::Removal},
             UdevCase{"change", Type::Other}, UdevCase{"bind", Type::Other}, UdevCase{"", Type::Other}}) {
        const HotplugEvent event = hotplugEventFromUdev(c.action, "/dev/hidraw2");
        EXPECT_EQ(event.type, c.type) << c.action;
        EXPECT_EQ(event.path, "/dev/hidraw2");
    }

    struct InotifyCase {
        uint32_t mask;
        const char* name;
        std::optional<Type> type;
    };
    const InotifyCase cases[] = {
        {IN_MOVED_TO | IN_ISDIR, "z3", Type::Arrival},
        {IN_CREATE | IN_ISDIR, "z3", Type::Arrival},
        {IN_MOVED_FROM | IN_ISDIR, "z3", Type::Removal},
        {IN_DELETE | IN_ISDIR, "z3", Type::Removal},
        {IN_CREATE | IN_ISDIR, ".z3.42.plug", std::nullopt}, // being prepared
        {IN_MOVED_TO | IN_ISDIR, ".z3.42.gone", std::nullopt},
        {IN_ATTRIB, "z3", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto event = hotplugEventFromInotify(c.mask, c.name, "/r");
        ASSERT_EQ(event.has_value(), c.type.has_value()) << c.name << " " << c.mask;
        if (event) {
            EXPECT_EQ(event->type, *c.type);
            EXPECT_EQ(event->path, std::string("/r/") + c.name);
        }
    }
}

// Pumps the event loop until `count` events arrived or two seconds passed.
void waitForEvents(const std::vector<HotplugEvent>& events, std::size_t count)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (events.size() < count && std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(HidHotplugWatcher, SeesVirtualMicePlugAndUnplugOnceRegistered)
{
    test::TempDir temp;
    const std::string root = temp.file("mice");
    HidHotplugWatcher watcher(root);
    std::vector<HotplugEvent> events;
    watcher.setHandler([&](const HotplugEvent& e) { events.push_back(e); });
    VirtualMouseDevice::Options options;
    test::VirtualMouseServer mouse(root, options);

    // Nothing is delivered before discovery registers.
    ASSERT_EQ(mouse.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
    mouse.run([](VirtualMouseDevice& d) { d.unplug(); });
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(events.empty());

    watcher.registerForNotifications();
    watcher.registerForNotifications(); // a second match registers again: still one event each
    ASSERT_EQ(mouse.run([](VirtualMouseDevice& d) { return d.plug(); }), std::nullopt);
    waitForEvents(events, 1);
    mouse.run([](VirtualMouseDevice& d) { d.unplug(); });
    waitForEvents(events, 2);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].type, Type::Arrival);
    EXPECT_EQ(events[1].type, Type::Removal);
    EXPECT_EQ(events[0].path, root + "/z3");
    EXPECT_EQ(events[1].path, root + "/z3");
}

} // namespace
} // namespace z3
