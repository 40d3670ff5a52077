#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace z3::virtualmouse {

// Where virtual mice publish themselves, and what each one publishes.
//
// Every running, plugged virtual mouse owns one folder <root>/<name>/ with
//   lock        held with an exclusive flock for as long as the mouse lives
//   socket      a SOCK_SEQPACKET socket; one connection per open handle
//   ids         "VVVV PPPP\n": vendor and product id in hex
//   descriptor  its HID report descriptor (binary)
// The folder is prepared under a dot-name and renamed into place, so a
// watcher of <root> sees a plug as one entry moved in, and an unplug as the
// entry moved out. The folder name, a full path, is the device path.
// A folder whose lock nobody holds was left by a killed mouse: it is ignored.

inline constexpr std::string_view kLockFile = "lock";
inline constexpr std::string_view kSocketFile = "socket";
inline constexpr std::string_view kIdsFile = "ids";
inline constexpr std::string_view kDescriptorFile = "descriptor";
inline constexpr std::size_t kMaxDescriptorBytes = 4096;
inline constexpr std::size_t kMaxNameLength = 64;

// Packets on the socket. The first byte is the tag, the rest the payload.
inline constexpr uint8_t kHelloRead = 'R';  // client -> mouse, first packet: a read handle
inline constexpr uint8_t kHelloWrite = 'W'; // client -> mouse, first packet: a write handle
inline constexpr uint8_t kFeature = 'F';    // client -> mouse: one feature report
inline constexpr uint8_t kAck = 'A';        // mouse -> client: the feature report was taken
inline constexpr uint8_t kInput = 'I';      // mouse -> reader: one input report
// Largest report carried (the tag byte comes on top).
inline constexpr std::size_t kMaxReportBytes = 65536;

// The per-user root: $Z3_VIRTUAL_MOUSE_DIR when set (tests use it to keep
// their mice apart), else /tmp/z3-virtual-mouse-<uid>.
std::string rootPath();

// Creates the root when missing (mode 0700) and checks that it is a real
// folder owned by this user that nobody else can enter. On failure returns
// the reason, on success nullopt.
std::optional<std::string> ensurePrivateRoot(const std::string& root);

// Names are [A-Za-z0-9_-] with inner dots, not starting with a dot, at most
// 64 characters, so that they never leave the root or collide with the
// dot-names of folders being prepared or removed.
bool isValidName(std::string_view name);

// True while a living mouse holds the folder's lock.
bool isAlive(const std::string& folder);

// "VVVV PPPP\n" and back.
std::string formatIds(uint16_t vendorId, uint16_t productId);
std::optional<std::pair<uint16_t, uint16_t>> parseIds(std::string_view text);

} // namespace z3::virtualmouse
