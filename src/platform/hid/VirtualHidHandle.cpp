#include "platform/hid/VirtualHidHandle.h"

#include "platform/hid/VirtualMouseFolder.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace z3 {
namespace {

using Clock = std::chrono::steady_clock;

// How long a feature report may wait for the mouse to take it.
constexpr auto kAckTimeout = std::chrono::seconds(2);

int pollMs(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, INT_MAX));
}

Clock::time_point deadlineAfter(std::chrono::milliseconds timeout)
{
    const auto now = Clock::now();
    const auto room = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::time_point::max() - now);
    return now + std::clamp(timeout, std::chrono::milliseconds(0), room);
}

} // namespace

std::unique_ptr<VirtualHidHandle> VirtualHidHandle::connect(const std::string& socketPath, HidAccess access)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path)
        return nullptr;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return nullptr;
    const uint8_t hello = access == HidAccess::Read ? virtualmouse::kHelloRead : virtualmouse::kHelloWrite;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        || send(fd, &hello, 1, MSG_NOSIGNAL) != 1) {
        ::close(fd);
        return nullptr;
    }
    const int stopFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (stopFd < 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<VirtualHidHandle>(new VirtualHidHandle(fd, stopFd, access));
}

VirtualHidHandle::VirtualHidHandle(int socketFd, int stopFd, HidAccess access)
    : m_socket(socketFd)
    , m_stopEvent(stopFd)
    , m_access(access)
    , m_packet(virtualmouse::kMaxReportBytes + 1)
{ }

VirtualHidHandle::~VirtualHidHandle()
{
    ::close(m_socket);
    ::close(m_stopEvent);
}

bool VirtualHidHandle::sendFeatureReport(std::span<const uint8_t> report)
{
    if (m_access != HidAccess::Write || report.empty() || report.size() > virtualmouse::kMaxReportBytes)
        return false;
    m_packet[0] = virtualmouse::kFeature;
    std::copy(report.begin(), report.end(), m_packet.begin() + 1);
    const auto size = static_cast<ssize_t>(report.size() + 1);
    if (send(m_socket, m_packet.data(), static_cast<size_t>(size), MSG_NOSIGNAL) != size)
        return false;
    // The mouse answers once the report is taken (and printed), so a send
    // that returns true has reached it.
    const auto deadline = Clock::now() + kAckTimeout;
    for (;;) {
        pollfd fd{m_socket, POLLIN, 0};
        const int ready = poll(&fd, 1, pollMs(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        uint8_t answer = 0;
        const ssize_t got = recv(m_socket, &answer, 1, 0);
        if (got < 0 && errno == EINTR)
            continue;
        return got == 1 && answer == virtualmouse::kAck;
    }
}

HidReadResult VirtualHidHandle::readInputReport(std::span<uint8_t> buffer, std::chrono::milliseconds timeout)
{
    if (m_access != HidAccess::Read)
        return {HidReadStatus::Failed, 0};
    const auto deadline = deadlineAfter(timeout);
    for (;;) {
        if (m_stopped.load())
            return {HidReadStatus::Stopped, 0};
        pollfd fds[2] = {{m_socket, POLLIN, 0}, {m_stopEvent, POLLIN, 0}};
        const int ready = poll(fds, 2, pollMs(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            return {HidReadStatus::Failed, 0};
        if (m_stopped.load())
            return {HidReadStatus::Stopped, 0};
        if (ready == 0)
            return {HidReadStatus::Timeout, 0};
        const ssize_t got = recv(m_socket, m_packet.data(), m_packet.size(), MSG_DONTWAIT);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0)
            return {HidReadStatus::Failed, 0}; // the mouse unplugged or died
        if (m_packet[0] != virtualmouse::kInput)
            continue;
        const std::size_t length = std::min(buffer.size(), static_cast<std::size_t>(got) - 1);
        std::copy_n(m_packet.begin() + 1, length, buffer.begin());
        return {HidReadStatus::Report, length};
    }
}

void VirtualHidHandle::stopReading()
{
    m_stopped.store(true);
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(m_stopEvent, &one, sizeof one);
}

} // namespace z3
