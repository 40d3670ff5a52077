#include "InstallData.h"

#include "core/ini/ProfileFile.h"
#include "core/io/FileSystem.h"
#include "core/macro/MacroFile.h"
#include "core/macro/MacroStore.h"

#include <array>
#include <initializer_list>

namespace z3::skin_builder {
namespace {

struct Preset {
    std::array<int, 6> buttons;
    int dpiLevel;
    int wheel;
    std::array<int, 4> dpiValues; // value codes: 0 = 3200, 1 = 1200, 2 = 1600, 3 = 2000, 4 = 2400
    std::array<int, 4> dpiEnabled;
    int led;
};

// Profile 1 is what a reset builds into the program; 2..5 are presets for
// typical uses, each also installed as the user's starting profile.
constexpr Preset kStandard{{1, 2, 3, 4, 5, 6}, 0, 0, {1, 2, 4, 0}, {1, 1, 1, 1}, 0};
constexpr std::array<Preset, 4> kPresets = {{
    // Office: copy and paste on the side buttons, calm DPI, steady light.
    {{1, 2, 3, 31, 32, 6}, 0, 0, {1, 2, 3, 0}, {1, 1, 1, 0}, 2},
    // Shooter: DPI up and down on the side buttons, sniper stage first.
    {{1, 2, 3, 17, 18, 6}, 1, 0, {1, 3, 4, 0}, {1, 1, 1, 1}, 0},
    // Media: play/pause on the wheel click, volume on the side buttons.
    {{1, 2, 21, 24, 25, 26}, 0, 0, {1, 2, 4, 0}, {1, 1, 0, 0}, 1},
    // Action games: the burst-click and jump-crouch macros on the side buttons.
    {{1, 2, 3, 41, 42, 6}, 2, 0, {2, 3, 4, 0}, {1, 1, 1, 1}, 3},
}};

void writeProfile(ProfileFile& file, const std::string& section, const Preset& preset)
{
    const auto put
        = [&](const std::string& key, int value) { file.write(section, key, std::to_string(value)); };
    for (int i = 0; i < 6; ++i)
        put("K" + std::to_string(i + 1), preset.buttons[static_cast<size_t>(i)]);
    put("DPI_LEVEL", preset.dpiLevel);
    put("WHEEL_STATUS", preset.wheel);
    for (int s = 0; s < 4; ++s) {
        put("DPI_SET" + std::to_string(s + 1), preset.dpiValues[static_cast<size_t>(s)]);
        put("DPI_SET_EN" + std::to_string(s + 1), preset.dpiEnabled[static_cast<size_t>(s)]);
    }
    put("LED_STATUS", preset.led);
}

struct Step {
    uint8_t code;
    uint8_t action;
    uint16_t delayMs;
};

MacroRecord macro(std::u16string_view name, std::initializer_list<Step> steps)
{
    MacroRecord record = MacroRecord::blank();
    record.setName(name);
    size_t slot = 0;
    for (const Step& step : steps)
        record.setEvent(slot++, {step.code, step.action, step.delayMs});
    record.eventCount = static_cast<uint8_t>(slot);
    return record;
}

constexpr uint8_t kDown = MacroAction::Press;
constexpr uint8_t kUp = MacroAction::Release;
// Windows virtual-key codes.
constexpr uint8_t kReturn = 0x0D;
constexpr uint8_t kShift = 0x10;
constexpr uint8_t kSpace = 0x20;
constexpr uint8_t kSnapshot = 0x2C;
constexpr uint8_t kKeyC = 0x43;
constexpr uint8_t kKeyG = 0x47;

} // namespace

std::string defaultConfigIni()
{
    ProfileFile file;
    file.write("Init", "CurConfig", "1");
    writeProfile(file, "Config1", kStandard);
    for (size_t i = 0; i < kPresets.size(); ++i)
        writeProfile(file, "Config" + std::to_string(i + 2), kPresets[i]);
    for (size_t i = 0; i < kPresets.size(); ++i)
        writeProfile(file, "CfgReset" + std::to_string(i + 2), kPresets[i]);
    return file.serialize();
}

bool writeDefaultMacros(FileSystem& files, const std::string& path)
{
    MacroStoreData data;
    const MacroRecord records[] = {
        macro(u"五连击",
            {{MacroCode::LeftButton, kDown, 25}, {MacroCode::LeftButton, kUp, 35},
                {MacroCode::LeftButton, kDown, 25}, {MacroCode::LeftButton, kUp, 35},
                {MacroCode::LeftButton, kDown, 25}, {MacroCode::LeftButton, kUp, 35},
                {MacroCode::LeftButton, kDown, 25}, {MacroCode::LeftButton, kUp, 35},
                {MacroCode::LeftButton, kDown, 25}, {MacroCode::LeftButton, kUp, 35}}),
        macro(u"跳跃下蹲", {{kSpace, kDown, 40}, {kSpace, kUp, 60}, {kKeyC, kDown, 300}, {kKeyC, kUp, 30}}),
        macro(u"发送 GG",
            {{kReturn, kDown, 30}, {kReturn, kUp, 80}, {kShift, kDown, 20}, {kKeyG, kDown, 30},
                {kKeyG, kUp, 30}, {kKeyG, kDown, 30}, {kKeyG, kUp, 30}, {kShift, kUp, 30},
                {kReturn, kDown, 30}, {kReturn, kUp, 30}}),
        macro(u"截屏", {{kSnapshot, kDown, 30}, {kSnapshot, kUp, 30}}),
    };
    for (const MacroRecord& record : records)
        data.records[static_cast<size_t>(data.count++)] = record;
    data.current = 0;
    MacroStore store;
    store.replace(data);
    return saveMacroFile(store, files, path);
}

} // namespace z3::skin_builder
