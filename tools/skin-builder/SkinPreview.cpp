#include "SkinPreview.h"

#include "SkinGeometry.h"
#include "core/skin/SkinFiles.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <array>

namespace z3::skin_builder {
namespace {

constexpr int kNone = 255;

// The state a screenshot shows.
struct Scene {
    int page = 0; // 0 main, 1 advanced, 2 colour
    int hoverMain = kNone;
    int hoverColour = kNone;
    int hoverAdvanced = kNone;
    bool pressed = false;
    int profile = 1;
    std::array<int, 6> codes{1, 2, 3, 4, 5, 6};
    int dpiLevel = 0;
    std::array<int, 4> values{1, 2, 4, 0};
    std::array<bool, 4> enabled{true, true, true, true};
    int wheel = 0;
    int led = 0;
    bool driverRunning = true;
    int promptButton = 0;
    bool blinkOn = false;
    bool recording = false;
    bool repeat = false;
    int presses = 0;
    int releases = 0;
    bool ledDark = false;
    int ledColour = 1;
};

class Composer {
public:
    explicit Composer(const QString& skinsDir)
        : m_dir(skinsDir)
    { }

    QImage page(const Scene& scene) const;
    QImage menus(int hoverRow, int advancedHover, bool pressed) const;
    QImage warning(int hover) const;

private:
    QImage load(std::string_view name) const
    {
        return QImage(m_dir + "/" + QString::fromUtf8(name.data(), static_cast<int>(name.size())))
            .convertToFormat(QImage::Format_RGB32);
    }
    static void copy(QPainter& p, const QImage& from, const QRect& rect)
    {
        p.drawImage(rect.topLeft(), from, rect);
    }
    static void label(
        QPainter& p, const QRect& rect, const QString& text, const QColor& colour, bool centred = true)
    {
        const QFontMetrics metrics(p.font());
        const int width = metrics.horizontalAdvance(text);
        const int x = centred ? rect.x() + (rect.width() - width) / 2 : rect.x() + 5;
        const int y = rect.y() + (rect.height() - metrics.height()) / 2;
        p.setPen(colour);
        p.drawText(QRect(x, y, width + 2, metrics.height()), Qt::AlignLeft | Qt::AlignTop, text);
    }
    static QFont labelFont()
    {
        QFont font("宋体");
        font.setPointSize(10);
        return font;
    }

    QString m_dir;
};

QImage Composer::page(const Scene& s) const
{
    const auto& main = mainGeometry().regions;
    const auto& colour = colourGeometry();
    const auto& advanced = advancedGeometry().regions;
    const skin_files::PagePictures names = s.page == 0 ? skin_files::kMainPage
        : s.page == 1                                  ? skin_files::kAdvancedPage
                                                       : skin_files::kColourPage;
    QImage canvas = load(names.normal);
    const QImage over = load(names.over);
    const QImage down = load(names.down);
    QPainter p(&canvas);
    const auto rect = [](const RegionSpec& r) { return r.rect; };

    const int hover = s.page == 0 ? s.hoverMain : s.page == 1 ? s.hoverAdvanced : s.hoverColour;
    const QRect hoverRect = hover == kNone ? QRect()
        : s.page == 0                      ? rect(main[static_cast<size_t>(hover)])
        : s.page == 1                      ? rect(advanced[static_cast<size_t>(hover)])
                                           : rect(colour[static_cast<size_t>(hover)]);
    if (hover != kNone)
        copy(p, s.pressed ? down : over, hoverRect);
    if (s.page == 0) {
        copy(p, down, main[static_cast<size_t>(65 + s.dpiLevel)].rect);
        const QImage knob = load(skin_files::kDpiSliderKnob);
        for (int stage = 0; stage < 4; ++stage) {
            const QRect r
                = main[static_cast<size_t>(45 + 5 * stage + s.values[static_cast<size_t>(stage)])].rect;
            p.drawImage(QPoint(r.x() + kKnobOffset, r.y()), knob, QRect(0, 0, r.width(), r.height()));
            if (s.enabled[static_cast<size_t>(stage)])
                copy(p, down, main[static_cast<size_t>(27 + stage)].rect);
        }
        copy(p, down, main[s.wheel != 0 ? 33 : 32].rect);
        if (!s.driverRunning)
            copy(p, s.blinkOn ? over : down, main[static_cast<size_t>(68 + s.promptButton)].rect);
    } else if (s.page == 1) {
        if (s.recording)
            copy(p, down, advanced[4].rect);
        if (s.repeat)
            copy(p, down, advanced[6].rect);
    } else {
        copy(p, down, colour[static_cast<size_t>(s.led)].rect);
        const QRect preview = colour[11].rect;
        if (s.ledDark)
            copy(p, load(skin_files::kLedPreviewDark), preview);
        else if (s.ledColour == 0)
            copy(p, load(skin_files::kLedPreviewBlue), preview);
        else if (s.ledColour == 2)
            copy(p, over, preview);
        else if (s.ledColour == 3)
            copy(p, down, preview);
    }
    for (int i = 0; i <= 16; ++i) {
        const QRect r = main[static_cast<size_t>(i)].rect;
        const int shownTab = s.page == 0 ? 9 : s.page == 1 ? 10 : 11;
        if (i == s.profile + 3)
            copy(p, down, r);
        else if (i == s.hoverMain)
            copy(p, s.pressed ? down : over, r);
        else if (i == shownTab)
            copy(p, down, r);
    }

    // Labels.
    p.setFont(labelFont());
    const QColor white(255, 255, 255);
    const QColor yellow(255, 255, 0);
    const QColor red(255, 0, 0);
    const auto& functions = mainGeometry().functionLabels;
    const QString status = s.driverRunning ? QString("驱动运行中...")
                                           : QString("配置完成，请点击鼠标第[%1]键运行驱动")
                                                 .arg(s.blinkOn ? QString::number(s.promptButton) : " ");
    const int count = s.page == 0 ? 37 : s.page == 1 ? 31 : 28;
    for (int d = 0; d < count; ++d) {
        const QColor base = d == 1 ? yellow : white;
        if (s.page == 0 && d >= 17 && d <= 22) {
            const int code = s.codes[static_cast<size_t>(d - 17)];
            const QString text
                = code >= 0 && code < 55 ? QString::fromUtf8(functions[static_cast<size_t>(code)]) : "";
            label(p, main[static_cast<size_t>(d)].rect, text, d == s.hoverMain ? red : base, false);
        } else if (d < 17 || s.page == 0) {
            label(p, main[static_cast<size_t>(d)].rect,
                d == 1 ? status : QString::fromUtf8(main[static_cast<size_t>(d)].label), base);
        } else if (s.page == 2) {
            const int k = d - 17;
            static const char* const dpi[] = {"3200", "1200", "1600", "2000", "2400"};
            const QString text = k == 9 ? QString(dpi[s.values[static_cast<size_t>(s.dpiLevel)]])
                                        : QString::fromUtf8(colour[static_cast<size_t>(k)].label);
            label(p, colour[static_cast<size_t>(k)].rect, text, base);
        } else {
            const int k = d - 17;
            QString text = QString::fromUtf8(advanced[static_cast<size_t>(k)].label);
            if (k == 4)
                text = s.recording ? "停止" : "录制";
            if (k == 10)
                text = QString("↓%1").arg(s.presses);
            if (k == 11)
                text = QString("↑%1").arg(s.releases);
            label(p, advanced[static_cast<size_t>(k)].rect, text, k == s.hoverAdvanced ? red : base);
        }
    }
    p.end();

    // Outside the mask the window shows the desktop: paint it checkered.
    const QImage mask = load(skin_files::kMainMask);
    for (int y = 0; y < canvas.height() && y < mask.height(); ++y)
        for (int x = 0; x < canvas.width() && x < mask.width(); ++x) {
            const QRgb m = mask.pixel(x, y);
            if (qRed(m) > 100 && qGreen(m) > 100 && qBlue(m) > 100)
                canvas.setPixel(x, y, ((x / 8 + y / 8) % 2) != 0 ? qRgb(200, 200, 200) : qRgb(235, 235, 235));
        }
    return canvas;
}

QImage Composer::menus(int hoverRow, int advancedHover, bool pressed) const
{
    const QImage normal = load(skin_files::kMenu.normal);
    const QImage state = load(pressed ? skin_files::kMenu.down : skin_files::kMenu.over);
    const QImage advNormal = load(skin_files::kAdvancedMenu.normal);
    const QImage advOver = load(skin_files::kAdvancedMenu.over);
    const int h = kMenuRowHeight;
    const int ha = kAdvancedMenuRowHeight;
    QImage canvas(kMenuWidth + kAdvancedMenuWidth + 40, 12 * ha + 80, QImage::Format_RGB32);
    canvas.fill(QColor(0x30, 0x34, 0x3C));
    QPainter p(&canvas);
    p.setFont(labelFont());
    const QPoint menuAt(20, 20 + h);
    p.drawImage(menuAt, normal);
    p.drawImage(menuAt + QPoint(0, (hoverRow - 1) * h), state, QRect(0, (hoverRow - 1) * h, kMenuWidth, h));
    const auto& functions = mainGeometry().functionLabels;
    for (int row = 1; row <= 10; ++row)
        label(p, QRect(menuAt.x(), menuAt.y() + (row - 1) * h, kMenuWidth, h),
            QString::fromUtf8(functions[static_cast<size_t>(row)]),
            row == hoverRow ? QColor(255, 0, 0) : Qt::white);
    // The advanced menu of category row 7 (eight rows), bottom-aligned with it.
    const int rows = 8;
    const QPoint advAt(menuAt.x() + kMenuWidth, menuAt.y() - h);
    p.drawImage(advAt, advNormal, QRect(0, 0, kAdvancedMenuWidth, rows * ha + 1));
    p.drawImage(advAt + QPoint(0, (advancedHover - 1) * ha), advOver,
        QRect(0, (advancedHover - 1) * ha, kAdvancedMenuWidth, ha));
    for (int row = 1; row <= rows; ++row)
        label(p, QRect(advAt.x(), advAt.y() + (row - 1) * ha, kAdvancedMenuWidth, ha),
            QString::fromUtf8(functions[static_cast<size_t>(10 + row)]),
            row == advancedHover ? QColor(255, 0, 0) : Qt::white);
    return canvas;
}

QImage Composer::warning(int hover) const
{
    QImage canvas = load(skin_files::kWarningNormal);
    const QImage over = load(skin_files::kWarningOver);
    const auto& regions = warningGeometry();
    QPainter p(&canvas);
    if (hover == 0 || hover == 1)
        p.drawImage(regions[static_cast<size_t>(hover)].rect.topLeft(), over,
            regions[static_cast<size_t>(hover)].rect);
    QFont font("Consolas");
    font.setPointSize(10);
    p.setFont(font);
    for (const auto& region : regions)
        label(p, region.rect, QString::fromUtf8(region.label), QColor(255, 0, 0));
    p.end();
    const QImage mask = QImage(m_dir + "/" + QString::fromUtf8(skin_files::kWarningMask.data()))
                            .convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb m = mask.pixel(x, y);
            if (qRed(m) > 100 && qGreen(m) > 100 && qBlue(m) > 100)
                canvas.setPixel(x, y, qRgb(220, 220, 220));
        }
    return canvas;
}

} // namespace

bool writePreviews(const QString& skinsDir, const QString& previewDir)
{
    const Composer composer(skinsDir);
    struct Shot {
        const char* name;
        Scene scene;
    };
    Scene hoverButton;
    hoverButton.hoverMain = 18;
    Scene pressedApply;
    pressedApply.hoverMain = 3;
    pressedApply.pressed = true;
    Scene prompt;
    prompt.driverRunning = false;
    prompt.promptButton = 4;
    prompt.blinkOn = true;
    prompt.codes = {1, 2, 3, 36, 32, 6};
    prompt.profile = 3;
    prompt.dpiLevel = 2;
    prompt.enabled = {true, false, true, true};
    prompt.values = {1, 3, 4, 0};
    prompt.wheel = 1;
    prompt.hoverMain = 55;
    Scene promptDim = prompt;
    promptDim.blinkOn = false;
    promptDim.hoverMain = 28;
    Scene advanced;
    advanced.page = 1;
    advanced.hoverAdvanced = 2;
    Scene recording;
    recording.page = 1;
    recording.recording = true;
    recording.repeat = true;
    recording.presses = 12;
    recording.releases = 11;
    recording.hoverAdvanced = 4;
    recording.hoverMain = 10;
    Scene colour;
    colour.page = 2;
    colour.hoverColour = 1;
    colour.led = 2;
    colour.ledColour = 1;
    Scene colourDark = colour;
    colourDark.ledDark = true;
    colourDark.hoverColour = kNone;
    colourDark.hoverMain = 16;
    colourDark.pressed = true;
    Scene colourBlue = colour;
    colourBlue.ledColour = 0;
    colourBlue.led = 0;
    colourBlue.hoverColour = 3;
    colourBlue.pressed = true;
    Scene colourRed = colour;
    colourRed.ledColour = 2;
    colourRed.led = 1;
    colourRed.dpiLevel = 2;
    Scene colourPurple = colour;
    colourPurple.ledColour = 3;
    colourPurple.led = 3;
    colourPurple.dpiLevel = 3;
    const Shot shots[] = {
        {"main.png", {}},
        {"main_hover_button.png", hoverButton},
        {"main_pressed_apply.png", pressedApply},
        {"main_prompt_lit.png", prompt},
        {"main_prompt_dim.png", promptDim},
        {"advanced.png", advanced},
        {"advanced_recording.png", recording},
        {"colour_pink.png", colour},
        {"colour_dark.png", colourDark},
        {"colour_blue.png", colourBlue},
        {"colour_red.png", colourRed},
        {"colour_purple.png", colourPurple},
    };
    bool ok = true;
    for (const auto& shot : shots)
        ok = composer.page(shot.scene).save(previewDir + "/" + shot.name) && ok;
    ok = composer.menus(7, 3, false).save(previewDir + "/menu_category.png") && ok;
    ok = composer.menus(3, 8, true).save(previewDir + "/menu_pressed.png") && ok;
    ok = composer.warning(0).save(previewDir + "/warning_hover_first.png") && ok;
    ok = composer.warning(1).save(previewDir + "/warning_hover_second.png") && ok;
    return ok;
}

} // namespace z3::skin_builder
