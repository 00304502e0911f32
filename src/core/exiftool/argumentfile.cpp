// ExifTool argument files.
#include "core/exiftool/argumentfile.h"

#include "core/settings/fileutils.h"
#include "core/settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvane {

QString ArgumentFileFolder()
{
    return Settings().FolderThumbsRoot();
}

QString NewArgumentFileName(const QString &folder)
{
    return QStringLiteral("%1%2.txt").arg(IncludeTrailingDelimiter(folder), NewGuidString());
}

bool WriteArgumentFile(const QString &fileName, const QStringList &lines)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString &line : lines) {
        bytes.append(line.toUtf8());
        bytes.append("\r\n");
    }
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        file.close();
        QFile::remove(fileName);
        return false;
    }
    file.close();
    if (file.error() != QFile::NoError) {
        QFile::remove(fileName);
        return false;
    }
    return true;
}

} // namespace orvane
