#include "platform/skin/MaskRegion.h"
#include "platform/skin/SkinPicture.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QDataStream>
#include <QPainter>
#include <gtest/gtest.h>
#include <random>

namespace z3 {
namespace {

// The region the way the shape was first defined: the full rectangle with
// every light pixel removed one by one.
QRegion perPixelRegion(const QImage& mask)
{
    const QImage pixels = mask.convertToFormat(QImage::Format_RGB32);
    QRegion region(0, 0, pixels.width(), pixels.height());
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (isOutsidePixel(pixels.pixel(x, y)))
                region -= QRegion(x, y, 1, 1);
    return region;
}

QImage noisyMask(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto channel = [&] { return static_cast<int>(90 + random() % 20); };
            image.setPixel(x, y, qRgb(channel(), channel(), channel()));
        }
    return image;
}

// A BMP file header that claims a size but carries no pixels.
QByteArray bmpHeader(qint32 width, qint32 height)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54) << quint32(0) << quint32(54);
    out << quint32(40) << width << height << quint16(1) << quint16(24) << quint32(0) << quint32(0)
        << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    return bytes;
}

class SkinMaskRegionTest : public testing::Test {
protected:
    QString path(const char* name) const { return QString::fromStdString(m_dir.file(name)); }
    QString writeBytes(const char* name, const QByteArray& bytes) const
    {
        test::writeFile(m_dir.file(name), bytes.toStdString());
        return path(name);
    }

    test::TempDir m_dir;
};

TEST_F(SkinMaskRegionTest, RegionFromRunsEqualsThePerPixelRegion)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        const QImage mask = noisyMask(3 + seed * 7, 2 + seed * 5, seed);
        EXPECT_EQ(toQRegion(WindowRegion::fromMask(maskPixelsOf(mask))), perPixelRegion(mask)) << seed;
    }
    // A shape with a hole and equal rows that merge into bands.
    QImage shape(40, 30, QImage::Format_RGB32);
    shape.fill(Qt::white);
    QPainter painter(&shape);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(2, 2, 36, 26);
    painter.setBrush(Qt::white);
    painter.drawRect(15, 10, 10, 10);
    painter.end();
    EXPECT_EQ(toQRegion(WindowRegion::fromMask(maskPixelsOf(shape))), perPixelRegion(shape));
}

TEST_F(SkinMaskRegionTest, MaskFilesDecodeToTheirOutlineAndSize)
{
    QImage mask(64, 48, QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8 - y; ++x)
            mask.setPixel(x, y, qRgb(255, 255, 255)); // a cut top-left corner
    ASSERT_TRUE(mask.save(path("mask.bmp")));
    ASSERT_TRUE(mask.save(path("mask.jpg"), "JPG", 90));

    const auto fromBmp = loadWindowRegion(path("mask.bmp"));
    ASSERT_TRUE(fromBmp);
    EXPECT_EQ(fromBmp->width(), 64);
    EXPECT_EQ(fromBmp->height(), 48);
    EXPECT_EQ(toQRegion(*fromBmp), perPixelRegion(mask));
    // JPEG noise near black and white stays on its side of the threshold.
    const auto fromJpeg = loadWindowRegion(path("mask.jpg"));
    ASSERT_TRUE(fromJpeg);
    EXPECT_FALSE(fromJpeg->contains(0, 0));
    EXPECT_TRUE(fromJpeg->contains(63, 47));
    EXPECT_TRUE(fromJpeg->contains(20, 20));
}

TEST_F(SkinMaskRegionTest, BadPicturesDecodeToNothing)
{
    QImage valid(16, 16, QImage::Format_RGB32);
    valid.fill(Qt::black);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    valid.save(&buffer, "JPG");

    const QString cases[] = {
        path("missing.jpg"),
        writeBytes("empty.jpg", {}),
        writeBytes("garbage.jpg", QByteArray(4096, '\x5a')),
        writeBytes("truncated.jpg", jpeg.left(20)),
        writeBytes("zero.bmp", bmpHeader(0, 0)),
        writeBytes("huge.bmp", bmpHeader(20000, 20000)),
        writeBytes("negative.bmp", bmpHeader(-5, 10)),
    };
    for (const auto& file : cases) {
        EXPECT_TRUE(SkinPicture::decode(file).isNull()) << file.toStdString();
        EXPECT_FALSE(SkinPicture::size(file).isValid()) << file.toStdString();
        EXPECT_FALSE(loadWindowRegion(file)) << file.toStdString();
    }
}

TEST_F(SkinMaskRegionTest, PictureSizeComesFromTheHeader)
{
    QImage menu(200, 280, QImage::Format_RGB32);
    menu.fill(Qt::darkGray);
    ASSERT_TRUE(menu.save(path("menu_mask.jpg")));
    EXPECT_EQ(SkinPicture::size(path("menu_mask.jpg")), QSize(200, 280));
    EXPECT_EQ(SkinPicture::decode(path("menu_mask.jpg")).size(), QSize(200, 280));
}

} // namespace
} // namespace z3
