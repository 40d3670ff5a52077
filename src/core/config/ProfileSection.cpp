#include "core/config/ProfileSection.h"

#include "core/config/ConfigRules.h"
#include "core/text/DecimalPrefix.h"

namespace z3 {
namespace {

constexpr size_t kShortValue = 4;
constexpr size_t kStageValue = 9;
constexpr std::string_view kInitSection = "Init";
constexpr std::string_view kCurConfigKey = "CurConfig";

int32_t readInt(const ProfileFile& file, const std::string& section, const std::string& key, size_t maxChars)
{
    return decimalPrefix(file.read(section, key, maxChars));
}

std::string indexed(std::string_view prefix, int number)
{
    return std::string(prefix) + std::to_string(number);
}

} // namespace

std::string profileSectionName(int number, ProfileKind kind)
{
    return indexed(kind == ProfileKind::Preset ? "CfgReset" : "Config", number);
}

void loadProfileSection(ConfigModel& model, const ProfileFile& file, int number, ProfileKind kind)
{
    const std::string section = profileSectionName(number, kind);
    for (int button = 1; button <= kButtonCount; ++button)
        model.buttonFunctionCode[button] = readInt(file, section, indexed("K", button), kShortValue);
    model.wheelStatus = readInt(file, section, "WHEEL_STATUS", kShortValue);
    model.dpiLevel = readInt(file, section, "DPI_LEVEL", kShortValue);
    for (int stage = 1; stage <= kStageCount; ++stage) {
        const auto value
            = static_cast<uint8_t>(readInt(file, section, indexed("DPI_SET", stage), kStageValue));
        model.appliedDpiStageValue[stage] = value;
        model.dpiStageValue[stage] = value;
        model.dpiStageRegion[stage] = dpiStageRegion(stage, value);
        model.dpiStageEnabled[stage] = readInt(file, section, indexed("DPI_SET_EN", stage), kStageValue) != 0;
    }
    model.ledStatus = static_cast<uint8_t>(readInt(file, section, "LED_STATUS", kShortValue));
}

void storeProfileSection(const ConfigModel& model, ProfileFile& file, int number)
{
    const std::string section = profileSectionName(number);
    const auto put
        = [&](const std::string& key, int32_t value) { file.write(section, key, std::to_string(value)); };
    for (int button = 1; button <= kButtonCount; ++button)
        put(indexed("K", button), model.buttonFunctionCode[button]);
    put("DPI_LEVEL", model.dpiLevel);
    put("WHEEL_STATUS", model.wheelStatus);
    for (int stage = 1; stage <= kStageCount; ++stage) {
        put(indexed("DPI_SET", stage), model.dpiStageValue[stage]);
        put(indexed("DPI_SET_EN", stage), model.dpiStageEnabled[stage] != 0 ? 1 : 0);
    }
    put("LED_STATUS", model.ledStatus);
}

void storeDpiLevelKey(const ConfigModel& model, ProfileFile& file, int number)
{
    file.write(profileSectionName(number), "DPI_LEVEL", std::to_string(model.dpiLevel.load()));
}

int32_t readCurConfig(const ProfileFile& file)
{
    return decimalPrefix(file.read(kInitSection, kCurConfigKey, kShortValue));
}

void writeCurConfig(ProfileFile& file, int32_t profileIndex)
{
    file.write(kInitSection, kCurConfigKey, std::to_string(profileIndex));
}

} // namespace z3
