#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace z3::virtualmouse {

// One line of the virtual mouse's standard input.
struct Command {
    enum class Type { Input, Unplug, Plug, Quit };
    Type type = Type::Quit;
    std::vector<uint8_t> report; // for Input
};

// Parses a command line: `press N` (input report 06, F0+N), `arm` (06 00),
// both zero-padded or cut to `inputLength`; `input HH HH ...` (the bytes as
// given); `unplug`, `plug`, `quit`. Surrounding blanks and a trailing CR are
// ignored. On a bad line returns nullopt and sets `error`.
std::optional<Command> parseCommand(std::string_view line, std::size_t inputLength, std::string& error);

// "feature 07 10 01 01 00 00 00 00": one line of standard output per feature
// report received, every byte as two upper-case hex digits, with newline.
std::string featureLine(const std::vector<uint8_t>& report);

} // namespace z3::virtualmouse
