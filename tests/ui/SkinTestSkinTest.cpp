// The flat-colour test skin is a fixture for pixel tests of painting: each
// picture must decode to its listed colour everywhere, close enough that no
// two pictures can be mistaken for each other, and its layouts must load.
#include "core/ini/ProfileFile.h"
#include "core/skin/SkinFiles.h"
#include "core/skin/SkinLoader.h"
#include "core/skin/SkinMessages.h"
#include "core/skin/SkinRowReader.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/skin/SkinPicture.h"
#include "platform/skin/WindowShape.h"

#include <QColor>
#include <cstdlib>
#include <gtest/gtest.h>

namespace z3 {
namespace {

const std::string kTestSkin = std::string(Z3_APP_DIR) + "/../test-skin";

int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

TEST(TestSkin, EveryPictureIsItsListedColourAndTheColoursStayApart)
{
    PosixFileSystem files;
    const auto colours = ProfileFile::load(files, kTestSkin + "/colors.ini");
    const auto names = colours.keys("COLORS");
    ASSERT_GE(names.size(), 20u);
    std::vector<std::pair<std::string, QRgb>> listed;
    for (const auto& name : names) {
        const QRgb colour = QColor(QString::fromStdString(colours.read("COLORS", name, 16))).rgb();
        const QImage image = SkinPicture::decode(QString::fromStdString(kTestSkin + "/" + name));
        ASSERT_FALSE(image.isNull()) << name;
        for (const QPoint at : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1),
                 QPoint(image.width() / 2, image.height() / 2)})
            EXPECT_LE(distance(image.pixel(at), colour), 6) << name;
        if (name.find("mask") == std::string::npos)
            listed.emplace_back(name, colour);
    }
    for (size_t a = 0; a < listed.size(); ++a)
        for (size_t b = a + 1; b < listed.size(); ++b)
            EXPECT_GT(distance(listed[a].second, listed[b].second), 60)
                << listed[a].first << " vs " << listed[b].first;
}

TEST(TestSkin, LayoutsLoadOnAGrid)
{
    struct Sink : SkinMessageSink {
        void showMessage(std::string_view) override { ++messages; }
        void closeProgram() override { ++messages; }
        int messages = 0;
    } sink;
    PosixFileSystem files;
    SkinRowReader reader(files, sink);
    SkinLoader loader(reader, sink, kTestSkin);
    SkinLayouts layouts;
    ASSERT_TRUE(loader.loadLayouts(layouts));
    ASSERT_TRUE(loader.loadWarningLayout(layouts.warning));
    EXPECT_EQ(sink.messages, 0);
    for (int i : {0, 9, 10, 79}) {
        const auto& r = layouts.main[static_cast<size_t>(i)];
        EXPECT_EQ(r.x, (i % 10) * 80 + 4) << i;
        EXPECT_EQ(r.y, (i / 10) * 80 + 4) << i;
        EXPECT_EQ(r.width, 72) << i;
    }
    EXPECT_EQ(layouts.main[0].label, "L0");
    EXPECT_EQ(layouts.colour[0].x, layouts.main[20].x);
    EXPECT_EQ(layouts.functionLabels[54], "F54");
    EXPECT_EQ(layouts.warning[0].label, "W0");
}

TEST(TestSkin, MainWindowShapeCutsTheMaskAndThreeOfTheFourControls)
{
    struct Sink : SkinMessageSink {
        void showMessage(std::string_view) override { }
        void closeProgram() override { }
    } sink;
    PosixFileSystem files;
    SkinRowReader reader(files, sink);
    SkinLayouts layouts;
    ASSERT_TRUE(SkinLoader(reader, sink, kTestSkin).loadLayouts(layouts));
    const auto shape
        = WindowShape::load(QString::fromStdString(kTestSkin + "/main_mask.jpg"), layouts.controls);
    ASSERT_TRUE(shape.isShaped());
    EXPECT_EQ(shape.maskSize, QSize(800, 640));
    // The mask's light top-left square is outside; everything else inside.
    EXPECT_FALSE(shape.outline.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.outline.contains(QPoint(9, 9)));
    EXPECT_TRUE(shape.outline.contains(QPoint(10, 0)));
    EXPECT_TRUE(shape.outline.contains(QPoint(799, 639)));
    // Cells 40..43 hold the repeat count edit, the name edit and the lists:
    // only the repeat count edit stays in the repaint area.
    const auto centre = [&](PageControl control) {
        const auto& r = layouts.controls[control];
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    EXPECT_TRUE(shape.repaintArea.contains(centre(PageControl::RepeatCountEdit)));
    for (const auto control :
        {PageControl::MacroNameEdit, PageControl::MacroListBox, PageControl::EventListBox}) {
        EXPECT_FALSE(shape.repaintArea.contains(centre(control)));
        EXPECT_TRUE(shape.outline.contains(centre(control)));
    }
    EXPECT_FALSE(shape.repaintArea.contains(QPoint(0, 0)));

    const auto unshaped
        = WindowShape::load(QString::fromStdString(kTestSkin + "/missing.jpg"), layouts.controls);
    EXPECT_FALSE(unshaped.isShaped());
    EXPECT_TRUE(unshaped.outline.isEmpty());
}

} // namespace
} // namespace z3
