// File-system, shell and small formatting helpers shared by the whole program.
#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace orvane {

// A shell or platform failure that must reach the user as a message.
class EShellError : public std::runtime_error
{
public:
    explicit EShellError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// Colours as the settings file stores them: 0x00BBGGRR, red in the low byte.
using TColor = quint32;

// Folder of the settings file, with trailing delimiter; empty until ChooseDataFolder.
QString DataFolder();
// For tests and tools that keep their settings elsewhere.
void SetDataFolder(const QString &folder);

QString ProgramFolder();
// ~/.config/Vantrel/ (the generic config location), with trailing delimiter.
QString PerUserDataFolder();
QString IncludeTrailingDelimiter(const QString &folder);
bool IsFolderWritable(const QString &folder);
// Sets DataFolder; tells the user through the prompter and ends the process when no folder is usable.
void ChooseDataFolder();
// The same choice between two given folders; ChooseDataFolder passes ProgramFolder and PerUserDataFolder.
void ChooseDataFolder(const QString &programFolder, const QString &perUserFolder);

// Full paths of the files matching mask (case-insensitive wildcard) in folder and, depth first,
// its subfolders. Unreadable folders are skipped; directory links leading back into a folder
// being listed are not followed.
QStringList FindFilesRecursive(const QString &folder, const QString &mask);
quint64 FolderSize(const QString &folder);
QString FormatThousands(qint64 value);
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case; safe from any thread.
QString NewGuidString();
TColor InvertColor(TColor color);
TColor HalfColor(TColor color);
// Opens a file, folder or address with its default application; throws EShellError on failure.
void ShellExecuteFile(const QString &file);
// Moves the file to the desktop trash; true on success.
bool MoveToRecycleBin(const QString &path);

} // namespace orvane
