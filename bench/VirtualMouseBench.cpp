// Round trips through the virtual mouse: what an apply pays per feature
// report, and how fast an input report reaches a blocked reader.
#include "platform/hid/VirtualHidTransport.h"
#include "platform/hid/VirtualMouseDevice.h"

#include <array>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace {

// A plugged virtual mouse served on its own thread in a private root.
class ServedMouse {
public:
    ServedMouse()
        : m_root(makeRoot())
        , m_device(
              m_root, z3::VirtualMouseDevice::Options{}, [](const std::vector<uint8_t>&) {}, nullptr)
    {
        m_device.plug();
        m_thread = std::thread([this] {
            std::vector<pollfd> fds;
            while (!m_stop) {
                fds.clear();
                m_device.appendPollFds(fds);
                if (poll(fds.data(), fds.size(), 5) > 0)
                    m_device.handlePollFds(fds);
            }
        });
    }
    ~ServedMouse()
    {
        m_stop = true;
        m_thread.join();
        m_device.unplug();
        std::filesystem::remove_all(std::filesystem::path(m_root).parent_path());
    }
    const std::string& root() const { return m_root; }
    std::string path() const { return m_device.path(); }

private:
    static std::string makeRoot()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "z3bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern + "/mice";
    }

    std::string m_root;
    z3::VirtualMouseDevice m_device;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

void BM_VirtualMouseFeatureReport(benchmark::State& state)
{
    ServedMouse mouse;
    z3::VirtualHidTransport transport(mouse.root());
    const auto writer = transport.open(mouse.path(), z3::HidAccess::Write);
    const std::array<uint8_t, 8> report{7, 0x10, 1, 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(writer->sendFeatureReport(report));
}
BENCHMARK(BM_VirtualMouseFeatureReport)->Unit(benchmark::kMicrosecond);

void BM_VirtualMouseEnumerate(benchmark::State& state)
{
    ServedMouse mouse;
    z3::VirtualHidTransport transport(mouse.root());
    for (auto _ : state)
        benchmark::DoNotOptimize(transport.enumerate());
}
BENCHMARK(BM_VirtualMouseEnumerate)->Unit(benchmark::kMicrosecond);

} // namespace
