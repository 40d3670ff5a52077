#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace z3 {

// The few file operations core needs, behind an interface so that core stays
// free of OS calls and tests can fail a write on purpose.
class FileSystem {
public:
    enum class ReadStatus {
        Ok,
        Missing,    // no such file
        Unreadable, // a folder, a device, no permission, a read error
        TooLarge,   // larger than the caller's limit
    };
    struct ReadResult {
        ReadStatus status = ReadStatus::Missing;
        std::string bytes;
    };

    virtual ~FileSystem() = default;

    // Reads a whole regular file of at most `maxBytes`. Never blocks on
    // special files (FIFOs, devices are Unreadable).
    virtual ReadResult readFile(const std::string& path, size_t maxBytes) const = 0;

    // Replaces `path` with `bytes` atomically and durably: a temporary file in
    // the same folder, written, synced, renamed over `path`, the folder
    // synced. Returns false on any failure, and then `path` is unchanged.
    virtual bool writeFileAtomically(const std::string& path, std::string_view bytes) = 0;
};

} // namespace z3
