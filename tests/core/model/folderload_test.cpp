// Folder load and photo deletion on real folders, with the real thumbnail builders and ExifTool.
#include "core/model/folderload.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "support/recorders.h"
#include "support/testfolders.h"
#include "support/testjpeg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace orvane;
using namespace orvane::test;

namespace {

class FolderLoadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fRoot.isValid());
        QDir(fRoot.path()).mkpath(QStringLiteral("P"));
        Settings();
        fFolder = fRoot.filePath(QStringLiteral("P"));
    }

    QString Make(const QString &relative)
    {
        const QString path = fFolder + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(WriteTestJpeg(path, 32, 24));
        return path;
    }

    TestFolders fRoot;
    QString fFolder;
};

QStringList Paths(const TFileSet &set)
{
    QStringList paths;
    for (int i = 0; i < set.CountFiltered(); ++i) {
        paths.append(set.FilesFiltered(i)->JpgFullName);
    }
    return paths;
}

} // namespace

TEST_F(FolderLoadTest, LoadsSubfoldersInterleavedByPathWithThumbsAndKeywords)
{
    const QString a = Make(QStringLiteral("a.jpg"));
    const QString x = Make(QStringLiteral("B/x.jpg"));
    const QString b = Make(QStringLiteral("B.jpg"));
    const QString c = Make(QStringLiteral("c.JPG"));
    RunExifTool({QStringLiteral("-overwrite_original"), QStringLiteral("-IPTC:Keywords=Sky"), c});

    RecordingProgressSink sink;
    ScopedProgressSink scoped(&sink);
    TFileSet set;
    LoadJpgFilesFromFolder(set, fFolder, false);

    EXPECT_EQ(Paths(set), (QStringList{a, b, x, c}));
    for (int i = 0; i < set.CountAll(); ++i) {
        EXPECT_EQ(set.FilesAll(i)->Number, i + 1);
        EXPECT_TRUE(QFile::exists(set.FilesAll(i)->BmpThumbFullName));
    }
    EXPECT_EQ(set.FilesAll(3)->KeywordList.Strings(), QStringList{QStringLiteral("Sky")});
    ASSERT_FALSE(sink.events.isEmpty());
    EXPECT_EQ(sink.events.first(), QStringLiteral("show:Creating thumbs..."));
    EXPECT_TRUE(sink.events.contains(QStringLiteral("update:File 4 of 4:100")));
}

TEST_F(FolderLoadTest, EmptyOrMissingFolderGivesAnEmptySetAfterOneProgressRound)
{
    RecordingProgressSink sink;
    ScopedProgressSink scoped(&sink);
    TFileSet set;
    set.Add(QStringLiteral("/old.jpg"));
    LoadJpgFilesFromFolder(set, fFolder, false);
    EXPECT_EQ(set.CountAll(), 0);
    EXPECT_EQ(sink.events.first(), QStringLiteral("show:Creating thumbs..."));
    EXPECT_TRUE(sink.events.contains(QStringLiteral("update:File 0 of 0:0")));
    EXPECT_EQ(sink.events.count(QStringLiteral("hide")), 1);

    LoadJpgFilesFromFolder(set, fFolder + QStringLiteral("/missing"), false);
    EXPECT_EQ(set.CountAll(), 0);
}

TEST_F(FolderLoadTest, DeletingSelectsTheNextOrTheLastShownPhoto)
{
    for (const char *name : {"1.jpg", "2.jpg", "3.jpg", "4.jpg"}) {
        Make(QString::fromLatin1(name));
    }
    TFileSet set;
    LoadJpgFilesFromFolder(set, fFolder, false);
    ASSERT_EQ(set.CountAll(), 4);
    const QString firstThumb = set.FilesAll(0)->BmpThumbFullName;

    // The first of the shown photos: the one that was second is selected.
    set.SelectSingle(set.FilesAll(0));
    QString failed;
    DeleteSelectedFiles(set, failed);
    EXPECT_TRUE(failed.isEmpty());
    EXPECT_FALSE(QFile::exists(fFolder + QStringLiteral("/1.jpg")));
    EXPECT_FALSE(QFile::exists(firstThumb));
    ASSERT_EQ(set.CountFiltered(), 3);
    EXPECT_EQ(set.GetIfSingleSelected(), set.FilesFiltered(0));
    EXPECT_EQ(set.FilesFiltered(0)->Number, 1);

    // The last shown photo: the new last one is selected.
    set.SelectSingle(set.FilesFiltered(2));
    DeleteSelectedFiles(set, failed);
    ASSERT_EQ(set.CountFiltered(), 2);
    EXPECT_EQ(set.GetIfSingleSelected(), set.FilesFiltered(1));
}

TEST_F(FolderLoadTest, AFailedMoveStopsTheWalkAndKeepsTheRest)
{
    for (const char *name : {"1.jpg", "2.jpg", "3.jpg"}) {
        Make(QString::fromLatin1(name));
    }
    TFileSet set;
    LoadJpgFilesFromFolder(set, fFolder, false);
    set.SelectAll();
    const QString second = set.FilesAll(1)->JpgFullName;
    QFile::remove(second); // gone behind the program's back: the trash cannot take it

    QString failed;
    DeleteSelectedFiles(set, failed);
    EXPECT_EQ(failed, second);
    ASSERT_EQ(set.CountAll(), 2);
    EXPECT_EQ(set.FilesAll(0)->JpgFullName, second);
    EXPECT_TRUE(set.FilesAll(0)->Selected);
    EXPECT_TRUE(set.FilesAll(1)->Selected);
    EXPECT_EQ(set.CountFiltered(), 2);
}
