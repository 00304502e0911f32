// The thumbnail cache on disk: size folders, GUID-named BMP thumbnails and two-line index files.
#include "core/thumbs/thumbcache.h"

#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "core/thumbs/thumbsize.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace orvane {

namespace {

// Index files are a path and a file name; anything larger is not one of ours.
constexpr qint64 kMaxIndexFileSize = 64 * 1024;
constexpr int kIndexNumbers = 9999;

// The photo's file name without its extension: what its index file names start with.
QString indexBaseName(const QString &jpgFullName)
{
    const QString fileName = QFileInfo(jpgFullName).fileName();
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

// Lines as a text file reader splits them: CR LF, LF or CR end a line; a final line end adds none.
QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArray bytes = file.read(kMaxIndexFileSize + 1);
    if (bytes.size() > kMaxIndexFileSize) {
        return {};
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    const QString text = QString::fromUtf8(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.append(text.mid(start));
    }
    return lines;
}

// Line 2 must name a file inside the size folder; anything else would let a damaged or planted
// index point a forced rebuild at a file elsewhere.
bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

} // namespace

QString ThumbSizeFolder(const QString &folderThumbsRoot, int width, int height)
{
    return folderThumbsRoot + QString::asprintf("T%d_%d", width, height) + QLatin1Char('/');
}

bool CreateCacheFolders()
{
    return CreateCacheFolders(Settings().FolderThumbsRoot());
}

bool CreateCacheFolders(const QString &folderThumbsRoot)
{
    bool ok = true;
    for (const TThumbSize &size : ThumbSizes()) {
        ok = QDir().mkpath(ThumbSizeFolder(folderThumbsRoot, size.Width(), size.Height())) && ok;
    }
    return ok;
}

TThumbCache::TThumbCache(const QString &folderThumbs) : fFolderThumbs(folderThumbs)
{
    QDirIterator it(folderThumbs, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0) {
            fIndexFiles[name.left(dot)].append(name);
        }
    }
    for (QStringList &names : fIndexFiles) {
        std::sort(names.begin(), names.end());
    }
}

QString TThumbCache::FindCachedThumb(const QString &jpgFullName, bool forceRecreateThumbs) const
{
    const auto found = fIndexFiles.constFind(indexBaseName(jpgFullName));
    if (found == fIndexFiles.constEnd()) {
        return {};
    }
    for (const QString &indexName : *found) {
        const QString indexPath = fFolderThumbs + indexName;
        const QStringList lines = readLines(indexPath);
        if (lines.size() < 2 || lines.at(0) != jpgFullName) {
            continue;
        }
        const QString thumb = fFolderThumbs + lines.at(1);
        const bool exists = isPlainFileName(lines.at(1)) && QFileInfo(thumb).isFile();
        // An index of this photo whose thumbnail is gone is of no further use to anyone.
        if (forceRecreateThumbs || !exists) {
            QFile::remove(indexPath);
        }
        if (exists) {
            return thumb;
        }
    }
    return {};
}

bool TThumbCache::WriteThumbIndex(const QString &jpgFullName, const QString &bmpFullName) const
{
    const QByteArray content
        = (jpgFullName + QStringLiteral("\r\n") + QFileInfo(bmpFullName).fileName() + QStringLiteral("\r\n")).toUtf8();
    const QString base = fFolderThumbs + indexBaseName(jpgFullName) + QLatin1Char('.');
    for (int n = 0; n < kIndexNumbers; ++n) {
        const QString candidate = base + QString::asprintf("%.4d", n);
        QFile file(candidate);
        // Creating only when absent claims the number atomically against other builders.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            const bool written = file.write(content) == content.size() && file.flush();
            file.close();
            if (!written) {
                file.remove();
            }
            return written;
        }
        const QFileInfo taken(candidate);
        if (!taken.exists() && !taken.isSymLink()) {
            return false; // not a taken number but a folder we cannot write to
        }
    }
    return false;
}

QString TThumbCache::NewThumbFullName() const
{
    return fFolderThumbs + NewGuidString() + QStringLiteral(".bmp");
}

} // namespace orvane
