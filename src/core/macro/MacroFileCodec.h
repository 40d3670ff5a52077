#pragma once

#include "core/macro/MacroRecord.h"
#include "core/macro/MacroStoreData.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace z3 {

class ProfileFile;

// The text form of the macro store in Macro.dat, skins/defMacro.dat and
// exported macro files: INI section "Macros", key "macroNum" with the number
// of macros, keys "0".."count-1" with one record each. A record is its 1064
// bytes in file order, each as three zero-padded decimal digits (3192
// characters). File order puts the name (UTF-16 units, low byte first), the
// repeat flag, the repeat count (low byte first) and the step count first,
// then each step's code, action and pause (low byte first) together.
namespace MacroFileCodec {

inline constexpr std::string_view kSection = "Macros";
inline constexpr std::string_view kCountKey = "macroNum";
inline constexpr size_t kRecordBytes = sizeof(MacroRecord);
inline constexpr size_t kRecordTextLength = 3 * kRecordBytes;
// "macroNum" is read from its first two characters only.
inline constexpr size_t kCountTextLength = 2;

using RecordBytes = std::array<uint8_t, kRecordBytes>;

RecordBytes toFileOrder(const MacroRecord& record);
MacroRecord fromFileOrder(const RecordBytes& bytes);

// The 3192-digit text of a record.
std::string encodeRecord(const MacroRecord& record);

// A record from the text read for its key. Each group of three characters
// is converted as a decimal prefix and keeps its low 8 bits; characters
// count as UTF-16 units; missing groups give 0 bytes.
MacroRecord decodeRecord(std::string_view text);

// The number of macros from the "macroNum" text: a decimal prefix of its
// first two characters, clamped to 0..12 so that the store is never overrun.
int decodeCount(std::string_view text);

// Replaces `count`, `current` (the last macro, or 0) and the first `count`
// records of `data` from the document; later records are left untouched.
void readStore(const ProfileFile& document, MacroStoreData& data);

// Writes "macroNum" and the first `count` records into the document; other
// keys (records of a store that has since shrunk) stay as they are.
void writeStore(ProfileFile& document, const MacroStoreData& data);

// The bytes of a new macro file holding `data` (e.g. skins/defMacro.dat).
std::string fileBytes(const MacroStoreData& data);

} // namespace MacroFileCodec
} // namespace z3
