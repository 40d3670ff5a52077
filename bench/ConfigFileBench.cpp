// The file work of an apply (CurConfig, the applied-state section and the
// profile section) as one atomic save, against rewriting the file once per
// key the way the Windows profile-string functions do; and loading a
// profile. All on a real config.ini holding every section.
#include "BenchFolder.h"
#include "core/config/ConfigStore.h"
#include "platform/posix/PosixFileSystem.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace z3 {
namespace {

// A config.ini holding every section, as a long-used program folder has.
std::string writeFullConfig(const bench::BenchFolder& folder)
{
    const std::string path = folder.file("config.ini");
    std::ofstream out(path);
    out << "[Init]\r\nCurConfig=1\r\n";
    for (const char* prefix : {"Config", "CfgReset"}) {
        for (int n = 1; n <= 7; ++n) {
            out << "[" << prefix << n << "]\r\n";
            for (int k = 1; k <= 6; ++k)
                out << "K" << k << "=" << k << "\r\n";
            out << "DPI_LEVEL=0\r\nWHEEL_STATUS=0\r\n";
            for (int s = 1; s <= 4; ++s)
                out << "DPI_SET" << s << "=" << s << "\r\nDPI_SET_EN" << s << "=1\r\n";
            out << "LED_STATUS=0\r\n";
        }
    }
    return path;
}

ConfigModel sampleModel()
{
    ConfigModel model;
    model.profileIndex = 2;
    for (int button = 1; button <= kButtonCount; ++button)
        model.buttonFunctionCode[button] = 30 + button;
    for (int stage = 1; stage <= kStageCount; ++stage) {
        model.dpiStageValue[stage] = static_cast<uint8_t>(stage);
        model.dpiStageEnabled[stage] = 1;
    }
    return model;
}

void BM_ApplyFileWorkOneSave(benchmark::State& state)
{
    const bench::BenchFolder folder;
    PosixFileSystem files;
    ConfigStore store(files, writeFullConfig(folder));
    const ConfigModel model = sampleModel();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.recordApply(model, model));
}
BENCHMARK(BM_ApplyFileWorkOneSave)->Unit(benchmark::kMicrosecond);

// The same writes, each as its own read-modify-write of the whole file.
void BM_ApplyFileWorkPerKeyRewrite(benchmark::State& state)
{
    const bench::BenchFolder folder;
    PosixFileSystem files;
    ConfigStore store(files, writeFullConfig(folder));
    const ConfigModel model = sampleModel();
    for (auto _ : state) {
        store.update([&](ProfileFile& file) { writeCurConfig(file, model.profileIndex); });
        for (const int section : {kAppliedStateSection, 2}) {
            // Record every key write of a section store, then replay each
            // one as a separate save.
            ProfileFile recorder;
            storeProfileSection(model, recorder, section);
            const std::string name = profileSectionName(section);
            for (const auto& key : recorder.keys(name)) {
                const std::string value = recorder.read(name, key, 16);
                store.update([&](ProfileFile& file) { file.write(name, key, value); });
            }
        }
    }
}
BENCHMARK(BM_ApplyFileWorkPerKeyRewrite)->Unit(benchmark::kMicrosecond);

void BM_LoadProfile(benchmark::State& state)
{
    const bench::BenchFolder folder;
    PosixFileSystem files;
    ConfigStore store(files, writeFullConfig(folder));
    ConfigModel model;
    for (auto _ : state) {
        store.loadProfile(model, 3);
        benchmark::DoNotOptimize(model.dpiLevel.load());
    }
}
BENCHMARK(BM_LoadProfile)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace z3
