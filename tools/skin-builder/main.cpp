// Builds the default skin and the installation data of the program folder:
//   skin-builder --app <program folder> [--test-skin <folder>] [--preview <folder>]
// writes every picture and layout file into <program folder>/skins, and
// config.ini and Macro.dat into the program folder only when they are not
// there yet (they hold the user's settings and macros). --test-skin writes
// the flat-colour test skin, --preview screenshots of every page and popup.
#include "DefaultSkin.h"
#include "InstallData.h"
#include "LayoutFiles.h"
#include "SkinPreview.h"
#include "TestSkin.h"
#include "core/skin/SkinFiles.h"
#include "platform/posix/PosixFileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

namespace {

using namespace z3;
using namespace z3::skin_builder;

bool savePicture(const QImage& image, const QString& dir, std::string_view name)
{
    const QString path = dir + "/" + QString::fromUtf8(name.data(), static_cast<int>(name.size()));
    const bool ok = name.ends_with(".bmp") ? image.save(path, "BMP") : image.save(path, "JPG", 95);
    if (!ok)
        std::fprintf(stderr, "skin-builder: cannot write %s\n", qPrintable(path));
    return ok;
}

bool writeDefaultSkin(FileSystem& files, const QString& skinsDir)
{
    const DefaultSkin skin;
    const struct {
        std::string_view name;
        QImage image;
    } pictures[] = {
        {skin_files::kMainPage.normal, skin.mainPage(Look::Normal)},
        {skin_files::kMainPage.over, skin.mainPage(Look::Over)},
        {skin_files::kMainPage.down, skin.mainPage(Look::Down)},
        {skin_files::kAdvancedPage.normal, skin.advancedPage(Look::Normal)},
        {skin_files::kAdvancedPage.over, skin.advancedPage(Look::Over)},
        {skin_files::kAdvancedPage.down, skin.advancedPage(Look::Down)},
        {skin_files::kColourPage.normal, skin.colourPage(Look::Normal, QColor::fromRgb(kStageColours[1]))},
        {skin_files::kColourPage.over, skin.colourPage(Look::Over, QColor::fromRgb(kStageColours[2]))},
        {skin_files::kColourPage.down, skin.colourPage(Look::Down, QColor::fromRgb(kStageColours[3]))},
        {skin_files::kLedPreviewDark, skin.colourPage(Look::Normal, QColor())},
        {skin_files::kLedPreviewBlue, skin.colourPage(Look::Normal, QColor::fromRgb(kStageColours[0]))},
        {skin_files::kDpiSliderKnob, skin.sliderKnob()},
        {skin_files::kMainMask, skin.mainMask()},
        {skin_files::kMenuMask, DefaultSkin::sizeOnly(kMenuWidth, 10 * kMenuRowHeight)},
        {skin_files::kMenu.normal, skin.menu(Look::Normal)},
        {skin_files::kMenu.over, skin.menu(Look::Over)},
        {skin_files::kMenu.down, skin.menu(Look::Down)},
        {skin_files::kAdvancedMenuMask,
            DefaultSkin::sizeOnly(kAdvancedMenuWidth, 12 * kAdvancedMenuRowHeight)},
        {skin_files::kAdvancedMenu.normal, skin.advancedMenu(Look::Normal)},
        {skin_files::kAdvancedMenu.over, skin.advancedMenu(Look::Over)},
        {skin_files::kAdvancedMenu.down, skin.advancedMenu(Look::Down)},
        {skin_files::kWarningNormal, skin.warning(Look::Normal)},
        {skin_files::kWarningOver, skin.warning(Look::Over)},
        {skin_files::kWarningMask, skin.warningMask()},
    };
    for (const auto& picture : pictures)
        if (!savePicture(picture.image, skinsDir, picture.name))
            return false;
    const std::string dir = skinsDir.toStdString();
    return writeLayoutFiles(files, dir,
               {&mainGeometry().regions, &mainGeometry().functionLabels, &colourGeometry(),
                   &advancedGeometry(), &warningGeometry()})
        && writeDefaultMacros(files, dir + "/" + std::string(skin_files::kDefaultMacros));
}

// config.ini and Macro.dat belong to the user once they exist.
bool writeFirstInstallFiles(FileSystem& files, const QString& appDir)
{
    const std::string config = (appDir + "/config.ini").toStdString();
    if (!QFileInfo::exists(QString::fromStdString(config))
        && !files.writeFileAtomically(config, defaultConfigIni()))
        return false;
    const std::string macros = (appDir + "/Macro.dat").toStdString();
    if (!QFileInfo::exists(QString::fromStdString(macros)) && !writeDefaultMacros(files, macros))
        return false;
    return true;
}

int fail(const char* what)
{
    std::fprintf(stderr, "skin-builder: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QString appDir;
    QString testSkinDir;
    QString previewDir;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--app")
            appDir = args[i + 1];
        else if (args[i] == "--test-skin")
            testSkinDir = args[i + 1];
        else if (args[i] == "--preview")
            previewDir = args[i + 1];
        else
            return fail("usage: skin-builder --app DIR [--test-skin DIR] [--preview DIR]");
    }
    if (appDir.isEmpty())
        return fail("usage: skin-builder --app DIR [--test-skin DIR] [--preview DIR]");

    PosixFileSystem files;
    const QString skinsDir = appDir + "/skins";
    if (!QDir().mkpath(skinsDir) || !writeDefaultSkin(files, skinsDir))
        return fail("cannot write the default skin");
    if (!writeFirstInstallFiles(files, appDir))
        return fail("cannot write config.ini or Macro.dat");
    if (!testSkinDir.isEmpty()
        && (!QDir().mkpath(testSkinDir) || !writeTestSkin(files, testSkinDir.toStdString())))
        return fail("cannot write the test skin");
    if (!previewDir.isEmpty() && (!QDir().mkpath(previewDir) || !writePreviews(skinsDir, previewDir)))
        return fail("cannot write the previews");
    return 0;
}
