// Cold thumbnail building measured side by side with three references on the same photos and the
// same parallelism: a decode-only run of our own TurboJPEG code at the same scale (the floor),
// `vipsthumbnail -s 200` and `djpeg -scale 1/8`.
//
// bench_thumbs [--photos N] [--rounds R] [--dir FOLDER]
// Makes its own corpus of photo-like 4000 x 3000 JPEGs (smooth gradients, noise and fine detail)
// in FOLDER (default: a fresh temporary folder, removed afterwards).
#include "core/model/fileinfo.h"
#include "core/thumbs/jpegdecode.h"
#include "core/thumbs/thumbsbatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>
#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

using namespace orvane;

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr int kBox = 200;

// A photo-like picture: a sky-to-ground gradient, soft blobs of colour, fine texture in places and
// sensor noise everywhere, so that the file has the size and entropy of a camera photo.
bool writePhoto(const QString &path, int seed)
{
    std::vector<unsigned char> pixels(std::size_t(kWidth) * kHeight * 3);
    quint32 state = 0x9E3779B9u * quint32(seed + 1);
    const double cx = 1000 + 400 * (seed % 5);
    const double cy = 900 + 300 * (seed % 3);
    for (int y = 0; y < kHeight; ++y) {
        const double v = double(y) / kHeight;
        for (int x = 0; x < kWidth; ++x) {
            const double u = double(x) / kWidth;
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int noise = int(state % 25) - 12;
            const double d = std::hypot(x - cx, y - cy) / 900.0;
            const double blob = std::exp(-d * d) * 90;
            // Fine detail (foliage, fabric) in the lower half only.
            const double detail = y > kHeight / 2 ? 35 * std::sin(x * 0.9 + seed) * std::sin(y * 0.7) : 0;
            unsigned char *p = &pixels[(std::size_t(y) * kWidth + x) * 3];
            p[0] = static_cast<unsigned char>(std::clamp(60 + 120 * v + blob + detail + noise, 0.0, 255.0));
            p[1] = static_cast<unsigned char>(std::clamp(90 + 80 * u + 40 * v + detail * 0.8 + noise, 0.0, 255.0));
            p[2] = static_cast<unsigned char>(std::clamp(200 - 150 * v + blob * 0.3 - detail + noise, 0.0, 255.0));
        }
    }
    tjhandle handle = tjInitCompress();
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    const bool ok = handle
        && tjCompress2(handle, pixels.data(), kWidth, 0, kHeight, TJPF_RGB, &jpeg, &size, TJSAMP_420, 92, 0) == 0;
    bool written = false;
    if (ok) {
        QFile file(path);
        written = file.open(QIODevice::WriteOnly)
            && file.write(reinterpret_cast<const char *>(jpeg), qint64(size)) == qint64(size);
    }
    tjFree(jpeg);
    if (handle) {
        tjDestroy(handle);
    }
    return written;
}

// Runs work(lane) on `lanes` threads and returns the wall-clock seconds until all are done.
double timeLanes(int lanes, const std::function<void(int)> &work)
{
    QElapsedTimer timer;
    timer.start();
    std::vector<std::thread> threads;
    for (int lane = 0; lane < lanes; ++lane) {
        threads.emplace_back(work, lane);
    }
    for (std::thread &t : threads) {
        t.join();
    }
    return double(timer.nsecsElapsed()) / 1e9;
}

QStringList share(const QStringList &files, int lane, int lanes)
{
    QStringList mine;
    for (qsizetype k = lane; k < files.size(); k += lanes) {
        mine.append(files.at(k));
    }
    return mine;
}

bool runProgram(const QString &program, const QStringList &arguments, const QProcessEnvironment &env = {})
{
    QProcess process;
    if (!env.isEmpty()) {
        process.setProcessEnvironment(env);
    }
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

struct Runner
{
    const char *name;
    std::function<double(int workers)> run; // seconds, or a negative value when unavailable
};

// User and system CPU seconds of this process and of its reaped children so far. Wall-clock
// figures suffer when other work shares the machine; CPU per photo does not.
double cpuSeconds()
{
    double total = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        total += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return total;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2)
                                          : QStringLiteral("unknown");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int photos = 24;
    int rounds = 3;
    QString folder;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--photos")) {
            photos = qMax(1, args[++i].toInt());
        } else if (args[i] == QLatin1String("--rounds")) {
            rounds = qMax(1, args[++i].toInt());
        } else if (args[i] == QLatin1String("--dir")) {
            folder = args[++i];
        }
    }
    QTemporaryDir scratch;
    if (folder.isEmpty()) {
        folder = scratch.path() + QStringLiteral("/corpus");
    }
    QDir().mkpath(folder);

    std::printf("Making %d photo-like %d x %d JPEGs in %s ...\n", photos, kWidth, kHeight, qPrintable(folder));
    QStringList files;
    qint64 bytes = 0;
    for (int i = 0; i < photos; ++i) {
        const QString path = QStringLiteral("%1/P%2.jpg").arg(folder).arg(i, 4, 10, QLatin1Char('0'));
        if (!QFile::exists(path) && !writePhoto(path, i)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        bytes += QFileInfo(path).size();
        files.append(path);
    }
    std::printf("Corpus: %d photos, %.1f MB each on average\n", photos, double(bytes) / photos / 1e6);

    const QString vips = QStandardPaths::findExecutable(QStringLiteral("vipsthumbnail"));
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    int cacheRun = 0;

    const std::vector<Runner> runners = {
        {"ours: cold thumbnails", [&](int workers) {
             std::vector<std::unique_ptr<TFileInfo>> records;
             QList<TFileInfo *> list;
             for (const QString &f : files) {
                 records.push_back(std::make_unique<TFileInfo>(f));
                 list.append(records.back().get());
             }
             // A cache folder that has never seen these photos.
             const QString cache = scratch.path() + QStringLiteral("/cache%1/T200_200/").arg(++cacheRun);
             QElapsedTimer timer;
             timer.start();
             TThumbsBatch batch(list, false, cache, kBox, kBox, workers);
             batch.Start();
             batch.WaitForFinished(-1);
             const double seconds = double(timer.nsecsElapsed()) / 1e9;
             if (batch.MadeCount() != files.size()) {
                 std::fprintf(stderr, "only %d of %lld thumbnails made\n", batch.MadeCount(), qlonglong(files.size()));
             }
             QDir(scratch.path() + QStringLiteral("/cache%1").arg(cacheRun)).removeRecursively();
             return seconds;
         }},
        {"floor: decode only, same scale", [&](int workers) {
             return timeLanes(workers, [&](int lane) {
                 for (const QString &f : share(files, lane, workers)) {
                     if (DecodeJpegScaled(f, kBox, kBox).isNull()) {
                         std::fprintf(stderr, "decode failed: %s\n", qPrintable(f));
                     }
                 }
             });
         }},
        {"vipsthumbnail -s 200", [&](int workers) {
             if (vips.isEmpty()) {
                 return -1.0;
             }
             const QString out = scratch.path() + QStringLiteral("/vips");
             QDir().mkpath(out);
             // One single-threaded vips process per lane: the same parallelism as our builders.
             QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
             env.insert(QStringLiteral("VIPS_CONCURRENCY"), QStringLiteral("1"));
             const double seconds = timeLanes(workers, [&](int lane) {
                 QStringList arguments{QStringLiteral("-s"), QStringLiteral("200"), QStringLiteral("-o"),
                                       out + QStringLiteral("/%s_tn.jpg")};
                 arguments += share(files, lane, workers);
                 if (!runProgram(vips, arguments, env)) {
                     std::fprintf(stderr, "vipsthumbnail failed\n");
                 }
             });
             QDir(out).removeRecursively();
             return seconds;
         }},
        {"djpeg -scale 1/8", [&](int workers) {
             if (djpeg.isEmpty()) {
                 return -1.0;
             }
             return timeLanes(workers, [&](int lane) {
                 for (const QString &f : share(files, lane, workers)) {
                     if (!runProgram(djpeg, {QStringLiteral("-scale"), QStringLiteral("1/8"), QStringLiteral("-bmp"),
                                             QStringLiteral("-outfile"), QStringLiteral("/dev/null"), f})) {
                         std::fprintf(stderr, "djpeg failed: %s\n", qPrintable(f));
                     }
                 }
             });
         }},
    };

    const int all = qMax(1, QThread::idealThreadCount());
    const std::vector<int> workerCounts = all > 1 ? std::vector<int>{1, all} : std::vector<int>{1};
    // best[runner][workers index]: the fastest of the rounds, the runs interleaved so that load
    // from elsewhere on the machine hits every contender alike.
    std::vector<std::vector<double>> best(runners.size(), std::vector<double>(workerCounts.size(), 1e300));
    std::vector<std::vector<double>> bestCpu = best;
    const QString loadBefore = loadAverage();
    runners[1].run(all); // warm the page cache and load the library
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t w = 0; w < workerCounts.size(); ++w) {
            for (std::size_t r = 0; r < runners.size(); ++r) {
                const double cpuBefore = cpuSeconds();
                const double seconds = runners[r].run(workerCounts[w]);
                const double cpu = cpuSeconds() - cpuBefore;
                best[r][w] = seconds < 0 ? -1 : std::min(best[r][w], seconds);
                bestCpu[r][w] = seconds < 0 ? -1 : std::min(bestCpu[r][w], cpu);
            }
        }
    }

    std::printf("\nCold thumbnail building, %d photos, box %d x %d, best of %d rounds (photos/s wall clock)\n",
                photos, kBox, kBox, rounds);
    std::printf("Load average of the machine before / after: %s / %s on %d logical processors\n",
                qPrintable(loadBefore), qPrintable(loadAverage()), all);
    std::printf("%-34s", "");
    for (int workers : workerCounts) {
        std::printf("%14s", qPrintable(QStringLiteral("%1 worker%2").arg(workers).arg(workers > 1 ? "s" : "")));
    }
    std::printf("\n");
    auto rate = [&](std::size_t r, std::size_t w) { return best[r][w] > 0 ? photos / best[r][w] : 0.0; };
    for (std::size_t r = 0; r < runners.size(); ++r) {
        std::printf("%-34s", runners[r].name);
        for (std::size_t w = 0; w < workerCounts.size(); ++w) {
            if (best[r][w] < 0) {
                std::printf("%14s", "not installed");
            } else {
                std::printf("%14.1f", rate(r, w));
            }
        }
        std::printf("\n");
    }
    std::printf("\nCPU milliseconds per photo (not disturbed by other load on the machine)\n");
    for (std::size_t r = 0; r < runners.size(); ++r) {
        std::printf("%-34s", runners[r].name);
        for (std::size_t w = 0; w < workerCounts.size(); ++w) {
            if (bestCpu[r][w] < 0) {
                std::printf("%14s", "-");
            } else {
                std::printf("%14.1f", bestCpu[r][w] * 1000 / photos);
            }
        }
        std::printf("\n");
    }
    std::printf("\nRatios of wall-clock throughput, ours divided by the reference (goals in brackets)\n");
    const char *goals[] = {"", "[>= 0.90]", "[>= 1.25]", ""};
    for (std::size_t r = 1; r < runners.size(); ++r) {
        std::printf("%-34s", qPrintable(QStringLiteral("vs %1").arg(QString::fromLatin1(runners[r].name))));
        for (std::size_t w = 0; w < workerCounts.size(); ++w) {
            if (rate(r, w) > 0) {
                std::printf("%13.2fx", rate(0, w) / rate(r, w));
            } else {
                std::printf("%14s", "-");
            }
        }
        std::printf("  %s\n", goals[r]);
    }
    if (workerCounts.size() > 1) {
        std::printf("%-34s%14s%13.2fx  [>= 1.85 on 2 cores]\n", "ours: all workers vs one", "",
                    rate(0, 1) / rate(0, 0));
        std::printf("%-34s%14s%13.2fx\n", "floor: all workers vs one", "", rate(1, 1) / rate(1, 0));
    }
    std::printf("\nRatios of CPU per photo, reference divided by ours (higher is better for ours)\n");
    for (std::size_t r = 1; r < runners.size(); ++r) {
        std::printf("%-34s", qPrintable(QStringLiteral("vs %1").arg(QString::fromLatin1(runners[r].name))));
        for (std::size_t w = 0; w < workerCounts.size(); ++w) {
            if (bestCpu[r][w] > 0 && bestCpu[0][w] > 0) {
                std::printf("%13.2fx", bestCpu[r][w] / bestCpu[0][w]);
            } else {
                std::printf("%14s", "-");
            }
        }
        std::printf("\n");
    }
    return 0;
}
