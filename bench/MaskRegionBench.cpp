// Building a window outline from a mask: the run-based scan plus the one-step
// QRegion, against the per-pixel method (the full rectangle with every light
// pixel subtracted as a 1 x 1 square), on the same masks in the same run.
// Masks: the default skin's main_mask.jpg (read from ../app/skins next to
// this binary), a 1920 x 1080 shape with JPEG-like noise along its edges, and
// the same kind of mask at 480 x 270.
#include "core/skin/WindowRegion.h"
#include "platform/skin/MaskRegion.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

namespace z3 {
namespace {

QImage defaultMask()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    const auto path = exe.parent_path().parent_path() / "app" / "skins" / "main_mask.jpg";
    return QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_RGB32);
}

// A rounded dark shape on a light background; every channel carries noise
// of +-40, so pixels near the edge flip between inside and outside as JPEG
// noise makes them do, and rows rarely repeat.
QImage noisyMask(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(200, 200, 200));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 70, 70));
    painter.drawRoundedRect(
        QRectF(width * 0.05, height * 0.05, width * 0.9, height * 0.9), width * 0.08, width * 0.08);
    painter.setBrush(QColor(190, 190, 190));
    painter.drawEllipse(QPointF(width * 0.5, height * 0.5), width * 0.2, height * 0.2);
    painter.end();
    std::mt19937 random(42);
    std::uniform_int_distribution<int> noise(-40, 40);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const auto channel = [&](int c) { return std::clamp(c + noise(random), 0, 255); };
            line[x] = qRgb(channel(qRed(line[x])), channel(qGreen(line[x])), channel(qBlue(line[x])));
        }
    }
    return image;
}

const QImage& mask(int which)
{
    static const QImage masks[] = {defaultMask(), noisyMask(1920, 1080), noisyMask(480, 270)};
    return masks[which];
}

QRegion perPixelRegion(const QImage& image)
{
    QRegion region(0, 0, image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (isOutsidePixel(line[x]))
                region -= QRegion(x, y, 1, 1);
    }
    return region;
}

void setLabel(benchmark::State& state, const QImage& image)
{
    state.SetLabel(std::to_string(image.width()) + "x" + std::to_string(image.height()));
}

void BM_RegionFromRuns(benchmark::State& state)
{
    const QImage& image = mask(static_cast<int>(state.range(0)));
    if (image.isNull()) {
        state.SkipWithError("main_mask.jpg not found: build the skins target first");
        return;
    }
    size_t rects = 0;
    for (auto _ : state) {
        const QRegion region = toQRegion(WindowRegion::fromMask(maskPixelsOf(image)));
        rects = static_cast<size_t>(region.rectCount());
        benchmark::DoNotOptimize(rects);
    }
    state.counters["rects"] = static_cast<double>(rects);
    setLabel(state, image);
}

void BM_ScanRunsOnly(benchmark::State& state)
{
    const QImage& image = mask(static_cast<int>(state.range(0)));
    if (image.isNull()) {
        state.SkipWithError("main_mask.jpg not found");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(WindowRegion::fromMask(maskPixelsOf(image)).runCount());
    setLabel(state, image);
}

void BM_QRegionFromRunsOnly(benchmark::State& state)
{
    const QImage& image = mask(static_cast<int>(state.range(0)));
    if (image.isNull()) {
        state.SkipWithError("main_mask.jpg not found");
        return;
    }
    const WindowRegion region = WindowRegion::fromMask(maskPixelsOf(image));
    for (auto _ : state)
        benchmark::DoNotOptimize(toQRegion(region).rectCount());
    setLabel(state, image);
}

void BM_RegionPerPixel(benchmark::State& state)
{
    const QImage& image = mask(static_cast<int>(state.range(0)));
    if (image.isNull()) {
        state.SkipWithError("main_mask.jpg not found");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(perPixelRegion(image).rectCount());
    setLabel(state, image);
}

// 0: default skin mask, 1: 1920 x 1080 noisy, 2: 480 x 270 noisy.
BENCHMARK(BM_RegionFromRuns)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanRunsOnly)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QRegionFromRunsOnly)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegionPerPixel)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);
// Seconds per pass on the large noisy mask: one pass is enough to compare.
BENCHMARK(BM_RegionPerPixel)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace z3
