#pragma once

#include <string>

namespace z3 {

class FileSystem;
class MacroStore;
class UserMessages;

// Loads the macro file at `path` into the store: its `count`, `current` and
// first `count` records are replaced, later records are left as they were.
// A file that is missing or cannot be read shows "找不到配置文件" and leaves
// an empty store (count 0, current 0). Callers refresh the macro page
// themselves. User-interface thread.
void loadMacroFile(
    MacroStore& store, const FileSystem& files, const std::string& path, UserMessages& messages);

// Writes the store's count and first `count` records into the macro file at
// `path` (created when absent; other keys and sections of an existing file
// are kept), as one atomic replacement of the file. Returns false when the
// file could not be written; the old file is then unchanged.
bool saveMacroFile(const MacroStore& store, FileSystem& files, const std::string& path);

} // namespace z3
