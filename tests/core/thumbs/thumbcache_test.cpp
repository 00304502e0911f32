#include "core/thumbs/thumbcache.h"

#include "core/thumbs/thumbsize.h"
#include "support/testfolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <thread>
#include <vector>

using namespace orvane;

namespace {

using test::readFile;
using test::writeFile;

class ThumbCache : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = dir.path() + QStringLiteral("/KW_CACHE/T200_200/");
        ASSERT_TRUE(QDir().mkpath(folder));
    }
    // A thumbnail file in the size folder; its content does not matter to the index.
    QString thumbFile(const QString &name)
    {
        EXPECT_TRUE(writeFile(folder + name, "BM"));
        return folder + name;
    }
    QTemporaryDir dir;
    QString folder;
};

} // namespace

TEST(ThumbSizes, SixteenSquaresInStepsOfFiftyWithTheDefaultFourth)
{
    const QList<TThumbSize> &sizes = ThumbSizes();
    ASSERT_EQ(sizes.size(), 16);
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(sizes[k].Width(), (k + 1) * 50);
        EXPECT_EQ(sizes[k].Height(), (k + 1) * 50);
    }
    EXPECT_EQ(sizes[3].Description(), QStringLiteral("200 x 200"));
    EXPECT_EQ(sizes[15].Description(), QStringLiteral("800 x 800"));
}

TEST(CreateCacheFolders, MakesOneFolderPerSizeWithMissingParents)
{
    QTemporaryDir dir;
    const QString root = dir.path() + QStringLiteral("/not/yet/KW_CACHE/");
    ASSERT_TRUE(CreateCacheFolders(root));
    QStringList expected;
    for (const TThumbSize &size : ThumbSizes()) {
        expected.append(QStringLiteral("T%1_%2").arg(size.Width()).arg(size.Height()));
    }
    QStringList found = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected);
    EXPECT_EQ(ThumbSizeFolder(root, 150, 150), root + QStringLiteral("T150_150/"));
    EXPECT_TRUE(CreateCacheFolders(root)); // existing folders are fine
}

TEST_F(ThumbCache, IndexFileIsTwoUtf8LinesUnderTheLowestFreeNumber)
{
    const TThumbCache cache(folder);
    const QString photo = QStringLiteral("/fotos/Straße – 東京/Ünïcødé 日本.jpg");
    const QString thumb = thumbFile(QStringLiteral("{00000000-0000-0000-0000-000000000001}.bmp"));
    ASSERT_TRUE(cache.WriteThumbIndex(photo, thumb));
    EXPECT_EQ(readFile(folder + QStringLiteral("Ünïcødé 日本.0000")),
              (photo + QStringLiteral("\r\n{00000000-0000-0000-0000-000000000001}.bmp\r\n")).toUtf8());

    // A photo of the same name elsewhere takes the next number; a freed number is reused.
    const QString other = QStringLiteral("/elsewhere/Ünïcødé 日本.jpg");
    ASSERT_TRUE(cache.WriteThumbIndex(other, thumbFile(QStringLiteral("b.bmp"))));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("Ünïcødé 日本.0001")));
    ASSERT_TRUE(QFile::remove(folder + QStringLiteral("Ünïcødé 日本.0000")));
    ASSERT_TRUE(cache.WriteThumbIndex(photo, thumb));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("Ünïcødé 日本.0000")));

    // Found again by a fresh listing, each by its exact path.
    const TThumbCache reopened(folder);
    EXPECT_EQ(reopened.FindCachedThumb(photo, false), thumb);
    EXPECT_EQ(reopened.FindCachedThumb(other, false), folder + QStringLiteral("b.bmp"));
    EXPECT_EQ(reopened.FindCachedThumb(QStringLiteral("/fotos/straße – 東京/Ünïcødé 日本.jpg"), false),
              QString());
    EXPECT_EQ(reopened.FindCachedThumb(QStringLiteral("/fotos/Ünïcødé 日本.JPG"), false), QString());
}

TEST_F(ThumbCache, NewThumbNamesAreFreshGuidsInTheSizeFolder)
{
    const TThumbCache cache(folder);
    const QString a = cache.NewThumbFullName();
    const QString b = cache.NewThumbFullName();
    EXPECT_NE(a, b);
    EXPECT_TRUE(a.startsWith(folder));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\}\\.bmp$"))
                    .match(a.mid(folder.size()))
                    .hasMatch())
        << a.toStdString();
}

TEST_F(ThumbCache, OnlyWellFormedIndexFilesOfThePhotoCount)
{
    const QString photo = QStringLiteral("/p/IMG_0001.jpg");
    thumbFile(QStringLiteral("good.bmp"));
    const struct
    {
        const char *content;
        bool found;
    } cases[] = {
        {"/p/IMG_0001.jpg\r\ngood.bmp\r\n", true},
        {"\xEF\xBB\xBF/p/IMG_0001.jpg\ngood.bmp", true}, // byte-order mark, LF line ends, no final line end
        {"/p/IMG_0001.jpg\r\n", false},                  // one line only
        {"/p/img_0001.jpg\r\ngood.bmp\r\n", false},      // paths compare case-sensitively
        {"/p/IMG_0001.jpg\r\nmissing.bmp\r\n", false},   // the thumbnail is gone
        {"/p/IMG_0001.jpg\r\n../good.bmp\r\n", false},   // names outside the size folder are not followed
        {"/p/IMG_0001.jpg\r\n\r\n", false},              // the size folder itself is no thumbnail
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(writeFile(folder + QStringLiteral("IMG_0001.0000"), QByteArray(c.content)));
        const QString expected = c.found ? folder + QStringLiteral("good.bmp") : QString();
        EXPECT_EQ(TThumbCache(folder).FindCachedThumb(photo, false), expected) << c.content;
    }
    ASSERT_TRUE(writeFile(dir.path() + QStringLiteral("/good.bmp"), "BM"));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("IMG_0001.0000"), "/p/IMG_0001.jpg\r\n../../good.bmp\r\n"));
    EXPECT_EQ(TThumbCache(folder).FindCachedThumb(photo, true), QString());
}

TEST_F(ThumbCache, LooksPastOtherPhotosAndStaleEntriesOfTheSameName)
{
    const QString photo = QStringLiteral("/b/IMG_0001.jpg");
    ASSERT_TRUE(writeFile(folder + QStringLiteral("IMG_0001.0000"), "/a/IMG_0001.jpg\r\na.bmp\r\n"));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("IMG_0001.0001"), "/b/IMG_0001.jpg\r\ngone.bmp\r\n"));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("IMG_0001.0002"), "/b/IMG_0001.jpg\r\nb.bmp\r\n"));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("IMG_0001.x.0000"), "/b/IMG_0001.jpg\r\nwrong.bmp\r\n"));
    thumbFile(QStringLiteral("a.bmp"));
    thumbFile(QStringLiteral("b.bmp"));
    thumbFile(QStringLiteral("wrong.bmp"));

    EXPECT_EQ(TThumbCache(folder).FindCachedThumb(photo, false), folder + QStringLiteral("b.bmp"));
    // The entry whose thumbnail was gone is cleared away; the others stay.
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("IMG_0001.0001")));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("IMG_0001.0000")));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("IMG_0001.0002")));
}

TEST_F(ThumbCache, ForcedLookupDeletesThePhotosIndexButKeepsTheThumbnailPath)
{
    const QString photo = QStringLiteral("/a/IMG_0001.jpg");
    ASSERT_TRUE(writeFile(folder + QStringLiteral("IMG_0001.0000"), "/x/IMG_0001.jpg\r\nx.bmp\r\n"));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("IMG_0001.0001"), "/a/IMG_0001.jpg\r\na.bmp\r\n"));
    thumbFile(QStringLiteral("x.bmp"));
    thumbFile(QStringLiteral("a.bmp"));

    EXPECT_EQ(TThumbCache(folder).FindCachedThumb(photo, true), folder + QStringLiteral("a.bmp"));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("IMG_0001.0001")));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("IMG_0001.0000")));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("a.bmp")));
}

TEST_F(ThumbCache, ConcurrentClaimsNeverShareANumber)
{
    constexpr int kThreads = 8;
    constexpr int kPerThread = 25;
    const TThumbCache cache(folder);
    for (int i = 0; i < kThreads * kPerThread; ++i) {
        thumbFile(QStringLiteral("t%1.bmp").arg(i));
    }
    std::vector<std::thread> threads;
    std::atomic<int> failures{0};
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = t * kPerThread; i < (t + 1) * kPerThread; ++i) {
                const QString thumb = folder + QStringLiteral("t%1.bmp").arg(i);
                if (!cache.WriteThumbIndex(QStringLiteral("/f%1/DSC.jpg").arg(i), thumb)) {
                    ++failures;
                }
            }
        });
    }
    for (std::thread &thread : threads) {
        thread.join();
    }
    EXPECT_EQ(failures.load(), 0);
    QSet<QString> expected;
    for (int n = 0; n < kThreads * kPerThread; ++n) {
        expected.insert(QString::asprintf("DSC.%.4d", n));
    }
    const QStringList indexFiles = QDir(folder).entryList({QStringLiteral("DSC.*")}, QDir::Files);
    EXPECT_EQ(QSet<QString>(indexFiles.begin(), indexFiles.end()), expected);
    const TThumbCache reopened(folder);
    for (int i = 0; i < kThreads * kPerThread; ++i) {
        EXPECT_EQ(reopened.FindCachedThumb(QStringLiteral("/f%1/DSC.jpg").arg(i), false),
                  folder + QStringLiteral("t%1.bmp").arg(i));
    }
}

TEST_F(ThumbCache, WritingIntoAMissingFolderFailsAtOnce)
{
    const TThumbCache cache(dir.path() + QStringLiteral("/gone/"));
    EXPECT_FALSE(cache.WriteThumbIndex(QStringLiteral("/p/a.jpg"), QStringLiteral("x.bmp")));
    EXPECT_EQ(cache.FindCachedThumb(QStringLiteral("/p/a.jpg"), false), QString());
}
