// Writing keyword changes through the real ExifTool, checked with exiftool and with exiv2.
#include "core/exiftool/argumentfile.h"
#include "core/exiftool/keywordreader.h"
#include "core/exiftool/keywordwriter.h"
#include "exiftoolfixture.h"

#include <QDateTime>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>

namespace orvane {
namespace {

using test::ExifToolFixture;
using test::RunExifTool;

// The IPTC keywords of a photo in file order, as exiftool reads them.
QStringList ReadKeywordsWithExifTool(const QString &photo)
{
    const QString out = RunExifTool({QStringLiteral("-charset"), QStringLiteral("iptc=UTF8"), QStringLiteral("-s3"),
                                     QStringLiteral("-sep"), KeywordSeparator(), QStringLiteral("-IPTC:Keywords"),
                                     photo});
    QString text = out;
    while (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    return text.isEmpty() ? QStringList() : text.split(KeywordSeparator());
}

// The keywords of many photos by one exiftool run: path to keywords in file order.
QMap<QString, QStringList> ReadKeywordsOfFilesWithExifTool(const QStringList &photos)
{
    const QString out = RunExifTool(QStringList{QStringLiteral("-q"), QStringLiteral("-charset"),
                                                QStringLiteral("iptc=UTF8"), QStringLiteral("-sep"), KeywordSeparator(),
                                                QStringLiteral("-p"), QStringLiteral("$FilePath|$IPTC:Keywords")}
                                    + photos);
    QMap<QString, QStringList> result;
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        result.insert(line.left(bar), line.mid(bar + 1).split(KeywordSeparator(), Qt::SkipEmptyParts));
    }
    return result;
}

// IPTC datasets as exiv2, a reader independent of exiftool, lists them.
QStringList ReadIptcWithExiv2(const QString &photo, const QString &dataset)
{
    QProcess process;
    process.start(QStringLiteral("exiv2"), {QStringLiteral("-pi"), photo});
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << "exiv2 did not run";
        return {};
    }
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(dataset)
                                  + QStringLiteral("\\s+\\S+\\s+\\d+  (.*)$"));
    QStringList values;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString &text : lines) {
        const QRegularExpressionMatch match = line.match(text);
        if (match.hasMatch()) {
            values.append(match.captured(1));
        }
    }
    return values;
}

TEST(ApplyKeywordOperation, ComputesTheNewSet)
{
    struct
    {
        QStringList before;
        QStringList list;
        TKeywordOperation ko;
        QStringList after;
    } const cases[] = {
        {{"sky"}, {"Sky"}, koAddAppend, {"sky"}},
        {{"Tree"}, {"Sky", "Air"}, koAddAppend, {"Air", "Sky", "Tree"}},
        {{"Tree", "Sky"}, {"Air"}, koAddOverride, {"Air"}},
        {{"Tree", "Sky", "Air"}, {"sky", "Moon"}, koDeleteSome, {"Air", "Tree"}},
        {{"Tree", "Sky"}, {}, koDeleteAll, {}},
        {{"tree", "Sky"}, {"Tree", "Forest"}, koReplace, {"Forest", "Sky"}},
        {{"tree", "Forest"}, {"Tree", "forest"}, koReplace, {"Forest"}},
        {{"Sky"}, {"Tree", "Forest"}, koReplace, {"Sky"}},
    };
    for (const auto &c : cases) {
        TKwStringList keywords(c.before);
        ApplyKeywordOperation(keywords, c.list, c.ko);
        EXPECT_EQ(keywords.Strings(), c.after) << c.before.join(",").toStdString() << " op " << c.ko;
    }
}

TEST(BuildArgumentGroup, WritesTheLinesOfOnePhoto)
{
    TFileInfo photo(QStringLiteral("/p/a b.jpg"));
    photo.KeywordList.AddStrings(QStringList{"Tree", "Smith, John"});
    photo.IsEncodeFlagMissing = true;
    const QStringList first = BuildArgumentGroup(photo, {"say \"hi\""}, koAddAppend, true);
    EXPECT_EQ(first, (QStringList{"-progress", "-overwrite_original", "-preserve", "-CodedCharacterSet=UTF8",
                                  "-charset", "filename=utf8", "-charset", "IPTC=utf8", "-sep", "*!separator!*",
                                  "-csv", "-keywords=say \"hi\"*!separator!*Smith, John*!separator!*Tree",
                                  "/p/a b.jpg", "-execute", ""}));
    EXPECT_FALSE(photo.IsEncodeFlagMissing);

    // The character set is recorded on the first write only; without preserve there is no -preserve.
    const QStringList second = BuildArgumentGroup(photo, {}, koDeleteAll, false);
    EXPECT_EQ(second, (QStringList{"-progress", "-overwrite_original", "-charset", "filename=utf8", "-charset",
                                   "IPTC=utf8", "-sep", "*!separator!*", "-csv", "-keywords=", "/p/a b.jpg",
                                   "-execute", ""}));
    EXPECT_TRUE(photo.KeywordList.IsEmpty());
}

TEST(KeywordOperationCaption, NamesTheOperation)
{
    EXPECT_EQ(KeywordOperationCaption(koAddAppend), QStringLiteral("Paste keywords..."));
    EXPECT_EQ(KeywordOperationCaption(koAddOverride), QStringLiteral("Paste keywords..."));
    EXPECT_EQ(KeywordOperationCaption(koDeleteSome), QStringLiteral("Delete keywords..."));
    EXPECT_EQ(KeywordOperationCaption(koDeleteAll), QStringLiteral("Delete keywords..."));
    EXPECT_EQ(KeywordOperationCaption(koReplace), QStringLiteral("Replace keywords..."));
}

TEST(FilesNamedInErrors, FindsThePathsExifToolNames)
{
    const QStringList errors{"    1 image files updated",
                             "Error: Not a valid JPG (looks more like a TXT) - /p/x/bad.jpg",
                             "    0 image files updated",
                             "    1 files weren't updated due to errors",
                             "Error renaming temporary file to /p/ro.jpg",
                             "    2 files weren't updated due to errors",
                             "Warning: [minor] Something - /p/ok.jpg"};
    EXPECT_EQ(FilesNamedInErrors(errors, {"/p/ok.jpg", "/p/bad.jpg", "/p/x/bad.jpg", "/p/ro.jpg"}),
              (QStringList{"/p/x/bad.jpg", "/p/ro.jpg"}));
    EXPECT_EQ(FilesNotUpdatedCount(errors), 3);
}

class KeywordWriterTest : public ExifToolFixture
{
protected:
    // A set of fresh photos, all shown and selected.
    QStringList makeSelectedSet(TFileSet &fileSet, const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names) {
            paths.append(makePhoto(name));
            fileSet.Add(paths.last());
        }
        fileSet.ArrangeFilter();
        fileSet.SelectAll();
        return paths;
    }
};

// Awkward keywords and an awkward path, written in the background and read back by two readers.
TEST_F(KeywordWriterTest, BackgroundWriteStoresAwkwardKeywordsExactly)
{
    TFileSet fileSet;
    const QStringList paths = makeSelectedSet(fileSet, {QStringLiteral("Ördner, \"x\"/photo 1.jpg")});
    const QString photo = paths.first();
    const QDateTime old = QDateTime::fromSecsSinceEpoch(1500000000);
    {
        QFile f(photo);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    fileSet.FilesAll(0)->IsEncodeFlagMissing = true;
    const QString cyrillic64 = QString(32, QChar(0x0436)); // 32 letters, 64 bytes: still fits
    const QStringList keywords{"Smith, John", "say \"hi\"", "Łódź", " lead", "trail ", cyrillic64};
    ChangeKeywordsInSelectedFiles(fileSet, keywords, koAddAppend);
    // The call returns while ExifTool is still at work.
    EXPECT_TRUE(ExifToolRunning());
    WaitForExifToolIdle();

    QStringList expected = keywords;
    std::sort(expected.begin(), expected.end());
    QStringList fromExifTool = ReadKeywordsWithExifTool(photo);
    fromExifTool.sort();
    EXPECT_EQ(fromExifTool, expected);
    QStringList fromExiv2 = ReadIptcWithExiv2(photo, QStringLiteral("Iptc.Application2.Keywords"));
    fromExiv2.sort();
    EXPECT_EQ(fromExiv2, expected);
    // The first write recorded the character set (ESC % G is UTF-8).
    EXPECT_EQ(ReadIptcWithExiv2(photo, QStringLiteral("Iptc.Envelope.CharacterSet")), QStringList{"\x1b%G"});
    EXPECT_EQ(QFileInfo(photo).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());

    // Reading the photo gives the same set as the record holds.
    const TKwStringList inMemory = fileSet.FilesAll(0)->KeywordList;
    PopulateKeywords(fileSet);
    EXPECT_EQ(fileSet.FilesAll(0)->KeywordList, inMemory);
    EXPECT_FALSE(fileSet.FilesAll(0)->IsEncodeFlagMissing);
    EXPECT_TRUE(fPrompter.messages.isEmpty());
    EXPECT_TRUE(argumentFilesLeft().isEmpty());
}

// Blank lines of a pasted list would be written but never read back: they are left out.
TEST_F(KeywordWriterTest, BlankKeywordsAreNeitherWrittenNorKept)
{
    TFileSet fileSet;
    const QString photo = makeSelectedSet(fileSet, {QStringLiteral("blank.jpg")}).first();
    ChangeKeywordsInSelectedFiles(fileSet, {QString(), QStringLiteral("  "), QStringLiteral("Sky")}, koAddAppend);
    WaitForExifToolIdle();
    EXPECT_EQ(fileSet.FilesAll(0)->KeywordList.Strings(), QStringList{"Sky"});
    ChangeKeywordsInSelectedFiles(fileSet, {QStringLiteral("sky"), QStringLiteral(" ")}, koReplace);
    ChangeKeywordsInSelectedFiles(fileSet, {QStringLiteral("\t")}, koAddAppend);
    WaitForExifToolIdle();
    EXPECT_EQ(fileSet.FilesAll(0)->KeywordList.Strings(), QStringList{"Sky"});
    EXPECT_EQ(ReadKeywordsWithExifTool(photo), QStringList{"Sky"});
    const TKwStringList inMemory = fileSet.FilesAll(0)->KeywordList;
    PopulateKeywords(fileSet);
    EXPECT_EQ(fileSet.FilesAll(0)->KeywordList, inMemory);
}

TEST_F(KeywordWriterTest, WithoutPreserveTheModificationTimeMoves)
{
    Settings().setPreserveFileDateTime(false);
    TFileSet fileSet;
    const QString photo = makeSelectedSet(fileSet, {QStringLiteral("m.jpg")}).first();
    const QDateTime old = QDateTime::fromSecsSinceEpoch(1500000000);
    {
        QFile f(photo);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    ChangeKeywordsInSelectedFiles(fileSet, {QStringLiteral("Sky")}, koAddAppend);
    WaitForExifToolIdle();
    EXPECT_EQ(ReadKeywordsWithExifTool(photo), QStringList{"Sky"});
    EXPECT_GT(QFileInfo(photo).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
}

TEST_F(KeywordWriterTest, KeywordsBeyondSixtyFourBytesAreRefusedAndNothingChanges)
{
    TFileSet fileSet;
    const QString photo = makeSelectedSet(fileSet, {QStringLiteral("long.jpg")}).first();
    RunExifTool({"-q", "-overwrite_original", "-keywords=Old", photo});
    fileSet.FilesAll(0)->KeywordList.Add(QStringLiteral("Old"));
    const QString cyrillic33 = QString(33, QChar(0x0436)); // 66 bytes in UTF-8
    const QString ascii65 = QString(65, QLatin1Char('a'));
    ChangeKeywordsInSelectedFiles(fileSet, {QStringLiteral("Fine"), cyrillic33, ascii65}, koAddAppend);
    ChangeKeywordsInSelectedFiles(fileSet, {QStringLiteral("Old"), ascii65}, koReplace);
    EXPECT_FALSE(ExifToolRunning());
    WaitForExifToolIdle();
    ASSERT_EQ(fPrompter.messages.size(), 2);
    EXPECT_EQ(fPrompter.messages.at(0),
              QStringLiteral("Keywords longer than 64 bytes cannot be stored:\n") + cyrillic33 + "\n" + ascii65);
    EXPECT_EQ(fileSet.FilesAll(0)->KeywordList.Strings(), QStringList{"Old"});
    EXPECT_EQ(ReadKeywordsWithExifTool(photo), QStringList{"Old"});
}

TEST_F(KeywordWriterTest, DeletionAsksAsTheSettingSays)
{
    TFileSet fileSet;
    const QStringList paths = makeSelectedSet(fileSet, {QStringLiteral("d1.jpg"), QStringLiteral("d2.jpg")});
    struct
    {
        int setting;
        int selected;
        QStringList questions;
    } const cases[] = {
        {1, 1, {"Delete keywords?"}},       {1, 2, {"Delete keywords from 2 files?"}},
        {2, 2, {}},                         {3, 1, {}},
        {3, 2, {"Delete keywords from 2 files?"}},
    };
    for (const auto &c : cases) {
        Settings().setConfirmKeywordDel(c.setting);
        fileSet.ClearSelection();
        for (int i = 0; i < c.selected; ++i) {
            fileSet.FilesAll(i)->Selected = true;
        }
        fPrompter.questions.clear();
        fPrompter.answers = {true};
        EXPECT_TRUE(ConfirmDeletion(fileSet) || !c.questions.isEmpty());
        EXPECT_EQ(fPrompter.questions, c.questions) << c.setting << " " << c.selected;
    }

    // Answering No leaves records and files as they were.
    RunExifTool(QStringList{"-q", "-overwrite_original", "-keywords=Keep"} + paths);
    fileSet.SelectAll();
    for (int i = 0; i < 2; ++i) {
        fileSet.FilesAll(i)->KeywordList.Add(QStringLiteral("Keep"));
    }
    Settings().setConfirmKeywordDel(3);
    fPrompter.questions.clear();
    fPrompter.answers = {false};
    ChangeKeywordsInSelectedFiles(fileSet, {}, koDeleteAll);
    EXPECT_EQ(fPrompter.questions, QStringList{"Delete keywords from 2 files?"});
    EXPECT_FALSE(ExifToolRunning());
    EXPECT_EQ(fileSet.FilesAll(0)->KeywordList.Strings(), QStringList{"Keep"});
    EXPECT_EQ(ReadKeywordsWithExifTool(paths.at(1)), QStringList{"Keep"});

    // An empty list for adding asks and does nothing.
    ChangeKeywordsInSelectedFiles(fileSet, {}, koAddAppend);
    EXPECT_EQ(fPrompter.questions.size(), 1);
}

// The second write waits for the first, so both changes reach the file.
TEST_F(KeywordWriterTest, QuickSuccessiveWritesBothLand)
{
    TFileSet fileSet;
    const QStringList paths = makeSelectedSet(fileSet, {QStringLiteral("q1.jpg"), QStringLiteral("q2.jpg")});
    ChangeKeywordsInSelectedFiles(fileSet, {QStringLiteral("First")}, koAddAppend);
    ChangeKeywordsInSelectedFiles(fileSet, {QStringLiteral("Second")}, koAddAppend);
    ChangeKeywordsInSelectedFiles(fileSet, {QStringLiteral("First"), QStringLiteral("Third")}, koReplace);
    WaitForExifToolIdle();
    for (const QString &photo : paths) {
        EXPECT_EQ(ReadKeywordsWithExifTool(photo), (QStringList{"Second", "Third"})) << photo.toStdString();
        EXPECT_FALSE(QFile::exists(photo + QStringLiteral("_exiftool_tmp")));
    }
    EXPECT_TRUE(fPrompter.messages.isEmpty());
}

// Makes a file immutable for as long as the guard lives; root can't write it either.
class ImmutableFile
{
public:
    explicit ImmutableFile(const QString &path) : fPath(path)
    {
        fOk = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), fPath}) == 0;
    }
    ~ImmutableFile()
    {
        if (fOk) {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), fPath});
        }
    }
    bool ok() const { return fOk; }

private:
    QString fPath;
    bool fOk = false;
};

// A protected photo and a text file named .jpg among good photos: the good ones take the change,
// the others are read again so their records show what the files hold, and the user hears once.
void CheckFailedFilesAreReadAgain(TFileSet &fileSet, const QString &locked, const QString &text, bool parallel)
{
    for (int i = 0; i < fileSet.CountAll(); ++i) {
        fileSet.FilesAll(i)->KeywordList.Add(QStringLiteral("Old"));
        fileSet.FilesAll(i)->IsEncodeFlagMissing = true;
    }
    ChangeKeywordsInSelectedFiles(fileSet, {QStringLiteral("New")}, koAddAppend);
    if (parallel) {
        EXPECT_FALSE(ExifToolRunning());
    }
    WaitForExifToolIdle();
    QStringList good;
    for (int i = 0; i < fileSet.CountAll(); ++i) {
        const TFileInfo &record = *fileSet.FilesAll(i);
        if (record.JpgFullName == locked) {
            EXPECT_EQ(record.KeywordList.Strings(), QStringList{"Old"});
            EXPECT_TRUE(record.IsEncodeFlagMissing);
        } else if (record.JpgFullName == text) {
            EXPECT_TRUE(record.KeywordList.IsEmpty());
        } else {
            EXPECT_EQ(record.KeywordList.Strings(), (QStringList{"New", "Old"})) << record.JpgFullName.toStdString();
            good.append(record.JpgFullName);
        }
    }
    const QMap<QString, QStringList> inFiles = ReadKeywordsOfFilesWithExifTool(good + QStringList{locked});
    for (const QString &photo : good) {
        EXPECT_EQ(inFiles.value(photo), (QStringList{"New", "Old"})) << photo.toStdString();
    }
    EXPECT_EQ(inFiles.value(locked), QStringList{"Old"});
}

TEST_F(KeywordWriterTest, FilesExifToolCouldNotUpdateAreReadAgainAndReported)
{
    TFileSet fileSet;
    const QStringList paths = makeSelectedSet(fileSet, {QStringLiteral("ok.jpg"), QStringLiteral("locked.jpg")});
    const QString locked = paths.at(1);
    RunExifTool({"-q", "-overwrite_original", "-keywords=Old", paths.at(0), locked});
    const QString text = path(QStringLiteral("text.jpg"));
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a photo\n");
    }
    fileSet.Add(text);
    fileSet.ArrangeFilter();
    fileSet.SelectAll();
    ImmutableFile guard(locked);
    if (!guard.ok()) {
        GTEST_SKIP() << "chattr +i is not available here, so no file can be kept from root";
    }
    int changedCalls = 0;
    SetKeywordRecordsChangedHandler([&changedCalls] { ++changedCalls; });
    CheckFailedFilesAreReadAgain(fileSet, locked, text, false);
    SetKeywordRecordsChangedHandler({});
    EXPECT_EQ(changedCalls, 1);
    ASSERT_EQ(fPrompter.messages.size(), 1);
    EXPECT_EQ(fPrompter.messages.first(),
              QStringLiteral("ExifTool could not update these files; they keep their old keywords:\n") + locked + "\n"
                  + text);
}

// 17 photos are written in parallel: the call returns when every file is written.
TEST_F(KeywordWriterTest, SeventeenPhotosAreWrittenInParallelBeforeTheCallReturns)
{
    TFileSet fileSet;
    QStringList names;
    for (int i = 0; i < 17; ++i) {
        names.append(QStringLiteral("par %1.jpg").arg(i, 2, 10, QLatin1Char('0')));
    }
    const QStringList paths = makeSelectedSet(fileSet, names);
    RunExifTool(QStringList{"-q", "-overwrite_original", "-keywords=Old"} + paths);
    const QString locked = paths.at(5);
    const QString text = paths.at(9);
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("not a photo\n");
    }
    ImmutableFile guard(locked);
    if (!guard.ok()) {
        GTEST_SKIP() << "chattr +i is not available here, so no file can be kept from root";
    }
    CheckFailedFilesAreReadAgain(fileSet, locked, text, true);
    ASSERT_EQ(fPrompter.messages.size(), 1);
    EXPECT_TRUE(fPrompter.messages.first().contains(locked));
    EXPECT_TRUE(fPrompter.messages.first().contains(text));
    EXPECT_TRUE(argumentFilesLeft().isEmpty());
}

TEST_F(KeywordWriterTest, MissingExifToolIsReportedAndRecordsKeepWhatFilesHold)
{
    for (const int count : {2, 17}) {
        TFileSet fileSet;
        QStringList names;
        for (int i = 0; i < count; ++i) {
            names.append(QStringLiteral("x%1_%2.jpg").arg(count).arg(i));
        }
        makeSelectedSet(fileSet, names);
        fileSet.FilesAll(0)->KeywordList.Add(QStringLiteral("Old"));
        fileSet.FilesAll(0)->IsEncodeFlagMissing = true;
        SetExifToolPath(path(QStringLiteral("nowhere/exiftool")));
        fPrompter.messages.clear();
        ChangeKeywordsInSelectedFiles(fileSet, {QStringLiteral("New")}, koAddAppend);
        WaitForExifToolIdle();
        EXPECT_EQ(fPrompter.messages, QStringList{"Execute ExifTool.exe failed."}) << count;
        EXPECT_EQ(fileSet.FilesAll(0)->KeywordList.Strings(), QStringList{"Old"}) << count;
        EXPECT_TRUE(fileSet.FilesAll(0)->IsEncodeFlagMissing);
        EXPECT_TRUE(fileSet.FilesAll(1)->KeywordList.IsEmpty());
        EXPECT_TRUE(argumentFilesLeft().isEmpty());
        SetExifToolPath(LocateExifTool());
    }
}

} // namespace
} // namespace orvane
