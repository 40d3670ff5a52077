#include "TestSkin.h"

#include "InstallData.h"
#include "LayoutFiles.h"
#include "SkinGeometry.h"
#include "core/ini/ProfileFile.h"
#include "core/skin/SkinFiles.h"

#include <QColor>
#include <QImage>
#include <QString>

namespace z3::skin_builder {
namespace {

struct FlatPicture {
    std::string_view name;
    QRgb colour;
    int width;
    int height;
};

// Channels from {0, 90, 180, 255}: any two pictures differ by at least 75
// in some channel, far more than JPEG rounding moves a flat colour.
const FlatPicture kPictures[] = {
    {skin_files::kMainPage.normal, qRgb(90, 90, 90), kWindowWidth, kWindowHeight},
    {skin_files::kMainPage.over, qRgb(0, 180, 0), kWindowWidth, kWindowHeight},
    {skin_files::kMainPage.down, qRgb(0, 0, 180), kWindowWidth, kWindowHeight},
    {skin_files::kAdvancedPage.normal, qRgb(180, 90, 0), kWindowWidth, kWindowHeight},
    {skin_files::kAdvancedPage.over, qRgb(0, 180, 180), kWindowWidth, kWindowHeight},
    {skin_files::kAdvancedPage.down, qRgb(180, 0, 180), kWindowWidth, kWindowHeight},
    {skin_files::kColourPage.normal, qRgb(255, 90, 180), kWindowWidth, kWindowHeight},
    {skin_files::kColourPage.over, qRgb(255, 0, 0), kWindowWidth, kWindowHeight},
    {skin_files::kColourPage.down, qRgb(90, 0, 180), kWindowWidth, kWindowHeight},
    {skin_files::kLedPreviewDark, qRgb(180, 180, 180), kWindowWidth, kWindowHeight},
    {skin_files::kLedPreviewBlue, qRgb(0, 90, 255), kWindowWidth, kWindowHeight},
    {skin_files::kDpiSliderKnob, qRgb(255, 180, 0), 40, 30},
    {skin_files::kMenuMask, qRgb(0, 0, 0), 200, 280},
    {skin_files::kMenu.normal, qRgb(0, 0, 90), 200, 281},
    {skin_files::kMenu.over, qRgb(255, 90, 0), 200, 281},
    {skin_files::kMenu.down, qRgb(0, 90, 0), 200, 281},
    {skin_files::kAdvancedMenuMask, qRgb(0, 0, 0), 200, 360},
    {skin_files::kAdvancedMenu.normal, qRgb(90, 0, 90), 200, 361},
    {skin_files::kAdvancedMenu.over, qRgb(90, 180, 255), 200, 361},
    {skin_files::kAdvancedMenu.down, qRgb(180, 180, 0), 200, 361},
    {skin_files::kWarningNormal, qRgb(90, 90, 0), 300, 150},
    {skin_files::kWarningOver, qRgb(0, 90, 90), 300, 150},
};

// Region i of a layout sits in cell i of a 10 x 8 grid of 80 x 80 cells,
// inset by 4 px, so there is always skin between regions to drag.
QRect cell(int index)
{
    return {(index % 10) * 80 + 4, (index / 10) * 80 + 4, 72, 72};
}

const char* const kNames[] = {"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9", "r10", "r11", "r12",
    "r13", "r14", "r15", "r16", "r17", "r18", "r19"};

template <size_t N> std::array<RegionSpec, N> gridRegions(int firstCell, const char* const* labels)
{
    std::array<RegionSpec, N> regions{};
    for (size_t i = 0; i < N; ++i)
        regions[i] = {i < 20 ? kNames[i] : "r", cell(firstCell + static_cast<int>(i)),
            labels[i] != nullptr ? labels[i] : ""};
    return regions;
}

const char* const kMainLabels[80] = {"L0", "L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", "L9", "L10", "L11",
    "L12", "L13", "L14", "L15", "L16", "", "", "", "", "", "", "L23", "L24", "L25", "L26", "L27", "L28",
    "L29", "L30", "L31", "L32", "L33", "L34", "L35", "L36"};
const char* const kColourLabels[12] = {"C0", "C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10", ""};
const char* const kAdvancedLabels[14]
    = {"A0", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11", "A12", "A13"};

std::array<const char*, 55> testFunctionLabels()
{
    static const char* const labels[55]
        = {"", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "F13", "F14", "F15",
            "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24", "F25", "F26", "F27", "F28", "F29",
            "F30", "F31", "F32", "F33", "F34", "F35", "F36", "F37", "F38", "F39", "F40", "F41", "F42", "F43",
            "F44", "F45", "F46", "F47", "F48", "F49", "F50", "F51", "F52", "F53", "F54"};
    std::array<const char*, 55> result{};
    std::copy(std::begin(labels), std::end(labels), result.begin());
    return result;
}

bool savePicture(const QImage& image, const std::string& dir, std::string_view name)
{
    const QString path = QString::fromStdString(dir + "/" + std::string(name));
    return name.ends_with(".bmp") ? image.save(path, "BMP") : image.save(path, "JPG", 100);
}

} // namespace

bool writeTestSkin(FileSystem& files, const std::string& dir)
{
    ProfileFile colours;
    for (const FlatPicture& picture : kPictures) {
        QImage image(picture.width, picture.height, QImage::Format_RGB32);
        image.fill(picture.colour);
        if (!savePicture(image, dir, picture.name))
            return false;
        colours.write("COLORS", picture.name, QColor(picture.colour).name().toStdString());
    }
    QImage mask(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QImage warningMask(300, 150, QImage::Format_RGB32);
    warningMask.fill(Qt::black);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            mask.setPixel(x, y, qRgb(255, 255, 255));
            warningMask.setPixel(x, y, qRgb(255, 255, 255));
        }
    if (!savePicture(mask, dir, skin_files::kMainMask)
        || !savePicture(warningMask, dir, skin_files::kWarningMask))
        return false;

    const auto main = gridRegions<80>(0, kMainLabels);
    const auto functionLabels = testFunctionLabels();
    // Colour and macro page regions share cells 20.. with main regions that
    // only the main page hit-tests; the page controls take cells 40..43.
    const auto colour = gridRegions<12>(20, kColourLabels);
    AdvancedGeometry advanced{};
    advanced.regions = gridRegions<14>(20, kAdvancedLabels);
    advanced.repeatEdit = cell(40);
    advanced.nameEdit = cell(41);
    advanced.macroList = cell(42);
    advanced.eventList = cell(43);
    const std::array<RegionSpec, 3> warning = {{
        {"first", {20, 90, 100, 40}, "W0"},
        {"second", {180, 90, 100, 40}, "W1"},
        {"text", {20, 20, 260, 50}, "W2"},
    }};
    return writeLayoutFiles(files, dir, {&main, &functionLabels, &colour, &advanced, &warning})
        && colours.save(files, dir + "/colors.ini")
        && writeDefaultMacros(files, dir + "/" + std::string(skin_files::kDefaultMacros));
}

} // namespace z3::skin_builder
