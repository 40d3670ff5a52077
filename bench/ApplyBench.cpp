// applyConfiguration to the virtual mouse: discovery through the system
// transport, then the whole apply (eight feature reports and the one atomic
// save of config.ini) per iteration. And the idle cost of the listener
// blocked on a quiet mouse, as CPU seconds per minute. Both start their own
// z3-virtual-mouse (beside z3bench in build/bin) in a private folder.
#include "core/config/ConfigStore.h"
#include "core/device/DeviceSession.h"
#include "core/device/Discovery.h"
#include "core/device/HostActionThread.h"
#include "platform/hid/SystemHidTransport.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/NullAdapters.h"

#include <QProcess>
#include <QThread>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

namespace z3 {
namespace {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

fs::path temporaryFolder(const char* name)
{
    std::string pattern = (fs::temp_directory_path() / (std::string(name) + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    return pattern;
}

// A virtual mouse in a private folder, found through Z3_VIRTUAL_MOUSE_DIR.
class BenchMouse {
public:
    BenchMouse()
        : m_folder(temporaryFolder("z3bench-mice"))
    {
        setenv("Z3_VIRTUAL_MOUSE_DIR", m_folder.c_str(), 1);
        const fs::path program = fs::read_symlink("/proc/self/exe").parent_path() / "z3-virtual-mouse";
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QString::fromStdString(program.string()), {"--name", "bench"});
        for (int i = 0; i < 100 && !fs::exists(m_folder / "bench"); ++i)
            QThread::msleep(50);
        QThread::msleep(100);
    }
    ~BenchMouse()
    {
        m_process.write("quit\n");
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        fs::remove_all(m_folder);
    }

private:
    fs::path m_folder;
    QProcess m_process;
};

class NoHotplug final : public HotplugRegistrar {
public:
    void registerForNotifications() override { }
};

// The program's objects around one discovered virtual mouse.
struct BenchDevice {
    BenchDevice()
        : folder(temporaryFolder("z3bench-apply"))
        , store(files, (folder / "config.ini").string())
    {
        transport = makeSystemHidTransport();
        NoHotplug registrar;
        present = discover(*transport, link, registrar).present;
        model.profileIndex = 1;
        for (int b = 1; b <= kButtonCount; ++b)
            model.buttonFunctionCode[b] = b;
        for (int s = 1; s <= kStageCount; ++s)
            model.dpiStageEnabled[s] = 1;
    }
    ~BenchDevice() { fs::remove_all(folder); }

    fs::path folder;
    PosixFileSystem files;
    ConfigStore store;
    std::unique_ptr<HidTransport> transport;
    DeviceLink link;
    ConfigModel model;
    test::NullDeviceUi ui;
    PromptBlinkThread blink{model, ui};
    DeviceSession session{model, link, store, ui, blink};
    bool present = false;
};

void BM_ApplyConfigurationToVirtualMouse(benchmark::State& state)
{
    BenchMouse mouse;
    BenchDevice device;
    if (!device.present) {
        state.SkipWithError("virtual mouse not found");
        return;
    }
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = SteadyClock::now();
        device.session.applyConfiguration();
        samples.push_back(std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count());
    }
    std::sort(samples.begin(), samples.end());
    state.counters["median_ms"] = samples[samples.size() / 2];
    state.counters["p99_ms"] = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
}
BENCHMARK(BM_ApplyConfigurationToVirtualMouse)->Iterations(200)->Unit(benchmark::kMillisecond);

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_ListenerIdleOnQuietMouse(benchmark::State& state)
{
    BenchMouse mouse;
    BenchDevice device;
    if (!device.present) {
        state.SkipWithError("virtual mouse not found");
        return;
    }
    MacroStore macros;
    test::NullShellActions shell;
    constexpr double kSeconds = 5;
    for (auto _ : state) {
        HostActionThread listener({device.model, device.link, device.session, macros, shell, device.ui,
            [] { return std::unique_ptr<HostInput>(); }});
        const double before = processCpuSeconds();
        listener.start();
        std::this_thread::sleep_for(std::chrono::duration<double>(kSeconds));
        const double used = processCpuSeconds() - before;
        listener.stop();
        state.counters["cpu_s_per_min"] = used * 60.0 / kSeconds;
    }
}
BENCHMARK(BM_ListenerIdleOnQuietMouse)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace z3
