#include "platform/hid/HidHotplugWatcher.h"

#include "platform/hid/HotplugEvents.h"
#include "platform/hid/VirtualMouseFolder.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <libudev.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace z3 {

HidHotplugWatcher::HidHotplugWatcher(std::string virtualRoot, QObject* parent)
    : QObject(parent)
    , m_virtualRoot(std::move(virtualRoot))
{ }

HidHotplugWatcher::~HidHotplugWatcher()
{
    m_udevNotifier.reset();
    m_inotifyNotifier.reset();
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
    if (m_inotify >= 0)
        ::close(m_inotify);
}

void HidHotplugWatcher::registerForNotifications()
{
    if (m_registered)
        return;
    m_registered = true;
    startUdev();
    startInotify();
}

void HidHotplugWatcher::startUdev()
{
    m_udev = udev_new();
    if (!m_udev)
        return;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return; // no netlink access: real devices only arrive at start-up
    }
    m_udevNotifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read);
    connect(m_udevNotifier.get(), &QSocketNotifier::activated, this, &HidHotplugWatcher::readUdev);
}

void HidHotplugWatcher::startInotify()
{
    // The root must exist to be watched; a virtual mouse started later
    // publishes into it.
    if (virtualmouse::ensurePrivateRoot(m_virtualRoot))
        return;
    m_inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify < 0)
        return;
    if (inotify_add_watch(m_inotify, m_virtualRoot.c_str(),
            IN_MOVED_TO | IN_MOVED_FROM | IN_CREATE | IN_DELETE | IN_ONLYDIR | IN_DONT_FOLLOW)
        < 0) {
        ::close(m_inotify);
        m_inotify = -1;
        return;
    }
    m_inotifyNotifier = std::make_unique<QSocketNotifier>(m_inotify, QSocketNotifier::Read);
    connect(m_inotifyNotifier.get(), &QSocketNotifier::activated, this, &HidHotplugWatcher::readInotify);
}

void HidHotplugWatcher::readUdev()
{
    while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
        const char* action = udev_device_get_action(device);
        const char* node = udev_device_get_devnode(device);
        const HotplugEvent event = hotplugEventFromUdev(action ? action : "", node ? node : "");
        udev_device_unref(device);
        if (!event.path.empty())
            deliver(event);
    }
}

void HidHotplugWatcher::readInotify()
{
    alignas(inotify_event) char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(m_inotify, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return;
        for (ssize_t pos = 0; pos + static_cast<ssize_t>(sizeof(inotify_event)) <= got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + pos);
            pos += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->len == 0 || pos > got)
                continue;
            const std::string_view name(event->name, strnlen(event->name, event->len));
            if (const auto hotplug = hotplugEventFromInotify(event->mask, name, m_virtualRoot))
                deliver(*hotplug);
        }
    }
}

void HidHotplugWatcher::deliver(const HotplugEvent& event)
{
    if (m_handler)
        m_handler(event);
}

} // namespace z3
