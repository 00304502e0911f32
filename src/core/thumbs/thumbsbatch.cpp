// The thumbnail builders of one folder load.
#include "core/thumbs/thumbsbatch.h"

#include "core/settings/settings.h"

#include <QDeadlineTimer>
#include <QDir>

namespace orvane {

TThumbsBatch::TThumbsBatch(const QList<TFileInfo *> &records, bool forceRecreateThumbs, int workerCount)
    : fRecords(records)
{
    const TSettings &settings = Settings();
    // The folder is listed once here, before any builder runs.
    QDir().mkpath(settings.FolderThumbs());
    fCache = std::make_unique<TThumbCache>(settings.FolderThumbs());
    init(forceRecreateThumbs, settings.BMP_WIDTH(), settings.BMP_HEIGHT(), workerCount);
}

TThumbsBatch::TThumbsBatch(const QList<TFileInfo *> &records, bool forceRecreateThumbs, const QString &folderThumbs,
                           int boxWidth, int boxHeight, int workerCount)
    : fRecords(records)
{
    // The cache usually lives in the temporary folder, which the system may have cleaned.
    QDir().mkpath(folderThumbs);
    fCache = std::make_unique<TThumbCache>(folderThumbs);
    init(forceRecreateThumbs, boxWidth, boxHeight, workerCount);
}

void TThumbsBatch::init(bool forceRecreateThumbs, int boxWidth, int boxHeight, int workerCount)
{
    const int n = workerCount > 0 ? workerCount : qMax(1, QThread::idealThreadCount());
    fBuilders.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i) {
        fBuilders.push_back(
            std::make_unique<TCreateThumbsThread>(*fCache, boxWidth, boxHeight, forceRecreateThumbs, fThumbsDoneCount));
    }
    for (qsizetype k = 0; k < fRecords.size(); ++k) {
        fBuilders[std::size_t(k % n)]->FileInfoList.append(fRecords.at(k));
    }
}

TThumbsBatch::~TThumbsBatch()
{
    // Builders are destroyed (and so waited for) before the cache and the counter they use.
    fBuilders.clear();
}

void TThumbsBatch::Start()
{
    fThumbsDoneCount.store(0);
    for (const auto &builder : fBuilders) {
        builder->start();
    }
}

bool TThumbsBatch::WaitForFinished(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                                   : QDeadlineTimer(milliseconds));
    for (const auto &builder : fBuilders) {
        if (!builder->wait(deadline)) {
            return false;
        }
    }
    return true;
}

int TThumbsBatch::MadeCount() const
{
    int sum = 0;
    for (const auto &builder : fBuilders) {
        sum += builder->MadeCount();
    }
    return sum;
}

int TThumbsBatch::FoundCount() const
{
    int sum = 0;
    for (const auto &builder : fBuilders) {
        sum += builder->FoundCount();
    }
    return sum;
}

int TThumbsBatch::FailedCount() const
{
    int sum = 0;
    for (const auto &builder : fBuilders) {
        sum += builder->FailedCount();
    }
    return sum;
}

bool TThumbsBatch::LibraryMissing() const
{
    for (const auto &builder : fBuilders) {
        if (builder->LibraryMissing()) {
            return true;
        }
    }
    return false;
}

} // namespace orvane
