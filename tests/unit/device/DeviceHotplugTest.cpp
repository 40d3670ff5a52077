#include "core/device/DeviceHotplug.h"

#include <gtest/gtest.h>

namespace z3 {
namespace {

TEST(DeviceHotplug, SavedPathComparisonIgnoresOnlyTheCaseOfAsciiLetters)
{
    struct Case {
        const char* path;
        const char* saved;
        bool matches;
    };
    const Case cases[] = {
        {"/dev/hidraw3", "/dev/hidraw3", true},
        {"/DEV/HidRaw3", "/dev/hidraw3", true},
        {"/dev/hidraw3", "/dev/hidraw30", false},
        {"/dev/hidraw30", "/dev/hidraw3", false},
        {"/dev/hidraw4", "/dev/hidraw3", false},
        {"", "", false},
        {"/run/Ä", "/run/ä", false}, // non-ASCII letters are compared as they are
        {"/run/@", "/run/`", false}, // neighbours of A..Z in the table are not letters
        {"/run/[", "/run/{", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchesSavedPath(c.path, c.saved), c.matches) << c.path << " vs " << c.saved;
}

class RecordingHost : public DeviceHotplugHost {
public:
    bool devicePresent() const override { return present; }
    void setDevicePresent(bool value) override
    {
        present = value;
        calls += value ? "present;" : "absent;";
    }
    bool rediscover() override
    {
        calls += "discover;";
        return discoveryResult;
    }
    void deleteTrayIcon() override { calls += "tray;"; }
    void destroyMainWindow() override { calls += "close;"; }

    bool present = true;
    bool discoveryResult = true;
    std::string calls;
};

TEST(DeviceHotplug, ActsOnlyOnTheSavedDevice)
{
    using Type = HotplugEvent::Type;
    struct Case {
        const char* name;
        HotplugEvent event;
        bool presentBefore;
        bool discoveryResult;
        const char* calls;
        bool presentAfter;
    };
    const Case cases[] = {
        {"arrival while absent", {Type::Arrival, "/dev/hidraw3"}, false, true, "discover;present;", true},
        {"arrival while absent, search fails", {Type::Arrival, "/dev/hidraw3"}, false, false,
            "discover;absent;", false},
        {"arrival while present", {Type::Arrival, "/dev/hidraw3"}, true, true, "", true},
        {"arrival of the saved path in other case", {Type::Arrival, "/DEV/HIDRAW3"}, false, true,
            "discover;present;", true},
        {"arrival of another device", {Type::Arrival, "/dev/hidraw4"}, false, true, "", false},
        {"removal", {Type::Removal, "/dev/hidraw3"}, true, true, "absent;tray;close;", false},
        {"removal of another device", {Type::Removal, "/dev/hidraw4"}, true, true, "", true},
        {"another kind of event", {Type::Other, "/dev/hidraw3"}, true, true, "", true},
    };
    for (const auto& c : cases) {
        DeviceLink link;
        link.setDevicePath("/dev/hidraw3");
        RecordingHost host;
        host.present = c.presentBefore;
        host.discoveryResult = c.discoveryResult;
        DeviceHotplug(link, host).onDeviceChange(c.event);
        EXPECT_EQ(host.calls, c.calls) << c.name;
        EXPECT_EQ(host.present, c.presentAfter) << c.name;
    }
}

TEST(DeviceHotplug, NothingMatchesBeforeAnyDiscovery)
{
    DeviceLink link;
    RecordingHost host;
    DeviceHotplug(link, host).onDeviceChange({HotplugEvent::Type::Removal, ""});
    EXPECT_EQ(host.calls, "");
}

} // namespace
} // namespace z3
