#include "core/device/DeviceSession.h"

#include "core/config/ConfigRules.h"
#include "core/device/DpiStep.h"
#include "core/device/MouseIds.h"
#include "core/keys/VirtualKeys.h"

#include <array>

namespace z3 {

namespace {

constexpr int kAltKeyUps = 6;

} // namespace

DeviceSession::DeviceSession(
    ConfigModel& model, DeviceLink& link, ConfigStore& store, DeviceUi& ui, PromptBlinkThread& promptBlink)
    : m_model(model)
    , m_link(link)
    , m_store(store)
    , m_ui(ui)
    , m_promptBlink(promptBlink)
{ }

void DeviceSession::send(const FeatureReport& report)
{
    // Discovery bounds the length; an unknown length (no mouse found) sends
    // the bare header and fails like any send without a handle.
    std::array<uint8_t, mouse::kMaxReportLength> buffer;
    size_t length = m_link.featureReportLength();
    if (length == 0 || length > buffer.size())
        length = FeatureReport::kHeaderLength;
    const std::span<uint8_t> bytes(buffer.data(), length);
    report.encode(bytes);
    m_link.sendFeatureReport(bytes);
}

void DeviceSession::sendDpiLed()
{
    const int stage = activeStage(m_model);
    send(FeatureReport::dpiLed(
        m_model.dpiLevel, m_model.appliedDpiStageValue[stage], m_model.appliedLedStatus));
}

bool DeviceSession::applyConfiguration()
{
    std::lock_guard lock(m_lock);
    return applyLocked();
}

bool DeviceSession::applyLocked()
{
    m_model.driverRunning = true;
    const ConfigModel atStart = m_model;

    for (int button = 1; button <= kButtonCount; ++button) {
        if (m_model.buttonFunctionCode[button] == kColourPickerCode) {
            m_ui.showMessage(DeviceMessageText::ColourPickerInvalid);
            m_model.buttonFunctionCode[button] = kColourPickerReplacement;
        }
        const auto translation = translateFunctionCode(m_model.buttonFunctionCode[button]);
        m_model.buttonDpiAction[button] = static_cast<int32_t>(translation.dpiAction);
        if (!translation.deviceFunction)
            continue;
        send(FeatureReport::buttonMapping(kDeviceButtonNumber[button - 1], *translation.deviceFunction));

        if (*translation.deviceFunction == kHostReportedFunction && m_model.driverRunning) {
            m_model.driverRunning = false;
            m_model.promptBlinkOn = true;
            m_model.promptButton = button;
            if (!m_model.promptBlinkStarted) {
                m_model.promptBlinkStarted = true;
                m_promptBlink.start();
            }
        }
    }

    send(FeatureReport::wheel(m_model.wheelStatus));

    for (int stage = 1; stage <= kStageCount; ++stage)
        m_model.appliedDpiStageValue[stage] = m_model.dpiStageValue[stage].load();
    m_model.appliedLedStatus = m_model.ledStatus.load();
    sendDpiLed();

    m_ui.invalidateWindow();
    return m_store.recordApply(atStart, m_model);
}

void DeviceSession::closeProgram(HostInput& input)
{
    for (int i = 0; i < kAltKeyUps; ++i)
        input.key(vk::Menu, KeyDirection::Up);
    m_ui.deleteTrayIcon();
    {
        std::lock_guard lock(m_lock);
        send(FeatureReport::close());
    }
    m_ui.destroyWindow();
}

int32_t DeviceSession::stepDpi(ButtonDpiAction action)
{
    std::lock_guard lock(m_lock);
    const int32_t level = nextDpiLevel(m_model, action);
    m_model.dpiLevel = level;
    sendDpiLed();
    m_ui.invalidateWindow();
    m_store.storeDpiLevel(m_model, m_model.profileIndex);
    return level;
}

int32_t DeviceSession::switchToNextProfile()
{
    std::lock_guard lock(m_lock);
    const int32_t current = m_model.profileIndex;
    const int32_t next = (current >= kProfileCount || current < 1) ? 1 : current + 1;
    m_model.profileIndex = next;
    m_store.loadProfile(m_model, next);
    applyLocked();
    m_ui.invalidateWindow();
    return next;
}

} // namespace z3
