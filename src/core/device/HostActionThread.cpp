#include "core/device/HostActionThread.h"

#include "core/device/MacroPlayback.h"
#include "core/device/MouseIds.h"
#include "core/keys/VirtualKeys.h"

namespace z3 {

namespace {

constexpr uint8_t kInputReportId = 0x06;
constexpr uint8_t kArmingButtonByte = 0x00;
constexpr uint8_t kButtonEventBase = 0xF0;
constexpr auto kLoopPause = std::chrono::milliseconds(2);
constexpr auto kShortcutHold = std::chrono::milliseconds(20);
constexpr int32_t kFirstMacroCode = 41;

struct Shortcut {
    int32_t code;
    int modifier;
    int key;
    bool pauseBeforeRelease;
    const char* name;
};

constexpr Shortcut kShortcuts[] = {
    {31, vk::Control, vk::KeyC, true, "shortcut ctrl+c"},
    {32, vk::Control, vk::KeyV, true, "shortcut ctrl+v"},
    {33, vk::Control, vk::KeyA, true, "shortcut ctrl+a"},
    {34, vk::Control, vk::KeyZ, true, "shortcut ctrl+z"},
    {35, vk::Menu, vk::F4, false, "shortcut alt+f4"},
};

enum class HostCode : int32_t {
    VolumeMute = 26,
    OpenComputer = 36,
    LockSession = 37,
    Calculator = 38,
    Terminal = 39,
    NextProfile = 40,
};

} // namespace

HostActionThread::HostActionThread(
    Services services, ActionObserver observer, std::chrono::milliseconds readTimeout)
    : m_services(std::move(services))
    , m_observer(std::move(observer))
    , m_readTimeout(readTimeout)
{ }

HostActionThread::~HostActionThread()
{
    stop();
}

void HostActionThread::start()
{
    if (!m_thread.joinable())
        m_thread = std::thread([this] { run(); });
}

void HostActionThread::stop()
{
    m_steadyClock.interrupt();
    m_services.link.stopReading();
    if (m_thread.joinable())
        m_thread.join();
}

void HostActionThread::run()
{
    const std::unique_ptr<HostInput> input = m_services.makeInput();
    std::array<uint8_t, mouse::kMaxReportLength> buffer{};
    while (!m_steadyClock.interrupted()) {
        const size_t length = std::min(m_services.link.inputReportLength(), buffer.size());
        const auto result = m_services.link.readInputReport(std::span(buffer.data(), length), m_readTimeout);
        if (result.status == HidReadStatus::Stopped)
            return;
        m_readsFailing.store(result.status == HidReadStatus::Failed, std::memory_order_relaxed);
        if (result.status == HidReadStatus::Report)
            handleReport(std::span(buffer.data(), std::min(result.length, length)), *input);
        if (!m_clock->sleepFor(kLoopPause))
            return;
    }
}

void HostActionThread::handleReport(std::span<const uint8_t> report, HostInput& input)
{
    // Bytes a short report did not carry read as 0, the way a zeroed
    // report buffer reads; nothing is read past the report.
    const auto byteAt = [&](size_t i) -> uint8_t { return i < report.size() ? report[i] : 0; };
    const uint8_t reportId = byteAt(0);
    const uint8_t buttonEvent = byteAt(1);
    ConfigModel& model = m_services.model;
    if (model.driverRunning) {
        for (int button = 1; button <= kButtonCount; ++button) {
            if (buttonEvent == kButtonEventBase + kDeviceButtonNumber[button - 1])
                performButton(button, input);
        }
    } else if (reportId == kInputReportId && buttonEvent == kArmingButtonByte) {
        model.driverRunning = true;
        model.promptBlinkStarted = false;
        model.promptBlinkOn = false;
        m_services.ui.invalidateWindow();
        announce("armed");
    }
}

void HostActionThread::performButton(int button, HostInput& input)
{
    ConfigModel& model = m_services.model;
    const auto dpiAction = static_cast<ButtonDpiAction>(model.buttonDpiAction[button].load());
    if (dpiAction != ButtonDpiAction::None) {
        const int32_t level = m_services.session.stepDpi(dpiAction);
        announce("dpi-level " + std::to_string(level));
        return;
    }
    const int32_t code = model.buttonFunctionCode[button];
    // The subtraction happens in 64 bits: a hand-edited code near INT32_MIN
    // must not overflow.
    const int64_t macro = int64_t{code} - kFirstMacroCode;
    if (macro >= 0 && macro < m_services.macros.count()) {
        const MacroRecord record = m_services.macros.record(static_cast<int>(macro));
        announce("macro " + std::to_string(macro + 1));
        playMacro(record, input, *m_clock);
        return;
    }
    performCode(code, input);
}

void HostActionThread::performCode(int32_t code, HostInput& input)
{
    for (const auto& s : kShortcuts) {
        if (s.code == code) {
            shortcut(s.modifier, s.key, s.pauseBeforeRelease, input);
            announce(s.name);
            return;
        }
    }
    ShellActions& shell = m_services.shell;
    switch (static_cast<HostCode>(code)) {
    case HostCode::VolumeMute:
        input.key(vk::VolumeMute, KeyDirection::Down);
        input.key(vk::VolumeMute, KeyDirection::Up);
        announce("shortcut volume-mute");
        break;
    case HostCode::OpenComputer:
        shell.openComputer();
        announce("shell computer");
        break;
    case HostCode::LockSession:
        shell.lockSession();
        announce("shell lock");
        break;
    case HostCode::Calculator:
        shell.openCalculator();
        announce("shell calculator");
        break;
    case HostCode::Terminal:
        shell.openTerminal();
        announce("shell terminal");
        break;
    case HostCode::NextProfile:
        announce("profile " + std::to_string(m_services.session.switchToNextProfile()));
        break;
    }
}

void HostActionThread::shortcut(int modifier, int key, bool pauseBeforeRelease, HostInput& input)
{
    input.key(modifier, KeyDirection::Down);
    input.key(key, KeyDirection::Down);
    if (pauseBeforeRelease)
        m_clock->sleepFor(kShortcutHold);
    input.key(key, KeyDirection::Up);
    input.key(modifier, KeyDirection::Up);
}

void HostActionThread::announce(const std::string& action)
{
    if (m_observer)
        m_observer(action);
}

} // namespace z3
