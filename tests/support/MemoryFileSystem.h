#pragma once

#include "core/io/FileSystem.h"

#include <map>
#include <string>

namespace z3::test {

// An in-memory FileSystem that counts writes and can be told to fail them,
// for the error paths of code that saves files.
class MemoryFileSystem final : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, ReadStatus> brokenReads; // path -> status to report
    bool failWrites = false;
    int writes = 0;

    ReadResult readFile(const std::string& path, size_t maxBytes) const override
    {
        if (auto broken = brokenReads.find(path); broken != brokenReads.end())
            return {broken->second, {}};
        auto found = files.find(path);
        if (found == files.end())
            return {ReadStatus::Missing, {}};
        if (found->second.size() > maxBytes)
            return {ReadStatus::TooLarge, {}};
        return {ReadStatus::Ok, found->second};
    }

    bool writeFileAtomically(const std::string& path, std::string_view bytes) override
    {
        ++writes;
        if (failWrites)
            return false;
        files[path] = std::string(bytes);
        return true;
    }
};

} // namespace z3::test
