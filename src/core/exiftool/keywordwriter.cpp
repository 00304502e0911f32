// Writing keyword changes through ExifTool.
#include "core/exiftool/keywordwriter.h"

#include "core/exiftool/argumentfile.h"
#include "core/exiftool/exiftoolcommand.h"
#include "core/exiftool/keywordreader.h"
#include "core/model/keywordtext.h"
#include "core/settings/prompter.h"
#include "core/settings/settings.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QThread>

#include <memory>
#include <vector>

namespace orvane {

namespace {

// What one photo held before the change and should hold after it.
struct TPhotoWrite
{
    QString path;
    TKwStringList oldKeywords;
    bool oldEncodeFlagMissing = false;
    TKwStringList newKeywords;
};

struct TWriteShare
{
    QStringList lines;
    QList<TPhotoWrite> photos;
};

// What the check after a write found: the files that did not take the change and their rows as
// read again.
struct TWriteOutcome
{
    QStringList failedPaths;
    QStringList rows;
};

std::function<void()> &RecordsChangedHandler()
{
    static std::function<void()> handler;
    return handler;
}

const QString &FailedToStartText()
{
    static const QString text = QStringLiteral("Execute ExifTool.exe failed.");
    return text;
}

// The photos of a finished command that may not hold their new keywords: those named by an error,
// or every photo of the command when ExifTool counted more failures than it named.
QStringList SuspectPaths(const TExifToolCommand &command, const QList<TPhotoWrite> &photos, QStringList &named)
{
    QStringList paths;
    paths.reserve(photos.size());
    for (const TPhotoWrite &photo : photos) {
        paths.append(photo.path);
    }
    const QStringList &errors = command.ExifToolErrOutput();
    named = FilesNamedInErrors(errors, paths);
    return FilesNotUpdatedCount(errors) > named.size() ? paths : named;
}

// Named failures, and of the other suspects those whose file does not hold the new keywords.
QStringList FailedPaths(const QStringList &named, const QStringList &suspects, const QStringList &rows,
                        const QList<TPhotoWrite> &photos)
{
    QStringList failed = named;
    if (suspects.size() == named.size()) {
        return failed;
    }
    QHash<QString, TKwStringList> readBack;
    QString path;
    bool encodeFlagMissing = false;
    int orientation = -1;
    QStringList keywords;
    for (const QString &row : rows) {
        ParseKeywordRow(row, path, encodeFlagMissing, orientation, keywords);
        readBack.insert(path, TKwStringList(keywords));
    }
    const QSet<QString> namedSet(named.cbegin(), named.cend());
    for (const TPhotoWrite &photo : photos) {
        if (namedSet.contains(photo.path) || !suspects.contains(photo.path)) {
            continue;
        }
        const auto it = readBack.constFind(photo.path);
        if (it == readBack.cend() || !(*it == photo.newKeywords)) {
            failed.append(photo.path);
        }
    }
    return failed;
}

QHash<QString, TFileInfo *> RecordsByPath(TFileSet &fileSet)
{
    QHash<QString, TFileInfo *> byPath;
    byPath.reserve(fileSet.CountAll());
    for (int i = 0; i < fileSet.CountAll(); ++i) {
        TFileInfo *fileInfo = fileSet.FilesAll(i);
        if (!byPath.contains(fileInfo->JpgFullName)) {
            byPath.insert(fileInfo->JpgFullName, fileInfo);
        }
    }
    return byPath;
}

// Gives the photos with these paths back what they held before the change. Records are found by
// path, because a background write may end after the folder was loaded again.
void RestorePhotos(TFileSet &fileSet, const QList<TPhotoWrite> &photos, const QStringList &paths)
{
    if (paths.isEmpty()) {
        return;
    }
    const QSet<QString> wanted(paths.cbegin(), paths.cend());
    const QHash<QString, TFileInfo *> byPath = RecordsByPath(fileSet);
    for (const TPhotoWrite &photo : photos) {
        TFileInfo *fileInfo = byPath.value(photo.path, nullptr);
        if (fileInfo && wanted.contains(photo.path)) {
            fileInfo->KeywordList = photo.oldKeywords;
            fileInfo->IsEncodeFlagMissing = photo.oldEncodeFlagMissing;
        }
    }
}

// Makes the records of files that did not take the change show what the files hold, and tells
// the user once. A write that succeeded stays silent. later: the write's call has long returned,
// so whoever shows the records must hear of the change.
void FinishWrite(TFileSet &fileSet, const QList<TPhotoWrite> &photos, const TWriteOutcome &outcome, bool later)
{
    RestorePhotos(fileSet, photos, outcome.failedPaths);
    ApplyKeywordRows(fileSet, outcome.rows);
    if (later && (!outcome.failedPaths.isEmpty() || !outcome.rows.isEmpty()) && RecordsChangedHandler()) {
        RecordsChangedHandler()();
    }
    if (!outcome.failedPaths.isEmpty()) {
        ShowMessage(QStringLiteral("ExifTool could not update these files; they keep their old keywords:\n")
                    + outcome.failedPaths.join(QLatin1Char('\n')));
    }
}

QStringList PathsOf(const QList<TPhotoWrite> &photos)
{
    QStringList paths;
    for (const TPhotoWrite &photo : photos) {
        paths.append(photo.path);
    }
    return paths;
}

// Builds the group of a selected photo and notes what it held before.
void AddPhotoToShare(TWriteShare &share, TFileInfo &fileInfo, const QStringList &keywordsToChangeList,
                     TKeywordOperation ko, bool preserveFileDateTime)
{
    TPhotoWrite photo;
    photo.path = fileInfo.JpgFullName;
    photo.oldKeywords = fileInfo.KeywordList;
    photo.oldEncodeFlagMissing = fileInfo.IsEncodeFlagMissing;
    share.lines.append(BuildArgumentGroup(fileInfo, keywordsToChangeList, ko, preserveFileDateTime));
    photo.newKeywords = fileInfo.KeywordList;
    share.photos.append(photo);
}

void WriteInBackground(TFileSet &fileSet, const QStringList &keywordsToChangeList, TKeywordOperation ko,
                       bool preserveFileDateTime)
{
    TWriteShare share;
    for (TFileInfo *fileInfo : fileSet.FilteredList()) {
        if (fileInfo->Selected) {
            AddPhotoToShare(share, *fileInfo, keywordsToChangeList, ko, preserveFileDateTime);
        }
    }
    if (share.lines.isEmpty()) {
        return;
    }
    const QString folder = ArgumentFileFolder();
    const QString argumentFile = NewArgumentFileName(folder);
    bool started = false;
    if (WriteArgumentFile(argumentFile, share.lines)) {
        const QList<TPhotoWrite> photos = share.photos;
        auto outcome = std::make_shared<TWriteOutcome>();
        TBackgroundFollowUp followUp;
        // The check runs on the worker while the runner still counts as busy: the files it reads
        // again cannot be touched by another run meanwhile.
        followUp.afterRun = [photos, folder, outcome](TExifToolCommand &command) {
            QStringList named;
            const QStringList suspects = SuspectPaths(command, photos, named);
            outcome->rows = ReadKeywordRowsInThisThread(suspects, folder);
            outcome->failedPaths = FailedPaths(named, suspects, outcome->rows, photos);
        };
        followUp.onFinished = [&fileSet, photos, outcome](TExifToolCommand &) {
            FinishWrite(fileSet, photos, *outcome, true);
        };
        started = RunExifToolInBackground(
            std::make_unique<TExifToolCommand>(KeywordWriteArguments(argumentFile), argumentFile, int(photos.size())),
            KeywordOperationCaption(ko), std::move(followUp));
    }
    if (!started) {
        QFile::remove(argumentFile);
        RestorePhotos(fileSet, share.photos, PathsOf(share.photos));
        ShowMessage(FailedToStartText());
    }
}

void WriteInParallel(TFileSet &fileSet, const QStringList &keywordsToChangeList, TKeywordOperation ko,
                     bool preserveFileDateTime)
{
    const int shareCount = std::max(1, QThread::idealThreadCount());
    std::vector<TWriteShare> shares(static_cast<std::size_t>(shareCount));
    const QList<TFileInfo *> &filtered = fileSet.FilteredList();
    for (int k = 0; k < filtered.size(); ++k) {
        if (filtered.at(k)->Selected) {
            AddPhotoToShare(shares[std::size_t(k % shareCount)], *filtered.at(k), keywordsToChangeList, ko,
                            preserveFileDateTime);
        }
    }

    const QString folder = ArgumentFileFolder();
    std::vector<std::unique_ptr<TExifToolCommand>> commands;
    std::vector<const TWriteShare *> commandShares;
    QList<TExifToolCommand *> batch;
    QList<TPhotoWrite> notStarted;
    QList<TPhotoWrite> allPhotos;
    for (const TWriteShare &share : shares) {
        if (share.lines.isEmpty()) {
            continue;
        }
        allPhotos.append(share.photos);
        const QString argumentFile = NewArgumentFileName(folder);
        if (!WriteArgumentFile(argumentFile, share.lines)) {
            notStarted.append(share.photos);
            continue;
        }
        commands.push_back(std::make_unique<TExifToolCommand>(KeywordWriteArguments(argumentFile), argumentFile,
                                                              int(share.photos.size())));
        commandShares.push_back(&share);
        batch.append(commands.back().get());
    }

    RunExifToolCommands(batch, fileSet.SelectedCount(), KeywordOperationCaption(ko));

    QStringList named;
    QStringList suspects;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        QFile::remove(commands[i]->ArgumentFile());
        if (!commands[i]->ExecuteResult()) {
            notStarted.append(commandShares[i]->photos);
            continue;
        }
        QStringList commandNamed;
        suspects.append(SuspectPaths(*commands[i], commandShares[i]->photos, commandNamed));
        named.append(commandNamed);
    }
    if (!notStarted.isEmpty()) {
        RestorePhotos(fileSet, notStarted, PathsOf(notStarted));
        ShowMessage(FailedToStartText());
    }
    if (suspects.isEmpty()) {
        return;
    }
    TWriteOutcome outcome;
    outcome.rows = ReadKeywordRows(suspects);
    outcome.failedPaths = FailedPaths(named, suspects, outcome.rows, allPhotos);
    FinishWrite(fileSet, allPhotos, outcome, false);
}

} // namespace

void SetKeywordRecordsChangedHandler(std::function<void()> handler)
{
    RecordsChangedHandler() = std::move(handler);
}

QStringList KeywordsTooLong(const QStringList &keywords)
{
    QStringList result;
    for (const QString &keyword : keywords) {
        if (keyword.toUtf8().size() > kMaxKeywordBytes) {
            result.append(keyword);
        }
    }
    return result;
}

QString KeywordsTooLongMessage(const QStringList &tooLong)
{
    return QStringLiteral("Keywords longer than 64 bytes cannot be stored:\n") + tooLong.join(QLatin1Char('\n'));
}

void ApplyKeywordOperation(TKwStringList &keywords, const QStringList &keywordsToChangeList, TKeywordOperation ko)
{
    switch (ko) {
    case koAddOverride:
        keywords.Clear();
        keywords.AddStrings(keywordsToChangeList);
        break;
    case koAddAppend:
        keywords.AddStrings(keywordsToChangeList);
        break;
    case koDeleteAll:
        keywords.Clear();
        break;
    case koDeleteSome:
        keywords.DeleteStrings(keywordsToChangeList);
        break;
    case koReplace:
        if (keywordsToChangeList.size() >= 2) {
            const int index = keywords.IndexOf(keywordsToChangeList.at(0));
            if (index >= 0) {
                keywords.Delete(index);
                keywords.Add(keywordsToChangeList.at(1));
            }
        }
        break;
    }
}

QStringList BuildArgumentGroup(TFileInfo &fileInfo, const QStringList &keywordsToChangeList, TKeywordOperation ko,
                               bool preserveFileDateTime)
{
    QStringList group{QStringLiteral("-progress"), QStringLiteral("-overwrite_original")};
    if (preserveFileDateTime) {
        group.append(QStringLiteral("-preserve"));
    }
    if (fileInfo.IsEncodeFlagMissing) {
        group.append(QStringLiteral("-CodedCharacterSet=UTF8"));
        fileInfo.IsEncodeFlagMissing = false;
    }
    group.append({QStringLiteral("-charset"), QStringLiteral("filename=utf8"), QStringLiteral("-charset"),
                  QStringLiteral("IPTC=utf8"), QStringLiteral("-sep"), KeywordSeparator(), QStringLiteral("-csv")});
    ApplyKeywordOperation(fileInfo.KeywordList, keywordsToChangeList, ko);
    const QString joined = fileInfo.KeywordList.Strings().join(KeywordSeparator());
    // ExifTool drops one blank after "=" in an argument file; a keyword that begins with a blank
    // keeps it only with one more in front.
    const QString gap = joined.startsWith(QLatin1Char(' ')) ? QStringLiteral(" ") : QString();
    group.append(QStringLiteral("-keywords=") + gap + joined);
    group.append(fileInfo.JpgFullName);
    group.append(QStringLiteral("-execute"));
    group.append(QString());
    return group;
}

QStringList KeywordWriteArguments(const QString &argumentFile)
{
    return {QStringLiteral("-charset"), QStringLiteral("IPTC=utf8"), QStringLiteral("-sep"), KeywordSeparator(),
            QStringLiteral("-csv"),     QStringLiteral("-@"),        argumentFile};
}

QString KeywordOperationCaption(TKeywordOperation ko)
{
    switch (ko) {
    case koAddAppend:
    case koAddOverride:
        return QStringLiteral("Paste keywords...");
    case koDeleteSome:
    case koDeleteAll:
        return QStringLiteral("Delete keywords...");
    case koReplace:
        return QStringLiteral("Replace keywords...");
    }
    return QStringLiteral("???");
}

QStringList FilesNamedInErrors(const QStringList &errorLines, const QStringList &paths)
{
    QStringList errors;
    for (const QString &line : errorLines) {
        if (line.startsWith(QLatin1String("Error"))) {
            errors.append(line);
        }
    }
    QStringList named;
    if (errors.isEmpty()) {
        return named;
    }
    for (const QString &path : paths) {
        const QString ending = QLatin1Char(' ') + path;
        for (const QString &line : errors) {
            if (line.endsWith(ending)) {
                named.append(path);
                break;
            }
        }
    }
    return named;
}

int FilesNotUpdatedCount(const QStringList &errorLines)
{
    static const QRegularExpression notUpdated(QStringLiteral("^\\s*(\\d+) files? weren't updated due to errors"));
    int count = 0;
    for (const QString &line : errorLines) {
        const QRegularExpressionMatch match = notUpdated.match(line);
        if (match.hasMatch()) {
            count += match.captured(1).toInt();
        }
    }
    return count;
}

bool ConfirmDeletion(const TFileSet &fileSet)
{
    const int selected = fileSet.SelectedCount();
    const QString many = QStringLiteral("Delete keywords from %1 files?").arg(selected);
    switch (Settings().ConfirmKeywordDel()) {
    case 1:
        return AskYesNo(selected <= 1 ? QStringLiteral("Delete keywords?") : many);
    case 3:
        return selected <= 1 || AskYesNo(many);
    default:
        return true;
    }
}

void ChangeKeywordsInSelectedFiles(TFileSet &fileSet, const QStringList &keywordsToChangeList, TKeywordOperation ko)
{
    // A keyword of blanks cannot be stored: every reader drops it, so the records would show a
    // keyword the files never give back. Blank lines of a pasted or loaded list are left out, and
    // a replacement by a blank keyword changes nothing.
    QStringList changeList = keywordsToChangeList;
    if (ko == koAddAppend || ko == koAddOverride) {
        changeList.removeIf([](const QString &k) { return RemoveWhiteSpace(k).isEmpty(); });
    }
    if (ko == koReplace && (changeList.size() < 2 || RemoveWhiteSpace(changeList.at(1)).isEmpty())) {
        return;
    }
    if ((ko == koAddAppend || ko == koAddOverride || ko == koDeleteSome) && changeList.isEmpty()) {
        return;
    }
    QStringList newKeywords;
    if (ko == koAddAppend || ko == koAddOverride) {
        newKeywords = changeList;
    } else if (ko == koReplace) {
        newKeywords.append(changeList.at(1));
    }
    const QStringList tooLong = KeywordsTooLong(newKeywords);
    if (!tooLong.isEmpty()) {
        ShowMessage(KeywordsTooLongMessage(tooLong));
        return;
    }
    // The new sets are computed from the records, so an earlier background write must have ended
    // and its failures be read back first.
    WaitForExifToolIdle();
    if ((ko == koDeleteSome || ko == koDeleteAll) && !ConfirmDeletion(fileSet)) {
        return;
    }
    const bool preserveFileDateTime = Settings().PreserveFileDateTime();
    if (fileSet.SelectedCount() > kSingleProcessFiles) {
        WriteInParallel(fileSet, changeList, ko, preserveFileDateTime);
    } else {
        WriteInBackground(fileSet, changeList, ko, preserveFileDateTime);
    }
}

} // namespace orvane
