#include "platform/hid/VirtualMouseFolder.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace z3::virtualmouse {

std::string rootPath()
{
    if (const char* dir = std::getenv("Z3_VIRTUAL_MOUSE_DIR"); dir && *dir)
        return dir;
    return "/tmp/z3-virtual-mouse-" + std::to_string(getuid());
}

std::optional<std::string> ensurePrivateRoot(const std::string& root)
{
    if (mkdir(root.c_str(), 0700) != 0 && errno != EEXIST)
        return "cannot create " + root + ": " + std::strerror(errno);
    struct stat st { };
    if (lstat(root.c_str(), &st) != 0)
        return "cannot inspect " + root + ": " + std::strerror(errno);
    if (!S_ISDIR(st.st_mode))
        return root + " is not a folder";
    if (st.st_uid != getuid())
        return root + " belongs to another user";
    if ((st.st_mode & 077) != 0)
        return root + " is open to other users";
    return std::nullopt;
}

bool isValidName(std::string_view name)
{
    if (name.empty() || name.size() > kMaxNameLength || name.front() == '.')
        return false;
    for (char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'
            || c == '-' || c == '.';
        if (!ok)
            return false;
    }
    return true;
}

bool isAlive(const std::string& folder)
{
    const std::string lock = folder + "/" + std::string(kLockFile);
    const int fd = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    // A shared lock is refused while the mouse holds its exclusive one.
    const bool held = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd); // also drops a shared lock taken just now
    return held;
}

std::string formatIds(uint16_t vendorId, uint16_t productId)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04X %04X\n", vendorId, productId);
    return text;
}

std::optional<std::pair<uint16_t, uint16_t>> parseIds(std::string_view text)
{
    uint16_t ids[2]{};
    const char* pos = text.data();
    const char* end = text.data() + text.size();
    for (uint16_t& id : ids) {
        while (pos < end && *pos == ' ')
            ++pos;
        const auto [next, ec] = std::from_chars(pos, end, id, 16);
        if (ec != std::errc() || next == pos)
            return std::nullopt;
        pos = next;
    }
    return std::pair(ids[0], ids[1]);
}

} // namespace z3::virtualmouse
