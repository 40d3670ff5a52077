#include "core/app/AppPaths.h"

#include <gtest/gtest.h>

namespace z3 {
namespace {

struct DirectoryCase {
    const char* executable;
    const char* directory;
};

TEST(AppPaths, DirectoryIsCutBeforeTheLastSeparator)
{
    const DirectoryCase cases[] = {
        {"/opt/zerrat/zerrat-z3", "/opt/zerrat"},
        {"/a/b/prog", "/a/b"},
        {"/prog", ""},
        {"prog", ""},
        {"", ""},
        {"/dir.with.dots/sub dir/z3ctl", "/dir.with.dots/sub dir"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AppPaths::directoryOf(c.executable), c.directory) << c.executable;
}

TEST(AppPaths, EveryFileIsTheFolderPlusAFixedTail)
{
    const AppPaths paths("/a/b");
    EXPECT_EQ(paths.skinsDirectory(), "/a/b/skins");
    EXPECT_EQ(paths.configIni(), "/a/b/config.ini");
    EXPECT_EQ(paths.macroDat(), "/a/b/Macro.dat");
    EXPECT_EQ(paths.defaultMacroDat(), "/a/b/skins/defMacro.dat");
    EXPECT_EQ(paths.skinFile("skin_main.ini"), "/a/b/skins/skin_main.ini");
}

} // namespace
} // namespace z3
