// Re-opening a folder whose thumbnails are all cached, without ExifTool: listing, sorting, records
// and the cache look-up of every photo. Measured in CPU time at several folder sizes, so that the
// cost per photo shows whether it grows with the folder, against a plain listing of the same files.
#include "core/model/fileset.h"
#include "core/model/folderload.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "core/thumbs/thumbcache.h"

#include <turbojpeg.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace orvane;

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QByteArray SmallJpeg()
{
    constexpr int kWidth = 48;
    constexpr int kHeight = 32;
    std::vector<unsigned char> pixels(kWidth * kHeight * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<unsigned char>((i * 7) & 0xFF);
    }
    tjhandle handle = tjInitCompress();
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    tjCompress2(handle, pixels.data(), kWidth, 0, kHeight, TJPF_RGB, &jpeg, &size, TJSAMP_420, 85, 0);
    QByteArray bytes(reinterpret_cast<const char *>(jpeg), qsizetype(size));
    tjFree(jpeg);
    tjDestroy(handle);
    return bytes;
}

// Photos in 50 subfolders, as a camera import would leave them.
QString MakeFolder(const QString &root, int count, const QByteArray &jpeg)
{
    const QString folder = root + QStringLiteral("/photos%1").arg(count);
    for (int i = 0; i < count; ++i) {
        const QString sub = folder + QStringLiteral("/day%1").arg(i % 50, 2, 10, QLatin1Char('0'));
        if (i < 50) {
            QDir().mkpath(sub);
        }
        QFile file(sub + QStringLiteral("/IMG_%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) {
            std::fprintf(stderr, "cannot write the corpus\n");
            std::exit(1);
        }
    }
    return folder;
}

struct Timing {
    double reopen = 0;
    double listing = 0;
};

Timing Measure(const QString &folder, int rounds)
{
    Timing best{1e9, 1e9};
    for (int r = 0; r < rounds; ++r) {
        double start = CpuSeconds();
        TFileSet set;
        QList<TFileInfo *> records;
        for (const QString &path : ListJpgFiles(folder)) {
            records.append(set.Add(path));
        }
        const ThumbnailBuildResult result = BuildThumbnails(records, false);
        const double reopen = CpuSeconds() - start;
        if (result.made != 0 || result.found != records.size()) {
            std::fprintf(stderr, "warm re-open made %d thumbnails; the cache was not warm\n", result.made);
            std::exit(1);
        }

        start = CpuSeconds();
        int files = 0;
        QDirIterator it(folder, {QStringLiteral("*.jpg")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            ++files;
        }
        const double listing = CpuSeconds() - start;
        best.reopen = std::min(best.reopen, reopen);
        best.listing = std::min(best.listing, listing);
        if (files != records.size()) {
            std::fprintf(stderr, "listing mismatch\n");
            std::exit(1);
        }
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    int largest = 10000;
    int rounds = 3;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--photos")) {
            largest = std::max(100, args.at(i + 1).toInt());
        } else if (args.at(i) == QLatin1String("--rounds")) {
            rounds = std::max(1, args.at(i + 1).toInt());
        }
    }

    QTemporaryDir root;
    SetDataFolder(root.path() + QLatin1Char('/'));
    Settings().setUseWinTmpFolder(false);
    // Small thumbnails keep the corpus on disk small; the look-up cost does not depend on their size.
    Settings().setBMP_WIDTH(50);
    Settings().setBMP_HEIGHT(50);

    const QByteArray jpeg = SmallJpeg();
    const int sizes[] = {largest / 4, largest / 2, largest};
    std::printf("warm re-open without ExifTool (CPU seconds, best of %d)\n", rounds);
    std::printf("%8s %10s %12s %14s %10s\n", "photos", "re-open", "us/photo", "plain listing", "ratio");
    double firstPerPhoto = 0;
    double lastPerPhoto = 0;
    for (int count : sizes) {
        const QString folder = MakeFolder(root.path(), count, jpeg);
        // A cache of its own per folder size, so each row shows the cost of one folder alone.
        Settings().setFolderThumbsRootPlace(root.path() + QStringLiteral("/cache%1").arg(count));
        CreateCacheFolders();
        TFileSet cold;
        QList<TFileInfo *> records;
        for (const QString &path : ListJpgFiles(folder)) {
            records.append(cold.Add(path));
        }
        BuildThumbnails(records, false);
        const Timing t = Measure(folder, rounds);
        const double perPhoto = t.reopen / count * 1e6;
        if (firstPerPhoto == 0) {
            firstPerPhoto = perPhoto;
        }
        lastPerPhoto = perPhoto;
        std::printf("%8d %10.3f %12.1f %14.3f %9.1fx\n", count, t.reopen, perPhoto, t.listing,
                    t.listing > 0 ? t.reopen / t.listing : 0.0);
    }
    std::printf("cost per photo at %d photos vs %d: %.2fx (1.0 = linear growth)\n", largest, largest / 4,
                lastPerPhoto / firstPerPhoto);
    FreeSettings();
    return 0;
}
