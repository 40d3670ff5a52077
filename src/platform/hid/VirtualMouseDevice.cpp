#include "platform/hid/VirtualMouseDevice.h"

#include "core/device/ReportDescriptorBuilder.h"
#include "platform/hid/VirtualMouseFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace z3 {
namespace {

constexpr std::size_t kMaxClients = 64;
constexpr uint8_t kInputReportId = 6;
constexpr uint8_t kFeatureReportId = 7;

bool writeFile(const std::string& path, std::span<const uint8_t> bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    return ::close(fd) == 0 && ok;
}

std::string errnoText(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

} // namespace

VirtualMouseDevice::VirtualMouseDevice(
    std::string root, Options options, FeatureSink onFeature, StatusSink onStatus)
    : m_root(std::move(root))
    , m_options(std::move(options))
    , m_onFeature(std::move(onFeature))
    , m_onStatus(std::move(onStatus))
    , m_packet(virtualmouse::kMaxReportBytes + 1)
{ }

VirtualMouseDevice::~VirtualMouseDevice()
{
    unplug();
}

std::vector<uint8_t> VirtualMouseDevice::descriptor() const
{
    using Kind = ReportDescriptorBuilder::ReportKind;
    const Collections c = m_options.collections;
    ReportDescriptorBuilder builder;
    if (c != Collections::Feature) {
        builder.beginCollection(0xFF00, c == Collections::Usage2 ? 2 : 1);
        if (m_options.inputLength > 0)
            builder.report(Kind::Input, kInputReportId, m_options.inputLength - 1u);
        builder.endCollection();
    }
    if (c != Collections::Input) {
        builder.beginCollection(0xFF01, 1);
        if (m_options.featureLength > 0)
            builder.report(Kind::Feature, kFeatureReportId, m_options.featureLength - 1u);
        builder.endCollection();
    }
    return builder.bytes();
}

std::optional<std::string> VirtualMouseDevice::plug()
{
    if (plugged())
        return std::nullopt;
    if (!virtualmouse::isValidName(m_options.name))
        return "bad name '" + m_options.name + "': use letters, digits, '_', '-' and inner '.'";
    if (auto problem = virtualmouse::ensurePrivateRoot(m_root))
        return problem;
    const std::string target = path();
    const std::string staging = m_root + "/." + m_options.name + "." + std::to_string(getpid()) + ".plug";
    const std::string socketPath = staging + "/" + std::string(virtualmouse::kSocketFile);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path || target.size() + 8 >= sizeof address.sun_path)
        return "folder path too long for a socket: " + target;

    struct stat st { };
    if (lstat(target.c_str(), &st) == 0) {
        if (virtualmouse::isAlive(target))
            return "a virtual mouse named '" + m_options.name + "' is already plugged";
        status("removing what a stopped virtual mouse left at " + target);
        removeFolder(target);
    }

    removeFolder(staging);
    if (mkdir(staging.c_str(), 0700) != 0)
        return errnoText("cannot create " + staging);
    auto fail = [&](const std::string& why) -> std::optional<std::string> {
        if (m_listen >= 0)
            ::close(m_listen);
        if (m_lock >= 0)
            ::close(m_lock);
        m_listen = m_lock = -1;
        removeFolder(staging);
        return why;
    };
    const std::string lockPath = staging + "/" + std::string(virtualmouse::kLockFile);
    m_lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (m_lock < 0 || flock(m_lock, LOCK_EX | LOCK_NB) != 0)
        return fail(errnoText("cannot lock " + lockPath));
    const std::string ids = virtualmouse::formatIds(m_options.vendorId, m_options.productId);
    if (!writeFile(staging + "/" + std::string(virtualmouse::kIdsFile),
            {reinterpret_cast<const uint8_t*>(ids.data()), ids.size()})
        || !writeFile(staging + "/" + std::string(virtualmouse::kDescriptorFile), descriptor()))
        return fail(errnoText("cannot write the mouse's files in " + staging));

    m_listen = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    if (m_listen < 0 || bind(m_listen, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        || listen(m_listen, 16) != 0)
        return fail(errnoText("cannot listen on " + socketPath));
    // One rename makes the whole folder appear at once.
    if (rename(staging.c_str(), target.c_str()) != 0)
        return fail(errnoText("cannot publish " + target));
    status("plugged " + target);
    return std::nullopt;
}

void VirtualMouseDevice::unplug()
{
    if (!plugged())
        return;
    closeClients();
    ::close(m_listen);
    m_listen = -1;
    // Moving the folder away is the one event watchers see as the removal.
    const std::string gone = m_root + "/." + m_options.name + "." + std::to_string(getpid()) + ".gone";
    removeFolder(gone);
    if (rename(path().c_str(), gone.c_str()) == 0)
        removeFolder(gone);
    else
        removeFolder(path());
    ::close(m_lock);
    m_lock = -1;
    status("unplugged " + path());
}

void VirtualMouseDevice::removeFolder(const std::string& folder)
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored); // does not follow symbolic links
}

void VirtualMouseDevice::sendInput(std::span<const uint8_t> report)
{
    if (!plugged() || report.size() > virtualmouse::kMaxReportBytes)
        return;
    m_packet[0] = virtualmouse::kInput;
    std::copy(report.begin(), report.end(), m_packet.begin() + 1);
    const std::size_t size = report.size() + 1;
    std::erase_if(m_clients, [&](const Client& client) {
        if (client.role != Role::Reader)
            return false;
        if (send(client.fd, m_packet.data(), size, MSG_DONTWAIT | MSG_NOSIGNAL) == static_cast<ssize_t>(size))
            return false;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            status("a reader is not reading: input report dropped");
            return false;
        }
        ::close(client.fd);
        return true;
    });
}

void VirtualMouseDevice::appendPollFds(std::vector<pollfd>& fds) const
{
    if (m_listen >= 0)
        fds.push_back({m_listen, POLLIN, 0});
    for (const Client& client : m_clients)
        fds.push_back({client.fd, POLLIN, 0});
}

void VirtualMouseDevice::handlePollFds(std::span<const pollfd> fds)
{
    for (const pollfd& fd : fds) {
        if (fd.revents == 0)
            continue;
        if (fd.fd == m_listen && m_listen >= 0) {
            acceptClients();
            continue;
        }
        const auto client = std::ranges::find_if(m_clients, [&](const Client& c) { return c.fd == fd.fd; });
        if (client != m_clients.end() && !serveClient(*client)) {
            ::close(client->fd);
            m_clients.erase(client);
        }
    }
}

void VirtualMouseDevice::acceptClients()
{
    for (;;) {
        const int fd = accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        if (m_clients.size() >= kMaxClients) {
            status("too many open handles: connection refused");
            ::close(fd);
            continue;
        }
        m_clients.push_back({fd, Role::Unknown});
    }
}

bool VirtualMouseDevice::serveClient(Client& client)
{
    for (;;) {
        // MSG_TRUNC gives the packet's real size, so an oversized one is
        // seen as the protocol error it is rather than read cut short.
        const ssize_t got = recv(client.fd, m_packet.data(), m_packet.size(), MSG_DONTWAIT | MSG_TRUNC);
        if (got < 0)
            return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        if (got == 0 || static_cast<std::size_t>(got) > m_packet.size())
            return false;
        const uint8_t tag = m_packet[0];
        if (client.role == Role::Unknown) {
            if (got != 1 || (tag != virtualmouse::kHelloRead && tag != virtualmouse::kHelloWrite))
                return false;
            client.role = tag == virtualmouse::kHelloRead ? Role::Reader : Role::Writer;
            continue;
        }
        if (client.role != Role::Writer || tag != virtualmouse::kFeature || got < 2)
            continue;
        m_onFeature(std::vector<uint8_t>(m_packet.begin() + 1, m_packet.begin() + got));
        const uint8_t ack = virtualmouse::kAck;
        if (send(client.fd, &ack, 1, MSG_DONTWAIT | MSG_NOSIGNAL) != 1)
            return false;
    }
}

void VirtualMouseDevice::closeClients()
{
    for (const Client& client : m_clients)
        ::close(client.fd);
    m_clients.clear();
}

void VirtualMouseDevice::status(const std::string& message) const
{
    if (m_onStatus)
        m_onStatus(message);
}

} // namespace z3
