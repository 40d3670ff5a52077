#include "platform/power/PowerEvents.h"

namespace z3 {

PowerEvents::PowerEvents(std::function<void()> onEvent, QObject* parent)
    : PowerEvents(QDBusConnection::systemBus(), std::move(onEvent), parent)
{ }

PowerEvents::PowerEvents(const QDBusConnection& bus, std::function<void()> onEvent, QObject* parent)
    : QObject(parent)
    , m_onEvent(std::move(onEvent))
{
    if (!bus.isConnected())
        return;
    QDBusConnection connection(bus);
    m_listening = connection.connect("org.freedesktop.login1", "/org/freedesktop/login1",
        "org.freedesktop.login1.Manager", "PrepareForSleep", this, SLOT(onPrepareForSleep(bool)));
}

void PowerEvents::onPrepareForSleep(bool)
{
    if (m_onEvent)
        m_onEvent();
}

} // namespace z3
