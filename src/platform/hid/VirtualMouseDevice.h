#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <poll.h>
#include <span>
#include <string>
#include <vector>

namespace z3 {

// The device side of a virtual mouse: publishes its folder (see
// VirtualMouseFolder.h), serves the connections that programs open on it,
// passes their feature reports to a callback and sends input reports to
// every reader. Single-threaded: the owner polls the descriptors it is given
// by appendPollFds() and hands the results to handlePollFds().
class VirtualMouseDevice {
public:
    enum class Collections { Both, Input, Feature, Usage2 };

    struct Options {
        uint16_t inputLength = 8;
        uint16_t featureLength = 8;
        Collections collections = Collections::Both;
        uint16_t vendorId = 0x18F8;
        uint16_t productId = 0x0F99;
        std::string name = "z3";
    };

    using FeatureSink = std::function<void(const std::vector<uint8_t>& report)>;
    using StatusSink = std::function<void(const std::string& message)>;

    VirtualMouseDevice(std::string root, Options options, FeatureSink onFeature, StatusSink onStatus);
    ~VirtualMouseDevice(); // unplugs
    VirtualMouseDevice(const VirtualMouseDevice&) = delete;
    VirtualMouseDevice& operator=(const VirtualMouseDevice&) = delete;

    // Publishes the mouse; programs see an arrival of path(). Returns the
    // reason on failure. Replaces a folder of the same name that a killed
    // mouse left behind; refuses when a living one holds the name.
    std::optional<std::string> plug();
    // Closes every connection and removes the folder; programs see a removal.
    void unplug();
    bool plugged() const { return m_listen >= 0; }
    // The device path programs see: <root>/<name>.
    std::string path() const { return m_root + "/" + m_options.name; }

    // Sends one input report to every open read handle. A reader that has
    // stopped reading loses reports rather than stalling the mouse.
    void sendInput(std::span<const uint8_t> report);

    // The report descriptor the options describe.
    std::vector<uint8_t> descriptor() const;

    void appendPollFds(std::vector<pollfd>& fds) const;
    void handlePollFds(std::span<const pollfd> fds);

private:
    enum class Role { Unknown, Reader, Writer };
    struct Client {
        int fd;
        Role role;
    };

    void acceptClients();
    // False when the client is gone and must be dropped.
    bool serveClient(Client& client);
    void closeClients();
    void removeFolder(const std::string& folder);
    void status(const std::string& message) const;

    std::string m_root;
    Options m_options;
    FeatureSink m_onFeature;
    StatusSink m_onStatus;
    int m_listen = -1;
    int m_lock = -1;
    std::vector<Client> m_clients;
    std::vector<uint8_t> m_packet;
};

} // namespace z3
