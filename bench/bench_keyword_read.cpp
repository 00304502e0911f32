// Reading the keywords of many photos: one ExifTool process per logical processor (what the
// program does above 16 photos) against one ExifTool process over the same files, in one run.
#include "core/exiftool/argumentfile.h"
#include "core/exiftool/exiftoolcommand.h"
#include "core/exiftool/exiftoolpath.h"
#include "core/exiftool/keywordreader.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"

#include <turbojpeg.h>

#include <QGuiApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace orvane;

namespace {

bool WriteSmallJpeg(const QString &path, int seed)
{
    constexpr int kSize = 64;
    std::vector<unsigned char> pixels(kSize * kSize * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<unsigned char>((i * 7 + std::size_t(seed) * 13) & 0xFF);
    }
    tjhandle handle = tjInitCompress();
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    bool ok = handle
        && tjCompress2(handle, pixels.data(), kSize, 0, kSize, TJPF_RGB, &jpeg, &size, TJSAMP_420, 85, 0) == 0;
    if (ok) {
        QFile file(path);
        ok = file.open(QIODevice::WriteOnly)
            && file.write(reinterpret_cast<const char *>(jpeg), qint64(size)) == qint64(size);
    }
    tjFree(jpeg);
    if (handle) {
        tjDestroy(handle);
    }
    return ok;
}

// One ExifTool process over all files, with the same arguments the program uses.
int ReadWithOneProcess(const QStringList &paths)
{
    const QString file = NewArgumentFileName(ArgumentFileFolder());
    if (!WriteArgumentFile(file, paths)) {
        return -1;
    }
    TExifToolCommand command(KeywordReadArguments(file), file, int(paths.size()));
    if (!RunExifToolCommands({&command}, int(paths.size()), QString())) {
        return -1;
    }
    return int(command.ExifToolOutput().size()) - 1;
}

} // namespace

int main(int argc, char **argv)
{
    // The settings measure fonts, so a GUI application is needed; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    int photoCount = 1000;
    int rounds = 3;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--photos")) {
            photoCount = std::max(17, args.at(i + 1).toInt());
        } else if (args.at(i) == QLatin1String("--rounds")) {
            rounds = std::max(1, args.at(i + 1).toInt());
        }
    }

    QTemporaryDir temp;
    if (!temp.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    SetDataFolder(temp.path());
    Settings().setFolderThumbsRootPlace(temp.filePath(QStringLiteral("cache")));
    Settings().setUseWinTmpFolder(false);
    if (!InitExifToolPath()) {
        return 1;
    }

    const QString photoFolder = temp.filePath(QStringLiteral("photos"));
    QDir().mkpath(photoFolder);
    QStringList paths;
    for (int i = 0; i < photoCount; ++i) {
        paths.append(QStringLiteral("%1/photo %2.jpg").arg(photoFolder).arg(i, 5, 10, QLatin1Char('0')));
        if (!WriteSmallJpeg(paths.last(), i)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(paths.last()));
            return 1;
        }
    }
    // One exiftool call tags the whole corpus.
    QProcess tagger;
    tagger.start(ExifToolPath(), {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                  QStringLiteral("-charset"), QStringLiteral("IPTC=utf8"),
                                  QStringLiteral("-CodedCharacterSet=UTF8"), QStringLiteral("-Orientation#=6"),
                                  QStringLiteral("-keywords=Sky"), QStringLiteral("-keywords=Smith, John"),
                                  QStringLiteral("-keywords=Łódź"), photoFolder});
    if (!tagger.waitForFinished(-1) || tagger.exitCode() != 0) {
        std::fprintf(stderr, "tagging the corpus failed\n");
        return 1;
    }

    const int processors = QThread::idealThreadCount();
    std::printf("Reading keywords of %d photos, %d logical processors, best of %d rounds\n", photoCount, processors,
                rounds);
    qint64 bestParallel = -1;
    qint64 bestSingle = -1;
    std::vector<double> roundRatios;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const int single = ReadWithOneProcess(paths);
        const qint64 singleMs = timer.elapsed();
        timer.restart();
        const int parallel = int(ReadKeywordRows(paths).size());
        const qint64 parallelMs = timer.elapsed();
        if (single != photoCount || parallel != photoCount) {
            std::fprintf(stderr, "expected %d rows, got %d (one process) and %d (parallel)\n", photoCount, single,
                         parallel);
            return 1;
        }
        roundRatios.push_back(double(singleMs) / double(std::max<qint64>(1, parallelMs)));
        std::printf("  round %d: one process %lld ms, one per processor %lld ms, ratio %.2f\n", round + 1,
                    static_cast<long long>(singleMs), static_cast<long long>(parallelMs), roundRatios.back());
        bestSingle = bestSingle < 0 ? singleMs : std::min(bestSingle, singleMs);
        bestParallel = bestParallel < 0 ? parallelMs : std::min(bestParallel, parallelMs);
    }
    const double singleRate = photoCount * 1000.0 / double(std::max<qint64>(1, bestSingle));
    const double parallelRate = photoCount * 1000.0 / double(std::max<qint64>(1, bestParallel));
    std::printf("%-28s %10s %12s\n", "", "files/s", "ratio");
    std::printf("%-28s %10.0f %12.2f\n", "one ExifTool process", singleRate, 1.0);
    std::printf("%-28s %10.0f %12.2f\n", "one process per processor", parallelRate, parallelRate / singleRate);
    std::sort(roundRatios.begin(), roundRatios.end());
    std::printf("median ratio of the rounds (same files, measured back to back): %.2f\n",
                roundRatios[roundRatios.size() / 2]);
    FreeSettings();
    return 0;
}
