// ExifTool argument files: one argument per line, UTF-8 with byte-order mark, every line ended
// by CR LF, named by a fresh GUID in the thumbnail cache root.
#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// The text ExifTool joins and splits keyword lists with.
inline QString KeywordSeparator()
{
    return QStringLiteral("*!separator!*");
}

// The folder argument files go to: the thumbnail cache root. Main thread (reads the settings).
QString ArgumentFileFolder();
// folder + a new GUID + ".txt"; safe from any thread.
QString NewArgumentFileName(const QString &folder);
// Creates the folder when missing and writes the file; false when it could not be written
// (nothing is left behind then).
bool WriteArgumentFile(const QString &fileName, const QStringList &lines);

} // namespace orvane
