#include "Application.h"

#include "core/macro/MacroFile.h"
#include "platform/input/HostInputFactory.h"

#include <thread>

namespace z3 {

Application::Application(AppPaths paths)
    : m_paths(std::move(paths))
    , m_configStore(m_files, m_paths.configIni())
    , m_window(m_model)
    , m_ui(m_window)
    , m_messages(&m_window)
    , m_promptBlink(m_model, m_ui)
    , m_session(m_model, m_link, m_configStore, m_ui, m_promptBlink)
    , m_listener({m_model, m_link, m_session, m_macros, m_shell, m_ui, [] { return createHostInput(); }})
    , m_connection(m_link, *this)
{
    m_window.setCloseHandler([this] { closeProgram(); });
}

Application::~Application()
{
    // The listener reads the link and the model: stop it before they go.
    m_listener.stop();
}

bool Application::start()
{
    // The listener starts first and waits for the mouse by itself.
    m_listener.start();
    m_promptBlink.startIfIdle();

    m_model.profileIndex = m_configStore.readCurConfig();
    m_configStore.loadProfile(m_model, m_model.profileIndex);
    loadMacroFile(m_macros, m_files, m_paths.macroDat(), m_messages);

    m_model.devicePresent = m_connection.discover();
    if (!m_model.devicePresent) {
        m_messages.showMessage(DeviceMessageText::InsertMouse);
        closeProgram();
        return false;
    }
    // Give the mouse a moment after opening its collections.
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    m_session.applyConfiguration();

    // Waking from sleep (and going to sleep) sends the configuration again:
    // the mouse may have lost it.
    m_power = std::make_unique<PowerEvents>([this] { m_session.applyConfiguration(); });
    return true;
}

bool Application::rediscover()
{
    return m_connection.discover();
}

void Application::closeProgram()
{
    const auto input = createHostInput();
    m_session.closeProgram(*input);
}

} // namespace z3
