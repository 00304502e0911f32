// Filling the photo set from a folder tree, and moving photos to the trash.
#pragma once

#include "core/model/fileset.h"

#include <QString>

namespace orvane {

// Replaces the whole set with the JPEGs under folder (recursively, sorted by path with the keyword
// comparison), builds their thumbnails behind the "Creating thumbs..." progress, reads their keywords
// and clears the filter. A missing or empty folder gives an empty set; a photo that cannot be decoded
// simply gets no thumbnail.
void LoadJpgFilesFromFolder(TFileSet &fileSet, const QString &folderName, bool forceRecreateThumbs);

// The "*.jpg" files (any letter case) under folderName, in the order of the photo set.
QStringList ListJpgFiles(const QString &folderName);

struct ThumbnailBuildResult {
    int made = 0;
    int found = 0;
    int failed = 0;
    bool libraryMissing = false;
};

// Finds or makes the thumbnails of the records with one builder per logical processor while the
// progress sink shows "Creating thumbs...". Main thread; the records must not change meanwhile.
ThumbnailBuildResult BuildThumbnails(const QList<TFileInfo *> &records, bool forceRecreateThumbs);

// Moves the selected photos of the filtered list to the trash and drops their records. failedPath is
// empty on success, else the photo whose move failed (the walk stops there). Afterwards the photo after
// the last deleted one is selected, or the last shown photo.
void DeleteSelectedFiles(TFileSet &fileSet, QString &failedPath);

} // namespace orvane
