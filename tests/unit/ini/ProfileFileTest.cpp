#include "core/ini/ProfileFile.h"

#include "platform/posix/PosixFileSystem.h"
#include "support/MemoryFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace z3 {
namespace {

constexpr size_t kAll = 1000;

TEST(ProfileFileRead, FindsValuesByTheProfileStringRules)
{
    const auto file = ProfileFile::parse("; comment line\n"
                                         "orphan=1\n"
                                         "[Init]\n"
                                         "CurConfig=3\n"
                                         "  [ config1 ]  \n"
                                         "  K1 = 7  \n"
                                         "k2=\"quoted\"\n"
                                         "K3='single'\n"
                                         "K4=\"unbalanced\n"
                                         "K5=a=b\n"
                                         "K6=\n"
                                         "K1=99\n"
                                         "noequals\n"
                                         "[Config1]\n"
                                         "K7=dup-section\n"
                                         "[Config2\n"
                                         "K1=unclosed header\n");
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"Init", "CurConfig", "3"},
        {"INIT", "curconfig", "3"},
        {"Config1", "K1", "7"},      // blanks trimmed, first duplicate key wins
        {"Config1", "K2", "quoted"}, // one pair of quotes removed
        {"Config1", "K3", "single"},
        {"Config1", "K4", "\"unbalanced"}, // unbalanced quote kept
        {"Config1", "K5", "a=b"},          // value runs from the first '='
        {"Config1", "K6", ""},
        {"Config1", "K7", ""}, // a duplicate section is not read
        {"Config2", "K1", "unclosed header"},
        {"Config3", "K1", ""}, // missing section
        {"Config1", "K9", ""}, // missing key
        {"", "orphan", ""},    // keys before any section belong to none
        {"Config1", "noequals", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(file.read(c.section, c.key, kAll), c.value) << c.section << "/" << c.key;
}

TEST(ProfileFileRead, CutsValuesAfterMaxCharacters)
{
    const auto file = ProfileFile::parse("[Config1]\nK2=12345\nDPI_SET3=260\nNAME=中文名字\n");
    EXPECT_EQ(file.read("Config1", "K2", 4), "1234");
    EXPECT_EQ(file.read("Config1", "DPI_SET3", 9), "260");
    EXPECT_EQ(file.read("Config1", "NAME", 2), "中文");
    EXPECT_EQ(file.read("Config1", "K2", 0), "");
}

TEST(ProfileFileRead, AcceptsEveryLineEndingAndEncoding)
{
    const std::string utf16
        = std::string("\xFF\xFE", 2) + std::string("[\0S\0]\0\r\0\n\0K\0=\0\x2d\x4e\r\0\n\0", 20); // [S] K=中
    const struct {
        std::string bytes;
        const char* value;
    } cases[] = {
        {"[S]\nK=v\n", "v"},
        {"[S]\r\nK=v\r\n", "v"},
        {"[S]\r\nK=v", "v"},
        {"\xEF\xBB\xBF[S]\nK=v\n", "v"},
        {utf16, "中"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProfileFile::parse(c.bytes).read("S", "K", kAll), c.value);
}

TEST(ProfileFileWrite, ChangesOnlyWhatItWrites)
{
    const struct {
        const char* name;
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    } cases[] = {
        {"replaces in place", "; keep\n[A]\nx=1\nK=old\ny=2\n", "a", "k", "new",
            "; keep\n[A]\nx=1\nk=new\ny=2\n"},
        {"appends to its section before blank lines", "[A]\nx=1\n\n[B]\ny=2\n", "A", "K", "5",
            "[A]\nx=1\nK=5\n\n[B]\ny=2\n"},
        {"appends a missing section", "[A]\nx=1\n", "B", "K", "5", "[A]\nx=1\n[B]\nK=5\n"},
        {"creates the first line", "", "Init", "CurConfig", "1", "[Init]\nCurConfig=1\n"},
        {"ends an unterminated last line", "[A]\nx=1", "A", "K", "5", "[A]\nx=1\nK=5\n"},
        {"keeps CRLF", "[A]\r\nx=1\r\n", "A", "K", "5", "[A]\r\nx=1\r\nK=5\r\n"},
        {"writes into the first duplicate", "[A]\nK=1\n[A]\nK=2\n", "A", "K", "3", "[A]\nK=3\n[A]\nK=2\n"},
        {"keeps a value on one line", "[A]\n", "A", "K", "1\n[Evil]\nX=2", "[A]\nK=1\n"},
        {"keeps binary junk around it", "\x01\x02junk\n[A]\n\xFF\xFE\n", "A", "K", "1",
            "\x01\x02junk\n[A]\n\xFF\xFE\nK=1\n"},
    };
    for (const auto& c : cases) {
        auto file = ProfileFile::parse(c.before);
        file.write(c.section, c.key, c.value);
        EXPECT_EQ(file.serialize(), c.after) << c.name;
    }
}

TEST(ProfileFileWrite, KeepsTheFileEncoding)
{
    const std::string utf16 = std::string("\xFF\xFE[\0A\0]\0\r\0\n\0", 12);
    auto file = ProfileFile::parse(utf16);
    file.write("A", "K", "中");
    EXPECT_EQ(file.serialize(), utf16 + std::string("K\0=\0\x2d\x4e\r\0\n\0", 10));

    auto bom = ProfileFile::parse("\xEF\xBB\xBF[A]\n");
    bom.write("A", "K", "1");
    EXPECT_EQ(bom.serialize(), "\xEF\xBB\xBF[A]\nK=1\n");
}

TEST(ProfileFileWrite, RoundTripsEveryByteOfAnUntouchedFile)
{
    const std::string samples[] = {
        "[A]\r\nK=1\r\n\r\n; c\r\n", "no newline at end", std::string("\0\0[A]\n\0", 7),
        std::string("\xFF\xFE", 2) + std::string("a\0\x00\xD8\n\0", 6), // lone surrogate
    };
    for (const auto& bytes : samples)
        EXPECT_EQ(ProfileFile::parse(bytes).serialize(), bytes);
}

TEST(ProfileFileSave, ANoReadFileIsNeverOverwritten)
{
    test::MemoryFileSystem files;
    for (const auto status : {FileSystem::ReadStatus::Unreadable, FileSystem::ReadStatus::TooLarge}) {
        files.brokenReads["/cfg.ini"] = status;
        auto file = ProfileFile::load(files, "/cfg.ini");
        EXPECT_FALSE(file.readable());
        EXPECT_EQ(file.read("Init", "CurConfig", 4), "");
        file.write("Init", "CurConfig", "1");
        EXPECT_FALSE(file.save(files, "/cfg.ini"));
    }
    EXPECT_EQ(files.writes, 0);

    auto created = ProfileFile::load(files, "/missing.ini");
    EXPECT_TRUE(created.readable());
    created.write("Init", "CurConfig", "1");
    EXPECT_TRUE(created.save(files, "/missing.ini"));
    EXPECT_EQ(files.files["/missing.ini"], "[Init]\nCurConfig=1\n");
}

class PosixProfileFile : public ::testing::Test {
protected:
    test::TempDir dir;
    PosixFileSystem files;
};

TEST_F(PosixProfileFile, SavesAtomicallyAndKeepsPermissions)
{
    const auto path = dir.file("config.ini");
    test::writeFile(path, "[A]\nK=1\n");
    chmod(path.c_str(), 0640);
    auto file = ProfileFile::load(files, path);
    file.write("A", "K", "2");
    ASSERT_TRUE(file.save(files, path));
    EXPECT_EQ(test::readFile(path), "[A]\nK=2\n");
    struct stat info { };
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(PosixProfileFile, AFailedSaveLeavesTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const auto path = dir.file("config.ini");
    test::writeFile(path, "[A]\nK=1\n");
    chmod(dir.path().c_str(), 0500);
    auto file = ProfileFile::load(files, path);
    file.write("A", "K", "2");
    EXPECT_FALSE(file.save(files, path));
    chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(test::readFile(path), "[A]\nK=1\n");
}

TEST_F(PosixProfileFile, SpecialFilesReadAsUnreadableWithoutBlocking)
{
    const auto fifo = dir.file("fifo.ini");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string paths[] = {fifo, dir.path().string(), "/dev/zero"};
    for (const auto& path : paths) {
        auto file = ProfileFile::load(files, path);
        EXPECT_FALSE(file.readable()) << path;
        EXPECT_FALSE(file.save(files, path)) << path;
    }
    EXPECT_TRUE(ProfileFile::load(files, dir.file("absent.ini")).readable());
}

TEST_F(PosixProfileFile, SaveIntoAMissingFolderFails)
{
    ProfileFile file;
    file.write("A", "K", "1");
    EXPECT_FALSE(file.save(files, dir.file("no/such/folder/config.ini")));
}

} // namespace
} // namespace z3
