// Filling the photo set from a folder tree, and moving photos to the trash.
#include "core/model/folderload.h"

#include "core/exiftool/exiftoolcommand.h"
#include "core/exiftool/keywordreader.h"
#include "core/model/keywordtext.h"
#include "core/settings/fileutils.h"
#include "core/settings/progresssink.h"
#include "core/thumbs/thumbsbatch.h"

#include <QFile>

#include <algorithm>

namespace orvane {

QStringList ListJpgFiles(const QString &folderName)
{
    QStringList paths = FindFilesRecursive(folderName, QStringLiteral("*.jpg"));
    std::sort(paths.begin(), paths.end(),
              [](const QString &a, const QString &b) { return CompareKeywords(a, b) < 0; });
    return paths;
}

ThumbnailBuildResult BuildThumbnails(const QList<TFileInfo *> &records, bool forceRecreateThumbs)
{
    TThumbsBatch batch(records, forceRecreateThumbs);
    batch.Start();
    ShowProgress(QStringLiteral("Creating thumbs..."));
    for (;;) {
        const bool finished = batch.WaitForFinished(100);
        const int done = batch.ThumbsDoneCount();
        UpdateProgress(ProgressFileText(done, batch.Count()), ProgressPercent(done, batch.Count()));
        ProcessUiEvents();
        if (finished) {
            break;
        }
    }
    HideProgress();
    ThumbnailBuildResult result;
    result.made = batch.MadeCount();
    result.found = batch.FoundCount();
    result.failed = batch.FailedCount();
    result.libraryMissing = batch.LibraryMissing();
    return result;
}

void LoadJpgFilesFromFolder(TFileSet &fileSet, const QString &folderName, bool forceRecreateThumbs)
{
    fileSet.Clear();
    QList<TFileInfo *> records;
    for (const QString &path : ListJpgFiles(folderName)) {
        records.append(fileSet.Add(path));
    }
    BuildThumbnails(records, forceRecreateThumbs);
    PopulateKeywords(fileSet);
    fileSet.ClearFilter();
}

void DeleteSelectedFiles(TFileSet &fileSet, QString &failedPath)
{
    failedPath.clear();
    const QList<TFileInfo *> shown = fileSet.FilteredList();
    TFileInfo *next = nullptr;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        TFileInfo *fileInfo = shown.at(i);
        if (!fileInfo->Selected) {
            continue;
        }
        if (!MoveToRecycleBin(fileInfo->JpgFullName)) {
            failedPath = fileInfo->JpgFullName;
            fileSet.ArrangeFilter();
            return;
        }
        if (!fileInfo->BmpThumbFullName.isEmpty()) {
            QFile::remove(fileInfo->BmpThumbFullName);
        }
        fileSet.RemoveRecord(fileInfo);
        // The next photo as the list stood at the start; a later deletion in this walk replaces it.
        next = i + 1 < shown.size() ? shown.at(i + 1) : nullptr;
    }
    fileSet.ArrangeFilter();
    if (next) {
        next->Selected = true;
    } else if (fileSet.CountFiltered() > 0) {
        fileSet.FilesFiltered(fileSet.CountFiltered() - 1)->Selected = true;
    }
}

} // namespace orvane
