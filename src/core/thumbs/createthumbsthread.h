// A thumbnail builder: one worker thread that finds or makes the cached thumbnails of its share
// of the photos of a load.
#pragma once

#include "core/model/fileinfo.h"
#include "core/thumbs/thumbcache.h"

#include <QList>
#include <QThread>

#include <atomic>

namespace orvane {

class TCreateThumbsThread : public QThread
{
public:
    // The cache, the counter and the records must outlive the thread.
    TCreateThumbsThread(const TThumbCache &cache, int boxWidth, int boxHeight, bool forceRecreateThumbs,
                        std::atomic<int> &thumbsDoneCount);
    ~TCreateThumbsThread() override;

    // The share of this builder, in set order; complete before the thread starts. Not owned.
    QList<TFileInfo *> FileInfoList;
    const bool ForceRecreateThumbs;

    // The builder's loop, run on the thread (also callable directly). For each record: the cached
    // thumbnail is taken, or (when there is none or a rebuild is forced) made and indexed; the
    // record's BmpThumbFullName becomes the thumbnail's path, or empty when the photo could not be
    // decoded; the shared done count goes up by one. A photo that cannot be decoded never stops the
    // loop. Only a missing TurboJPEG library ends it early, leaving the rest of the share untouched.
    // Writes nothing but the BmpThumbFullName of its own records.
    void Execute();

    // Results, read after the thread has finished.
    int MadeCount() const { return fMadeCount; }
    int FoundCount() const { return fFoundCount; }
    int FailedCount() const { return fFailedCount; }
    bool LibraryMissing() const { return fLibraryMissing; }

protected:
    void run() override;

private:
    const TThumbCache &fCache;
    const int fBoxWidth;
    const int fBoxHeight;
    std::atomic<int> &fThumbsDoneCount;
    int fMadeCount = 0;
    int fFoundCount = 0;
    int fFailedCount = 0;
    bool fLibraryMissing = false;
};

} // namespace orvane
