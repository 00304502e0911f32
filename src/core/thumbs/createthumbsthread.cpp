// A thumbnail builder: one worker thread that finds or makes the thumbnails of its share.
#include "core/thumbs/createthumbsthread.h"

#include "core/thumbs/jpegdecode.h"

#include <QFile>
#include <QFileInfo>

#include <new>

namespace orvane {

TCreateThumbsThread::TCreateThumbsThread(const TThumbCache &cache, int boxWidth, int boxHeight,
                                         bool forceRecreateThumbs, std::atomic<int> &thumbsDoneCount)
    : ForceRecreateThumbs(forceRecreateThumbs), fCache(cache), fBoxWidth(boxWidth), fBoxHeight(boxHeight),
      fThumbsDoneCount(thumbsDoneCount)
{
}

TCreateThumbsThread::~TCreateThumbsThread()
{
    requestInterruption();
    wait();
}

void TCreateThumbsThread::run()
{
    Execute();
}

void TCreateThumbsThread::Execute()
{
    for (TFileInfo *fileInfo : std::as_const(FileInfoList)) {
        if (isInterruptionRequested()) {
            return;
        }
        const QString &jpg = fileInfo->JpgFullName;
        QString thumb = fCache.FindCachedThumb(jpg, ForceRecreateThumbs);
        const bool cached = !thumb.isEmpty();
        bool present = cached;
        if (!cached || ForceRecreateThumbs) {
            if (!cached) {
                thumb = fCache.NewThumbFullName();
            }
            bool made = false;
            try {
                made = MakeThumbnail(jpg, thumb, fBoxWidth, fBoxHeight);
            } catch (const ETurboJPEG &) {
                fLibraryMissing = true;
                return;
            } catch (const std::bad_alloc &) {
                made = false; // this photo is too much for memory; the next one may not be
            }
            if (made) {
                fCache.WriteThumbIndex(jpg, thumb);
                ++fMadeCount;
                present = true;
            } else {
                // A forced rebuild that fails must not leave the old picture behind as if current;
                // its index is already gone.
                if (cached) {
                    QFile::remove(thumb);
                }
                ++fFailedCount;
                present = false;
            }
        } else {
            ++fFoundCount;
        }
        fileInfo->BmpThumbFullName = present ? thumb : QString();
        fThumbsDoneCount.fetch_add(1, std::memory_order_relaxed);
    }
}

} // namespace orvane
