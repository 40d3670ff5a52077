#include "core/config/ConfigStore.h"

#include "core/config/ConfigRules.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/MemoryFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace z3 {
namespace {

constexpr const char* kPath = "/app/config.ini";

// The section a reset of profile 1 writes, in the file's key order.
constexpr const char* kDefaultSection = "[Config1]\n"
                                        "K1=1\nK2=2\nK3=3\nK4=4\nK5=5\nK6=6\n"
                                        "DPI_LEVEL=0\nWHEEL_STATUS=0\n"
                                        "DPI_SET1=1\nDPI_SET_EN1=1\nDPI_SET2=2\nDPI_SET_EN2=1\n"
                                        "DPI_SET3=4\nDPI_SET_EN3=1\nDPI_SET4=0\nDPI_SET_EN4=1\n"
                                        "LED_STATUS=0\n";

void setDefaults(ConfigModel& model)
{
    for (int button = 1; button <= kButtonCount; ++button)
        model.buttonFunctionCode[button] = kDefaultButtonFunctionCode[button - 1];
    for (int stage = 1; stage <= kStageCount; ++stage) {
        model.dpiStageValue[stage] = kResetDpiStageValue[stage - 1];
        model.dpiStageEnabled[stage] = kResetDpiStageEnabled[stage - 1];
    }
}

class ConfigStoreTest : public ::testing::Test {
protected:
    test::MemoryFileSystem files;
    ConfigStore store{files, kPath};
    ConfigModel model;

    void givenFile(const std::string& text) { files.files[kPath] = text; }
    const std::string& file() { return files.files[kPath]; }
};

TEST_F(ConfigStoreTest, StoresASectionInTheFileKeyOrder)
{
    setDefaults(model);
    ASSERT_TRUE(store.storeProfile(model, 1));
    EXPECT_EQ(file(), kDefaultSection);
    EXPECT_EQ(files.writes, 1); // one save for the whole section
}

TEST_F(ConfigStoreTest, LoadConvertsValuesLikeTheIniReader)
{
    givenFile("[Config2]\n"
              "K1=31\nK2=12345\nK3=-7\nK4=abc\nK5= 9x\n"
              "WHEEL_STATUS=1\nDPI_LEVEL=2\n"
              "DPI_SET1=3\nDPI_SET_EN1=0\n"
              "DPI_SET2=1234567890123\nDPI_SET_EN2=7\n"
              "DPI_SET3=260\nDPI_SET_EN3=-1\n"
              "DPI_SET4=7\n"
              "LED_STATUS=515\n");
    model.appliedLedStatus = 2;
    store.loadProfile(model, 2);

    const int32_t codes[] = {31, 1234, -7, 0, 9, 0}; // 4 characters read; K6 missing
    for (int button = 1; button <= kButtonCount; ++button)
        EXPECT_EQ(model.buttonFunctionCode[button], codes[button - 1]) << button;
    EXPECT_EQ(model.wheelStatus, 1);
    EXPECT_EQ(model.dpiLevel, 2);
    const struct {
        uint8_t value, enabled;
        int32_t region;
    } stages[] = {
        {3, 0, 48},
        {static_cast<uint8_t>(123456789 & 0xFF), 1, 50 + (123456789 & 0xFF)}, // 9 characters, low 8 bits
        {4, 1, 59},                                                           // 260 -> 4
        {7, 0, 67},                                                           // missing enable flag
    };
    for (int stage = 1; stage <= kStageCount; ++stage) {
        EXPECT_EQ(model.dpiStageValue[stage], stages[stage - 1].value) << stage;
        EXPECT_EQ(model.appliedDpiStageValue[stage], stages[stage - 1].value) << stage;
        EXPECT_EQ(model.dpiStageEnabled[stage], stages[stage - 1].enabled) << stage;
        EXPECT_EQ(model.dpiStageRegion[stage], stages[stage - 1].region) << stage;
    }
    EXPECT_EQ(model.ledStatus, 3);        // 515 & 0xFF
    EXPECT_EQ(model.appliedLedStatus, 2); // a load leaves the applied LED mode
    EXPECT_EQ(dpiText(model.dpiStageValue[4]), "1200");
}

TEST_F(ConfigStoreTest, MissingFileSectionOrPresetLoadsZeros)
{
    model.buttonFunctionCode[1] = 5;
    model.dpiStageEnabled[2] = 1;
    store.loadProfile(model, 1);
    EXPECT_EQ(model.buttonFunctionCode[1], 0);
    EXPECT_EQ(model.dpiStageEnabled[2], 0);
    EXPECT_EQ(model.dpiStageRegion[4], 60);
    EXPECT_EQ(store.readCurConfig(), 0);

    givenFile("[Config3]\nK1=5\n[CfgReset3]\nK1=11\n");
    store.loadProfile(model, 3, ProfileKind::Preset);
    EXPECT_EQ(model.buttonFunctionCode[1], 11);
}

TEST_F(ConfigStoreTest, WritesBackEnableFlagsAsOneOrZeroAndKeepsOtherLines)
{
    givenFile("; user notes\n[Init]\nCurConfig=1\n[Config1]\nDPI_SET_EN2=7\nCUSTOM=keep\n\n[Other]\nx=1\n");
    store.loadProfile(model, 1);
    ASSERT_TRUE(store.storeProfile(model, 1));
    EXPECT_NE(file().find("DPI_SET_EN2=1\n"), std::string::npos);
    for (const char* kept : {"; user notes\n", "CurConfig=1\n", "CUSTOM=keep\n", "\n\n[Other]\nx=1\n"})
        EXPECT_NE(file().find(kept), std::string::npos) << kept;
}

TEST_F(ConfigStoreTest, StoreDpiLevelWritesOnlyThatKey)
{
    givenFile("[Config6]\nK1=3\nDPI_LEVEL=0\n");
    model.dpiLevel = 2;
    model.buttonFunctionCode[1] = 9;
    ASSERT_TRUE(store.storeDpiLevel(model, 6));
    EXPECT_EQ(file(), "[Config6]\nK1=3\nDPI_LEVEL=2\n");
}

TEST_F(ConfigStoreTest, RecordApplyWritesTheThreeSectionsInOneSave)
{
    ConfigModel atStart;
    setDefaults(atStart);
    atStart.profileIndex = 3;
    atStart.buttonFunctionCode[2] = 19;
    ConfigModel now = atStart;
    now.buttonFunctionCode[2] = 12; // repaired during the apply
    ASSERT_TRUE(store.recordApply(atStart, now));
    EXPECT_EQ(files.writes, 1);

    ConfigModel applied;
    store.loadProfile(applied, kAppliedStateSection);
    EXPECT_EQ(applied.buttonFunctionCode[2], 19);
    ConfigModel profile;
    store.loadProfile(profile, 3);
    EXPECT_EQ(profile.buttonFunctionCode[2], 12);
    EXPECT_EQ(store.readCurConfig(), 3);
}

TEST_F(ConfigStoreTest, HideToTrayRestoresTheAppliedStateWithTheCurrentLevel)
{
    setDefaults(model);
    model.profileIndex = 1;
    ASSERT_TRUE(store.recordApply(model, model));
    // The user edits and switches profiles without applying...
    model.buttonFunctionCode[3] = 36;
    model.profileIndex = 3;
    model.dpiLevel = 2;
    // ...then hides the window to the tray.
    ASSERT_TRUE(store.storeDpiLevel(model, kAppliedStateSection));
    store.loadProfile(model, kAppliedStateSection);
    EXPECT_EQ(model.buttonFunctionCode[3], 3);
    EXPECT_EQ(model.dpiLevel, 2);
    EXPECT_EQ(model.profileIndex, 3);
}

TEST_F(ConfigStoreTest, AFailedSaveReportsFalseAndKeepsTheFile)
{
    givenFile(kDefaultSection);
    files.failWrites = true;
    model.buttonFunctionCode[1] = 40;
    EXPECT_FALSE(store.storeProfile(model, 1));
    EXPECT_FALSE(store.recordApply(model, model));
    EXPECT_EQ(file(), kDefaultSection);
}

TEST_F(ConfigStoreTest, ExportThenImportRestoresEveryProfileKey)
{
    setDefaults(model);
    model.buttonFunctionCode[4] = 52;
    model.dpiLevel = 3;
    model.wheelStatus = 1;
    model.dpiStageValue[2] = 0;
    model.dpiStageEnabled[3] = 0;
    model.ledStatus = 2;
    ASSERT_TRUE(exportProfile(files, model, "/home/u/game.ini"));
    const std::string exported = files.files["/home/u/game.ini"];
    EXPECT_EQ(exported.rfind("[Config7]\n", 0), 0u);
    EXPECT_EQ(exported.find("[", 1), std::string::npos); // the only section

    ConfigModel imported;
    importProfile(files, imported, "/home/u/game.ini");
    ConfigStore copy(files, "/home/u/copy.ini");
    ASSERT_TRUE(copy.storeProfile(imported, 7));
    EXPECT_EQ(files.files["/home/u/copy.ini"], exported);
}

TEST(ConfigStoreOnDisk, LoadsEveryBrokenFileAsZerosAndNeverCrashes)
{
    test::TempDir dir;
    PosixFileSystem files;
    const std::string big(1 << 20, 'x');
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"binary",
            std::string("\0\xFF\xFE\x01[Config1\0]\nK1=\0"
                        "5\n",
                20)},
        {"megabyte line", "[Config1]\nK1=" + big + "\n"},
        {"megabyte key", "[Config1]\n" + big + "=1\n"},
        {"megabyte header", "[" + big + "]\n"},
        {"only newlines", std::string(100000, '\n')},
    };
    for (const auto& [name, bytes] : cases) {
        const auto path = dir.file(std::string(name) + ".ini");
        test::writeFile(path, bytes);
        ConfigStore store(files, path);
        ConfigModel model;
        model.buttonFunctionCode[1] = 77;
        store.loadProfile(model, 1);
        EXPECT_EQ(model.buttonFunctionCode[2], 0) << name;
        EXPECT_EQ(model.buttonFunctionCode[1], 0) << name;
        // A save appends its key and keeps every byte that was there.
        ASSERT_TRUE(store.storeDpiLevel(model, 1)) << name;
        const auto after = test::readFile(path);
        EXPECT_EQ(after.compare(0, bytes.size(), bytes), 0) << name;
        EXPECT_GT(after.size(), bytes.size()) << name;
    }
    ConfigStore folder(files, dir.path().string());
    ConfigModel model;
    folder.loadProfile(model, 1);
    EXPECT_FALSE(folder.storeProfile(model, 1));
}

} // namespace
} // namespace z3
