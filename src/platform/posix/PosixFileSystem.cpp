#include "platform/posix/PosixFileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace z3 {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    { }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now and reports whether the close succeeded (it can report a
    // delayed write error).
    bool closeChecked()
    {
        const int fd = m_fd;
        m_fd = -1;
        return close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    const auto cut = path.rfind('/');
    if (cut == std::string::npos)
        return ".";
    return cut == 0 ? "/" : path.substr(0, cut);
}

} // namespace

FileSystem::ReadResult PosixFileSystem::readFile(const std::string& path, size_t maxBytes) const
{
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0)
        return {errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable, {}};
    struct stat info { };
    if (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {ReadStatus::Unreadable, {}};
    if (static_cast<unsigned long long>(info.st_size) > maxBytes)
        return {ReadStatus::TooLarge, {}};

    ReadResult result{ReadStatus::Ok, {}};
    result.bytes.resize(static_cast<size_t>(info.st_size));
    size_t filled = 0;
    // The file may change size while we read: stop at end of file, and never
    // read past the limit.
    for (;;) {
        if (filled == result.bytes.size()) {
            if (result.bytes.size() >= maxBytes)
                break;
            result.bytes.resize(std::min(maxBytes, result.bytes.size() + 4096));
        }
        const ssize_t got = read(file.get(), result.bytes.data() + filled, result.bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return {ReadStatus::Unreadable, {}};
        }
        if (got == 0)
            break;
        filled += static_cast<size_t>(got);
    }
    result.bytes.resize(filled);
    return result;
}

bool PosixFileSystem::writeFileAtomically(const std::string& path, std::string_view bytes)
{
    std::string temporary = path + ".XXXXXX";
    FileDescriptor file(mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0)
        return false;

    // Keep the old file's permissions; a new file gets the usual 0644.
    struct stat old { };
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    const bool written = fchmod(file.get(), mode) == 0 && writeAll(file.get(), bytes)
        && fsync(file.get()) == 0 && file.closeChecked();
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable.
    FileDescriptor folder(open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        fsync(folder.get());
    return true;
}

} // namespace z3
