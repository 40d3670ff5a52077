// Loading and saving a full macro store (12 macros of 255 steps) through a
// real Macro.dat in a temporary folder, and the text codec alone. The save
// includes the atomic replacement (temporary file, fsync, rename).
#include "BenchFolder.h"
#include "core/macro/MacroFile.h"
#include "core/macro/MacroFileCodec.h"
#include "core/macro/MacroStore.h"
#include "core/macro/UserMessages.h"
#include "platform/posix/PosixFileSystem.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace z3 {
namespace {

class NoMessages final : public UserMessages {
public:
    void showMessage(std::string_view) override { std::abort(); }
};

void fillFullStore(MacroStore& store)
{
    store.modify([](MacroStoreData& data) {
        data.count = MacroStoreData::kMaxMacros;
        for (int i = 0; i < MacroStoreData::kMaxMacros; ++i) {
            MacroRecord& record = data.records[i];
            record.setName(u"宏 macro " + std::u16string(1, static_cast<char16_t>(u'A' + i)));
            record.repeatFlag = 1;
            record.setRepeatCount(static_cast<uint16_t>(1000 + i));
            record.eventCount = 255;
            for (size_t k = 0; k < MacroRecord::kStepSlots; ++k)
                record.setEvent(k,
                    {static_cast<uint8_t>(k), static_cast<uint8_t>(1 + k % 2),
                        static_cast<uint16_t>(k * 257)});
        }
    });
}

void BM_SaveFullMacroFile(benchmark::State& state)
{
    const bench::BenchFolder folder;
    PosixFileSystem files;
    MacroStore store;
    fillFullStore(store);
    for (auto _ : state) {
        if (!saveMacroFile(store, files, folder.file("Macro.dat")))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveFullMacroFile)->Unit(benchmark::kMillisecond);

void BM_LoadFullMacroFile(benchmark::State& state)
{
    const bench::BenchFolder folder;
    PosixFileSystem files;
    MacroStore saved;
    fillFullStore(saved);
    saveMacroFile(saved, files, folder.file("Macro.dat"));
    MacroStore store;
    NoMessages messages;
    for (auto _ : state) {
        loadMacroFile(store, files, folder.file("Macro.dat"), messages);
        benchmark::DoNotOptimize(store.count());
    }
}
BENCHMARK(BM_LoadFullMacroFile)->Unit(benchmark::kMillisecond);

void BM_MacroFileBytesInMemory(benchmark::State& state)
{
    MacroStore store;
    fillFullStore(store);
    const MacroStoreData data = store.snapshot();
    for (auto _ : state)
        benchmark::DoNotOptimize(MacroFileCodec::fileBytes(data));
}
BENCHMARK(BM_MacroFileBytesInMemory)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace z3
