// z3-virtual-mouse: behaves like a plugged-in Zerrat Z3 for every program of
// the same user. Standard output carries only one `feature ...` line per
// feature report received; status goes to standard error. Standard input
// takes `press N`, `arm`, `input HH ..`, `unplug`, `plug` and `quit`.
#include "platform/hid/VirtualMouseCommand.h"
#include "platform/hid/VirtualMouseDevice.h"
#include "platform/hid/VirtualMouseFolder.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <iostream>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/signalfd.h>
#include <unistd.h>
#include <vector>

namespace {

using z3::VirtualMouseDevice;
namespace vm = z3::virtualmouse;

constexpr std::size_t kMaxLineBytes = 1 << 20;

void status(const std::string& message)
{
    std::cerr << "z3-virtual-mouse: " << message << std::endl;
}

void usage()
{
    std::cerr << "usage: z3-virtual-mouse [--input-length N] [--feature-length N]\n"
                 "         [--collections both|input|feature|usage2] [--vendor HEX] [--product HEX]\n"
                 "         [--name NAME]\n"
                 "stdin: press N | arm | input HH HH .. | unplug | plug | quit\n";
}

// Writes all of `text` to standard output at once, unbuffered.
void writeOut(const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // nobody reads standard output any more: the mouse goes on
        done += static_cast<std::size_t>(n);
    }
}

bool parseUnsigned(std::string_view text, uint16_t& value, int base)
{
    if (base == 16 && (text.starts_with("0x") || text.starts_with("0X")))
        text.remove_prefix(2);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

bool parseOptions(int argc, char** argv, VirtualMouseDevice::Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (i + 1 >= argc) {
            status("missing value for " + std::string(option));
            return false;
        }
        const std::string_view value = argv[++i];
        bool ok = true;
        if (option == "--input-length")
            ok = parseUnsigned(value, options.inputLength, 10);
        else if (option == "--feature-length")
            ok = parseUnsigned(value, options.featureLength, 10);
        else if (option == "--vendor")
            ok = parseUnsigned(value, options.vendorId, 16);
        else if (option == "--product")
            ok = parseUnsigned(value, options.productId, 16);
        else if (option == "--name") {
            options.name = value;
            ok = vm::isValidName(value);
        } else if (option == "--collections") {
            using C = VirtualMouseDevice::Collections;
            if (value == "both")
                options.collections = C::Both;
            else if (value == "input")
                options.collections = C::Input;
            else if (value == "feature")
                options.collections = C::Feature;
            else if (value == "usage2")
                options.collections = C::Usage2;
            else
                ok = false;
        } else {
            status("unknown option " + std::string(option));
            return false;
        }
        if (!ok) {
            status("bad value for " + std::string(option) + ": " + std::string(value));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        usage();
        return 0;
    }
    VirtualMouseDevice::Options options;
    if (!parseOptions(argc, argv, options)) {
        usage();
        return 2;
    }
    // SIGTERM and SIGINT arrive through a descriptor, so the loop can unplug
    // cleanly; a closed standard output must not kill the mouse.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGHUP);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    const int signalFd = signalfd(-1, &stopSignals, SFD_CLOEXEC);
    if (signalFd < 0) {
        status(std::string("signalfd: ") + std::strerror(errno));
        return 1;
    }

    const std::size_t inputLength = options.inputLength;
    VirtualMouseDevice mouse(
        vm::rootPath(), options,
        [](const std::vector<uint8_t>& report) { writeOut(vm::featureLine(report)); }, status);
    if (auto problem = mouse.plug()) {
        status(*problem);
        return 1;
    }

    bool stdinOpen = true;
    bool running = true;
    std::string pending;
    std::vector<pollfd> fds;
    while (running) {
        fds.clear();
        fds.push_back({signalFd, POLLIN, 0});
        fds.push_back({stdinOpen ? STDIN_FILENO : -1, POLLIN, 0});
        mouse.appendPollFds(fds);
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            status(std::string("poll: ") + std::strerror(errno));
            break;
        }
        if (fds[0].revents != 0)
            break; // SIGTERM, SIGINT or SIGHUP
        mouse.handlePollFds(std::span(fds).subspan(2));
        if (fds[1].revents == 0)
            continue;
        char chunk[4096];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            stdinOpen = false; // end of input does not end the mouse
            continue;
        }
        pending.append(chunk, static_cast<std::size_t>(got));
        std::size_t newline;
        while (running && (newline = pending.find('\n')) != std::string::npos) {
            const std::string line = pending.substr(0, newline);
            pending.erase(0, newline + 1);
            if (line.find_first_not_of(" \t\r") == std::string::npos)
                continue;
            std::string error;
            const auto command = vm::parseCommand(line, inputLength, error);
            if (!command) {
                status(error);
                continue;
            }
            using Type = vm::Command::Type;
            switch (command->type) {
            case Type::Input:
                if (!mouse.plugged())
                    status("unplugged: input report not sent");
                mouse.sendInput(command->report);
                break;
            case Type::Unplug:
                mouse.unplug();
                break;
            case Type::Plug:
                if (auto problem = mouse.plug())
                    status(*problem);
                break;
            case Type::Quit:
                running = false;
                break;
            }
        }
        if (pending.size() > kMaxLineBytes) {
            status("line too long: dropped");
            pending.clear();
        }
    }
    mouse.unplug();
    return 0;
}
