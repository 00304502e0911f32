// Turning a picture upright by the quarter turns its EXIF orientation asks for.
#include "core/thumbs/rotatebitmap.h"

#include <cstring>
#include <vector>

namespace orvane {

namespace {

// Copies one pixel of Size bytes; a fixed size lets the compiler turn it into a single move.
template<int Size>
inline void copyPixel(uchar *dest, const uchar *src, int)
{
    std::memcpy(dest, src, Size);
}

template<>
inline void copyPixel<0>(uchar *dest, const uchar *src, int size)
{
    std::memcpy(dest, src, std::size_t(size));
}

// dest pixel (x, y) := source pixel (sourceColumn(x, y), sourceRow(x, y)), with the source rows
// looked up once in a table.
template<int Size, typename Column, typename Row>
void remap(const QImage &source, QImage &dest, int pixelSize, Column sourceColumn, Row sourceRow)
{
    std::vector<const uchar *> rows(std::size_t(source.height()));
    for (int y = 0; y < source.height(); ++y) {
        rows[std::size_t(y)] = source.constScanLine(y);
    }
    for (int y = 0; y < dest.height(); ++y) {
        uchar *out = dest.scanLine(y);
        for (int x = 0; x < dest.width(); ++x, out += pixelSize) {
            copyPixel<Size>(out, rows[std::size_t(sourceRow(x, y))] + std::ptrdiff_t(sourceColumn(x, y)) * pixelSize,
                            pixelSize);
        }
    }
}

template<int Size>
void rotate(const QImage &src, QImage &dest, TRotateAngle angle, int pixelSize)
{
    const int w = src.width();
    const int h = src.height();
    switch (angle) {
    case rotAngle90:
        remap<Size>(src, dest, pixelSize, [](int, int y) { return y; }, [h](int x, int) { return h - 1 - x; });
        break;
    case rotAngle270:
        remap<Size>(src, dest, pixelSize, [w](int, int y) { return w - 1 - y; }, [](int x, int) { return x; });
        break;
    case rotAngle180:
        remap<Size>(src, dest, pixelSize, [w](int x, int) { return w - 1 - x; }, [h](int, int y) { return h - 1 - y; });
        break;
    case rotNone:
        break;
    }
}

} // namespace

void RotateBitmap(QImage &bitmap, TRotateAngle angle)
{
    if (angle == rotNone || bitmap.isNull()) {
        return;
    }
    // Whole-byte pixels are moved as they are, whatever the channels mean; only formats that pack
    // several pixels into a byte are widened first.
    if (bitmap.depth() % 8 != 0) {
        bitmap.convertTo(QImage::Format_RGB888);
    }
    const QImage source = bitmap;
    const bool quarter = angle == rotAngle90 || angle == rotAngle270;
    QImage rotated(quarter ? source.height() : source.width(), quarter ? source.width() : source.height(),
                   source.format());
    if (rotated.isNull()) {
        return;
    }
    rotated.setColorTable(source.colorTable());
    rotated.setDotsPerMeterX(quarter ? source.dotsPerMeterY() : source.dotsPerMeterX());
    rotated.setDotsPerMeterY(quarter ? source.dotsPerMeterX() : source.dotsPerMeterY());
    const int pixelSize = source.depth() / 8;
    switch (pixelSize) {
    case 3:
        rotate<3>(source, rotated, angle, pixelSize);
        break;
    case 4:
        rotate<4>(source, rotated, angle, pixelSize);
        break;
    default:
        rotate<0>(source, rotated, angle, pixelSize);
        break;
    }
    bitmap = rotated;
}

} // namespace orvane
