#include "platform/instance/SingleInstance.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace z3 {
namespace {

constexpr char kRestoreRequest[] = "restore\n";
constexpr int kReplyWaitMs = 1000;
constexpr int kRequestWaitMs = 200;

// Fills an abstract-namespace address: sun_path starts with NUL and the
// name follows without a terminator.
socklen_t abstractAddress(const QByteArray& name, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const auto length = std::min<size_t>(name.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.constData(), length);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

} // namespace

QString SingleInstance::socketName(const QString& name)
{
    return name + QLatin1Char('-') + QString::number(getuid());
}

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent)
    , m_name(name)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    sockaddr_un address;
    const socklen_t length = abstractAddress(socketName(name).toUtf8(), address);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd, 8) != 0) {
        close(fd);
        return;
    }
    m_listenFd = fd;
}

void SingleInstance::startListening()
{
    if (m_listenFd < 0 || m_notifier)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(m_listenFd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SingleInstance::acceptPending);
}

SingleInstance::~SingleInstance()
{
    m_notifier.reset();
    if (m_listenFd >= 0)
        close(m_listenFd);
}

bool SingleInstance::askFirstToRestore() const
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un address;
    const socklen_t length = abstractAddress(socketName(m_name).toUtf8(), address);
    bool sent = ::connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0
        && send(fd, kRestoreRequest, sizeof kRestoreRequest - 1, MSG_NOSIGNAL)
            == static_cast<ssize_t>(sizeof kRestoreRequest - 1);
    if (sent) {
        // Wait briefly for the first copy to close its end, so that the
        // request has been read before this process exits.
        pollfd waiter{fd, POLLIN, 0};
        poll(&waiter, 1, kReplyWaitMs);
    }
    close(fd);
    return sent;
}

void SingleInstance::acceptPending()
{
    for (;;) {
        const int client = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            return;
        // Only a copy of the same user may restore this window: the abstract
        // namespace has no file permissions, so check the peer's credentials.
        ucred peer{};
        socklen_t peerLength = sizeof peer;
        const bool sameUser
            = getsockopt(client, SOL_SOCKET, SO_PEERCRED, &peer, &peerLength) == 0 && peer.uid == getuid();
        char request[sizeof kRestoreRequest] = {};
        pollfd waiter{client, POLLIN, 0};
        const bool readable = poll(&waiter, 1, kRequestWaitMs) > 0;
        const ssize_t got = readable ? recv(client, request, sizeof request - 1, 0) : -1;
        close(client);
        if (sameUser && got > 0 && std::strcmp(request, kRestoreRequest) == 0)
            emit restoreRequested();
    }
}

} // namespace z3
