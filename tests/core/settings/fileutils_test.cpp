// Tests of the file-system, shell and formatting helpers.
#include "core/settings/fileutils.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <thread>
#include <vector>

namespace orvane {
namespace {

// Sets an environment variable for one scope and restores the previous value after it.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : fName(name), fHadValue(qEnvironmentVariableIsSet(name)), fOldValue(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (fHadValue) {
            qputenv(fName, fOldValue);
        } else {
            qunsetenv(fName);
        }
    }

private:
    const char *fName;
    bool fHadValue;
    QByteArray fOldValue;
};

// Restores DataFolder after a test that chooses it.
class ScopedDataFolder
{
public:
    ScopedDataFolder() : fOld(DataFolder()) {}
    ~ScopedDataFolder() { SetDataFolder(fOld); }

private:
    QString fOld;
};

class FileTree
{
public:
    FileTree() { EXPECT_TRUE(fDir.isValid()); }

    // Folder path with trailing "/", as the program hands folders around.
    QString path() const { return fDir.path(); }
    QString root() const { return fDir.path() + QLatin1Char('/'); }

    QString file(const QString &relative, const QByteArray &content = "x")
    {
        const QString path = root() + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write(content);
        return path;
    }

    QString folder(const QString &relative)
    {
        const QString path = root() + relative;
        EXPECT_TRUE(QDir().mkpath(path));
        return path;
    }

    void link(const QString &target, const QString &relativeLink)
    {
        ASSERT_TRUE(QFile::link(target, root() + relativeLink)) << relativeLink.toStdString();
    }

private:
    QTemporaryDir fDir;
};

QSet<QString> toSet(const QStringList &list)
{
    return QSet<QString>(list.begin(), list.end());
}

TEST(FormatThousandsTest, PutsOneBlankBeforeEveryFullGroupOfThree)
{
    const struct
    {
        qint64 value;
        const char *expected;
    } cases[] = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1 000"},
        {99999, "99 999"},
        {123456, "123 456"},
        {1234567, "1 234 567"},
        {100000000, "100 000 000"},
        {Q_INT64_C(9223372036854775807), "9 223 372 036 854 775 807"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FormatThousands(c.value), QString::fromLatin1(c.expected)) << c.value;
    }
}

TEST(ColorTest, InvertAndHalveEachChannel)
{
    EXPECT_EQ(InvertColor(0x000000u), 0xFFFFFFu);
    EXPECT_EQ(InvertColor(0xFFFFFFu), 0x000000u);
    EXPECT_EQ(InvertColor(0x123456u), 0xEDCBA9u);

    EXPECT_EQ(HalfColor(0xFFFFFFu), 0x7F7F7Fu);
    EXPECT_EQ(HalfColor(0x806040u), 0x403020u);
    // Low bits must not spill into the neighbouring channel.
    EXPECT_EQ(HalfColor(0x010203u), 0x000101u);
    EXPECT_EQ(HalfColor(0x000001u), 0x000000u);
}

TEST(PathTest, TrailingDelimiterAndPerUserFolder)
{
    EXPECT_EQ(IncludeTrailingDelimiter(QStringLiteral("/a/b")), QStringLiteral("/a/b/"));
    EXPECT_EQ(IncludeTrailingDelimiter(QStringLiteral("/a/b/")), QStringLiteral("/a/b/"));
    EXPECT_EQ(IncludeTrailingDelimiter(QString()), QString());

    QTemporaryDir config;
    ScopedEnv xdgConfig("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    EXPECT_EQ(PerUserDataFolder(), config.path() + QStringLiteral("/Vantrel/"));
}

TEST(FindFilesRecursiveTest, EmptyOrMissingFolderGivesEmptyList)
{
    FileTree tree;
    EXPECT_TRUE(FindFilesRecursive(tree.root(), QStringLiteral("*.jpg")).isEmpty());
    tree.file(QStringLiteral("notes.txt"));
    tree.folder(QStringLiteral("sub"));
    EXPECT_TRUE(FindFilesRecursive(tree.root(), QStringLiteral("*.jpg")).isEmpty());
    EXPECT_TRUE(FindFilesRecursive(tree.root() + QStringLiteral("missing"), QStringLiteral("*.jpg")).isEmpty());
}

TEST(FindFilesRecursiveTest, OwnFilesFirstThenSubfoldersDepthFirst)
{
    FileTree tree;
    const QString a = tree.file(QStringLiteral("a.jpg"));
    const QString upper = tree.file(QStringLiteral("CAMERA.JPG"));
    const QString hidden = tree.file(QStringLiteral(".hidden.jpg"));
    tree.file(QStringLiteral("a.jpg.txt"));
    tree.file(QStringLiteral("jpg"));
    const QString c = tree.file(QStringLiteral("sub/c.jpg"));
    const QString d = tree.file(QStringLiteral("sub/deeper/d.Jpg"));
    const QString e = tree.file(QStringLiteral("x.jpg/e.jpg"));
    const QString f = tree.file(QStringLiteral(".hiddenfolder/f.jpg"));

    // Without the trailing delimiter the paths must come out the same.
    QString folder = tree.root();
    folder.chop(1);
    const QStringList found = FindFilesRecursive(folder, QStringLiteral("*.jpg"));

    ASSERT_EQ(found.size(), 7) << found.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(toSet(found.mid(0, 3)), (QSet<QString>{a, upper, hidden}));
    EXPECT_EQ(toSet(found.mid(3)), (QSet<QString>{c, d, e, f}));
    // A folder's own files come before those of its subfolders.
    EXPECT_EQ(found.indexOf(d), found.indexOf(c) + 1);
    // The folder named like a photo is walked into, never listed itself.
    EXPECT_FALSE(found.contains(tree.root() + QStringLiteral("x.jpg")));
}

TEST(FindFilesRecursiveTest, DirectoryLinksBackIntoTheWalkAreNotFollowed)
{
    FileTree tree;
    const QString top = tree.file(QStringLiteral("top.jpg"));
    const QString inner = tree.file(QStringLiteral("sub/inner.jpg"));
    const QString other = tree.file(QStringLiteral("other/other.jpg"));
    tree.link(tree.root(), QStringLiteral("sub/up"));
    tree.link(tree.root() + QStringLiteral("sub"), QStringLiteral("sub/self"));
    tree.link(tree.root() + QStringLiteral("sub"), QStringLiteral("sub/x.jpg"));
    // A link to a folder beside the walk is no loop and is followed.
    tree.link(tree.root() + QStringLiteral("other"), QStringLiteral("sub/toOther"));

    const QStringList found = FindFilesRecursive(tree.root(), QStringLiteral("*.jpg"));

    EXPECT_EQ(found.count(top), 1);
    EXPECT_EQ(found.count(inner), 1);
    EXPECT_EQ(found.count(other), 1);
    EXPECT_TRUE(found.contains(tree.root() + QStringLiteral("sub/toOther/other.jpg")));
    EXPECT_EQ(found.size(), 4) << found.join(QLatin1Char('\n')).toStdString();
}

TEST(FindFilesRecursiveTest, UnreadableFolderIsSkipped)
{
    FileTree tree;
    const QString a = tree.file(QStringLiteral("a.jpg"));
    const QString locked = tree.folder(QStringLiteral("locked"));
    tree.file(QStringLiteral("locked/b.jpg"));
    const QString after = tree.file(QStringLiteral("open/c.jpg"));

    const QFile::Permissions old = QFile::permissions(locked);
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::Permissions()));
    const bool stillReadable = !QDir(locked).entryList(QDir::Files).isEmpty();
    QStringList found;
    if (!stillReadable) {
        found = FindFilesRecursive(tree.root(), QStringLiteral("*.jpg"));
    }
    QFile::setPermissions(locked, old);
    if (stillReadable) {
        GTEST_SKIP() << "permissions do not restrict this user (root)";
    }
    EXPECT_EQ(toSet(found), (QSet<QString>{a, after}));
}

TEST(FolderSizeTest, SumsNestedFilesOnceDespiteLoops)
{
    FileTree tree;
    tree.file(QStringLiteral("a.bin"), QByteArray(10, 'a'));
    tree.file(QStringLiteral(".hidden"), QByteArray(200, 'b'));
    tree.file(QStringLiteral("sub/deeper/c.bin"), QByteArray(3000, 'c'));
    tree.folder(QStringLiteral("empty"));
    tree.link(tree.root(), QStringLiteral("sub/deeper/up"));

    EXPECT_EQ(FolderSize(tree.root()), 3210u);
    // From sub the link leads out to the whole tree, which is counted once.
    EXPECT_EQ(FolderSize(tree.root() + QStringLiteral("sub")), 3210u);
    EXPECT_EQ(FolderSize(tree.root() + QStringLiteral("empty")), 0u);
    EXPECT_EQ(FolderSize(tree.root() + QStringLiteral("missing")), 0u);
}

TEST(IsFolderWritableTest, MissingFolderIsNotWritableAndStaysMissing)
{
    FileTree tree;
    const QString missing = tree.root() + QStringLiteral("missing/");
    EXPECT_FALSE(IsFolderWritable(missing));
    EXPECT_FALSE(QFileInfo::exists(missing));
    // A file is not a folder.
    EXPECT_FALSE(IsFolderWritable(tree.file(QStringLiteral("plain.txt"))));
}

TEST(IsFolderWritableTest, WritableFolderLeavesNoTestFile)
{
    FileTree tree;
    EXPECT_TRUE(IsFolderWritable(tree.root()));
    EXPECT_FALSE(QFileInfo::exists(tree.root() + QStringLiteral("test.tmp")));

    // A test file left over from an earlier run does not get in the way.
    tree.file(QStringLiteral("test.tmp"), "stale");
    QString withoutDelimiter = tree.root();
    withoutDelimiter.chop(1);
    EXPECT_TRUE(IsFolderWritable(withoutDelimiter));
    EXPECT_FALSE(QFileInfo::exists(tree.root() + QStringLiteral("test.tmp")));
}

TEST(ChooseDataFolderTest, WritableProgramFolderHoldsTheSettings)
{
    if (!QFileInfo(QCoreApplication::applicationDirPath()).isWritable()) {
        GTEST_SKIP() << "the test program's folder is read-only for this user";
    }
    ScopedDataFolder restore;
    SetDataFolder(QString());
    ChooseDataFolder();
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    EXPECT_EQ(DataFolder(), ProgramFolder());
    EXPECT_FALSE(QFileInfo::exists(ProgramFolder() + QStringLiteral("test.tmp")));
}

TEST(ChooseDataFolderTest, FallsBackToPerUserFolderAndCreatesIt)
{
    ScopedDataFolder restore;
    FileTree tree;
    const QString perUser = tree.root() + QStringLiteral("config/Vantrel/");
    ChooseDataFolder(tree.root() + QStringLiteral("no-such-program-folder/"), perUser);
    EXPECT_EQ(DataFolder(), perUser);
    EXPECT_TRUE(QFileInfo(perUser).isDir());
    EXPECT_FALSE(QFileInfo::exists(perUser + QStringLiteral("test.tmp")));
}

TEST(ChooseDataFolderDeathTest, NoUsableFolderTellsTheUserAndEnds)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    FileTree tree;
    // A folder below a plain file can never be created.
    const QString blocked = tree.file(QStringLiteral("plain")) + QStringLiteral("/Vantrel/");
    // The silent prompter writes the message to standard error.
    EXPECT_EXIT(ChooseDataFolder(tree.root() + QStringLiteral("missing/"), blocked), testing::ExitedWithCode(1),
                "Error\\. Can't access folder .*plain/Vantrel/");
}

TEST(NewGuidStringTest, UpperCaseBracedAndUniqueAcrossThreads)
{
    const QRegularExpression format(
        QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"));
    constexpr int threadCount = 4;
    constexpr int perThread = 500;
    std::vector<QStringList> results(threadCount);
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&results, t] {
            for (int i = 0; i < perThread; ++i) {
                results[t].append(NewGuidString());
            }
        });
    }
    for (auto &thread : threads) {
        thread.join();
    }

    QSet<QString> all;
    for (const QStringList &list : results) {
        for (const QString &guid : list) {
            EXPECT_EQ(guid.size(), 38);
            EXPECT_TRUE(format.match(guid).hasMatch()) << guid.toStdString();
            all.insert(guid);
        }
    }
    EXPECT_EQ(all.size(), threadCount * perThread);
}

TEST(MoveToRecycleBinTest, MovesIntoTheDesktopTrash)
{
    FileTree home;
    FileTree photos;
    // The trash is chosen by the volume of the home folder, so both point into temporary folders.
    ScopedEnv xdgData("XDG_DATA_HOME", home.folder(QStringLiteral("data")).toLocal8Bit());
    ScopedEnv homeEnv("HOME", home.path().toLocal8Bit());
    const QString photo = photos.file(QStringLiteral("unwanted.jpg"), "photo");

    EXPECT_TRUE(MoveToRecycleBin(photo));
    EXPECT_FALSE(QFileInfo::exists(photo));
    EXPECT_TRUE(QFileInfo::exists(home.root() + QStringLiteral("data/Trash/files/unwanted.jpg")));

    EXPECT_FALSE(MoveToRecycleBin(photos.root() + QStringLiteral("missing.jpg")));
    EXPECT_FALSE(MoveToRecycleBin(QString()));
}

TEST(ShellExecuteFileTest, MissingFileRaisesErrorNamingIt)
{
    FileTree tree;
    const QString missing = tree.root() + QStringLiteral("missing.jpg");
    try {
        ShellExecuteFile(missing);
        FAIL() << "no error raised";
    } catch (const EShellError &error) {
        EXPECT_TRUE(error.message().contains(missing)) << error.what();
    }
}

} // namespace
} // namespace orvane
