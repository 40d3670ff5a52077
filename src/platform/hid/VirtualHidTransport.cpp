#include "platform/hid/VirtualHidTransport.h"

#include "core/device/ReportDescriptor.h"
#include "platform/hid/VirtualHidHandle.h"
#include "platform/hid/VirtualMouseFolder.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace z3 {
namespace {

// Reads at most `limit` bytes; nullopt when the file is missing, not a
// regular file or longer than the limit.
std::optional<std::vector<uint8_t>> readSmallFile(const std::string& path, std::size_t limit)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st { };
    std::vector<uint8_t> bytes(limit + 1);
    std::size_t total = 0;
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    while (ok && total < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + total, bytes.size() - total);
        if (got < 0)
            ok = false;
        if (got <= 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (!ok || total > limit)
        return std::nullopt;
    bytes.resize(total);
    return bytes;
}

std::vector<std::string> sortedNames(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = readdir(dir)) {
        if (virtualmouse::isValidName(entry->d_name))
            names.emplace_back(entry->d_name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

VirtualHidTransport::VirtualHidTransport(std::string root)
    : m_root(std::move(root))
{ }

bool VirtualHidTransport::rootIsPrivate() const
{
    struct stat st { };
    return lstat(m_root.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid()
        && (st.st_mode & 077) == 0;
}

bool VirtualHidTransport::isMouseFolder(const std::string& path) const
{
    const std::string prefix = m_root + "/";
    if (!path.starts_with(prefix) || !virtualmouse::isValidName(std::string_view(path).substr(prefix.size())))
        return false;
    struct stat st { };
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid();
}

std::vector<HidCollectionEntry> VirtualHidTransport::enumerate()
{
    std::vector<HidCollectionEntry> entries;
    if (!rootIsPrivate())
        return entries;
    for (const std::string& name : sortedNames(m_root)) {
        const std::string folder = m_root + "/" + name;
        if (!isMouseFolder(folder) || !virtualmouse::isAlive(folder))
            continue;
        const auto ids = readSmallFile(folder + "/" + std::string(virtualmouse::kIdsFile), 64);
        const auto descriptor = readSmallFile(
            folder + "/" + std::string(virtualmouse::kDescriptorFile), virtualmouse::kMaxDescriptorBytes);
        if (!ids || !descriptor)
            continue;
        const auto parsedIds = virtualmouse::parseIds(
            std::string_view(reinterpret_cast<const char*>(ids->data()), ids->size()));
        if (!parsedIds)
            continue;
        for (const TopLevelCollection& c : parseReportDescriptor(*descriptor)) {
            entries.push_back({folder, parsedIds->first, parsedIds->second, c.usagePage, c.usage,
                c.inputReportLength, c.featureReportLength});
        }
    }
    return entries;
}

std::unique_ptr<HidHandle> VirtualHidTransport::open(const std::string& path, HidAccess access)
{
    if (!rootIsPrivate() || !isMouseFolder(path))
        return nullptr;
    return VirtualHidHandle::connect(path + "/" + std::string(virtualmouse::kSocketFile), access);
}

} // namespace z3
