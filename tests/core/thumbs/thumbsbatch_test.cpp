#include "core/thumbs/thumbsbatch.h"

#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "core/thumbs/jpegdecode.h"
#include "support/testfolders.h"
#include "support/testjpeg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <memory>
#include <vector>

using namespace orvane;

namespace {

using test::readFile;
using test::writeFile;

class ThumbsBatch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        photos = dir.path() + QStringLiteral("/photos/");
        cache = dir.path() + QStringLiteral("/KW_CACHE/T200_200/");
        ASSERT_TRUE(QDir().mkpath(photos));
    }
    QString jpeg(const QString &relative, int w, int h)
    {
        const QString p = photos + relative;
        EXPECT_TRUE(QDir().mkpath(QFileInfo(p).path()));
        EXPECT_TRUE(test::WriteTestJpeg(p, w, h));
        return p;
    }
    TFileInfo *record(const QString &path)
    {
        records.push_back(std::make_unique<TFileInfo>(path));
        return records.back().get();
    }
    QList<TFileInfo *> all() const
    {
        QList<TFileInfo *> list;
        for (const auto &r : records) {
            list.append(r.get());
        }
        return list;
    }
    // Runs a whole load the way the folder loader does, polling until the builders are done.
    std::unique_ptr<TThumbsBatch> run(bool force, int workers = 0)
    {
        auto batch = std::make_unique<TThumbsBatch>(all(), force, cache, 200, 200, workers);
        batch->Start();
        int polls = 0;
        while (!batch->WaitForFinished(100)) {
            EXPECT_LE(batch->ThumbsDoneCount(), batch->Count());
            EXPECT_LT(++polls, 600);
        }
        EXPECT_TRUE(batch->WaitForFinished(0));
        return batch;
    }
    QStringList indexFiles() const
    {
        QStringList files = QDir(cache).entryList(QDir::Files);
        files.removeIf([](const QString &name) { return name.endsWith(QLatin1String(".bmp")); });
        std::sort(files.begin(), files.end());
        return files;
    }
    QTemporaryDir dir;
    QString photos;
    QString cache;
    std::vector<std::unique_ptr<TFileInfo>> records;
};

} // namespace

TEST_F(ThumbsBatch, ColdThenWarmLoadWithSameNamesAndNonAsciiPaths)
{
    TFileInfo *a = record(jpeg(QStringLiteral("2019/IMG_0001.jpg"), 1600, 1200));
    TFileInfo *b = record(jpeg(QStringLiteral("2020/IMG_0001.jpg"), 1200, 1600));
    TFileInfo *c = record(jpeg(QStringLiteral("Straße – 東京/Ünïcødé.JPG"), 640, 480));

    auto cold = run(false);
    EXPECT_EQ(cold->ThumbsDoneCount(), 3);
    EXPECT_EQ(cold->MadeCount(), 3);
    EXPECT_EQ(cold->FoundCount(), 0);
    EXPECT_EQ(QImageReader(a->BmpThumbFullName).size(), QSize(200, 150));
    EXPECT_EQ(QImageReader(b->BmpThumbFullName).size(), QSize(150, 200));
    EXPECT_EQ(QImageReader(c->BmpThumbFullName).size(), QSize(200, 150));
    for (TFileInfo *r : {a, b, c}) {
        EXPECT_EQ(QFileInfo(r->BmpThumbFullName).path() + QLatin1Char('/'), cache);
        EXPECT_TRUE(r->BmpThumbFullName.endsWith(QLatin1String(".bmp")));
    }
    EXPECT_EQ(indexFiles(), (QStringList{QStringLiteral("IMG_0001.0000"), QStringLiteral("IMG_0001.0001"),
                                         QStringLiteral("Ünïcødé.0000")}));
    EXPECT_EQ(readFile(cache + QStringLiteral("Ünïcødé.0000")),
              (c->JpgFullName + QStringLiteral("\r\n") + QFileInfo(c->BmpThumbFullName).fileName()
               + QStringLiteral("\r\n"))
                  .toUtf8());

    const QStringList thumbs{a->BmpThumbFullName, b->BmpThumbFullName, c->BmpThumbFullName};
    for (TFileInfo *r : {a, b, c}) {
        r->BmpThumbFullName.clear();
    }
    auto warm = run(false);
    EXPECT_EQ(warm->FoundCount(), 3);
    EXPECT_EQ(warm->MadeCount(), 0);
    EXPECT_EQ((QStringList{a->BmpThumbFullName, b->BmpThumbFullName, c->BmpThumbFullName}), thumbs);
    EXPECT_EQ(indexFiles().size(), 3);
}

TEST_F(ThumbsBatch, AChangedPhotoKeepsItsThumbnailUntilARebuildIsForced)
{
    const QString path = jpeg(QStringLiteral("a.jpg"), 1600, 1200);
    TFileInfo *a = record(path);
    run(false);
    const QString thumb = a->BmpThumbFullName;
    ASSERT_EQ(QImageReader(thumb).size(), QSize(200, 150));

    ASSERT_TRUE(test::WriteTestJpeg(path, 600, 1200));
    run(false);
    EXPECT_EQ(a->BmpThumbFullName, thumb);
    EXPECT_EQ(QImageReader(thumb).size(), QSize(200, 150));

    auto forced = run(true);
    EXPECT_EQ(forced->MadeCount(), 1);
    EXPECT_EQ(a->BmpThumbFullName, thumb); // the same file, made again
    EXPECT_EQ(QImageReader(thumb).size(), QSize(100, 200));
    EXPECT_EQ(indexFiles(), QStringList{QStringLiteral("a.0000")});
    EXPECT_EQ(QDir(cache).entryList({QStringLiteral("*.bmp")}, QDir::Files).size(), 1);
}

TEST_F(ThumbsBatch, UndecodablePhotosGetNoThumbnailAndTheBuilderGoesOn)
{
    const QByteArray good = readFile(jpeg(QStringLiteral("good.jpg"), 800, 600));
    QByteArray huge = good;
    const int sof = int(huge.indexOf(QByteArray("\xff\xc0", 2)));
    ASSERT_GE(sof, 0);
    huge[sof + 5] = char(0xfd);
    huge[sof + 7] = char(0xfd); // claims about 65000 x 65000
    const struct
    {
        const char *name;
        QByteArray bytes;
    } bad[] = {
        {"empty.jpg", QByteArray()},
        {"text.jpg", QByteArray("not a photo\n")},
        {"truncated.jpg", good.left(good.size() / 2)},
        {"huge.jpg", huge},
    };
    // One builder, bad photos first: everything after them must still be handled.
    std::vector<TFileInfo *> badRecords;
    for (const auto &c : bad) {
        ASSERT_TRUE(writeFile(photos + QLatin1String(c.name), c.bytes));
        badRecords.push_back(record(photos + QLatin1String(c.name)));
    }
    record(photos + QStringLiteral("vanished.jpg"));
    TFileInfo *fine = record(photos + QStringLiteral("good.jpg"));

    auto batch = run(false, 1);
    EXPECT_EQ(batch->ThumbsDoneCount(), 6);
    EXPECT_EQ(batch->FailedCount(), 5);
    EXPECT_EQ(batch->MadeCount(), 1);
    EXPECT_FALSE(batch->LibraryMissing());
    for (TFileInfo *r : badRecords) {
        EXPECT_TRUE(r->BmpThumbFullName.isEmpty()) << r->JpgFullName.toStdString();
    }
    EXPECT_EQ(QImageReader(fine->BmpThumbFullName).size(), QSize(200, 150));
    EXPECT_EQ(indexFiles(), QStringList{QStringLiteral("good.0000")});
    EXPECT_EQ(QDir(cache).entryList({QStringLiteral("*.bmp")}, QDir::Files).size(), 1);
}

TEST_F(ThumbsBatch, AForcedRebuildOfAPhotoGoneBadDropsItsOldThumbnail)
{
    const QString path = jpeg(QStringLiteral("a.jpg"), 400, 300);
    TFileInfo *a = record(path);
    run(false);
    const QString old = a->BmpThumbFullName;
    ASSERT_TRUE(QFile::exists(old));
    ASSERT_TRUE(writeFile(path, "broken"));
    run(true);
    EXPECT_TRUE(a->BmpThumbFullName.isEmpty());
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_TRUE(indexFiles().isEmpty());
}

TEST_F(ThumbsBatch, MissingLibraryEndsTheBuilderAfterWhatItFoundCached)
{
    TFileInfo *cached = record(jpeg(QStringLiteral("a.jpg"), 300, 300));
    run(false);
    ASSERT_FALSE(cached->BmpThumbFullName.isEmpty());
    TFileInfo *uncached = record(jpeg(QStringLiteral("b.jpg"), 300, 300));
    TFileInfo *after = record(jpeg(QStringLiteral("c.jpg"), 300, 300));
    cached->BmpThumbFullName.clear();

    UnloadTurboJPEG();
    SetTurboJPEGLibraryName(QStringLiteral("libturbojpeg-not-installed.so.0"));
    auto batch = run(false, 1);
    SetTurboJPEGLibraryName(QStringLiteral("libturbojpeg.so.0"));
    UnloadTurboJPEG();

    EXPECT_TRUE(batch->LibraryMissing());
    EXPECT_EQ(batch->ThumbsDoneCount(), 1);
    EXPECT_FALSE(cached->BmpThumbFullName.isEmpty());
    EXPECT_TRUE(uncached->BmpThumbFullName.isEmpty());
    EXPECT_TRUE(after->BmpThumbFullName.isEmpty());
    EXPECT_EQ(indexFiles(), QStringList{QStringLiteral("a.0000")});
}

TEST_F(ThumbsBatch, DealsRecordsRoundRobinOneBuilderPerProcessor)
{
    for (int i = 0; i < 7; ++i) {
        record(QStringLiteral("/nowhere/%1.jpg").arg(i));
    }
    const TThumbsBatch three(all(), false, cache, 200, 200, 3);
    ASSERT_EQ(three.TCreateThumbsArr().size(), 3u);
    const QList<TFileInfo *> list = all();
    EXPECT_EQ(three.TCreateThumbsArr()[0]->FileInfoList, (QList<TFileInfo *>{list[0], list[3], list[6]}));
    EXPECT_EQ(three.TCreateThumbsArr()[1]->FileInfoList, (QList<TFileInfo *>{list[1], list[4]}));
    EXPECT_EQ(three.TCreateThumbsArr()[2]->FileInfoList, (QList<TFileInfo *>{list[2], list[5]}));

    const TThumbsBatch automatic(all(), true, cache, 200, 200);
    EXPECT_EQ(int(automatic.TCreateThumbsArr().size()), qMax(1, QThread::idealThreadCount()));
    EXPECT_TRUE(automatic.TCreateThumbsArr()[0]->ForceRecreateThumbs);
}

TEST_F(ThumbsBatch, ManyPhotosOnEveryWorkerAreEachHandledOnce)
{
    // Same base names in several folders make the builders claim index numbers side by side.
    for (int f = 0; f < 4; ++f) {
        for (int i = 0; i < 6; ++i) {
            record(jpeg(QStringLiteral("f%1/P%2.jpg").arg(f).arg(i), 240, 180));
        }
    }
    auto batch = run(false, 4);
    EXPECT_EQ(batch->ThumbsDoneCount(), 24);
    EXPECT_EQ(batch->MadeCount(), 24);
    QSet<QString> thumbs;
    for (const auto &r : records) {
        EXPECT_TRUE(QFile::exists(r->BmpThumbFullName));
        thumbs.insert(r->BmpThumbFullName);
    }
    EXPECT_EQ(thumbs.size(), 24);
    EXPECT_EQ(indexFiles().size(), 24);
    const TThumbCache reopened(cache);
    for (const auto &r : records) {
        EXPECT_EQ(reopened.FindCachedThumb(r->JpgFullName, false), r->BmpThumbFullName);
    }
}

TEST_F(ThumbsBatch, TakesTheBoxAndCacheFolderFromTheSettings)
{
    const QString place = dir.path() + QStringLiteral("/place/");
    ASSERT_TRUE(QDir().mkpath(place));
    SetDataFolder(dir.path() + QLatin1Char('/'));
    Settings().setUseWinTmpFolder(false);
    Settings().setFolderThumbsRootPlace(place);
    Settings().setBMP_WIDTH(100);
    Settings().setBMP_HEIGHT(100);
    ASSERT_TRUE(CreateCacheFolders());
    EXPECT_TRUE(QFileInfo(place + QStringLiteral("KW_CACHE/T800_800")).isDir());

    TFileInfo *a = record(jpeg(QStringLiteral("s.jpg"), 800, 600));
    {
        TThumbsBatch batch(all(), false);
        batch.Start();
        EXPECT_TRUE(batch.WaitForFinished(-1));
    }
    FreeSettings();
    EXPECT_EQ(QFileInfo(a->BmpThumbFullName).path(), place + QStringLiteral("KW_CACHE/T100_100"));
    EXPECT_EQ(QImageReader(a->BmpThumbFullName).size(), QSize(100, 75));
}
