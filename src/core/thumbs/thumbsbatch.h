// The thumbnail builders of one folder load: one per logical processor, each with a round-robin
// share of the photos, and the shared count of photos done.
//
// Typical use on the main thread, polling while the user interface stays responsive:
//
//     TThumbsBatch batch(records, forceRecreateThumbs);
//     batch.Start();
//     while (!batch.WaitForFinished(100)) {
//         UpdateProgress(QString::asprintf("File %d of %d", batch.ThumbsDoneCount(), batch.Count()), ...);
//         ProcessUiEvents();
//     }
#pragma once

#include "core/model/fileinfo.h"
#include "core/thumbs/createthumbsthread.h"
#include "core/thumbs/thumbcache.h"

#include <QList>
#include <QString>

#include <atomic>
#include <memory>
#include <vector>

namespace orvane {

class TThumbsBatch
{
public:
    // Takes the thumbnail box and the size folder from the settings; main thread only.
    // workerCount 0 means one builder per logical processor.
    TThumbsBatch(const QList<TFileInfo *> &records, bool forceRecreateThumbs, int workerCount = 0);
    // The same with the size folder (ending with the delimiter) and box given explicitly.
    TThumbsBatch(const QList<TFileInfo *> &records, bool forceRecreateThumbs, const QString &folderThumbs,
                 int boxWidth, int boxHeight, int workerCount = 0);
    // Waits for the builders. The records must outlive the batch.
    ~TThumbsBatch();
    TThumbsBatch(const TThumbsBatch &) = delete;
    TThumbsBatch &operator=(const TThumbsBatch &) = delete;

    // Starts every builder; call once.
    void Start();
    // True when every builder has finished; waits at most milliseconds (negative: no limit).
    bool WaitForFinished(int milliseconds);

    int Count() const { return int(fRecords.size()); }
    // Photos handled so far by all builders together; safe to read at any time.
    int ThumbsDoneCount() const { return fThumbsDoneCount.load(std::memory_order_relaxed); }

    // Sums over the builders, read after WaitForFinished returned true.
    int MadeCount() const;
    int FoundCount() const;
    int FailedCount() const;
    // Some builder ended because TurboJPEG could not be used.
    bool LibraryMissing() const;

    // The builders of this load, in dealing order.
    const std::vector<std::unique_ptr<TCreateThumbsThread>> &TCreateThumbsArr() const { return fBuilders; }

private:
    void init(bool forceRecreateThumbs, int boxWidth, int boxHeight, int workerCount);

    QList<TFileInfo *> fRecords;
    std::unique_ptr<TThumbCache> fCache;
    std::atomic<int> fThumbsDoneCount{0};
    std::vector<std::unique_ptr<TCreateThumbsThread>> fBuilders;
};

} // namespace orvane
