// Reading keywords, orientation and the character-set flag through the real ExifTool.
#include "core/exiftool/argumentfile.h"
#include "core/exiftool/keywordreader.h"
#include "exiftoolfixture.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

namespace orvane {
namespace {

using test::ExifToolFixture;
using test::RunExifTool;

TEST(SplitCsvFields, FollowsTheQuotingRules)
{
    struct
    {
        QString text;
        QStringList fields;
    } const cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a,", {"a", ""}},
        {",a", {"", "a"}},
        {" a , b", {" a ", " b"}},
        {"\"a,b\",c", {"a,b", "c"}},
        {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
        {"\"a\"b,c", {"a", "b", "c"}},
        {"\"a\",", {"a", ""}},
        {"\"open,end", {"open,end"}},
        {"\"\"", {""}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(SplitCsvFields(c.text), c.fields) << c.text.toStdString();
    }
}

TEST(ParseKeywordRow, ReadsPathFlagOrientationAndKeywords)
{
    struct
    {
        QString row;
        QString path;
        bool flag;
        int orientation;
        QStringList keywords;
    } const cases[] = {
        {"/p/a.jpg,-,6,Sky*!separator!*Tree", "/p/a.jpg", true, 6, {"Sky", "Tree"}},
        {"/p/a.jpg,\x1b%G,1,-", "/p/a.jpg", false, 1, {}},
        {"/p/a.jpg,-,-,-", "/p/a.jpg", true, -1, {}},
        // The separator in any letter case; commas and quotes inside keywords survive.
        {"\"/p/a, b.jpg\",-,x,\"Smith, John*!SEPARATOR!*say \"\"hi\"\"\"", "/p/a, b.jpg", true, -1,
         {"Smith, John", "say \"hi\""}},
        // Items of blanks go; other items keep their blanks.
        {"/p/a.jpg,-,3,\" tree *!separator!*   *!separator!*tree\"", "/p/a.jpg", true, 3, {" tree ", "tree"}},
        {"/p/a.jpg,UTF8", "/p/a.jpg", false, -1, {}},
        {"", "", false, -1, {}},
    };
    for (const auto &c : cases) {
        QString path = "stale";
        bool flag = !c.flag;
        int orientation = 99;
        QStringList keywords{"stale"};
        ParseKeywordRow(c.row, path, flag, orientation, keywords);
        EXPECT_EQ(path, c.path) << c.row.toStdString();
        EXPECT_EQ(flag, c.flag) << c.row.toStdString();
        EXPECT_EQ(orientation, c.orientation) << c.row.toStdString();
        EXPECT_EQ(keywords, c.keywords) << c.row.toStdString();
    }
}

TEST(RotateAngleFromOrientation, OnlyThreeSixAndEightTurn)
{
    EXPECT_EQ(RotateAngleFromOrientation(3), rotAngle180);
    EXPECT_EQ(RotateAngleFromOrientation(6), rotAngle90);
    EXPECT_EQ(RotateAngleFromOrientation(8), rotAngle270);
    for (int orientation : {-1, 1, 2, 4, 5, 7, 9}) {
        EXPECT_EQ(RotateAngleFromOrientation(orientation), rotNone) << orientation;
    }
}

using KeywordReaderTest = ExifToolFixture;

TEST_F(KeywordReaderTest, ArgumentFileIsUtf8WithByteOrderMarkAndCrLf)
{
    const QString file = NewArgumentFileName(Settings().FolderThumbsRoot());
    EXPECT_TRUE(QFileInfo(file).fileName().contains(QRegularExpression(
        QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}\\.txt$"))))
        << file.toStdString();
    ASSERT_TRUE(WriteArgumentFile(file, {QStringLiteral("/p/\u00e9.jpg"), QString()}));
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), QByteArray("\xEF\xBB\xBF/p/\xC3\xA9.jpg\r\n\r\n"));
}

// Photos whose paths and keywords are awkward, tagged by exiftool itself; read back by PopulateKeywords.
TEST_F(KeywordReaderTest, PopulateKeywordsMapsAwkwardPathsAndKeywords)
{
    const QString plain = makePhoto(QStringLiteral("plain.jpg"));
    const QString awkward = makePhoto(QStringLiteral("dir with, \"quotes\"/Ärger straße.jpg"));
    const QString hyphen = makePhoto(QStringLiteral("hyphen.jpg"));
    const QString cased = makePhoto(QStringLiteral("cased.jpg"));
    const QString untagged = makePhoto(QStringLiteral("untagged.jpg"));
    const QString notJpeg = path(QStringLiteral("text.jpg"));
    {
        QFile f(notJpeg);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("this is not a JPEG\n");
    }
    const QString sep = KeywordSeparator();
    RunExifTool({"-q", "-overwrite_original", "-charset", "IPTC=utf8", "-CodedCharacterSet=UTF8", "-Orientation#=6",
                 "-keywords=Smith, John", "-keywords=say \"hi\"", "-keywords=Łódź", plain});
    RunExifTool({"-q", "-overwrite_original", "-charset", "filename=utf8", "-charset", "IPTC=utf8",
                 "-Orientation#=8", "-keywords=Ärger", "-keywords= tree ", "-keywords=tree", awkward});
    RunExifTool({"-q", "-overwrite_original", "-Orientation#=3", "-keywords=-", hyphen});
    RunExifTool({"-q", "-overwrite_original", "-Orientation#=2", "-keywords=Tree", "-keywords=tree",
                 "-keywords=   ", cased});

    TFileSet fileSet;
    for (const QString &p : {plain, awkward, hyphen, cased, untagged, notJpeg}) {
        fileSet.Add(p);
    }
    // A record that exiftool never names keeps what it had.
    fileSet.FilesAll(5)->KeywordList.Add(QStringLiteral("kept"));
    PopulateKeywords(fileSet);

    const TFileInfo &p0 = *fileSet.FilesAll(0);
    EXPECT_EQ(p0.KeywordList.Strings(), (QStringList{"Łódź", "say \"hi\"", "Smith, John"}));
    EXPECT_EQ(p0.RotateAngle, rotAngle90);
    EXPECT_FALSE(p0.IsEncodeFlagMissing);

    const TFileInfo &p1 = *fileSet.FilesAll(1);
    EXPECT_TRUE(p1.KeywordList.ContainsString(QStringLiteral("Ärger")));
    EXPECT_TRUE(p1.KeywordList.ContainsString(QStringLiteral(" tree ")));
    EXPECT_TRUE(p1.KeywordList.ContainsString(QStringLiteral("tree")));
    EXPECT_EQ(p1.KeywordList.Count(), 3);
    EXPECT_EQ(p1.RotateAngle, rotAngle270);
    EXPECT_TRUE(p1.IsEncodeFlagMissing);

    const TFileInfo &p2 = *fileSet.FilesAll(2);
    EXPECT_TRUE(p2.KeywordList.IsEmpty());
    EXPECT_EQ(p2.RotateAngle, rotAngle180);

    // Case duplicates give the first listed; an item of blanks is dropped; mirrored orientations don't turn.
    const TFileInfo &p3 = *fileSet.FilesAll(3);
    EXPECT_EQ(p3.KeywordList.Strings(), QStringList{"Tree"});
    EXPECT_EQ(p3.RotateAngle, rotNone);

    const TFileInfo &p4 = *fileSet.FilesAll(4);
    EXPECT_TRUE(p4.KeywordList.IsEmpty());
    EXPECT_TRUE(p4.IsEncodeFlagMissing);

    // The text file: exiftool reports it without tags; nothing breaks.
    EXPECT_TRUE(fileSet.FilesAll(5)->KeywordList.IsEmpty());
    EXPECT_TRUE(fPrompter.messages.isEmpty());
    EXPECT_TRUE(argumentFilesLeft().isEmpty());
}

TEST_F(KeywordReaderTest, PathsMatchExactlyAndCaseSensitively)
{
    const QString photo = makePhoto(QStringLiteral("Case.jpg"));
    RunExifTool({"-q", "-overwrite_original", "-keywords=Sky", photo});
    const QStringList rows = ReadKeywordRows({photo});
    ASSERT_EQ(rows.size(), 1);

    TFileSet fileSet;
    TFileInfo *lower = fileSet.Add(path(QStringLiteral("case.jpg")));
    TFileInfo *exact = fileSet.Add(photo);
    ApplyKeywordRows(fileSet, rows);
    EXPECT_TRUE(lower->KeywordList.IsEmpty());
    EXPECT_EQ(exact->KeywordList.Strings(), QStringList{"Sky"});
}

// 16 photos are one share, 17 are dealt to one process per logical processor; both read every photo.
TEST_F(KeywordReaderTest, SixteenAndSeventeenPhotosReadEveryRow)
{
    QStringList photos;
    for (int i = 0; i < 17; ++i) {
        photos.append(makePhoto(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0'))));
    }
    RunExifTool(QStringList{"-q", "-overwrite_original", "-keywords=Batch"} + photos);

    const QStringList sixteen = ReadKeywordRows(photos.mid(0, 16));
    ASSERT_EQ(sixteen.size(), 16);
    // One process keeps the order of the argument file.
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(sixteen.at(i).startsWith(photos.at(i) + QLatin1Char(','))) << sixteen.at(i).toStdString();
    }

    const QStringList seventeen = ReadKeywordRows(photos);
    ASSERT_EQ(seventeen.size(), 17);
    // Shares come back one after another: with N processes the first rows are every N-th photo.
    const int n = std::min(17, QThread::idealThreadCount());
    if (n > 1) {
        EXPECT_TRUE(seventeen.at(1).startsWith(photos.at(n) + QLatin1Char(','))) << seventeen.at(1).toStdString();
    }
    QStringList readPaths;
    for (const QString &row : seventeen) {
        QString p;
        bool flag = false;
        int orientation = 0;
        QStringList keywords;
        ParseKeywordRow(row, p, flag, orientation, keywords);
        readPaths.append(p);
        EXPECT_EQ(keywords, QStringList{"Batch"});
    }
    readPaths.sort();
    EXPECT_EQ(readPaths, photos);
    EXPECT_TRUE(argumentFilesLeft().isEmpty());
    EXPECT_EQ(GetKeywordsOfFiles(photos).Strings(), QStringList{"Batch"});
}

TEST_F(KeywordReaderTest, MissingExifToolIsReportedOnceAndLeavesNothingBehind)
{
    QStringList photos;
    for (int i = 0; i < 17; ++i) {
        photos.append(makePhoto(QStringLiteral("m%1.jpg").arg(i)));
    }
    SetExifToolPath(path(QStringLiteral("no-such-dir/exiftool")));
    TFileSet fileSet;
    for (const QString &p : photos) {
        fileSet.Add(p);
    }
    PopulateKeywords(fileSet);
    EXPECT_EQ(fPrompter.messages, QStringList{"Execute ExifTool.exe failed."});
    EXPECT_TRUE(ReadKeywordRows(photos.mid(0, 3)).isEmpty());
    EXPECT_EQ(fPrompter.messages.size(), 2);
    EXPECT_TRUE(argumentFilesLeft().isEmpty());
    EXPECT_TRUE(fileSet.FilesAll(0)->KeywordList.IsEmpty());
}

TEST_F(KeywordReaderTest, EmptySetStartsNothing)
{
    TFileSet fileSet;
    PopulateKeywords(fileSet);
    EXPECT_TRUE(fPrompter.messages.isEmpty());
    EXPECT_TRUE(fProgress.events.isEmpty());
    EXPECT_TRUE(argumentFilesLeft().isEmpty());
}

} // namespace
} // namespace orvane
