// Decoding JPEG files through TurboJPEG at the smallest n/8 scale that still covers a box, for
// thumbnails, the options preview and the viewer.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <stdexcept>

namespace orvane {

// The TurboJPEG library cannot be used, so no picture can be decoded at all.
class ETurboJPEG : public std::runtime_error
{
public:
    explicit ETurboJPEG(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// The library is bound at run time on first use and kept until UnloadTurboJPEG. An empty name loads
// the default library (libturbojpeg.so.0 unless SetTurboJPEGLibraryName chose another). Returns true
// when the library is (now) loaded with every entry point the decoder calls; a library that lacks one
// counts as unavailable. Safe from any thread.
bool LoadTurboJPEG(const QString &libraryName = QString());
void UnloadTurboJPEG();
// Chooses the library the next automatic load uses; packagers and tests set it.
void SetTurboJPEGLibraryName(const QString &libraryName);

// The smallest n in 1..7 at which both n/8-scaled dimensions exceed the box, else 8.
int ChooseScaleNumerator(int width, int height, int boxWidth, int boxHeight);
// The size that fits the box keeping the aspect ratio, rounded half to even; small pictures are
// enlarged to the box. Never below 1 x 1 (a long panorama keeps a one-pixel side).
QSize FitSize(int width, int height, int boxWidth, int boxHeight);

// Decodes the JPEG at the scale ChooseScaleNumerator picks for the box (not fitted). A file that
// cannot be read, is not a complete JPEG, or would decode to an absurd size gives a null image.
// Throws ETurboJPEG when the library is unavailable.
QImage DecodeJpegScaled(const QString &jpegPath, int boxWidth, int boxHeight);

// Writes the scaled decode (not fitted) as a BMP file. Throws ETurboJPEG like DecodeJpegScaled.
bool DecodeJpegToBmpFile(const QString &jpegPath, const QString &bmpPath, int boxWidth, int boxHeight);

// Leaves at bmpPath a BMP of the photo fitted into the box (fast resampling). False, with no file
// written, when the photo cannot be decoded. Throws ETurboJPEG like DecodeJpegScaled.
bool MakeThumbnail(const QString &jpegPath, const QString &bmpPath, int boxWidth, int boxHeight);

// The photo fitted into the box with quality resampling, or a null image. swapBox exchanges the
// box's sides first, for a picture the caller will turn by a quarter turn. No file is written.
// Throws ETurboJPEG like DecodeJpegScaled.
QImage LoadScaledBitmap(const QString &jpegPath, int boxWidth, int boxHeight, bool swapBox);

} // namespace orvane
