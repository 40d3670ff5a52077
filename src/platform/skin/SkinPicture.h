#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace z3 {

// Decoding of skin pictures (JPEG, BMP) for painting and window shapes.
// A picture that is missing, corrupt or too large decodes to a null image,
// and the caller draws nothing from it; no message is shown.
class SkinPicture {
public:
    // Skins are window-sized; this bounds what a broken or hostile file can
    // make us allocate (a 20000 x 20000 picture is refused before decoding).
    static constexpr int kMaxSide = 8192;
    static constexpr qint64 kMaxPixels = 16 * 1024 * 1024;

    // The decoded picture, or a null image.
    static QImage decode(const QString& path);

    // The picture's size read from its header without decoding the pixels
    // (the popup menus use only the size of their mask); an invalid size
    // when the file cannot be read or is too large.
    static QSize size(const QString& path);

    static bool acceptableSize(const QSize& size);
};

} // namespace z3
