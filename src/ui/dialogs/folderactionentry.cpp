// The "Open with Orvane" desktop entry for folders.
#include "ui/dialogs/folderactionentry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace orvane {

namespace {

const QString EntryBaseName = QStringLiteral("orvane-open-folder.desktop");

// File managers read the applications folder's MIME cache for their "Open With" lists; keep it
// current where the tool exists.
void refreshMimeCache(const QString &folder)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    if (!tool.isEmpty()) {
        QProcess::startDetached(tool, {QStringLiteral("-q"), folder});
    }
}

} // namespace

QString ExplorerEntryFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation) + QLatin1Char('/') + EntryBaseName;
}

bool ExplorerEntryExists()
{
    return QFile::exists(ExplorerEntryFileName());
}

QString DesktopExecArgument(const QString &path)
{
    // Inside double quotes the Exec key wants ", `, $ and \ escaped by a backslash, and the whole
    // value is a desktop-entry string, in which a backslash is written twice. A field code
    // character is written twice.
    QString quoted;
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')) {
            quoted += QStringLiteral("\\\\") + c;
        } else if (c == QLatin1Char('\\')) {
            quoted += QStringLiteral("\\\\\\\\");
        } else if (c == QLatin1Char('%')) {
            quoted += QStringLiteral("%%");
        } else {
            quoted += c;
        }
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool AddExplorerEntry(const QString &programPath)
{
    const QString program = programPath.isEmpty() ? QCoreApplication::applicationFilePath() : programPath;
    const QString fileName = ExplorerEntryFileName();
    const QString folder = QFileInfo(fileName).path();
    if (!QDir().mkpath(folder)) {
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Open with Orvane\n"
                                        "Exec=%1 %f\n"
                                        "MimeType=inode/directory;\n"
                                        "NoDisplay=true\n"
                                        "Terminal=false\n")
                             .arg(DesktopExecArgument(program));
    file.write(text.toUtf8());
    if (!file.commit()) {
        return false;
    }
    refreshMimeCache(folder);
    return true;
}

bool RemoveExplorerEntry()
{
    const QString fileName = ExplorerEntryFileName();
    if (!QFile::exists(fileName)) {
        return true;
    }
    const bool removed = QFile::remove(fileName);
    if (removed) {
        refreshMimeCache(QFileInfo(fileName).path());
    }
    return removed;
}

} // namespace orvane
