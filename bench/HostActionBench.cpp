// Input report -> first injected key event: the program's time from an
// input report in hand to the first XTest key event flushed to the X
// server, through the real listener logic (arming state, button lookup,
// shortcut) and the real XTest adapter. Uses $DISPLAY, or starts a private
// Xvfb when none is set. Counters give the median and the 99th percentile of
// the individual samples in microseconds.
#include "core/config/ConfigStore.h"
#include "core/device/DeviceSession.h"
#include "core/device/HostActionThread.h"
#include "core/device/WaitClock.h"
#include "platform/input/HostInputXTest.h"
#include "support/NullAdapters.h"

#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace z3 {
namespace {

using SteadyClock = std::chrono::steady_clock;

// A display for the benchmark: $DISPLAY, else a private Xvfb.
class BenchDisplay {
public:
    BenchDisplay()
    {
        if (const char* display = std::getenv("DISPLAY"); display && *display) {
            m_name = display;
            return;
        }
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            return;
        const int number = 600 + getpid() % 300;
        m_xvfb.start("Xvfb", {QString(":%1").arg(number), "-nolisten", "tcp"});
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        for (int i = 0; i < 100 && !std::filesystem::exists(socket); ++i)
            QThread::msleep(50);
        if (std::filesystem::exists(socket))
            m_name = ":" + std::to_string(number);
    }
    ~BenchDisplay()
    {
        m_xvfb.terminate();
        m_xvfb.waitForFinished(3000);
    }
    const std::string& name() const { return m_name; }

private:
    QProcess m_xvfb;
    std::string m_name;
};

// Notes when the first event of an action has been injected.
class FirstEventProbe final : public HostInput {
public:
    explicit FirstEventProbe(HostInput& inner)
        : m_inner(inner)
    { }
    void key(int vkCode, KeyDirection direction) override
    {
        m_inner.key(vkCode, direction);
        mark();
    }
    void mouseButton(MouseButton button, KeyDirection direction) override
    {
        m_inner.mouseButton(button, direction);
        mark();
    }
    void reset() { m_first.reset(); }
    std::optional<SteadyClock::time_point> first() const { return m_first; }

private:
    void mark()
    {
        if (!m_first)
            m_first = SteadyClock::now();
    }
    HostInput& m_inner;
    std::optional<SteadyClock::time_point> m_first;
};

class NoFiles final : public FileSystem {
public:
    ReadResult readFile(const std::string&, size_t) const override { return {}; }
    bool writeFileAtomically(const std::string&, std::string_view) override { return true; }
};

// The shortcut's 20 ms hold is not program time: a clock that does not wait.
class InstantClock final : public WaitClock {
public:
    TimePoint now() const override { return SteadyClock::now(); }
    bool sleepUntil(TimePoint) override { return true; }
};

double percentile(std::vector<double> samples, double p)
{
    std::sort(samples.begin(), samples.end());
    const size_t index
        = std::min(samples.size() - 1, static_cast<size_t>(p * static_cast<double>(samples.size())));
    return samples[index];
}

void BM_InputReportToFirstInjectedKey(benchmark::State& state)
{
    BenchDisplay display;
    HostInputXTest xtest(display.name());
    if (display.name().empty() || !xtest.connect()) {
        state.SkipWithError("no X display with XTest (install Xvfb)");
        return;
    }
    ConfigModel model;
    DeviceLink link;
    NoFiles files;
    ConfigStore store(files, "/nonexistent/config.ini");
    test::NullDeviceUi ui;
    PromptBlinkThread blink(model, ui);
    DeviceSession session(model, link, store, ui, blink);
    MacroStore macros;
    test::NullShellActions shell;
    HostActionThread listener({model, link, session, macros, shell, ui, [] { return nullptr; }});
    InstantClock clock;
    listener.setClock(clock);
    model.buttonFunctionCode[2] = 31; // Ctrl+C: first event Ctrl down

    FirstEventProbe probe(xtest);
    const std::array<uint8_t, 8> report{0x06, 0xF2, 0, 0, 0, 0, 0, 0};
    std::vector<double> samples;
    for (auto _ : state) {
        probe.reset();
        const auto start = SteadyClock::now();
        listener.handleReport(report, probe);
        const std::chrono::duration<double, std::micro> took = *probe.first() - start;
        samples.push_back(took.count());
    }
    state.counters["median_us"] = percentile(samples, 0.5);
    state.counters["p99_us"] = percentile(samples, 0.99);
}
BENCHMARK(BM_InputReportToFirstInjectedKey)->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace z3
