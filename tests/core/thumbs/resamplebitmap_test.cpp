#include "core/thumbs/resamplebitmap.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {

QImage checkerboard(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }
    return image;
}

} // namespace

TEST(ResampleBitmap, ScalesToExactlyTheRequestedSizeInEveryMode)
{
    const struct
    {
        int mode;
        QSize to;
    } cases[] = {{rmFast, {200, 150}}, {rmQuality, {200, 150}}, {rmFast, {1, 1}}, {rmQuality, {1, 1}},
                 {rmQuality, {701, 3}}, {7, {33, 45}}};
    for (const auto &c : cases) {
        QImage image = checkerboard(500, 375);
        ResampleBitmap(c.to.width(), c.to.height(), image, c.mode);
        EXPECT_EQ(image.size(), c.to) << "mode " << c.mode;
    }
}

TEST(ResampleBitmap, OwnSizeLeavesThePictureUnchanged)
{
    for (int mode : {rmFast, rmQuality}) {
        const QImage source = checkerboard(13, 7);
        QImage image = source;
        ResampleBitmap(13, 7, image, mode);
        EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), source) << "mode " << mode;
    }
}

TEST(ResampleBitmap, QualityModeAveragesWhatFastModeSamples)
{
    // Shrinking a fine checkerboard: averaging gives grey, sampling gives pure black or white.
    QImage quality = checkerboard(64, 64);
    ResampleBitmap(4, 4, quality, rmQuality);
    EXPECT_NEAR(qGray(quality.pixel(1, 1)), 128, 20);

    for (int mode : {int(rmFast), 5}) {
        QImage fast = checkerboard(64, 64);
        ResampleBitmap(4, 4, fast, mode);
        const int gray = qGray(fast.pixel(1, 1));
        EXPECT_TRUE(gray == 0 || gray == 255) << "mode " << mode << " gray " << gray;
    }
}

TEST(ResampleBitmap, ImpossibleSizesLeaveTheBitmapAlone)
{
    const QImage source = checkerboard(5, 5);
    QImage image = source;
    ResampleBitmap(0, 10, image, rmQuality);
    ResampleBitmap(10, -1, image, rmFast);
    EXPECT_EQ(image, source);
}
