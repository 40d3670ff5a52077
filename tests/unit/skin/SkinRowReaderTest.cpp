#include "core/skin/SkinRowReader.h"

#include "core/skin/SkinLoader.h"
#include "core/skin/SkinMessages.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace z3 {
namespace {

// Records what the skin code would show and whether it asked to close.
class RecordingSink : public SkinMessageSink {
public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    void closeProgram() override { ++closeRequests; }

    std::vector<std::string> messages;
    int closeRequests = 0;
};

class SkinRowReaderTest : public testing::Test {
protected:
    std::string writeIni(const std::string& name, const std::string& text)
    {
        const std::string path = kSkins + "/" + name;
        m_files.files[path] = text;
        return path;
    }

    const std::string kSkins = "/app/skins";
    test::MemoryFileSystem m_files;
    RecordingSink m_sink;
    SkinRowReader m_reader{m_files, m_sink};
};

TEST_F(SkinRowReaderTest, ReadsKeysCaseInsensitivelyAndMissingOnesAsEmptyRows)
{
    const auto path = writeIni("skin_main.ini",
        "[buttonpos]\r\n0=free,12,30,80,24,保存,\r\n"
        "[FUN_STRING]\r\n1=Left Button\r\n");
    const auto region = m_reader.read(path, "BUTTONPOS", 0);
    ASSERT_TRUE(region);
    EXPECT_EQ(region->fields[1], "12");
    EXPECT_EQ(region->fields[5], "保存");
    EXPECT_EQ(m_reader.read(path, "FUN_STRING", 1)->fields[0], "Left Button");
    for (const auto& [section, key] : {std::pair{"BUTTONPOS", 1}, {"NOSUCH", 0}, {"FUN_STRING", 54}}) {
        const auto empty = m_reader.read(path, section, key);
        ASSERT_TRUE(empty);
        EXPECT_EQ(empty->fields, SkinLayoutRow{}.fields) << section << key;
    }
    EXPECT_TRUE(m_sink.messages.empty());
}

TEST_F(SkinRowReaderTest, CutsValuesAfter259Characters)
{
    // A megabyte of value: only the first 259 characters take part, so the
    // comma at position 259 (0-based) no longer counts.
    std::string value(259, 'x');
    value[3] = ',';
    value += ",tail,";
    value += std::string(1 << 20, 'y');
    const auto path = writeIni("long.ini", "[BUTTONPOS]\n0=" + value + "\n");
    const auto row = m_reader.read(path, "BUTTONPOS", 0);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->commaCount, 1u);
    EXPECT_EQ(row->fields[0], "xxx");
    EXPECT_EQ(row->fields[1], "");
}

TEST_F(SkinRowReaderTest, ReportsEachRowWithMoreThanSixCommasAndStillSplitsIt)
{
    const auto path = writeIni("rows.ini", "[BUTTONPOS]\n0=a,1,2,3,4,L,x,y,\n1=b,1,2,3,4,M,\n2=c,,,,,,,\n");
    const auto bad = m_reader.read(path, "BUTTONPOS", 0);
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->fields[5], "L");
    EXPECT_EQ(bad->fields[6], "x,y,");
    m_reader.read(path, "BUTTONPOS", 1);
    m_reader.read(path, "BUTTONPOS", 2);
    EXPECT_EQ(m_sink.messages, (std::vector<std::string>{"加载ini错误！", "加载ini错误！"}));
    EXPECT_FALSE(m_reader.failed());
}

TEST_F(SkinRowReaderTest, AFileThatCannotBeReadIsReportedOnceAndEndsReading)
{
    const auto good = writeIni("good.ini", "[BUTTONPOS]\n0=a,1,2,3,4,L,\n");
    writeIni("huge.ini", std::string(SkinRowReader::kMaxFileBytes + 1, ';'));
    m_files.brokenReads[kSkins + "/folder.ini"] = FileSystem::ReadStatus::Unreadable;
    for (const auto& unreadable : {kSkins + "/missing.ini", kSkins + "/folder.ini", kSkins + "/huge.ini"}) {
        RecordingSink sink;
        SkinRowReader reader(m_files, sink);
        EXPECT_FALSE(reader.read(unreadable, "BUTTONPOS", 0)) << unreadable;
        EXPECT_FALSE(reader.read(good, "BUTTONPOS", 0)) << "a failed reader reads nothing further";
        EXPECT_TRUE(reader.failed());
        EXPECT_EQ(sink.messages, std::vector<std::string>{"找不到配置文件"}) << unreadable;
    }
}

TEST_F(SkinRowReaderTest, ChecksTheFileBeforeEveryReadEvenWhenCached)
{
    const auto path = writeIni("gone.ini", "[BUTTONPOS]\n0=a,1,2,3,4,L,\n1=b,\n");
    ASSERT_TRUE(m_reader.read(path, "BUTTONPOS", 0));
    m_files.files[path] = "[BUTTONPOS]\n1=changed,\n";
    EXPECT_EQ(m_reader.read(path, "BUTTONPOS", 1)->fields[0], "changed");
    m_files.files.erase(path);
    EXPECT_FALSE(m_reader.read(path, "BUTTONPOS", 1));
    EXPECT_EQ(m_sink.messages, std::vector<std::string>{"找不到配置文件"});
}

// A complete small skin: every layout file with a few distinctive rows.
class SkinLoaderTest : public SkinRowReaderTest {
protected:
    void writeSkin()
    {
        writeIni("skin_main.ini",
            "[BUTTONPOS]\n0=save,12,30,80,24,保存,\n79=last,1,2,3,4,end,\n"
            "17=btn1, 5 , -7 ,abc,40,\n"
            "[FUN_STRING]\n1=左键\n54=fifty-four,\n");
        writeIni("skin_color.ini", "[BUTTONPOS]\n11=preview,100,200,300,150,,\n");
        writeIni("skin_advance.ini",
            "[BUTTONPOS]\n13=hint,1,1,1,1,提示,\n"
            "[EDIT]\n3=repeat,10,20,30,40,\n4=name,50,60,70,80,\n"
            "[MACRODISPLAY]\n1=list,1,2,3,4,\n2=events,2147483647,5,10,-10,\n");
        writeIni("LBWarning.ini", "[BUTTONPOS]\n0=ok,10,100,80,30,继续,\n2=text,0,0,300,60,警告,\n");
    }

    SkinLoader m_loader{m_reader, m_sink, kSkins};
    SkinLayouts m_layouts;
};

TEST_F(SkinLoaderTest, FillsEveryLayoutSetFromItsFile)
{
    writeSkin();
    ASSERT_TRUE(m_loader.loadLayouts(m_layouts));
    ASSERT_TRUE(m_loader.loadWarningLayout(m_layouts.warning));

    const auto& save = m_layouts.main[0];
    EXPECT_EQ((std::array{save.x, save.y, save.width, save.height}), (std::array{12, 30, 80, 24}));
    EXPECT_EQ(save.label, "保存");
    EXPECT_EQ(m_layouts.main[79].label, "end");
    // Numbers are decimal prefixes: blanks skipped, signs kept, text gives 0.
    const auto& button = m_layouts.main[17];
    EXPECT_EQ((std::array{button.x, button.y, button.width, button.height}), (std::array{5, -7, 0, 40}));
    EXPECT_EQ(m_layouts.main[1].label, "");
    EXPECT_EQ(m_layouts.functionLabels[0], "");
    EXPECT_EQ(m_layouts.functionLabels[1], "左键");
    EXPECT_EQ(m_layouts.functionLabels[54], "fifty-four");
    EXPECT_EQ(m_layouts.colour[11].height, 150);
    EXPECT_EQ(m_layouts.advanced[13].label, "提示");

    // Control rectangles become left, top, right, bottom; sums saturate.
    const auto& controls = m_layouts.controls;
    EXPECT_EQ(controls[PageControl::RepeatCountEdit], (ControlRect{10, 20, 40, 60}));
    EXPECT_EQ(controls[PageControl::MacroNameEdit], (ControlRect{50, 60, 120, 140}));
    EXPECT_EQ(controls[PageControl::MacroListBox], (ControlRect{1, 2, 4, 6}));
    EXPECT_EQ(controls[PageControl::EventListBox], (ControlRect{2147483647, 5, 2147483647, -5}));

    EXPECT_EQ(m_layouts.warning[0].label, "继续");
    EXPECT_EQ(m_layouts.warning[1].width, 0);
    EXPECT_EQ(m_layouts.warning[2].label, "警告");
    EXPECT_TRUE(m_sink.messages.empty());
    EXPECT_EQ(m_sink.closeRequests, 0);
}

TEST_F(SkinLoaderTest, AMissingLayoutFileShowsOneMessageAndClosesOnce)
{
    for (const char* missing : {"skin_main.ini", "skin_color.ini", "skin_advance.ini"}) {
        writeSkin();
        m_files.files.erase(kSkins + "/" + missing);
        RecordingSink sink;
        SkinRowReader reader(m_files, sink);
        SkinLoader loader(reader, sink, kSkins);
        SkinLayouts layouts;
        EXPECT_FALSE(loader.loadLayouts(layouts)) << missing;
        EXPECT_FALSE(loader.loadWarningLayout(layouts.warning)) << missing;
        EXPECT_EQ(sink.messages, std::vector<std::string>{"找不到配置文件"}) << missing;
        EXPECT_EQ(sink.closeRequests, 1) << missing;
    }
}

TEST_F(SkinLoaderTest, AMissingWarningLayoutClosesAfterTheOthersLoaded)
{
    writeSkin();
    m_files.files.erase(kSkins + "/LBWarning.ini");
    EXPECT_TRUE(m_loader.loadLayouts(m_layouts));
    EXPECT_FALSE(m_loader.loadWarningLayout(m_layouts.warning));
    EXPECT_EQ(m_sink.messages, std::vector<std::string>{"找不到配置文件"});
    EXPECT_EQ(m_sink.closeRequests, 1);
}

} // namespace
} // namespace z3
