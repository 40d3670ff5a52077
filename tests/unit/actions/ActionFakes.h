#pragma once

#include "core/config/ConfigStore.h"
#include "core/device/DeviceLink.h"
#include "core/device/DeviceSession.h"
#include "core/device/DeviceUi.h"
#include "core/device/MouseIds.h"
#include "core/device/PromptBlinkThread.h"
#include "core/device/WaitClock.h"
#include "core/host/HostInput.h"
#include "core/host/ShellActions.h"
#include "core/ini/ProfileFile.h"
#include "support/FakeHidTransport.h"
#include "support/MemoryFileSystem.h"

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace z3::test::actions {

// Bytes as "07 10 01 01 ..." so that failures read like the wire.
inline std::string hex(const std::vector<uint8_t>& bytes)
{
    std::string text;
    for (uint8_t b : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", b);
        text += (text.empty() ? "" : " ") + std::string(digits);
    }
    return text;
}

// Records what the user interface was asked to do, in order.
class RecordingUi final : public DeviceUi {
public:
    void invalidateWindow() override
    {
        std::lock_guard lock(m_mutex);
        ++m_invalidations;
    }
    void showMessage(std::string_view text) override { log("message " + std::string(text)); }
    void deleteTrayIcon() override { log("tray deleted"); }
    void destroyWindow() override { log("window destroyed"); }

    std::vector<std::string> calls() const
    {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }
    int invalidations() const
    {
        std::lock_guard lock(m_mutex);
        return m_invalidations;
    }

private:
    void log(std::string call)
    {
        std::lock_guard lock(m_mutex);
        m_calls.push_back(std::move(call));
    }
    mutable std::mutex m_mutex;
    std::vector<std::string> m_calls;
    int m_invalidations = 0;
};

// A clock that never waits: each wait moves time to its deadline plus
// `oversleep`, the way a real sleep overshoots.
class FakeWaitClock final : public WaitClock {
public:
    TimePoint now() const override { return m_now; }
    bool sleepUntil(TimePoint deadline) override
    {
        deadlines.push_back(deadline);
        m_now = std::max(m_now, deadline) + oversleep;
        return deadlines.size() != interruptAtWait;
    }
    void advance(std::chrono::milliseconds d) { m_now += d; }

    std::chrono::milliseconds oversleep{0};
    size_t interruptAtWait = 0; // 1-based; 0 never
    std::vector<TimePoint> deadlines;

private:
    TimePoint m_now{};
};

// Records injected input as "down A0" / "up 11" / "button left down", and
// optionally spends fake time per event (injection cost).
class RecordingInput final : public HostInput {
public:
    explicit RecordingInput(FakeWaitClock* clock = nullptr, std::chrono::milliseconds cost = {})
        : m_clock(clock)
        , m_cost(cost)
    { }
    void key(int vkCode, KeyDirection direction) override
    {
        char text[16];
        std::snprintf(text, sizeof text, "%s %02X", direction == KeyDirection::Down ? "down" : "up", vkCode);
        record(text);
    }
    void mouseButton(MouseButton button, KeyDirection direction) override
    {
        const char* name = button == MouseButton::Left ? "left"
            : button == MouseButton::Right             ? "right"
                                                       : "middle";
        record(std::string("button ") + name + (direction == KeyDirection::Down ? " down" : " up"));
    }

    std::vector<std::string> events;

private:
    void record(std::string event)
    {
        events.push_back(std::move(event));
        if (m_clock)
            m_clock->advance(m_cost);
    }
    FakeWaitClock* m_clock;
    std::chrono::milliseconds m_cost;
};

// Records shell calls; safe to read while the listener thread writes.
class RecordingShell final : public ShellActions {
public:
    void openComputer() override { record("computer"); }
    void lockSession() override { record("lock"); }
    void openCalculator() override { record("calculator"); }
    void openTerminal() override { record("terminal"); }

    std::vector<std::string> calls() const
    {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }

private:
    void record(std::string call)
    {
        std::lock_guard lock(m_mutex);
        m_calls.push_back(std::move(call));
    }
    mutable std::mutex m_mutex;
    std::vector<std::string> m_calls;
};

// A mouse on a fake transport with a model, a config.ini in memory and a
// session over them: what apply and the listener work on.
struct DeviceFixture {
    static constexpr const char* kPath = "/dev/hidraw-z3";
    static constexpr const char* kIni = "/z3/config.ini";

    explicit DeviceFixture(uint16_t featureLength = 8, uint16_t inputLength = 8)
    {
        HidCollectionEntry input{kPath, mouse::kVendorId, mouse::kProductId, mouse::kReadUsagePage,
            mouse::kReadUsage, inputLength, 0};
        HidCollectionEntry feature{kPath, mouse::kVendorId, mouse::kProductId, mouse::kWriteUsagePage,
            mouse::kWriteUsage, 0, featureLength};
        link.setDevicePath(kPath);
        link.setReadCollection(input, transport.open(kPath, HidAccess::Read));
        link.setWriteCollection(feature, transport.open(kPath, HidAccess::Write));
        model.profileIndex = 1;
        setDefaults();
    }

    void setDefaults()
    {
        for (int b = 1; b <= kButtonCount; ++b)
            model.buttonFunctionCode[b] = b;
        for (int s = 1; s <= kStageCount; ++s)
            model.dpiStageEnabled[s] = 1;
        model.dpiStageValue[1] = 1;
    }

    std::vector<std::string> sent() const
    {
        std::vector<std::string> out;
        for (const auto& r : transport.sentReports())
            out.push_back(hex(r.bytes));
        return out;
    }

    std::string ini(std::string_view section, std::string_view key) const
    {
        auto found = files.files.find(kIni);
        if (found == files.files.end())
            return "<no file>";
        return ProfileFile::parse(found->second).read(section, key, 64);
    }

    FakeHidTransport transport;
    DeviceLink link;
    ConfigModel model;
    MemoryFileSystem files;
    ConfigStore store{files, kIni};
    RecordingUi ui;
    PromptBlinkThread blink{model, ui, std::chrono::milliseconds(1)};
    DeviceSession session{model, link, store, ui, blink};
};

} // namespace z3::test::actions
