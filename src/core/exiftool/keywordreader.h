// Reads IPTC keywords, EXIF orientation and the IPTC character-set flag of photos through
// ExifTool's CSV output.
#pragma once

#include "core/model/fileinfo.h"
#include "core/model/fileset.h"
#include "core/model/kwstringlist.h"

#include <QString>
#include <QStringList>

namespace orvane {

// Up to this many photos are read by one ExifTool process; more by one process per logical processor.
constexpr int kSingleProcessFiles = 16;

// The CSV rows (header rows dropped) of the photos, read by one process for up to 16 paths and
// otherwise by one process per logical processor, the paths dealt round-robin. Tells the user
// "Execute ExifTool.exe failed." when a process could not be started, and returns what there is.
// Main thread.
QStringList ReadKeywordRows(const QStringList &paths);

// The same by one process run in the calling thread, without progress or messages; for worker
// threads. argumentFolder is where its argument file goes.
QStringList ReadKeywordRowsInThisThread(const QStringList &paths, const QString &argumentFolder);

// The arguments of a read whose photo paths are in argumentFile.
QStringList KeywordReadArguments(const QString &argumentFile);

// Splits one CSV row: path, encodeFlagMissing (CodedCharacterSet is "-"), orientation (-1 when
// absent or not a number) and keywords (cleared first; in ExifTool's order, items of blanks
// dropped, other items unchanged).
void ParseKeywordRow(const QString &row, QString &path, bool &encodeFlagMissing, int &orientation,
                     QStringList &keywords);

// Fields separated by commas; a field beginning with a double quote runs to the next single
// double quote (a doubled one stands for one). A trailing comma adds an empty field.
QStringList SplitCsvFields(const QString &text);

// 3, 6 and 8 turn the photo; every other value leaves it as it is.
TRotateAngle RotateAngleFromOrientation(int orientation);

// Sets keywords, character-set flag and rotation of the photo from a parsed row.
void ApplyKeywordRow(TFileInfo &fileInfo, bool encodeFlagMissing, int orientation, const QStringList &keywords);

// Fills keywords, orientation and character-set flag of every photo of the set whose path
// ExifTool returned (exact, case-sensitive match); the others keep their values.
void PopulateKeywords(TFileSet &fileSet);
// Applies rows to the photos of the set with exactly those paths; rows without a photo are ignored.
void ApplyKeywordRows(TFileSet &fileSet, const QStringList &rows);

// The union of the keywords of the photos.
TKwStringList GetKeywordsOfFiles(const QStringList &paths);

} // namespace orvane
