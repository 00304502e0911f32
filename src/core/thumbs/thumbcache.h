// The thumbnail cache on disk: one folder per thumbnail size holding the thumbnails as BMP files
// with GUID names, and two-line index files that map a photo's full path to its thumbnail.
//
//   <root>T200_200/{GUID}.bmp       the photo fitted into 200 x 200, not rotated
//   <root>T200_200/IMG_0001.0000    "<photo full path>\r\n<GUID>.bmp\r\n" (UTF-8)
//
// Photos with the same base name in different folders share the index names IMG_0001.0000,
// IMG_0001.0001, ...; line 1 tells them apart.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace orvane {

// root + "T<width>_<height>/"; root ends with the delimiter.
QString ThumbSizeFolder(const QString &folderThumbsRoot, int width, int height);

// Creates, with missing parents, the size folder of every offered size under the cache root
// (the settings' FolderThumbsRoot when none is given). False when one could not be made.
bool CreateCacheFolders();
bool CreateCacheFolders(const QString &folderThumbsRoot);

// One size folder of the cache, as it was when the object was made. The folder is listed once,
// so finding a photo's thumbnail costs a look-up and a read of the index files of its base name,
// however many photos the cache holds. Safe to use from several threads at once for different
// photos; a photo's index files are only looked up by the thread that handles that photo.
class TThumbCache
{
public:
    // folderThumbs ends with the delimiter.
    explicit TThumbCache(const QString &folderThumbs);

    const QString &FolderThumbs() const { return fFolderThumbs; }

    // The full path of the existing thumbnail whose index names exactly jpgFullName, or empty.
    // With forceRecreateThumbs every index file of the photo visited on the way is deleted.
    QString FindCachedThumb(const QString &jpgFullName, bool forceRecreateThumbs) const;

    // Records that bmpFullName (a file in this folder) is the thumbnail of jpgFullName, under the
    // lowest free index number of the photo's base name, claimed so that two threads never take the
    // same one. False when nothing could be written (all 9999 numbers taken, or a disk error).
    bool WriteThumbIndex(const QString &jpgFullName, const QString &bmpFullName) const;

    // A fresh thumbnail path: the folder + a new GUID + ".bmp".
    QString NewThumbFullName() const;

private:
    QString fFolderThumbs;
    // Base name -> index file names present at listing time, in ascending order.
    QHash<QString, QStringList> fIndexFiles;
};

} // namespace orvane
