#pragma once

#include "core/device/HidTransport.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>

class QSocketNotifier;
struct udev;
struct udev_monitor;

namespace z3 {

// Hot-plug notifications for both transports: a libudev monitor on the
// hidraw subsystem (events come through udevd; without it there are none)
// and inotify on the virtual mice's root. Events are delivered on the thread
// that owns the watcher (the UI thread), and only after the first
// registerForNotifications(); repeated registrations count as one.
class HidHotplugWatcher : public QObject, public HotplugRegistrar {
    Q_OBJECT
public:
    using Handler = std::function<void(const HotplugEvent&)>;

    explicit HidHotplugWatcher(std::string virtualRoot, QObject* parent = nullptr);
    ~HidHotplugWatcher() override;

    void setHandler(Handler handler) { m_handler = std::move(handler); }
    void registerForNotifications() override;
    bool registered() const { return m_registered; }

private:
    void startUdev();
    void startInotify();
    void readUdev();
    void readInotify();
    void deliver(const HotplugEvent& event);

    std::string m_virtualRoot;
    Handler m_handler;
    bool m_registered = false;
    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    int m_inotify = -1;
    std::unique_ptr<QSocketNotifier> m_udevNotifier;
    std::unique_ptr<QSocketNotifier> m_inotifyNotifier;
};

} // namespace z3
