// Scaling a picture to an exact size, cheaply for thumbnails or carefully for the viewer.
#include "core/thumbs/resamplebitmap.h"

namespace orvane {

void ResampleBitmap(int newWidth, int newHeight, QImage &bitmap, int mode)
{
    if (newWidth <= 0 || newHeight <= 0 || bitmap.isNull()) {
        return;
    }
    // Qt's smooth scaling averages whole source areas when it shrinks, which is what a strong
    // reduction needs; the fast mode samples the nearest pixel.
    const Qt::TransformationMode transformation
        = mode == rmQuality ? Qt::SmoothTransformation : Qt::FastTransformation;
    bitmap = bitmap.scaled(newWidth, newHeight, Qt::IgnoreAspectRatio, transformation);
}

} // namespace orvane
