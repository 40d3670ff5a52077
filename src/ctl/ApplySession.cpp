#include "ApplySession.h"

#include "core/config/ConfigRules.h"
#include "core/device/Discovery.h"
#include "platform/instance/SingleInstance.h"
#include "ui/common/AppIdentity.h"

#include <ostream>

namespace z3::ctl {

namespace {

// No window: repaints have nothing to do, message boxes become lines on
// standard error.
class ConsoleDeviceUi final : public DeviceUi {
public:
    explicit ConsoleDeviceUi(std::ostream& err)
        : m_err(err)
    { }
    void invalidateWindow() override { }
    void showMessage(std::string_view text) override { m_err << text << std::endl; }
    void deleteTrayIcon() override { }
    void destroyWindow() override { }

private:
    std::ostream& m_err;
};

class NoHotplugRegistration final : public HotplugRegistrar {
public:
    void registerForNotifications() override { }
};

} // namespace

ApplySession::ApplySession(CtlContext& context)
    : m_context(context)
    , m_store(m_files, context.paths.configIni())
    , m_ui(std::make_unique<ConsoleDeviceUi>(context.err))
    , m_promptBlink(m_model, *m_ui)
    , m_session(m_model, m_link, m_store, *m_ui, m_promptBlink)
{ }

ApplySession::~ApplySession() = default;

std::optional<int> ApplySession::refuseWhileConfiguratorRuns()
{
    // Probing takes the configurator's single-instance name for a moment;
    // it is free again when the probe goes away.
    const SingleInstance probe(kInstanceLockName);
    if (probe.role() == SingleInstance::Role::First)
        return std::nullopt;
    m_context.err << "z3ctl: the Zerrat Z3 configurator is running and owns the mouse; close it first\n";
    return kExitConfiguratorRuns;
}

bool ApplySession::discover(Report report)
{
    if (!m_transport)
        m_transport = m_context.makeTransport();
    NoHotplugRegistration registrar;
    const bool present = z3::discover(*m_transport, m_link, registrar).present;
    m_model.devicePresent = present;
    if (!present && report == Report::Absence)
        m_context.err << DeviceMessageText::InsertMouse << std::endl;
    return present;
}

void ApplySession::loadAndApply(std::optional<int32_t> profile)
{
    m_model.profileIndex = profile ? *profile : m_store.readCurConfig();
    m_store.loadProfile(m_model, m_model.profileIndex);
    m_session.applyConfiguration();
}

std::string ApplySession::statusLine() const
{
    ConfigModel shown = m_model;
    shown.promptBlinkOn = true;
    return statusLineText(shown);
}

std::optional<int32_t> parseProfileNumber(const std::string& text)
{
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + kProfileCount)
        return std::nullopt;
    return text[0] - '0';
}

} // namespace z3::ctl
