#pragma once

#include "core/device/DeviceLink.h"
#include "core/device/HidTransport.h"

#include <string_view>

namespace z3 {

// What hot-plug handling needs from the application: the presence flag of
// the configuration, a new discovery, and the two steps that end the program
// when the mouse goes away. Called on the UI thread.
class DeviceHotplugHost {
public:
    virtual ~DeviceHotplugHost() = default;
    virtual bool devicePresent() const = 0;
    virtual void setDevicePresent(bool present) = 0;
    // Runs discovery again and returns its result.
    virtual bool rediscover() = 0;
    virtual void deleteTrayIcon() = 0;
    // Destroys the main window through its close path; the program ends.
    virtual void destroyMainWindow() = 0;
};

// True when `path` names the same device as `savedPath`, ignoring the case of
// the letters A..Z only. An empty saved path matches nothing.
bool matchesSavedPath(std::string_view path, std::string_view savedPath);

// Reacts to arrival and removal of the saved device (UI thread):
// - arrival while absent: presence becomes the result of a new discovery;
// - removal: presence cleared, tray icon deleted, main window destroyed;
// - anything else, or another device: nothing.
class DeviceHotplug {
public:
    DeviceHotplug(const DeviceLink& link, DeviceHotplugHost& host)
        : m_link(link)
        , m_host(host)
    { }

    void onDeviceChange(const HotplugEvent& event);

private:
    const DeviceLink& m_link;
    DeviceHotplugHost& m_host;
};

} // namespace z3
