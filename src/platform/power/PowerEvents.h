#pragma once

#include <QDBusConnection>
#include <QObject>
#include <functional>

namespace z3 {

// Power events of the session: logind's PrepareForSleep signal on the system
// bus, both before sleeping and after waking. `onEvent` runs on the thread
// of this object (the UI thread) for every one of them. Without a system bus
// (or logind) there are simply no events.
class PowerEvents final : public QObject {
    Q_OBJECT
public:
    explicit PowerEvents(std::function<void()> onEvent, QObject* parent = nullptr);
    // For tests: listen on a given bus connection instead of the system bus.
    PowerEvents(const QDBusConnection& bus, std::function<void()> onEvent, QObject* parent = nullptr);

    // True when the subscription is in place.
    bool listening() const { return m_listening; }

private slots:
    void onPrepareForSleep(bool start);

private:
    std::function<void()> m_onEvent;
    bool m_listening = false;
};

} // namespace z3
