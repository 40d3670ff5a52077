#include "core/macro/MacroFileCodec.h"

#include "core/ini/ProfileFile.h"
#include "core/macro/MacroFile.h"
#include "core/macro/MacroStore.h"
#include "core/macro/UserMessages.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace z3 {
namespace {

using test::MemoryFileSystem;

struct RecordingMessages final : UserMessages {
    std::vector<std::string> shown;
    void showMessage(std::string_view text) override { shown.emplace_back(text); }
};

std::string groups(int count, const char* group)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += group;
    return text;
}

// A record whose every byte is random: unused step slots, bytes after the
// name's terminator and odd flags must all survive a round trip.
MacroRecord randomRecord(std::mt19937& random)
{
    MacroFileCodec::RecordBytes bytes;
    for (auto& byte : bytes)
        byte = static_cast<uint8_t>(random());
    bytes[0] = 'M', bytes[1] = 0, bytes[2] = 0, bytes[3] = 0; // name "M" with garbage after its end
    return MacroFileCodec::fromFileOrder(bytes);
}

std::string fileWith(const std::string& count, const std::vector<std::string>& records)
{
    std::string text = "[Macros]\nmacroNum=" + count + "\n";
    for (size_t i = 0; i < records.size(); ++i)
        text += std::to_string(i) + "=" + records[i] + "\n";
    return text;
}

TEST(MacroFileCodec, EncodesTheWorkedExample)
{
    MacroRecord record = MacroRecord::blank();
    record.setName(u"ab");
    record.eventCount = 1;
    record.setEvent(0, {65, MacroAction::Press, 30});
    const std::string expected
        = "097000098000" + groups(36, "000") + "000001000001" + "065001030000" + groups(1016, "000");
    EXPECT_EQ(MacroFileCodec::encodeRecord(record), expected);
    EXPECT_EQ(MacroFileCodec::decodeRecord(expected).event(0), (MacroEvent{65, 1, 30}));
}

TEST(MacroFileCodec, FileOrderInterleavesEachStepAndPutsLowBytesFirst)
{
    MacroRecord record;
    record.name[0] = u'\u4E2D'; // 中
    record.repeatFlag = 1;
    record.setRepeatCount(0x1234);
    record.eventCount = 2;
    record.setEvent(1, {241, MacroAction::Release, 0xABCD});
    record.setEvent(254, {7, 9, 0x0102});
    const auto bytes = MacroFileCodec::toFileOrder(record);
    EXPECT_EQ(bytes[0], 0x2D);
    EXPECT_EQ(bytes[1], 0x4E);
    EXPECT_EQ(
        (std::vector<int>{bytes[40], bytes[41], bytes[42], bytes[43]}), (std::vector<int>{1, 0x34, 0x12, 2}));
    EXPECT_EQ((std::vector<int>{bytes[48], bytes[49], bytes[50], bytes[51]}),
        (std::vector<int>{241, 2, 0xCD, 0xAB}));
    EXPECT_EQ((std::vector<int>{bytes[1060], bytes[1061], bytes[1062], bytes[1063]}),
        (std::vector<int>{7, 9, 2, 1}));
    EXPECT_EQ(MacroFileCodec::toFileOrder(MacroFileCodec::fromFileOrder(bytes)), bytes);
}

TEST(MacroFileCodec, MalformedDigitGroupsKeepTheirLowEightBits)
{
    // Each text is one record value; the first record byte (low byte of the
    // name's first unit) shows the conversion of the first group.
    const struct {
        const char* text;
        int firstByte;
        int secondByte;
    } cases[] = {
        {"999001", 231, 1},            // 999 & 0xFF
        {"-01002", 255, 2},            // -1 & 0xFF
        {" 7 003", 7, 3},              // leading blank skipped, digits to the first non-digit
        {"+12x5", 12, 0},              // sign taken; "x5" has no leading digit
        {"abc065", 0, 65},             // no digits
        {"06", 6, 0},                  // a short text ends the record early; the rest is 0
        {"", 0, 0}, {"é65066", 0, 66}, // a non-ASCII character is one character: groups "é65", "066"
    };
    for (const auto& c : cases) {
        const auto bytes = MacroFileCodec::toFileOrder(MacroFileCodec::decodeRecord(c.text));
        EXPECT_EQ(bytes[0], c.firstByte) << c.text;
        EXPECT_EQ(bytes[1], c.secondByte) << c.text;
        for (size_t j = 2; j < bytes.size(); ++j)
            ASSERT_EQ(bytes[j], 0) << c.text << " byte " << j;
    }
}

TEST(MacroFileCodec, CountIsTakenFromTwoCharactersAndClamped)
{
    const struct {
        const char* text;
        int count;
    } cases[] = {
        {"0", 0},
        {"", 0},
        {"5", 5},
        {"12", 12},
        {"123", 12},
        {"99", 12},
        {"13", 12},
        {"-5", 0},
        {"abc", 0},
        {" 7", 7},
        {"7x", 7},
        {"4 2", 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MacroFileCodec::decodeCount(c.text), c.count) << c.text;
}

TEST(MacroFile, SaveThenLoadRestoresEveryByteOfTheSavedRecords)
{
    std::mt19937 random(7);
    MacroStore saved;
    saved.modify([&](MacroStoreData& data) {
        data.count = 12;
        for (auto& record : data.records)
            record = randomRecord(random);
    });
    MemoryFileSystem files;
    ASSERT_TRUE(saveMacroFile(saved, files, "/p/Macro.dat"));
    EXPECT_EQ(files.writes, 1); // the whole store is one atomic write

    MacroStore loaded;
    RecordingMessages messages;
    loadMacroFile(loaded, files, "/p/Macro.dat", messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(loaded.count(), 12);
    EXPECT_EQ(loaded.current(), 11);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(MacroFileCodec::toFileOrder(loaded.record(i)), MacroFileCodec::toFileOrder(saved.record(i)))
            << "record " << i;
}

TEST(MacroFile, LoadReplacesOnlyTheFirstCountRecords)
{
    const std::string record0 = MacroFileCodec::encodeRecord(MacroRecord::blank());
    const struct {
        const char* name;
        std::string file;
        int count;
        int current;
    } cases[] = {
        {"zero", fileWith("0", {}), 0, 0},
        {"empty count", fileWith("", {}), 0, 0},
        {"no count key", "[Macros]\n0=" + record0 + "\n", 0, 0},
        {"no section", "[Other]\nmacroNum=3\n", 0, 0},
        {"five", fileWith("5", {record0, record0, record0, record0, record0}), 5, 4},
        {"three digits", fileWith("123", {}), 12, 11},
        {"negative", fileWith("-5", {}), 0, 0},
        {"letters", fileWith("abc", {}), 0, 0},
    };
    for (const auto& c : cases) {
        MacroStore store;
        MacroRecord sentinel;
        sentinel.setName(u"sentinel");
        sentinel.eventCount = 77;
        store.modify([&](MacroStoreData& data) {
            data.records.fill(sentinel);
            data.current = 9;
        });
        MemoryFileSystem files;
        files.files["/m.dat"] = c.file;
        RecordingMessages messages;
        loadMacroFile(store, files, "/m.dat", messages);
        EXPECT_EQ(store.count(), c.count) << c.name;
        EXPECT_EQ(store.current(), c.current) << c.name;
        for (int i = 0; i < 12; ++i) {
            const bool replaced = i < c.count;
            EXPECT_EQ(store.record(i).eventCount, replaced ? 0 : 77) << c.name << " record " << i;
        }
        EXPECT_TRUE(messages.shown.empty()) << c.name;
    }
}

TEST(MacroFile, MissingRecordKeysAndShortValuesGiveZeroBytes)
{
    MacroRecord one = MacroRecord::blank();
    one.setName(u"x");
    one.eventCount = 3;
    const std::string full = MacroFileCodec::encodeRecord(one);
    MemoryFileSystem files;
    // Record 0 is cut after its step count, record 1 is missing, record 2 is
    // longer than a record.
    files.files["/m.dat"] = "[Macros]\nmacroNum=3\n0=" + full.substr(0, 132) + "\n2=" + full + "999999\n";
    MacroStore store;
    store.modify([](MacroStoreData& data) { data.records[1].eventCount = 9; });
    RecordingMessages messages;
    loadMacroFile(store, files, "/m.dat", messages);
    EXPECT_EQ(MacroFileCodec::toFileOrder(store.record(0)),
        MacroFileCodec::toFileOrder(one)); // rest was zero anyway
    EXPECT_EQ(MacroFileCodec::toFileOrder(store.record(1)), MacroFileCodec::RecordBytes{});
    EXPECT_EQ(MacroFileCodec::toFileOrder(store.record(2)), MacroFileCodec::toFileOrder(one));
}

TEST(MacroFile, HugeValuesLoadWithoutOverrunningTheStore)
{
    MemoryFileSystem files;
    files.files["/m.dat"] = "[Macros]\nmacroNum=99999999\n0=" + std::string(10 * 1024 * 1024, '9') + "\n";
    MacroStore store;
    RecordingMessages messages;
    loadMacroFile(store, files, "/m.dat", messages);
    EXPECT_EQ(store.count(), 12);
    EXPECT_EQ(store.record(0).eventCount, 231);
    EXPECT_EQ(store.record(1).eventCount, 0);
}

TEST(MacroFile, UnreadableFileShowsTheMessageAndEmptiesTheStore)
{
    MemoryFileSystem files;
    files.brokenReads["/dir"] = FileSystem::ReadStatus::Unreadable;
    for (const char* path : {"/missing.dat", "/dir"}) {
        MacroStore store;
        store.modify([](MacroStoreData& data) {
            data.count = 4;
            data.current = 2;
        });
        RecordingMessages messages;
        loadMacroFile(store, files, path, messages);
        EXPECT_EQ(messages.shown, std::vector<std::string>{"找不到配置文件"}) << path;
        EXPECT_EQ(store.count(), 0) << path;
        EXPECT_EQ(store.current(), 0) << path;
    }
}

TEST(MacroFile, SavingFewerMacrosKeepsStaleKeysAndOtherContent)
{
    MemoryFileSystem files;
    MacroStore store;
    store.modify([](MacroStoreData& data) {
        data.count = 8;
        for (int i = 0; i < 8; ++i)
            data.records[i].setName(std::u16string(1, static_cast<char16_t>(u'a' + i)));
    });
    files.files["/m.dat"] = "; exported macros\n[Other]\nkeep=1\n";
    ASSERT_TRUE(saveMacroFile(store, files, "/m.dat"));
    store.modify([](MacroStoreData& data) { data.count = 5; });
    ASSERT_TRUE(saveMacroFile(store, files, "/m.dat"));

    const ProfileFile document = ProfileFile::parse(files.files["/m.dat"]);
    EXPECT_EQ(document.read("Other", "keep", 10), "1");
    EXPECT_EQ(document.read("Macros", "macroNum", 10), "5");
    EXPECT_EQ(document.keys("Macros"),
        (std::vector<std::string>{"macroNum", "0", "1", "2", "3", "4", "5", "6", "7"}));
    MacroStore loaded;
    RecordingMessages messages;
    loadMacroFile(loaded, files, "/m.dat", messages);
    EXPECT_EQ(loaded.count(), 5);
}

TEST(MacroFile, FailedSaveLeavesTheOldFile)
{
    MemoryFileSystem files;
    files.files["/m.dat"] = "[Macros]\nmacroNum=0\n";
    files.failWrites = true;
    MacroStore store;
    store.modify([](MacroStoreData& data) { data.count = 2; });
    EXPECT_FALSE(saveMacroFile(store, files, "/m.dat"));
    EXPECT_EQ(files.files["/m.dat"], "[Macros]\nmacroNum=0\n");
}

TEST(MacroFile, FileBytesOfANewFileLoadBack)
{
    MacroStoreData data;
    data.count = 2;
    data.records[0].setName(u"默认");
    data.records[1].setName(u"b");
    MemoryFileSystem files;
    files.files["/defMacro.dat"] = MacroFileCodec::fileBytes(data);
    EXPECT_EQ(files.files["/defMacro.dat"].rfind("[Macros]\n", 0), 0u);
    MacroStore store;
    RecordingMessages messages;
    loadMacroFile(store, files, "/defMacro.dat", messages);
    EXPECT_EQ(store.count(), 2);
    EXPECT_EQ(store.record(0).nameView(), u"默认");
}

} // namespace
} // namespace z3
