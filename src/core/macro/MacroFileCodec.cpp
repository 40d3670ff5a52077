#include "core/macro/MacroFileCodec.h"

#include "core/ini/ProfileFile.h"
#include "core/text/DecimalPrefix.h"

#include <algorithm>
#include <cstring>

namespace z3::MacroFileCodec {
namespace {

constexpr size_t kNameBytes = 2 * MacroRecord::kNameUnits;
constexpr size_t kStepsOffset = 44;

// One character per UTF-16 unit of a UTF-8 text, at most `maxUnits`: ASCII as
// itself, any other unit as a control character, which no conversion reads
// as a digit or a blank. Keeps the three-character groups where a Windows
// reader would see them when a value holds non-ASCII text.
std::string unitsAsAscii(std::string_view text, size_t maxUnits)
{
    std::string units;
    units.reserve(std::min(text.size(), maxUnits));
    for (size_t at = 0; at < text.size() && units.size() < maxUnits;) {
        const auto byte = static_cast<unsigned char>(text[at]);
        size_t length = 1;
        size_t unitCount = 1;
        if (byte >= 0xF0 && byte <= 0xF7)
            length = 4, unitCount = 2;
        else if (byte >= 0xE0 && byte <= 0xEF)
            length = 3;
        else if (byte >= 0xC0 && byte <= 0xDF)
            length = 2;
        size_t consumed = 1;
        while (consumed < length && at + consumed < text.size()
            && (static_cast<unsigned char>(text[at + consumed]) & 0xC0) == 0x80)
            ++consumed;
        if (consumed != length)
            unitCount = 1; // a broken sequence: its lead byte counts as one unit
        at += consumed;
        units.append(unitCount, byte < 0x80 ? static_cast<char>(byte) : '\x01');
    }
    units.resize(std::min(units.size(), maxUnits));
    return units;
}

// Three digits per byte value, built once.
struct DigitTable {
    std::array<std::array<char, 3>, 256> digits{};
    constexpr DigitTable()
    {
        for (int value = 0; value < 256; ++value) {
            digits[value] = {static_cast<char>('0' + value / 100), static_cast<char>('0' + value / 10 % 10),
                static_cast<char>('0' + value % 10)};
        }
    }
};
constexpr DigitTable kDigits;

} // namespace

RecordBytes toFileOrder(const MacroRecord& record)
{
    RecordBytes bytes{};
    for (size_t i = 0; i < MacroRecord::kNameUnits; ++i) {
        bytes[2 * i] = static_cast<uint8_t>(record.name[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<uint8_t>(record.name[i] >> 8);
    }
    bytes[kNameBytes] = record.repeatFlag;
    bytes[kNameBytes + 1] = record.repeatCountBytes[0];
    bytes[kNameBytes + 2] = record.repeatCountBytes[1];
    bytes[kNameBytes + 3] = record.eventCount;
    for (size_t k = 0; k < MacroRecord::kStepSlots; ++k) {
        uint8_t* step = &bytes[kStepsOffset + 4 * k];
        step[0] = record.eventKeys[k].code;
        step[1] = record.eventKeys[k].action;
        step[2] = static_cast<uint8_t>(record.eventDelays[k] & 0xFF);
        step[3] = static_cast<uint8_t>(record.eventDelays[k] >> 8);
    }
    return bytes;
}

MacroRecord fromFileOrder(const RecordBytes& bytes)
{
    MacroRecord record;
    for (size_t i = 0; i < MacroRecord::kNameUnits; ++i)
        record.name[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    record.repeatFlag = bytes[kNameBytes];
    record.repeatCountBytes = {bytes[kNameBytes + 1], bytes[kNameBytes + 2]};
    record.eventCount = bytes[kNameBytes + 3];
    for (size_t k = 0; k < MacroRecord::kStepSlots; ++k) {
        const uint8_t* step = &bytes[kStepsOffset + 4 * k];
        record.eventKeys[k] = {step[0], step[1]};
        record.eventDelays[k] = static_cast<uint16_t>(step[2] | (step[3] << 8));
    }
    return record;
}

std::string encodeRecord(const MacroRecord& record)
{
    const RecordBytes bytes = toFileOrder(record);
    std::string text(kRecordTextLength, '0');
    for (size_t j = 0; j < kRecordBytes; ++j)
        std::memcpy(&text[3 * j], kDigits.digits[bytes[j]].data(), 3);
    return text;
}

MacroRecord decodeRecord(std::string_view text)
{
    const std::string units = unitsAsAscii(text, kRecordTextLength);
    const std::string_view view = units;
    RecordBytes bytes{};
    for (size_t j = 0; j < kRecordBytes && 3 * j < view.size(); ++j) {
        const std::string_view group = view.substr(3 * j, 3);
        uint8_t value = 0;
        if (group.size() == 3 && group[0] >= '0' && group[0] <= '9' && group[1] >= '0' && group[1] <= '9'
            && group[2] >= '0' && group[2] <= '9') {
            // The common well-formed case, without the general conversion.
            value = static_cast<uint8_t>((group[0] - '0') * 100 + (group[1] - '0') * 10 + (group[2] - '0'));
        } else {
            value = static_cast<uint8_t>(static_cast<uint32_t>(decimalPrefix(group)) & 0xFF);
        }
        bytes[j] = value;
    }
    return fromFileOrder(bytes);
}

int decodeCount(std::string_view text)
{
    const std::string units = unitsAsAscii(text, kCountTextLength);
    return std::clamp<int>(decimalPrefix(units), 0, MacroStoreData::kMaxMacros);
}

void readStore(const ProfileFile& document, MacroStoreData& data)
{
    const int count = decodeCount(document.read(kSection, kCountKey, kCountTextLength));
    data.count = static_cast<int16_t>(count);
    data.current = count >= 1 ? count - 1 : 0;
    for (int i = 0; i < count; ++i)
        data.records[i] = decodeRecord(document.read(kSection, std::to_string(i), kRecordTextLength));
}

void writeStore(ProfileFile& document, const MacroStoreData& data)
{
    const int count = std::clamp<int>(data.count, 0, MacroStoreData::kMaxMacros);
    document.write(kSection, kCountKey, std::to_string(count));
    for (int i = 0; i < count; ++i)
        document.write(kSection, std::to_string(i), encodeRecord(data.records[i]));
}

std::string fileBytes(const MacroStoreData& data)
{
    ProfileFile document;
    writeStore(document, data);
    return document.serialize();
}

} // namespace z3::MacroFileCodec
