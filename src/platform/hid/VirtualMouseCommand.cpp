#include "platform/hid/VirtualMouseCommand.h"

#include "platform/hid/VirtualMouseFolder.h"

#include <charconv>

namespace z3::virtualmouse {
namespace {

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> result;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t' || line[pos] == '\r'))
            ++pos;
        const std::size_t start = pos;
        while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t' && line[pos] != '\r')
            ++pos;
        if (pos > start)
            result.push_back(line.substr(start, pos - start));
    }
    return result;
}

template <typename T> bool parseNumber(std::string_view text, T& value, int base)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return ec == std::errc() && end == text.data() + text.size();
}

std::vector<uint8_t> padded(std::vector<uint8_t> bytes, std::size_t length)
{
    bytes.resize(length, 0);
    return bytes;
}

} // namespace

std::optional<Command> parseCommand(std::string_view line, std::size_t inputLength, std::string& error)
{
    const auto w = words(line);
    if (w.empty()) {
        error = "empty command";
        return std::nullopt;
    }
    const std::string_view verb = w[0];
    if (verb == "press" && w.size() == 2) {
        unsigned button = 0;
        if (!parseNumber(w[1], button, 10) || button > 0x0F) {
            error = "press takes a button number 0..15";
            return std::nullopt;
        }
        return Command{
            Command::Type::Input, padded({0x06, static_cast<uint8_t>(0xF0 + button)}, inputLength)};
    }
    if (verb == "arm" && w.size() == 1)
        return Command{Command::Type::Input, padded({0x06, 0x00}, inputLength)};
    if (verb == "input" && w.size() >= 2 && w.size() - 1 <= kMaxReportBytes) {
        std::vector<uint8_t> bytes;
        for (std::size_t i = 1; i < w.size(); ++i) {
            uint8_t byte = 0;
            if (w[i].size() > 2 || !parseNumber(w[i], byte, 16)) {
                error = "input takes bytes as hex pairs, e.g. input 06 F1";
                return std::nullopt;
            }
            bytes.push_back(byte);
        }
        return Command{Command::Type::Input, std::move(bytes)};
    }
    if (w.size() == 1) {
        if (verb == "unplug")
            return Command{Command::Type::Unplug, {}};
        if (verb == "plug")
            return Command{Command::Type::Plug, {}};
        if (verb == "quit")
            return Command{Command::Type::Quit, {}};
    }
    error = "unknown command (press N, arm, input HH.., unplug, plug, quit): "
        + std::string(line.substr(0, 80));
    return std::nullopt;
}

std::string featureLine(const std::vector<uint8_t>& report)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line = "feature";
    line.reserve(7 + 3 * report.size() + 1);
    for (uint8_t byte : report) {
        line += ' ';
        line += kHex[byte >> 4];
        line += kHex[byte & 0x0F];
    }
    line += '\n';
    return line;
}

} // namespace z3::virtualmouse
