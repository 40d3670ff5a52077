#pragma once

#include "core/device/HidTransport.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace z3 {

// One open collection of a virtual mouse: a connection to its socket.
// Reads wait in poll() on the socket and an eventfd, so stopReading() wakes
// a blocked reader at once. A mouse that unplugs or dies closes the
// connection: reads and sends then fail.
class VirtualHidHandle : public HidHandle {
public:
    // Connects to the mouse's socket and announces the access; nullptr when
    // nobody listens there.
    static std::unique_ptr<VirtualHidHandle> connect(const std::string& socketPath, HidAccess access);
    ~VirtualHidHandle() override;

    bool sendFeatureReport(std::span<const uint8_t> report) override;
    HidReadResult readInputReport(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) override;
    void stopReading() override;

private:
    VirtualHidHandle(int socketFd, int stopFd, HidAccess access);

    const int m_socket;
    const int m_stopEvent;
    const HidAccess m_access;
    std::atomic<bool> m_stopped{false};
    std::vector<uint8_t> m_packet; // used by the one thread inside a call
};

} // namespace z3
