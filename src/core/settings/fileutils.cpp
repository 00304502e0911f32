// File-system, shell and small formatting helpers shared by the whole program.
#include "core/settings/fileutils.h"

#include "core/settings/prompter.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>

#include <cstdlib>

namespace orvane {

namespace {

QString gDataFolder;

// Canonical paths of the folders on the way from the starting folder down to the one being
// listed. A directory link that resolves to one of them would lead into an endless walk.
using FolderChain = QSet<QString>;

// Calls visit(entry) for every entry of folder selected by filters, in file-system order.
template<typename Visit>
void forEachEntry(const QString &folder, const QStringList &nameFilters, QDir::Filters filters, Visit visit)
{
    QDirIterator it(folder, nameFilters, filters);
    while (it.hasNext()) {
        it.next();
        visit(it.fileInfo());
    }
}

// Returns false when subfolder resolves to a folder already on the chain (or cannot be resolved).
bool canEnter(const QFileInfo &subfolder, const FolderChain &chain, QString *canonical)
{
    *canonical = subfolder.canonicalFilePath();
    return !canonical->isEmpty() && !chain.contains(*canonical);
}

void findFiles(const QString &folder, const QStringList &nameFilters, FolderChain &chain, QStringList &result)
{
    const QString base = IncludeTrailingDelimiter(folder);

    // Hidden files count: a camera card or a synced folder may mark photos hidden. Sockets, pipes
    // and device files are left out, as nothing can read a photo from them.
    forEachEntry(base, nameFilters, QDir::Files | QDir::Hidden, [&](const QFileInfo &entry) {
        if (!entry.isDir()) {
            result.append(base + entry.fileName());
        }
    });

    forEachEntry(base, {}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, [&](const QFileInfo &entry) {
        QString canonical;
        if (!canEnter(entry, chain, &canonical)) {
            return;
        }
        chain.insert(canonical);
        findFiles(base + entry.fileName(), nameFilters, chain, result);
        chain.remove(canonical);
    });
}

quint64 folderSize(const QString &folder, FolderChain &chain)
{
    const QString base = IncludeTrailingDelimiter(folder);
    quint64 total = 0;
    forEachEntry(base, {}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                 [&](const QFileInfo &entry) {
                     if (!entry.isDir()) {
                         total += static_cast<quint64>(qMax<qint64>(entry.size(), 0));
                         return;
                     }
                     QString canonical;
                     if (!canEnter(entry, chain, &canonical)) {
                         return;
                     }
                     chain.insert(canonical);
                     total += folderSize(base + entry.fileName(), chain);
                     chain.remove(canonical);
                 });
    return total;
}

// Walks start only when it is a folder that can be resolved; the folder itself heads the chain.
bool startChain(const QString &folder, FolderChain &chain)
{
    if (folder.isEmpty()) {
        return false;
    }
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    if (!info.isDir() || canonical.isEmpty()) {
        return false;
    }
    chain.insert(canonical);
    return true;
}

// An address such as "https://…" or "mailto:…" rather than a path; one-letter schemes would be
// drive letters of a path written the Windows way.
bool looksLikeAddress(const QString &file)
{
    if (file.startsWith(QLatin1Char('/'))) {
        return false;
    }
    const QUrl url(file, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1;
}

} // namespace

QString DataFolder()
{
    return gDataFolder;
}

void SetDataFolder(const QString &folder)
{
    gDataFolder = IncludeTrailingDelimiter(folder);
}

QString ProgramFolder()
{
    return IncludeTrailingDelimiter(QCoreApplication::applicationDirPath());
}

QString PerUserDataFolder()
{
    return IncludeTrailingDelimiter(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) +
           QStringLiteral("Vantrel/");
}

QString IncludeTrailingDelimiter(const QString &folder)
{
    // An empty folder stays empty: turning it into "/" would point every caller at the root.
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) {
        return folder;
    }
    return folder + QLatin1Char('/');
}

bool IsFolderWritable(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        return false;
    }
    const QString testFile = IncludeTrailingDelimiter(folder) + QStringLiteral("test.tmp");
    if (QFileInfo::exists(testFile)) {
        QFile::remove(testFile);
        if (QFileInfo::exists(testFile)) {
            return false;
        }
    }

    QFile file(testFile);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (written) {
        written = file.write("123\r\n") == 5;
        written = file.flush() && written;
        file.close();
        written = written && file.error() == QFileDevice::NoError;
    }
    bool readBack = false;
    if (written && file.open(QIODevice::ReadOnly)) {
        const QByteArray content = file.readAll();
        readBack = file.error() == QFileDevice::NoError;
        file.close();
        if (readBack && !content.isEmpty()) {
            const QByteArray firstLine = content.left(content.indexOf('\n')).split('\r').first();
            readBack = firstLine == "123";
        }
    }

    // Removed on every path, so a failed attempt leaves nothing behind either.
    QFile::remove(testFile);
    return written && readBack && !QFileInfo::exists(testFile);
}

void ChooseDataFolder()
{
    ChooseDataFolder(ProgramFolder(), PerUserDataFolder());
}

void ChooseDataFolder(const QString &programFolder, const QString &perUserFolder)
{
    if (IsFolderWritable(programFolder)) {
        SetDataFolder(programFolder);
        return;
    }
    QDir().mkpath(perUserFolder);
    SetDataFolder(perUserFolder);
    if (!IsFolderWritable(perUserFolder)) {
        ShowMessage(QStringLiteral("Error. Can't access folder ") + perUserFolder);
        // Nothing else may start without a place for the settings.
        std::exit(1);
    }
}

QStringList FindFilesRecursive(const QString &folder, const QString &mask)
{
    QStringList result;
    FolderChain chain;
    if (startChain(folder, chain)) {
        findFiles(folder, {mask}, chain, result);
    }
    return result;
}

quint64 FolderSize(const QString &folder)
{
    FolderChain chain;
    return startChain(folder, chain) ? folderSize(folder, chain) : 0;
}

QString FormatThousands(qint64 value)
{
    const QString digits = QString::number(value);
    QString result;
    result.reserve(digits.size() + digits.size() / 3);
    const qsizetype length = digits.size();
    for (qsizetype i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0) {
            result.append(QLatin1Char(' '));
        }
        result.append(digits.at(i));
    }
    return result;
}

QString NewGuidString()
{
    return QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
}

TColor InvertColor(TColor color)
{
    return 0xFFFFFFu - (color & 0xFFFFFFu);
}

TColor HalfColor(TColor color)
{
    return (color & 0xFFFFFFu) >> 1 & 0x7F7F7Fu;
}

void ShellExecuteFile(const QString &file)
{
    Q_ASSERT_X(!file.isEmpty(), "ShellExecuteFile", "no file to open");
    if (file.isEmpty()) {
        throw EShellError(QStringLiteral("No file to open."));
    }

    QUrl url;
    if (looksLikeAddress(file)) {
        url = QUrl(file, QUrl::StrictMode);
    } else {
        const QFileInfo info(file);
        // The desktop opener runs detached and never reports a missing file, so check first.
        if (!info.exists()) {
            throw EShellError(QStringLiteral("Can't open \"%1\": the file does not exist.").arg(file));
        }
        url = QUrl::fromLocalFile(info.absoluteFilePath());
    }
    if (!QDesktopServices::openUrl(url)) {
        throw EShellError(QStringLiteral("Can't open \"%1\": no application is available for it.").arg(file));
    }
}

bool MoveToRecycleBin(const QString &path)
{
    return !path.isEmpty() && QFile::moveToTrash(path);
}

} // namespace orvane
