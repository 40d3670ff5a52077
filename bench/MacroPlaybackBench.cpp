// Macro playback timing: 500 steps with 2 ms pauses, played with absolute
// deadlines on the steady clock (ours) and with a naive player that sleeps
// each pause relative to "now", in the same run. The counter `error_ms` is
// how far the end of the playback lies from its nominal 1000 ms.
#include "core/device/MacroPlayback.h"
#include "core/device/WaitClock.h"

#include <benchmark/benchmark.h>
#include <thread>

namespace z3 {
namespace {

constexpr int kSteps = 500;
constexpr int kPauseMs = 2;

class CountingInput final : public HostInput {
public:
    void key(int, KeyDirection) override { ++events; }
    void mouseButton(MouseButton, KeyDirection) override { ++events; }
    int events = 0;
};

MacroRecord benchMacro()
{
    MacroRecord record = MacroRecord::blank();
    // 250 steps in the record, played twice: 500 steps.
    for (size_t k = 0; k < kSteps / 2; ++k)
        record.setEvent(k, {0x41, static_cast<uint8_t>(k % 2 == 0 ? 1 : 2), kPauseMs});
    record.eventCount = kSteps / 2;
    record.repeatFlag = 1;
    record.setRepeatCount(2);
    return record;
}

// The relative-sleep player: sleeps each pause after the step's input.
void playNaively(const MacroRecord& record, HostInput& input)
{
    for (int r = 0; r < record.repeatCount(); ++r) {
        for (size_t k = 0; k < record.eventCount; ++k) {
            const MacroEvent step = record.event(k);
            input.key(step.code, step.action == 1 ? KeyDirection::Down : KeyDirection::Up);
            std::this_thread::sleep_for(std::chrono::milliseconds(step.delayMs));
        }
    }
}

template <typename Player> void measure(benchmark::State& state, Player play)
{
    const MacroRecord record = benchMacro();
    CountingInput input;
    double worst = 0, total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        play(record, input);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        const double error = took.count() - kSteps * kPauseMs;
        worst = std::max(worst, error);
        total += error;
    }
    state.counters["error_ms"] = total / static_cast<double>(state.iterations());
    state.counters["worst_error_ms"] = worst;
}

void BM_MacroPlaybackAbsoluteDeadlines(benchmark::State& state)
{
    SteadyWaitClock clock;
    measure(state, [&](const MacroRecord& r, HostInput& input) { playMacro(r, input, clock); });
}
BENCHMARK(BM_MacroPlaybackAbsoluteDeadlines)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_MacroPlaybackNaiveRelativeSleep(benchmark::State& state)
{
    measure(state, [](const MacroRecord& r, HostInput& input) { playNaively(r, input); });
}
BENCHMARK(BM_MacroPlaybackNaiveRelativeSleep)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
} // namespace z3
