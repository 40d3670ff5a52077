#include "ListenCommand.h"

#include "ApplySession.h"
#include "core/device/HostActionThread.h"
#include "core/macro/MacroFile.h"
#include "core/macro/MacroStore.h"
#include "core/macro/UserMessages.h"
#include "platform/input/HostInputFactory.h"
#include "platform/shell/DesktopShellActions.h"

#include <csignal>
#include <ctime>
#include <mutex>
#include <ostream>
#include <pthread.h>

namespace z3::ctl {

namespace {

constexpr int kRediscoverySeconds = 1;

class ConsoleMessages final : public UserMessages {
public:
    explicit ConsoleMessages(std::ostream& err)
        : m_err(err)
    { }
    void showMessage(std::string_view text) override { m_err << text << std::endl; }

private:
    std::ostream& m_err;
};

// SIGINT and SIGTERM are blocked in every thread (so the worker threads
// inherit the mask) and taken synchronously by the main thread.
class StopSignals {
public:
    StopSignals()
    {
        sigemptyset(&m_set);
        sigaddset(&m_set, SIGINT);
        sigaddset(&m_set, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &m_set, &m_previous);
    }
    ~StopSignals() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }

    // True when a stop signal arrived within `seconds`.
    bool wait(int seconds)
    {
        const timespec timeout{seconds, 0};
        return sigtimedwait(&m_set, nullptr, &timeout) > 0;
    }

private:
    sigset_t m_set;
    sigset_t m_previous;
};

} // namespace

int runListen(CtlContext& context, std::span<const std::string> args)
{
    if (!args.empty()) {
        context.err << "usage: z3ctl listen\n";
        return kExitFailure;
    }
    StopSignals signals;
    ApplySession session(context);
    if (const auto refused = session.refuseWhileConfiguratorRuns())
        return *refused;
    if (!session.discover())
        return kExitNoMouse;

    MacroStore macros;
    ConsoleMessages messages(context.err);
    loadMacroFile(macros, session.files(), context.paths.macroDat(), messages);
    session.loadAndApply(std::nullopt);
    context.err << session.statusLine() << std::endl;

    std::mutex outputMutex;
    DesktopShellActions shell;
    HostActionThread listener({session.model(), session.link(), session.session(), macros, shell,
                                  session.ui(), [] { return createHostInput(); }},
        [&](const std::string& action) {
            std::lock_guard lock(outputMutex);
            context.out << action << std::endl;
        });
    listener.start();

    // A mouse whose open read handle fails has gone away: look for it once
    // a second until it is back, then apply again. A read collection that
    // never opened (an odd layout) is not looked for again and again.
    bool lost = false;
    while (!signals.wait(kRediscoverySeconds)) {
        if (!lost && listener.readsFailing() && session.link().readState() == DeviceLink::HandleState::Open)
            lost = true;
        if (lost && session.discover(ApplySession::Report::Quietly)) {
            lost = false;
            session.loadAndApply(std::nullopt);
            std::lock_guard lock(outputMutex);
            context.err << session.statusLine() << std::endl;
        }
    }
    listener.stop();
    return kExitOk;
}

} // namespace z3::ctl
