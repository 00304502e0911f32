// Where the ExifTool program is.
#include "core/exiftool/exiftoolpath.h"

#include "core/settings/fileutils.h"
#include "core/settings/prompter.h"

#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>

namespace orvane {

namespace {

QMutex gPathMutex;
QString gExifToolPath;
bool gPathSet = false;

} // namespace

QString ExifToolPath()
{
    QMutexLocker locker(&gPathMutex);
    if (!gPathSet) {
        gExifToolPath = LocateExifTool();
        gPathSet = true;
    }
    return gExifToolPath;
}

void SetExifToolPath(const QString &path)
{
    QMutexLocker locker(&gPathMutex);
    gExifToolPath = path;
    gPathSet = true;
}

QString ExifToolBesideProgram()
{
    return IncludeTrailingDelimiter(ProgramFolder()) + QStringLiteral("exiftool");
}

QString LocateExifTool()
{
    const QString beside = ExifToolBesideProgram();
    const QFileInfo info(beside);
    if (info.isFile() && info.isExecutable()) {
        return beside;
    }
    return QStandardPaths::findExecutable(QStringLiteral("exiftool"));
}

bool InitExifToolPath()
{
    const QString found = LocateExifTool();
    if (!found.isEmpty()) {
        SetExifToolPath(found);
        return true;
    }
    const QString beside = ExifToolBesideProgram();
    SetExifToolPath(beside);
    ShowMessage(MissingExifToolWarning(beside));
    return false;
}

QString MissingExifToolWarning(const QString &path)
{
    return QStringLiteral("Warn!\r\nFile \"%1\" does not exist.\r\nThis file is needed to process Keywords.").arg(path);
}

} // namespace orvane
