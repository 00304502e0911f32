#include "core/thumbs/rotatebitmap.h"

#include <gtest/gtest.h>

#include <QTransform>

#include <vector>

using namespace orvane;

namespace {

// A 4 x 2 picture whose pixels are told apart by their letter:
//   a b c d
//   e f g h
QRgb letter(char c)
{
    return qRgb(10 * (c - 'a' + 1), 255 - 20 * (c - 'a'), 3 * (c - 'a') + 1);
}

QImage fixture(QImage::Format format)
{
    const char *rows[] = {"abcd", "efgh"};
    QImage image(4, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            image.setPixel(x, y, letter(rows[y][x]));
        }
    }
    return image.convertToFormat(format);
}

std::vector<std::string> letters(const QImage &image)
{
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            char found = '?';
            for (char c = 'a'; c <= 'h'; ++c) {
                if ((image.pixel(x, y) & 0xffffff) == (letter(c) & 0xffffff)) {
                    found = c;
                }
            }
            row += found;
        }
        rows.push_back(row);
    }
    return rows;
}

QImage noise(int w, int h, QImage::Format format)
{
    QImage image(w, h, QImage::Format_ARGB32);
    quint32 seed = 12345;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            image.setPixel(x, y, seed | 0xff000000u);
        }
    }
    return image.convertToFormat(format);
}

} // namespace

TEST(RotateBitmap, MapsTheFourByTwoFixtureForEveryAngle)
{
    struct Case
    {
        TRotateAngle angle;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {rotAngle90, {"ea", "fb", "gc", "hd"}},
        {rotAngle270, {"dh", "cg", "bf", "ae"}},
        {rotAngle180, {"hgfe", "dcba"}},
        {rotNone, {"abcd", "efgh"}},
    };
    for (QImage::Format format : {QImage::Format_RGB888, QImage::Format_RGB32, QImage::Format_ARGB32}) {
        for (const Case &c : cases) {
            QImage image = fixture(format);
            RotateBitmap(image, c.angle);
            EXPECT_EQ(letters(image), c.expected) << "angle " << c.angle << " format " << format;
            EXPECT_EQ(image.format(), format);
        }
    }
}

TEST(RotateBitmap, AgreesWithQtsOwnRotationOnAnOddSizedPicture)
{
    const QImage source = noise(7, 5, QImage::Format_RGB888);
    const struct
    {
        TRotateAngle angle;
        qreal degrees;
    } cases[] = {{rotAngle90, 90}, {rotAngle180, 180}, {rotAngle270, 270}};
    for (const auto &c : cases) {
        QImage ours = source;
        RotateBitmap(ours, c.angle);
        const QImage qts = source.transformed(QTransform().rotate(c.degrees));
        EXPECT_EQ(ours.convertToFormat(QImage::Format_RGB32), qts.convertToFormat(QImage::Format_RGB32))
            << "angle " << c.angle;
    }
}

TEST(RotateBitmap, QuarterTurnsBackAndForthRestoreThePicture)
{
    const QImage source = noise(9, 4, QImage::Format_RGB888);
    QImage image = source;
    RotateBitmap(image, rotAngle90);
    EXPECT_EQ(image.size(), QSize(4, 9));
    RotateBitmap(image, rotAngle270);
    EXPECT_EQ(image, source);
}

TEST(RotateBitmap, NoRotationLeavesThePixelFormatAlone)
{
    const QImage source = noise(3, 2, QImage::Format_ARGB32_Premultiplied);
    QImage image = source;
    RotateBitmap(image, rotNone);
    EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(image, source);
}

TEST(RotateBitmap, OnePixelIsUnchangedByAnyAngle)
{
    for (TRotateAngle angle : {rotNone, rotAngle90, rotAngle180, rotAngle270}) {
        QImage image(1, 1, QImage::Format_RGB888);
        image.setPixel(0, 0, qRgb(1, 2, 3));
        RotateBitmap(image, angle);
        EXPECT_EQ(image.size(), QSize(1, 1));
        EXPECT_EQ(image.pixel(0, 0), qRgb(1, 2, 3));
    }
}

TEST(RotateBitmap, PackedAndIndexedPicturesKeepTheirColours)
{
    // One-bit pixels cannot be moved byte by byte; they are widened and still land right.
    QImage mono(4, 2, QImage::Format_Mono);
    mono.fill(0);
    mono.setPixel(0, 1, 1); // bottom-left is the only set pixel
    const QRgb set = mono.color(1);
    RotateBitmap(mono, rotAngle90);
    ASSERT_EQ(mono.size(), QSize(2, 4));
    EXPECT_EQ(mono.pixel(0, 0), set);
    EXPECT_NE(mono.pixel(1, 0), set);

    QImage indexed = fixture(QImage::Format_Indexed8);
    RotateBitmap(indexed, rotAngle180);
    EXPECT_EQ(indexed.format(), QImage::Format_Indexed8);
    EXPECT_EQ(letters(indexed), (std::vector<std::string>{"hgfe", "dcba"}));
}
