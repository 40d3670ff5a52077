#pragma once

#include "core/io/FileSystem.h"

namespace z3 {

// FileSystem on POSIX calls: O_NONBLOCK opens with fstat checks for reading,
// mkstemp + fsync + rename + fsync(folder) for writing.
class PosixFileSystem final : public FileSystem {
public:
    ReadResult readFile(const std::string& path, size_t maxBytes) const override;
    bool writeFileAtomically(const std::string& path, std::string_view bytes) override;
};

} // namespace z3
