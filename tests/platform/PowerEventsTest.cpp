#include "platform/power/PowerEvents.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace z3 {
namespace {

// A private message bus standing in for the system bus.
class PrivateBus {
public:
    bool start()
    {
        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            return false;
        m_daemon.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (!m_daemon.waitForReadyRead(5000))
            return false;
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        return !m_address.isEmpty();
    }
    ~PrivateBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished(3000);
    }
    QDBusConnection connect(const QString& name) { return QDBusConnection::connectToBus(m_address, name); }

private:
    QProcess m_daemon;
    QString m_address;
};

void emitPrepareForSleep(QDBusConnection& bus, bool start)
{
    auto signal = QDBusMessage::createSignal(
        "/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep");
    signal << start;
    bus.send(signal);
}

bool waitFor(const int& counter, int expected)
{
    QElapsedTimer timer;
    timer.start();
    while (counter < expected && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return counter >= expected;
}

TEST(PowerEvents, EverySleepSignalOfLogindIsAnEvent)
{
    PrivateBus bus;
    if (!bus.start())
        GTEST_SKIP() << "no dbus-daemon";
    QDBusConnection listenerBus = bus.connect("power-listener");
    QDBusConnection logind = bus.connect("power-logind");
    ASSERT_TRUE(logind.registerService("org.freedesktop.login1"));
    QDBusConnection impostor = bus.connect("power-impostor");

    int events = 0;
    PowerEvents power(listenerBus, [&] { ++events; });
    ASSERT_TRUE(power.listening());

    emitPrepareForSleep(impostor, true); // not logind: ignored
    emitPrepareForSleep(logind, true);
    emitPrepareForSleep(logind, false);
    EXPECT_TRUE(waitFor(events, 2));
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    EXPECT_EQ(events, 2);

    QDBusConnection::disconnectFromBus("power-listener");
    QDBusConnection::disconnectFromBus("power-logind");
    QDBusConnection::disconnectFromBus("power-impostor");
}

TEST(PowerEvents, NoBusMeansNoEventsAndNoError)
{
    QDBusConnection absent = QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "power-absent");
    int events = 0;
    PowerEvents power(absent, [&] { ++events; });
    EXPECT_FALSE(power.listening());
    QCoreApplication::processEvents();
    EXPECT_EQ(events, 0);
    QDBusConnection::disconnectFromBus("power-absent");
}

} // namespace
} // namespace z3
