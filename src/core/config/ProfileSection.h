#pragma once

#include "core/config/ConfigModel.h"
#include "core/ini/ProfileFile.h"

#include <string>

namespace z3 {

enum class ProfileKind {
    User,   // "Config" + N: profiles 1..5, the applied state 6, the exchange section 7
    Preset, // "CfgReset" + N: factory presets 2..5, only read
};

std::string profileSectionName(int number, ProfileKind kind = ProfileKind::User);

// Reads a profile section into the model's settings, with the file's
// conversions (4 characters for K1..K6, DPI_LEVEL, WHEEL_STATUS and
// LED_STATUS, 9 for the stage keys; low 8 bits of stage values and LED mode;
// any non-zero enable flag is 1). Missing keys read as 0. Also sets the
// applied stage values and the stage regions; the applied LED mode is left.
void loadProfileSection(
    ConfigModel& model, const ProfileFile& file, int number, ProfileKind kind = ProfileKind::User);

// Writes every profile key of the model into "Config" + N, in the file's key
// order; keys already there are replaced in place, other keys stay.
void storeProfileSection(const ConfigModel& model, ProfileFile& file, int number);

// Writes DPI_LEVEL alone into "Config" + N.
void storeDpiLevelKey(const ConfigModel& model, ProfileFile& file, int number);

// CurConfig of section Init (4 characters, as an integer; missing gives 0).
int32_t readCurConfig(const ProfileFile& file);
void writeCurConfig(ProfileFile& file, int32_t profileIndex);

} // namespace z3
