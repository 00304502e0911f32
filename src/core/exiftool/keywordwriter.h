// Writes keyword changes to the selected photos: first to the records in memory, then to the
// files through ExifTool (up to 16 photos in the background, more in parallel behind progress).
#pragma once

#include "core/model/fileinfo.h"
#include "core/model/fileset.h"
#include "core/model/kwstringlist.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace orvane {

enum TKeywordOperation { koAddAppend, koAddOverride, koDeleteSome, koDeleteAll, koReplace };

// IPTC stores at most this many bytes of a keyword; ExifTool would cut a longer one silently.
constexpr int kMaxKeywordBytes = 64;

// Applies one operation to the selected photos of the filtered list. keywordsToChangeList holds
// the keywords to add, set or delete, or (koReplace) the old keyword and the new one; koDeleteAll
// ignores it. Refuses, with one message naming them, new keywords longer than 64 UTF-8 bytes.
// Asks before deleting (ConfirmDeletion). Up to 16 photos are written in the background and the
// call returns at once; more are written in parallel and the call returns when they are done.
// Files ExifTool could not update are read again, so their records show what the files hold, and
// the user is told once which files kept their old keywords. Main thread. The set must outlive
// the background write (WaitForExifToolIdle before destroying it); the main window's set does.
void ChangeKeywordsInSelectedFiles(TFileSet &fileSet, const QStringList &keywordsToChangeList, TKeywordOperation ko);

// Called on the main thread when records were changed after the call above had returned: a
// background write ended and the photos it could not update were read again. The main window
// repaints its grid and keyword list. An empty handler removes it.
void SetKeywordRecordsChangedHandler(std::function<void()> handler);

// Asks, as the ConfirmKeywordDel setting wants, whether keywords may be deleted from the selected
// photos; true means go on.
bool ConfirmDeletion(const TFileSet &fileSet);

// The keywords of the list that IPTC cannot hold, in list order.
QStringList KeywordsTooLong(const QStringList &keywords);
// The message that refuses them, naming each on its own line.
QString KeywordsTooLongMessage(const QStringList &tooLong);

// Computes the photo's new keyword set in place.
void ApplyKeywordOperation(TKwStringList &keywords, const QStringList &keywordsToChangeList, TKeywordOperation ko);

// The argument lines of one selected photo: applies the operation to its record, clears its
// character-set flag after asking for the character set to be recorded, and returns the group.
QStringList BuildArgumentGroup(TFileInfo &fileInfo, const QStringList &keywordsToChangeList, TKeywordOperation ko,
                               bool preserveFileDateTime);

// The arguments of a write whose groups are in argumentFile.
QStringList KeywordWriteArguments(const QString &argumentFile);

// The progress caption of an operation.
QString KeywordOperationCaption(TKeywordOperation ko);

// Of paths, those an ExifTool error line names (a line beginning with "Error" and ending in a
// blank and the path).
QStringList FilesNamedInErrors(const QStringList &errorLines, const QStringList &paths);
// The sum of ExifTool's "N files weren't updated due to errors" counts.
int FilesNotUpdatedCount(const QStringList &errorLines);

} // namespace orvane
