// Loads arbitrary bytes as a macro file and checks what the loader promises:
// the store never holds more than twelve macros, `current` names one of them
// (or 0), and saving what was loaded and loading it again gives the same
// records byte for byte.
#include "core/io/FileSystem.h"
#include "core/macro/MacroFile.h"
#include "core/macro/MacroFileCodec.h"
#include "core/macro/MacroStore.h"
#include "core/macro/UserMessages.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

namespace {

class MemoryFiles final : public z3::FileSystem {
public:
    std::map<std::string, std::string> files;

    ReadResult readFile(const std::string& path, size_t maxBytes) const override
    {
        const auto found = files.find(path);
        if (found == files.end())
            return {ReadStatus::Missing, {}};
        if (found->second.size() > maxBytes)
            return {ReadStatus::TooLarge, {}};
        return {ReadStatus::Ok, found->second};
    }
    bool writeFileAtomically(const std::string& path, std::string_view bytes) override
    {
        files[path] = std::string(bytes);
        return true;
    }
};

class IgnoredMessages final : public z3::UserMessages {
public:
    void showMessage(std::string_view) override { }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemoryFiles files;
    files.files["/in.dat"] = std::string(reinterpret_cast<const char*>(data), size);
    IgnoredMessages messages;

    z3::MacroStore store;
    z3::loadMacroFile(store, files, "/in.dat", messages);
    const z3::MacroStoreData loaded = store.snapshot();
    if (loaded.count < 0 || loaded.count > z3::MacroStoreData::kMaxMacros)
        std::abort();
    if (loaded.current != (loaded.count > 0 ? loaded.count - 1 : 0))
        std::abort();

    // Saving into the same file keeps its other content; loading it back
    // must give the same records.
    if (!z3::saveMacroFile(store, files, "/in.dat"))
        std::abort();
    z3::MacroStore again;
    z3::loadMacroFile(again, files, "/in.dat", messages);
    const z3::MacroStoreData reloaded = again.snapshot();
    if (reloaded.count != loaded.count)
        std::abort();
    for (int i = 0; i < loaded.count; ++i) {
        if (z3::MacroFileCodec::toFileOrder(reloaded.records[i])
            != z3::MacroFileCodec::toFileOrder(loaded.records[i]))
            std::abort();
    }
    return 0;
}
