#include "core/macro/MacroFile.h"

#include "core/ini/ProfileFile.h"
#include "core/io/FileSystem.h"
#include "core/macro/MacroFileCodec.h"
#include "core/macro/MacroStore.h"
#include "core/macro/UserMessages.h"

namespace z3 {

void loadMacroFile(
    MacroStore& store, const FileSystem& files, const std::string& path, UserMessages& messages)
{
    const FileSystem::ReadResult file = files.readFile(path, ProfileFile::kMaxFileBytes);
    if (file.status != FileSystem::ReadStatus::Ok)
        messages.showMessage(UserMessageText::ConfigFileMissing);
    // A file that could not be read loads as an empty document: no macros.
    const ProfileFile document
        = ProfileFile::parse(file.status == FileSystem::ReadStatus::Ok ? file.bytes : "");
    // Decode outside the lock; the swap-in is one short locked step. Only
    // this thread writes the store, so nothing changes in between.
    MacroStoreData data = store.snapshot();
    MacroFileCodec::readStore(document, data);
    store.replace(data);
}

bool saveMacroFile(const MacroStore& store, FileSystem& files, const std::string& path)
{
    const MacroStoreData data = store.snapshot();
    ProfileFile document = ProfileFile::load(files, path);
    MacroFileCodec::writeStore(document, data);
    return document.save(files, path);
}

} // namespace z3
