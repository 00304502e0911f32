// Decoding JPEG files through TurboJPEG at the smallest n/8 scale that still covers a box.
#include "core/thumbs/jpegdecode.h"

#include "core/thumbs/resamplebitmap.h"

#include <QFile>
#include <QLibrary>
#include <QMutex>
#include <QMutexLocker>
#include <QScopeGuard>
#include <QtGlobal>

#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace orvane {

namespace {

// The entry points the decoder calls; filled once under the lock, read-only afterwards.
struct TurboJPEGTable
{
    decltype(&tjInitDecompress) InitDecompress = nullptr;
    decltype(&tjDecompressHeader3) DecompressHeader3 = nullptr;
    decltype(&tjDecompress2) Decompress2 = nullptr;
    decltype(&tjDestroy) Destroy = nullptr;
};

// A decoded picture beyond this many pixels (or four times the box, for a viewer on a very large
// screen) is refused before anything is allocated: a damaged or hostile header can claim
// 65535 x 65535, and several builders decode at once. For thumbnails, real photos of up to about
// 2.5 gigapixels still fit at 1/8 scale.
constexpr qint64 kMaxDecodedPixels = 40'000'000;
// Files larger than this are not photos we can hold in memory for a decode.
constexpr qint64 kMaxJpegFileSize = qint64(1) << 31;

struct LibraryState
{
    QMutex lock;
    std::unique_ptr<QLibrary> library;
    TurboJPEGTable table;
    QString defaultName = QStringLiteral("libturbojpeg.so.0");
};

LibraryState &state()
{
    static LibraryState s;
    return s;
}

template<typename Fn>
bool resolve(QLibrary &library, const char *name, Fn &target)
{
    target = reinterpret_cast<Fn>(library.resolve(name));
    if (!target) {
        qWarning("Missing %s in %s", name, qPrintable(library.fileName()));
    }
    return target != nullptr;
}

// Caller holds the lock.
bool loadLocked(LibraryState &s, const QString &libraryName)
{
    if (s.library) {
        return true;
    }
    auto library = std::make_unique<QLibrary>(libraryName.isEmpty() ? s.defaultName : libraryName);
    if (!library->load()) {
        return false;
    }
    TurboJPEGTable table;
    const bool complete = resolve(*library, "tjInitDecompress", table.InitDecompress)
        && resolve(*library, "tjDecompressHeader3", table.DecompressHeader3)
        && resolve(*library, "tjDecompress2", table.Decompress2) && resolve(*library, "tjDestroy", table.Destroy);
    if (!complete) {
        // An incomplete table must never be used: treat the library as absent.
        library->unload();
        return false;
    }
    s.library = std::move(library);
    s.table = table;
    return true;
}

TurboJPEGTable TurboJPEGApi()
{
    LibraryState &s = state();
    QMutexLocker locker(&s.lock);
    if (!loadLocked(s, QString())) {
        throw ETurboJPEG(QStringLiteral("TurboJPEG DLL not available"));
    }
    return s.table;
}

// QImage::Format_RGB32 keeps each pixel as the 32-bit value 0xffRRGGBB; TurboJPEG fills the X byte
// with 0xff, so the decoder writes straight into the image.
constexpr int kPixelFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TJPF_BGRX : TJPF_XRGB;

} // namespace

bool LoadTurboJPEG(const QString &libraryName)
{
    LibraryState &s = state();
    QMutexLocker locker(&s.lock);
    return loadLocked(s, libraryName);
}

void UnloadTurboJPEG()
{
    LibraryState &s = state();
    QMutexLocker locker(&s.lock);
    if (s.library) {
        s.library->unload();
        s.library.reset();
    }
    s.table = TurboJPEGTable();
}

void SetTurboJPEGLibraryName(const QString &libraryName)
{
    LibraryState &s = state();
    QMutexLocker locker(&s.lock);
    s.defaultName = libraryName;
}

int ChooseScaleNumerator(int width, int height, int boxWidth, int boxHeight)
{
    // n/8 > box/size, compared exactly in integers.
    for (qint64 n = 1; n <= 7; ++n) {
        if (n * width > 8 * qint64(boxWidth) && n * height > 8 * qint64(boxHeight)) {
            return int(n);
        }
    }
    return 8;
}

QSize FitSize(int width, int height, int boxWidth, int boxHeight)
{
    if (width <= 0 || height <= 0) {
        return QSize(qMax(boxWidth, 1), qMax(boxHeight, 1));
    }
    const long double rw = static_cast<long double>(boxWidth) / width;
    const long double rh = static_cast<long double>(boxHeight) / height;
    const double r = static_cast<double>(std::min(rw, rh));
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    const double fw = std::nearbyint(width * r);
    const double fh = std::nearbyint(height * r);
    return QSize(std::max(1, int(fw)), std::max(1, int(fh)));
}

namespace {

// The compressed file of the photo being decoded. Builders decode photo after photo on the same
// thread, and a fresh multi-megabyte allocation for each would cost a page fault per page; one
// buffer per thread is kept instead, unless a file is unusually large.
class FileBuffer
{
public:
    uchar *reserve(qint64 size)
    {
        if (size > kKeptFileBufferSize) {
            fLarge.reset(new (std::nothrow) uchar[std::size_t(size)]);
            return fLarge.get();
        }
        fLarge.reset();
        if (size > fCapacity) {
            fKept.reset(new (std::nothrow) uchar[std::size_t(size)]);
            fCapacity = fKept ? size : 0;
        }
        return fKept.get();
    }

private:
    static constexpr qint64 kKeptFileBufferSize = 32 * 1024 * 1024;
    std::unique_ptr<uchar[]> fKept;
    qint64 fCapacity = 0;
    std::unique_ptr<uchar[]> fLarge;
};

// Decodes into image, reusing its pixels when it already has the size the decode needs (photos of
// one camera share their size) and nobody else holds them.
bool decodeInto(const QString &jpegPath, int boxWidth, int boxHeight, QImage &image)
{
    const TurboJPEGTable api = TurboJPEGApi();

    // Read into memory rather than map: a photo truncated by another program while we decode must
    // give a failed decode, not a bus error.
    QFile file(jpegPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const qint64 size = file.size();
    if (size <= 0 || size >= kMaxJpegFileSize) {
        return false;
    }
    thread_local FileBuffer buffer;
    uchar *data = buffer.reserve(size);
    if (!data || file.read(reinterpret_cast<char *>(data), size) != size) {
        return false;
    }
    file.close();

    tjhandle handle = api.InitDecompress();
    if (!handle) {
        return false;
    }
    const auto destroy = qScopeGuard([&] { api.Destroy(handle); });

    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colorspace = 0;
    if (api.DecompressHeader3(handle, data, static_cast<unsigned long>(size), &width, &height, &subsampling,
                              &colorspace)
            != 0
        || width <= 0 || height <= 0) {
        return false;
    }
    const qint64 n = ChooseScaleNumerator(width, height, boxWidth, boxHeight);
    const qint64 scaledWidth = (n * width + 7) / 8;
    const qint64 scaledHeight = (n * height + 7) / 8;
    if (scaledWidth * scaledHeight > qMax(kMaxDecodedPixels, 4 * qint64(boxWidth) * qint64(boxHeight))) {
        return false;
    }
    if (image.size() != QSize(int(scaledWidth), int(scaledHeight)) || image.format() != QImage::Format_RGB32
        || !image.isDetached()) {
        image = QImage(int(scaledWidth), int(scaledHeight), QImage::Format_RGB32);
        if (image.isNull()) {
            return false;
        }
    }
    // Width and height select exactly the n/8 scaling factor. A warning (a truncated or damaged
    // file) counts as failure, so stop at the first one instead of decoding garbage; the scan limit
    // keeps a hostile progressive file from taking minutes.
    return api.Decompress2(handle, data, static_cast<unsigned long>(size), image.bits(), int(scaledWidth),
                           int(image.bytesPerLine()), int(scaledHeight), kPixelFormat,
                           TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS)
        == 0;
}

} // namespace

QImage DecodeJpegScaled(const QString &jpegPath, int boxWidth, int boxHeight)
{
    QImage image;
    return decodeInto(jpegPath, boxWidth, boxHeight, image) ? image : QImage();
}

bool DecodeJpegToBmpFile(const QString &jpegPath, const QString &bmpPath, int boxWidth, int boxHeight)
{
    const QImage image = DecodeJpegScaled(jpegPath, boxWidth, boxHeight);
    return !image.isNull() && image.save(bmpPath, "BMP");
}

bool MakeThumbnail(const QString &jpegPath, const QString &bmpPath, int boxWidth, int boxHeight)
{
    // The decoded picture is only a step on the way; its pixels are kept for the next photo.
    thread_local QImage decoded;
    if (!decodeInto(jpegPath, boxWidth, boxHeight, decoded)) {
        return false;
    }
    const QSize fitted = FitSize(decoded.width(), decoded.height(), boxWidth, boxHeight);
    QImage image = decoded;
    ResampleBitmap(fitted.width(), fitted.height(), image, rmFast);
    if (!image.save(bmpPath, "BMP")) {
        QFile::remove(bmpPath);
        return false;
    }
    return true;
}

QImage LoadScaledBitmap(const QString &jpegPath, int boxWidth, int boxHeight, bool swapBox)
{
    if (swapBox) {
        std::swap(boxWidth, boxHeight);
    }
    QImage image = DecodeJpegScaled(jpegPath, boxWidth, boxHeight);
    if (image.isNull()) {
        return {};
    }
    const QSize fitted = FitSize(image.width(), image.height(), boxWidth, boxHeight);
    ResampleBitmap(fitted.width(), fitted.height(), image, rmQuality);
    return image;
}

} // namespace orvane
