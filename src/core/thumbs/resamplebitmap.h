// Scaling a picture to an exact size, cheaply for thumbnails or carefully for the viewer.
#pragma once

#include <QImage>

namespace orvane {

// Any value other than rmQuality behaves as rmFast.
enum TResampleMode { rmFast = 0, rmQuality = 1 };

// Replaces the picture by the whole old picture scaled to exactly newWidth x newHeight.
// A non-positive size or a null picture leaves the bitmap as it is.
void ResampleBitmap(int newWidth, int newHeight, QImage &bitmap, int mode);

} // namespace orvane
