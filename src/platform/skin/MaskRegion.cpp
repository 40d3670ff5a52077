#include "platform/skin/MaskRegion.h"

#include "platform/skin/SkinPicture.h"

#include <QRect>
#include <vector>

namespace z3 {

MaskPixels maskPixelsOf(const QImage& image)
{
    if (image.isNull() || (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32))
        return {};
    return {reinterpret_cast<const uint32_t*>(image.constBits()), image.width(), image.height(),
        static_cast<size_t>(image.bytesPerLine()) / sizeof(uint32_t)};
}

std::optional<WindowRegion> loadWindowRegion(const QString& maskPath)
{
    const QImage decoded = SkinPicture::decode(maskPath);
    if (decoded.isNull())
        return std::nullopt;
    const QImage pixels = decoded.convertToFormat(QImage::Format_RGB32);
    return WindowRegion::fromMask(maskPixelsOf(pixels));
}

QRegion toQRegion(const WindowRegion& region)
{
    const auto bands = region.bands();
    std::vector<QRect> rects;
    rects.reserve(bands.size());
    for (const auto& band : bands)
        rects.emplace_back(band.x, band.y, band.width, band.height);
    QRegion result;
    // The bands are already y-x sorted, non-overlapping and never touch side
    // by side, which is what setRects requires; it then skips all merging.
    result.setRects(rects.data(), static_cast<int>(rects.size()));
    return result;
}

} // namespace z3
