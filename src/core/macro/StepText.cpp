#include "core/macro/StepText.h"

#include <array>
#include <string_view>

namespace z3::StepText {
namespace {

struct NamedKey {
    uint8_t code;
    const char* name;
};

// Every code with a fixed name; letters, digits and F1..F24 are formed.
constexpr NamedKey kNamedKeys[] = {
    {8, "BACK"},
    {9, "TAB"},
    {12, "CLEAR"},
    {13, "RETURN"},
    {16, "SHIFT"},
    {17, "CONTROL"},
    {18, "MENU"},
    {19, "PAUSE"},
    {20, "CAPITAL"},
    {21, "KANA"},
    {23, "JUNJA"},
    {24, "FINAL"},
    {25, "HANJA"},
    {27, "ESCAPE"},
    {28, "CONVERT"},
    {29, "NONCONVERT"},
    {30, "ACCEPT"},
    {31, "MODECHANGE"},
    {32, "SPACE"},
    {33, "PRIOR"},
    {34, "NEXT"},
    {35, "END"},
    {36, "HOME"},
    {37, "LEFT"},
    {38, "UP"},
    {39, "RIGHT"},
    {40, "DOWN"},
    {41, "SELECT"},
    {42, "PRINT"},
    {43, "EXECUTE"},
    {44, "SNAPSHOT"},
    {45, "INSERT"},
    {46, "DELETE"},
    {47, "HELP"},
    {91, "LWIN"},
    {92, "RWIN"},
    {93, "APPS"},
    {95, "SLEEP"},
    {96, "NUMPAD0"},
    {97, "NUMPAD1"},
    {98, "NUMPAD2"},
    {99, "NUMPAD3"},
    {100, "NUMPAD4"},
    {101, "NUMPAD5"},
    {102, "NUMPAD6"},
    {103, "NUMPAD7"},
    {104, "NUMPAD8"},
    {105, "NUMPAD9"},
    {106, "MULTIPLY"},
    {107, "ADD"},
    {108, "SEPARATOR"},
    {109, "SUBTRACT"},
    {110, "DECIMAL"},
    {111, "DIVIDE"},
    {144, "NUMLOCK"},
    {145, "SCROLL"},
    {160, "LSHIFT"},
    {161, "RSHIFT"},
    {162, "LCONTROL"},
    {163, "RCONTROL"},
    {164, "LMENU"},
    {165, "RMENU"},
    {186, ";:"},
    {187, "+"},
    {188, ","},
    {189, "-"},
    {190, "."},
    {191, "/?"},
    {192, "`~"},
    {219, "[{"},
    {220, "\\|"},
    {221, "]}"},
    {222, " ' "},
    {MacroCode::LeftButton, "Left_Key"},
    {MacroCode::RightButton, "Right_Key"},
    {MacroCode::MiddleButton, "Middle_Key"},
};

constexpr std::array<const char*, 256> buildNameTable()
{
    std::array<const char*, 256> table{};
    for (const auto& key : kNamedKeys)
        table[key.code] = key.name;
    return table;
}

constexpr std::array<const char*, 256> kNameTable = buildNameTable();

} // namespace

std::string keyName(uint8_t code)
{
    if (code >= 'A' && code <= 'Z')
        return std::string(1, static_cast<char>(code));
    if (code >= '0' && code <= '9')
        return std::to_string(code - '0');
    if (code >= 112 && code <= 135)
        return "F" + std::to_string(code - 111);
    const char* name = kNameTable[code];
    return name != nullptr ? name : Unnamed;
}

std::string stepLine(const MacroEvent& step)
{
    const char* mark = step.action == MacroAction::Press ? PressMark
        : step.action == MacroAction::Release            ? ReleaseMark
                                                         : "";
    return mark + keyName(step.code);
}

std::string pauseLine(uint16_t delayMs)
{
    return "    " + std::to_string(delayMs) + "ms";
}

} // namespace z3::StepText
