// Turning a picture upright by the quarter turns its EXIF orientation asks for.
#pragma once

#include "core/model/fileinfo.h"

#include <QImage>

namespace orvane {

// Rotates in place: rotAngle90 a quarter turn clockwise, rotAngle180 a half turn, rotAngle270 a
// quarter turn counter-clockwise; the quarter turns exchange width and height. rotNone leaves the
// bitmap untouched. Pixels are copied unchanged (sub-byte formats are first widened to 24 bits).
void RotateBitmap(QImage &bitmap, TRotateAngle angle);

} // namespace orvane
