#include "core/thumbs/jpegdecode.h"

#include "support/testfolders.h"
#include "support/testjpeg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

using namespace orvane;

namespace {

using test::readFile;
using test::writeFile;

// Rewrites the frame header of a baseline JPEG so that it claims another size.
QByteArray withClaimedSize(QByteArray jpeg, int width, int height)
{
    const int sof = int(jpeg.indexOf(QByteArray("\xff\xc0", 2)));
    if (sof < 0) {
        return {};
    }
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xff);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xff);
    return jpeg;
}

class JpegDecode : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    QString jpeg(const QString &name, int w, int h)
    {
        const QString p = path(name);
        EXPECT_TRUE(test::WriteTestJpeg(p, w, h));
        return p;
    }
    QTemporaryDir dir;
};

// Makes the library unavailable for the duration of a test.
class LibraryMissing
{
public:
    LibraryMissing()
    {
        UnloadTurboJPEG();
        SetTurboJPEGLibraryName(QStringLiteral("libturbojpeg-not-installed.so.0"));
    }
    ~LibraryMissing()
    {
        SetTurboJPEGLibraryName(QStringLiteral("libturbojpeg.so.0"));
        UnloadTurboJPEG();
    }
};

} // namespace

TEST(ChooseScaleNumerator, PicksTheSmallestEighthThatStillExceedsTheBox)
{
    const struct
    {
        int w, h, bw, bh, n;
    } cases[] = {
        {4000, 3000, 200, 200, 1},
        {1600, 1200, 200, 200, 2}, // 1/8 is exactly 200 wide: not larger than the box
        {1601, 1601, 200, 200, 1},
        {800, 600, 800, 800, 8},
        {100, 100, 200, 200, 8},
        {3000, 4000, 1920, 1080, 6}, // width decides: 5/8 of 3000 is 1875
        {1000, 1000, 875, 10, 8},    // 7/8 is exactly 875: not larger, so full size
        {1000, 1000, 874, 10, 7},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ChooseScaleNumerator(c.w, c.h, c.bw, c.bh), c.n)
            << c.w << "x" << c.h << " in " << c.bw << "x" << c.bh;
    }
}

TEST(FitSize, FitsTheBoxAndRoundsHalvesToEven)
{
    const struct
    {
        int w, h, bw, bh;
        QSize fitted;
    } cases[] = {
        {500, 375, 200, 200, {200, 150}},
        {375, 500, 200, 200, {150, 200}},
        {100, 100, 200, 200, {200, 200}}, // small pictures are enlarged to the box
        {3, 5, 1, 1, {1, 1}},             // r = 0.2: 0.6 rounds to 1
        {4, 5, 2, 100, {2, 2}},           // 2.5 goes down to the even 2
        {4, 7, 2, 100, {2, 4}},           // 3.5 goes up to the even 4
        {4, 9, 2, 100, {2, 4}},           // 4.5 goes down to the even 4
        {10000, 10, 200, 200, {200, 1}},  // a panorama keeps a one-pixel side rather than none
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FitSize(c.w, c.h, c.bw, c.bh), c.fitted) << c.w << "x" << c.h << " in " << c.bw << "x" << c.bh;
    }
}

TEST_F(JpegDecode, DecodesAtTheChosenEighthRoundingTheScaledSizeUp)
{
    const struct
    {
        int w, h, bw, bh;
        QSize decoded;
    } cases[] = {
        {1600, 1200, 200, 200, {400, 300}},
        {1001, 333, 100, 100, {376, 125}}, // 3/8: (3 x 1001 + 7) div 8, (3 x 333 + 7) div 8
        {120, 90, 200, 200, {120, 90}},
    };
    for (const auto &c : cases) {
        const QString file = jpeg(QStringLiteral("p%1x%2.jpg").arg(c.w).arg(c.h), c.w, c.h);
        EXPECT_EQ(DecodeJpegScaled(file, c.bw, c.bh).size(), c.decoded) << c.w << "x" << c.h;
    }
}

TEST_F(JpegDecode, KeepsTheColoursInTheirChannels)
{
    // The fixture runs from (200, 80, 40) on the left to its inverse (55, 175, 215) on the right.
    const QImage image = DecodeJpegScaled(jpeg(QStringLiteral("c.jpg"), 800, 80), 100, 10);
    ASSERT_FALSE(image.isNull());
    const QColor left = image.pixelColor(0, image.height() / 2);
    const QColor right = image.pixelColor(image.width() - 1, image.height() / 2);
    EXPECT_NEAR(left.red(), 200, 12);
    EXPECT_NEAR(left.green(), 80, 12);
    EXPECT_NEAR(left.blue(), 40, 12);
    EXPECT_NEAR(right.red(), 55, 12);
    EXPECT_NEAR(right.green(), 175, 12);
    EXPECT_NEAR(right.blue(), 215, 12);
}

TEST_F(JpegDecode, MakeThumbnailLeavesAFittedBmp)
{
    const QString bmp = path(QStringLiteral("thumb.bmp"));
    ASSERT_TRUE(MakeThumbnail(jpeg(QStringLiteral("big.jpg"), 1600, 1200), bmp, 200, 200));
    QImageReader reader(bmp);
    EXPECT_EQ(reader.format(), "bmp");
    EXPECT_EQ(reader.size(), QSize(200, 150));

    ASSERT_TRUE(MakeThumbnail(jpeg(QStringLiteral("tall.jpg"), 90, 120), bmp, 200, 200));
    EXPECT_EQ(QImageReader(bmp).size(), QSize(150, 200)); // enlarged to the box, overwriting the first

    ASSERT_TRUE(DecodeJpegToBmpFile(path(QStringLiteral("big.jpg")), bmp, 200, 200));
    EXPECT_EQ(QImageReader(bmp).size(), QSize(400, 300)); // the scaled decode, not fitted
}

TEST_F(JpegDecode, UndecodableFilesGiveNoPictureAndLeaveNoFile)
{
    const QByteArray good = readFile(jpeg(QStringLiteral("good.jpg"), 640, 480));
    ASSERT_FALSE(good.isEmpty());
    const struct
    {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty.jpg", QByteArray()},
        {"text.jpg", QByteArray("This is not a photo.\r\nJust text with a .jpg name.\r\n")},
        {"truncated.jpg", good.left(good.size() / 2)},
        {"headeronly.jpg", good.left(200)},
        {"huge.jpg", withClaimedSize(good, 65000, 65000)},
        {"large.jpg", withClaimedSize(good, 30000, 20000)}, // plausible size, far too little data
    };
    for (const auto &c : cases) {
        const QString file = path(QString::fromLatin1(c.name));
        ASSERT_TRUE(writeFile(file, c.bytes));
        const QString bmp = path(QStringLiteral("%1.bmp").arg(QString::fromLatin1(c.name)));
        EXPECT_TRUE(DecodeJpegScaled(file, 200, 200).isNull()) << c.name;
        EXPECT_FALSE(MakeThumbnail(file, bmp, 200, 200)) << c.name;
        EXPECT_FALSE(DecodeJpegToBmpFile(file, bmp, 200, 200)) << c.name;
        EXPECT_FALSE(QFile::exists(bmp)) << c.name;
        EXPECT_TRUE(LoadScaledBitmap(file, 800, 600, false).isNull()) << c.name;
    }
    EXPECT_FALSE(MakeThumbnail(path(QStringLiteral("missing.jpg")), path(QStringLiteral("m.bmp")), 200, 200));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("m.bmp"))));
}

TEST_F(JpegDecode, LoadScaledBitmapFitsTheBoxOrItsSwappedSidesAndWritesNothing)
{
    const QString file = jpeg(QStringLiteral("v.jpg"), 1600, 1200);
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    EXPECT_EQ(LoadScaledBitmap(file, 200, 400, false).size(), QSize(200, 150));
    EXPECT_EQ(LoadScaledBitmap(file, 200, 400, true).size(), QSize(267, 200));
    EXPECT_EQ(LoadScaledBitmap(file, 3200, 3200, false).size(), QSize(3200, 2400));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
}

TEST_F(JpegDecode, MissingLibraryRaisesRatherThanFailing)
{
    const QString file = jpeg(QStringLiteral("ok.jpg"), 64, 48);
    const QString bmp = path(QStringLiteral("ok.bmp"));
    {
        LibraryMissing missing;
        EXPECT_FALSE(LoadTurboJPEG());
        try {
            MakeThumbnail(file, bmp, 200, 200);
            FAIL() << "MakeThumbnail returned instead of raising";
        } catch (const ETurboJPEG &e) {
            EXPECT_EQ(e.message(), QStringLiteral("TurboJPEG DLL not available"));
        }
        EXPECT_THROW(LoadScaledBitmap(file, 100, 100, false), ETurboJPEG);
        EXPECT_THROW(DecodeJpegToBmpFile(file, bmp, 100, 100), ETurboJPEG);
        EXPECT_FALSE(QFile::exists(bmp));
    }
    EXPECT_TRUE(MakeThumbnail(file, bmp, 200, 200));
}

TEST_F(JpegDecode, ALibraryWithoutTheDecoderEntryPointsCountsAsMissing)
{
    UnloadTurboJPEG();
    EXPECT_FALSE(LoadTurboJPEG(QStringLiteral("libz.so.1")));
    EXPECT_TRUE(LoadTurboJPEG());
    EXPECT_FALSE(DecodeJpegScaled(jpeg(QStringLiteral("z.jpg"), 32, 32), 16, 16).isNull());
}
