#include "platform/skin/SkinPicture.h"

#include <QImageReader>

namespace z3 {

bool SkinPicture::acceptableSize(const QSize& size)
{
    return size.isValid() && size.width() > 0 && size.height() > 0 && size.width() <= kMaxSide
        && size.height() <= kMaxSide && qint64{size.width()} * size.height() <= kMaxPixels;
}

QSize SkinPicture::size(const QString& path)
{
    QImageReader reader(path);
    const QSize found = reader.size();
    return acceptableSize(found) ? found : QSize();
}

QImage SkinPicture::decode(const QString& path)
{
    QImageReader reader(path);
    // Check the header's size first, so a huge picture is never allocated.
    if (!acceptableSize(reader.size()))
        return {};
    QImage image = reader.read();
    if (image.isNull() || !acceptableSize(image.size()))
        return {};
    return image;
}

} // namespace z3
