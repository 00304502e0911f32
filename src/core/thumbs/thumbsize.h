// The thumbnail sizes the program offers.
#pragma once

#include <QList>
#include <QString>

namespace orvane {

// One offered thumbnail size, as the options dialog lists it.
class TThumbSize
{
public:
    TThumbSize(int width, int height) : fWidth(width), fHeight(height) {}
    int Width() const { return fWidth; }
    int Height() const { return fHeight; }
    // "200 x 200"
    QString Description() const;

private:
    int fWidth;
    int fHeight;
};

// The sixteen squares 50 x 50, 100 x 100, ... 800 x 800; the fourth, 200 x 200, is the default.
const QList<TThumbSize> &ThumbSizes();

} // namespace orvane
