// Checks the skin and installation data the builder wrote into the program
// folder: every file the program reads is there and decodes, every region
// sits where its role needs it, labels fit at the program's font, and the
// config.ini presets and default macros are usable.
#include "core/ini/ProfileFile.h"
#include "core/macro/MacroFile.h"
#include "core/macro/MacroStore.h"
#include "core/macro/UserMessages.h"
#include "core/skin/SkinFiles.h"
#include "core/skin/SkinLoader.h"
#include "core/skin/SkinMessages.h"
#include "core/skin/SkinRowReader.h"
#include "core/text/DecimalPrefix.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/skin/MaskRegion.h"
#include "platform/skin/SkinPicture.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QProcess>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace z3 {
namespace {

class RecordingSink : public SkinMessageSink, public UserMessages {
public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    void closeProgram() override { ++closeRequests; }
    std::vector<std::string> messages;
    int closeRequests = 0;
};

class DefaultSkin : public testing::Test {
protected:
    void SetUp() override
    {
        SkinRowReader reader(m_files, m_sink);
        SkinLoader loader(reader, m_sink, kSkins);
        ASSERT_TRUE(loader.loadLayouts(m_layouts));
        ASSERT_TRUE(loader.loadWarningLayout(m_layouts.warning));
        ASSERT_TRUE(m_sink.messages.empty());
        const auto outline = loadWindowRegion(picture(skin_files::kMainMask));
        ASSERT_TRUE(outline);
        m_outline = *outline;
    }

    static QString picture(std::string_view name)
    {
        return QString::fromStdString(kSkins + "/" + std::string(name));
    }

    // Every pixel of the rectangle is inside the window's outline.
    bool insideWindow(const HitRegion& r) const
    {
        for (int32_t y = r.y; y < r.y + r.height; ++y)
            for (int32_t x = r.x; x < r.x + r.width; ++x)
                if (!m_outline.contains(x, y))
                    return false;
        return true;
    }

    static bool overlap(const HitRegion& a, const HitRegion& b)
    {
        return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
    }

    static inline const std::string kSkins = std::string(Z3_APP_DIR) + "/skins";
    PosixFileSystem m_files;
    RecordingSink m_sink;
    SkinLayouts m_layouts;
    WindowRegion m_outline;
};

TEST_F(DefaultSkin, EveryPictureDecodesAndEachSurfaceHasOneSize)
{
    for (const auto name : skin_files::kAll)
        EXPECT_TRUE(QFileInfo::exists(picture(name))) << name;
    const QSize window = SkinPicture::size(picture(skin_files::kMainMask));
    ASSERT_TRUE(window.isValid());
    EXPECT_EQ(window, QSize(m_outline.width(), m_outline.height()));
    for (const auto& page : {skin_files::kMainPage, skin_files::kAdvancedPage, skin_files::kColourPage})
        for (const auto name : {page.normal, page.over, page.down})
            EXPECT_EQ(SkinPicture::decode(picture(name)).size(), window) << name;
    for (const auto name : {skin_files::kLedPreviewDark, skin_files::kLedPreviewBlue})
        EXPECT_EQ(SkinPicture::decode(picture(name)).size(), window) << name;
    // The outline is not a plain rectangle, and its corners are cut.
    EXPECT_FALSE(m_outline.contains(0, 0));
    EXPECT_TRUE(m_outline.contains(window.width() / 2, window.height() / 2));

    const QSize warning = SkinPicture::size(picture(skin_files::kWarningMask));
    const auto warningOutline = loadWindowRegion(picture(skin_files::kWarningMask));
    ASSERT_TRUE(warningOutline);
    EXPECT_FALSE(warningOutline->isEmpty());
    for (const auto name : {skin_files::kWarningNormal, skin_files::kWarningOver})
        EXPECT_EQ(SkinPicture::decode(picture(name)).size(), warning) << name;
}

TEST_F(DefaultSkin, MenuPicturesFitTheirWindowsAndRows)
{
    // The function menu: ten rows in a 300 x 300 window, its shape one line
    // taller than the rows; the advanced menu: twelve rows in 300 x 400.
    const struct {
        std::string_view mask;
        skin_files::PagePictures pictures;
        int rows;
        QSize window;
    } menus[] = {{skin_files::kMenuMask, skin_files::kMenu, 10, {300, 300}},
        {skin_files::kAdvancedMenuMask, skin_files::kAdvancedMenu, 12, {300, 400}}};
    for (const auto& menu : menus) {
        const QSize mask = SkinPicture::size(picture(menu.mask));
        const int rowHeight = mask.height() / menu.rows;
        EXPECT_GE(rowHeight, QFontMetrics(QFont("宋体", 10)).height() + 6) << menu.mask;
        EXPECT_LE(mask.width(), menu.window.width()) << menu.mask;
        EXPECT_LE(menu.rows * rowHeight + 1, menu.window.height()) << menu.mask;
        for (const auto name : {menu.pictures.normal, menu.pictures.over, menu.pictures.down}) {
            const QSize size = SkinPicture::decode(picture(name)).size();
            EXPECT_GE(size.width(), mask.width()) << name;
            EXPECT_GE(size.height(), menu.rows * rowHeight + 1) << name;
        }
    }
}

TEST_F(DefaultSkin, RegionsWithARoleArePlacedInsideTheWindowWithoutOverlaps)
{
    const auto& main = m_layouts.main;
    std::set<int> unused = {36, 37, 38, 39, 40, 75, 76, 77, 78, 79};
    for (int i = 0; i < 80; ++i) {
        const auto& r = main[static_cast<size_t>(i)];
        if (unused.count(i) != 0) {
            EXPECT_EQ(r.width * r.height, 0) << "region " << i << " has no role";
            continue;
        }
        EXPECT_GT(r.width, 0) << i;
        EXPECT_GT(r.height, 0) << i;
        EXPECT_TRUE(insideWindow(r)) << "main region " << i;
    }
    // What one page hit-tests must never overlap, or a press would go to
    // the lower-numbered region.
    const auto expectApart = [&](const std::vector<HitRegion>& regions, const char* page) {
        for (size_t a = 0; a < regions.size(); ++a)
            for (size_t b = a + 1; b < regions.size(); ++b)
                EXPECT_FALSE(overlap(regions[a], regions[b])) << page << ": " << a << " and " << b;
    };
    std::vector<HitRegion> mainPage(main.begin(), main.begin() + 65);
    mainPage.erase(mainPage.begin() + 36, mainPage.begin() + 41); // 36..40: no role
    expectApart(mainPage, "main page");
    std::vector<HitRegion> colourPage(main.begin(), main.begin() + 17);
    colourPage.insert(colourPage.end(), m_layouts.colour.begin(), m_layouts.colour.begin() + 4);
    expectApart(colourPage, "colour page");
    std::vector<HitRegion> advancedPage(main.begin(), main.begin() + 17);
    advancedPage.insert(advancedPage.end(), m_layouts.advanced.begin(), m_layouts.advanced.begin() + 7);
    expectApart(advancedPage, "macro page");
    for (const auto& r : m_layouts.colour)
        EXPECT_TRUE(insideWindow(r)) << r.label;
    for (const auto& r : m_layouts.advanced)
        EXPECT_TRUE(insideWindow(r)) << r.label;
    for (const auto& c : m_layouts.controls.rects) {
        EXPECT_TRUE(insideWindow({c.left, c.top, c.right - c.left, c.bottom - c.top, ""}));
        for (const auto& r : advancedPage)
            EXPECT_FALSE(overlap(r, {c.left, c.top, c.right - c.left, c.bottom - c.top, ""})) << r.label;
    }
    // The knob is copied at the size of a slider position.
    const QSize knob = SkinPicture::size(picture(skin_files::kDpiSliderKnob));
    for (int region = 45; region <= 64; ++region) {
        EXPECT_GE(knob.width(), main[static_cast<size_t>(region)].width) << region;
        EXPECT_GE(knob.height(), main[static_cast<size_t>(region)].height) << region;
    }
}

TEST_F(DefaultSkin, LabelsAreThereAndFitAtTheProgramsFont)
{
    const QFontMetrics metrics(QFont("宋体", 10));
    const auto fits = [&](const std::string& text, int width) {
        return metrics.horizontalAdvance(QString::fromStdString(text)) <= width;
    };
    for (int i : {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15, 16, 23, 24, 31, 32, 33}) {
        const auto& r = m_layouts.main[static_cast<size_t>(i)];
        EXPECT_FALSE(r.label.empty()) << i;
        EXPECT_TRUE(fits(r.label, r.width)) << i << " " << r.label;
    }
    const std::set<int> offered = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 21, 22, 23,
        24, 25, 26, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40};
    const int slotWidth = m_layouts.main[17].width - 5;
    for (int code : offered) {
        const auto& text = m_layouts.functionLabels[static_cast<size_t>(code)];
        EXPECT_FALSE(text.empty()) << code;
        EXPECT_TRUE(fits(text, slotWidth)) << code << " " << text;
        EXPECT_TRUE(fits(text, SkinPicture::size(picture(skin_files::kMenuMask)).width() - 24)) << text;
    }
    for (const auto& r : m_layouts.colour)
        EXPECT_TRUE(fits(r.label, r.width)) << r.label;
    for (const auto& r : m_layouts.advanced)
        EXPECT_TRUE(fits(r.label, r.width)) << r.label;
    for (const auto& r : m_layouts.warning) {
        EXPECT_FALSE(r.label.empty());
        EXPECT_TRUE(fits(r.label, r.width)) << r.label;
    }
    // The status line holds the longest prompt.
    EXPECT_TRUE(fits("配置完成，请点击鼠标第[6]键运行驱动", m_layouts.main[1].width));
}

// Runs the builder for a fresh program folder (the build's own config.ini
// may hold a developer's settings by now).
class DefaultInstallData : public testing::Test {
protected:
    bool runBuilder()
    {
        QProcess builder;
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        builder.setProcessEnvironment(environment);
        builder.start(Z3_SKIN_BUILDER, {"--app", QString::fromStdString(m_app.path().string())});
        return builder.waitForFinished(60000) && builder.exitStatus() == QProcess::NormalExit
            && builder.exitCode() == 0;
    }

    test::TempDir m_app;
    PosixFileSystem m_files;
};

TEST_F(DefaultInstallData, ConfigAndMacrosAreWrittenOnlyWhenMissing)
{
    ASSERT_TRUE(runBuilder());
    const std::string config = test::readFile(m_app.file("config.ini"));
    EXPECT_NE(config.find("[CfgReset5]"), std::string::npos);
    EXPECT_EQ(test::readFile(m_app.file("Macro.dat")), test::readFile(m_app.file("skins/defMacro.dat")));
    test::writeFile(m_app.file("config.ini"), "[Init]\nCurConfig=4\n");
    test::writeFile(m_app.file("Macro.dat"), "[Macros]\nmacroNum=0\n");
    test::writeFile(m_app.file("skins/skin_main.ini"), "stale");
    ASSERT_TRUE(runBuilder());
    EXPECT_EQ(test::readFile(m_app.file("config.ini")), "[Init]\nCurConfig=4\n");
    EXPECT_EQ(test::readFile(m_app.file("Macro.dat")), "[Macros]\nmacroNum=0\n");
    EXPECT_NE(test::readFile(m_app.file("skins/skin_main.ini")), "stale") << "the skin itself is rewritten";
}

TEST_F(DefaultInstallData, PresetsAreCompleteAndKeepTheRulesOfTheModel)
{
    ASSERT_TRUE(runBuilder());
    PosixFileSystem& files = m_files;
    const auto config = ProfileFile::load(files, m_app.file("config.ini"));
    ASSERT_TRUE(config.readable());
    EXPECT_EQ(config.read("Init", "CurConfig", 4), "1");
    const std::vector<std::string> keys
        = {"K1", "K2", "K3", "K4", "K5", "K6", "DPI_LEVEL", "WHEEL_STATUS", "DPI_SET1", "DPI_SET_EN1",
            "DPI_SET2", "DPI_SET_EN2", "DPI_SET3", "DPI_SET_EN3", "DPI_SET4", "DPI_SET_EN4", "LED_STATUS"};
    std::vector<std::string> sections = {"Config1", "Config2", "Config3", "Config4", "Config5"};
    for (const char* preset : {"CfgReset2", "CfgReset3", "CfgReset4", "CfgReset5"})
        sections.emplace_back(preset);
    std::set<std::vector<std::string>> distinct;
    int highestMacro = -1;
    const std::set<int> offered = {1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16, 17, 18, 21, 22, 23, 24, 25, 26,
        31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44};
    for (const auto& section : sections) {
        EXPECT_EQ(config.keys(section), keys) << section;
        const auto value
            = [&](const std::string& key) { return decimalPrefix(config.read(section, key, 9)); };
        bool leftButton = false;
        for (int b = 1; b <= 6; ++b) {
            if (value("K" + std::to_string(b)) >= 41)
                highestMacro = std::max(highestMacro, value("K" + std::to_string(b)) - 41);
            EXPECT_TRUE(offered.count(value("K" + std::to_string(b))) != 0) << section;
            leftButton = leftButton || value("K" + std::to_string(b)) == 1;
        }
        EXPECT_TRUE(leftButton) << section << " keeps a left button";
        const int level = value("DPI_LEVEL");
        ASSERT_TRUE(level >= 0 && level <= 3) << section;
        EXPECT_EQ(value("DPI_SET_EN" + std::to_string(level + 1)), 1)
            << section << ": the active stage is enabled";
        for (int s = 1; s <= 4; ++s)
            EXPECT_TRUE(
                value("DPI_SET" + std::to_string(s)) >= 0 && value("DPI_SET" + std::to_string(s)) <= 4);
        EXPECT_TRUE(value("LED_STATUS") >= 0 && value("LED_STATUS") <= 3) << section;
        std::vector<std::string> values;
        for (const auto& key : keys)
            values.push_back(config.read(section, key, 9));
        distinct.insert(values);
        // Each user profile starts as its preset.
        if (!section.starts_with("CfgReset"))
            continue;
        for (const auto& key : keys) {
            EXPECT_EQ(config.read(section, key, 9), config.read("Config" + section.substr(8), key, 9)) << key;
        }
    }
    EXPECT_EQ(distinct.size(), 5u) << "profile 1 and the four presets differ";

    // The default macros load; presets refer only to macros that exist.
    for (const auto& path : {m_app.file("skins/defMacro.dat"), m_app.file("Macro.dat")}) {
        MacroStore store;
        RecordingSink messages;
        loadMacroFile(store, files, path, messages);
        EXPECT_TRUE(messages.messages.empty()) << path;
        EXPECT_GT(store.count(), highestMacro) << path;
        for (int i = 0; i < store.count(); ++i) {
            EXPECT_FALSE(store.record(i).nameView().empty()) << path << " " << i;
            EXPECT_GT(store.record(i).eventCount, 0) << path << " " << i;
        }
    }
}

} // namespace
} // namespace z3
