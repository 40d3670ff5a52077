// Feeds arbitrary bytes to the profile-file parser, then reads and writes
// through it the way config.ini, layout and exchange files are used, and
// checks the invariants: an untouched document serialises to its input, and
// a written key reads back.
#include "core/config/ConfigModel.h"
#include "core/config/ProfileSection.h"
#include "core/ini/ProfileFile.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto file = z3::ProfileFile::parse(bytes);
    if (!bytes.starts_with("\xFF\xFE") && file.serialize() != bytes)
        std::abort();

    z3::ConfigModel model;
    z3::loadProfileSection(model, file, 1);
    z3::loadProfileSection(model, file, 3, z3::ProfileKind::Preset);
    (void)file.keys("BUTTONPOS");
    (void)file.read("Init", "CurConfig", 4);

    // Use a slice of the input as the written value too.
    const std::string_view value = bytes.substr(0, std::min<size_t>(bytes.size(), 16));
    file.write("Config1", "K1", value);
    const std::string expected(value.substr(0, value.find_first_of("\r\n")));
    const std::string back = file.read("Config1", "K1", 64);
    if (expected.find_first_not_of(" \t") == std::string::npos || expected.front() == ' '
        || expected.front() == '\t' || expected.back() == ' ' || expected.back() == '\t'
        || expected.front() == '"' || expected.front() == '\'')
        return 0; // trimmed or unquoted on reading: not comparable
    if (back != expected && expected.size() <= 64 && expected.find('\0') == std::string::npos)
        std::abort();
    z3::storeProfileSection(model, file, 1);
    (void)z3::ProfileFile::parse(file.serialize());
    return 0;
}
