// Clipboard text and keyword list files, byte for byte.
#include "core/model/keywordfile.h"

#include "support/testjpeg.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvane;

namespace
{

QByteArray ReadBytes(const QString &fileName)
{
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void WriteBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList Entries(const TKwStringList &list)
{
    return list.Strings();
}

} // namespace

TEST(KeywordText, EveryLineEndsWithCrLfInListOrder)
{
    const TKwStringList list(
        QStringList { QStringLiteral("Zebra"), QStringLiteral("apple"), QStringLiteral("a, \"quoted\" one") });
    EXPECT_EQ(KeywordListText(list), QStringLiteral("a, \"quoted\" one\r\napple\r\nZebra\r\n"));
    EXPECT_EQ(KeywordListText(TKwStringList()), QString());
}

TEST(KeywordText, ParsesEveryLineBreakKind)
{
    struct Case {
        QString text;
        QStringList expected;
    };
    const QList<Case> cases = {
        { QString(), {} },
        { QStringLiteral("b\r\na\r\n"), { QStringLiteral("a"), QStringLiteral("b") } },
        { QStringLiteral("b\ra\nc"), { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") } },
        // A final line break adds nothing; the last line without one still counts.
        { QStringLiteral("last"), { QStringLiteral("last") } },
        // Blank lines and blanks are kept as they stand.
        { QStringLiteral(" tree\r\n\r\ntree \n"), { QString(), QStringLiteral(" tree"), QStringLiteral("tree ") } },
        // Cat and cat merge, the first spelling kept.
        { QStringLiteral("Cat\ncat\nCAT\n"), { QStringLiteral("Cat") } },
        // CR CR LF is one empty line after the first.
        { QStringLiteral("x\r\r\ny"), { QString(), QStringLiteral("x"), QStringLiteral("y") } },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Entries(ParseKeywordText(c.text)), c.expected) << c.text.toStdString();
    }
}

TEST(KeywordFile, SavesUtf8WithMarkAndLoadsTheSameList)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("list.txt"));
    const TKwStringList list(QStringList { QStringLiteral("Zebra"), QStringLiteral("apple") });
    QString error;
    ASSERT_TRUE(SaveKeywordFile(name, list, error)) << error.toStdString();
    EXPECT_EQ(ReadBytes(name),
        QByteArray("\xEF\xBB\xBF"
                   "apple\r\nZebra\r\n"));

    const TKwStringList awkward(QStringList { QStringLiteral("straße"), QStringLiteral("日本"),
        QStringLiteral(" blank"), QStringLiteral("emoji 📷"), QStringLiteral("a,b;\"c\"") });
    ASSERT_TRUE(SaveKeywordFile(name, awkward, error));
    TKwStringList loaded(QStringList { QStringLiteral("old") });
    ASSERT_TRUE(LoadKeywordFile(name, loaded, error)) << error.toStdString();
    EXPECT_EQ(loaded, awkward);
}

TEST(KeywordFile, SavingReplacesAnExistingFileWhole)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("list.txt"));
    WriteBytes(name, QByteArray(5000, 'x'));
    QString error;
    ASSERT_TRUE(SaveKeywordFile(name, TKwStringList(QStringList { QStringLiteral("a") }), error));
    EXPECT_EQ(ReadBytes(name),
        QByteArray("\xEF\xBB\xBF"
                   "a\r\n"));
    // Only the file itself is left: nothing half-written beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("list.txt") });
}

TEST(KeywordFile, SavingIntoAMissingFolderFailsWithAMessage)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(SaveKeywordFile(dir.filePath(QStringLiteral("missing/list.txt")), TKwStringList(), error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing/list.txt"))) << error.toStdString();
}

TEST(KeywordFile, ReadsEachEncodingByItsMark)
{
    struct Case {
        const char *what;
        QByteArray bytes;
        QStringList expected;
    };
    const QString text = QStringLiteral("Straße\r\nCafé\r\ncafé\nZ");
    QByteArray le("\xFF\xFE");
    QByteArray be("\xFE\xFF");
    for (const QChar c : text) {
        le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    const QStringList expected { QStringLiteral("Café"), QStringLiteral("Straße"), QStringLiteral("Z") };
    const QList<Case> cases = {
        { "utf-8 with mark", QByteArray("\xEF\xBB\xBF") + text.toUtf8(), expected },
        { "utf-8 without mark", text.toUtf8(), expected },
        { "utf-16 le", le, expected },
        { "utf-16 be", be, expected },
        // Not UTF-8: Windows-1252, where 0x80 is the euro sign and 0x93/0x94 are curly quotes.
        { "windows-1252",
            QByteArray("Stra\xDF"
                       "e\r\nCaf\xE9\r\n\x80 \x93q\x94"),
            { QStringLiteral("€ “q”"), QStringLiteral("Café"), QStringLiteral("Straße") } },
        { "empty", QByteArray(), {} },
        { "mark only", QByteArray("\xEF\xBB\xBF"), {} },
    };
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("in.txt"));
    for (const Case &c : cases) {
        WriteBytes(name, c.bytes);
        TKwStringList loaded;
        QString error;
        ASSERT_TRUE(LoadKeywordFile(name, loaded, error)) << c.what << ": " << error.toStdString();
        EXPECT_EQ(Entries(loaded), c.expected) << c.what;
    }
}

TEST(KeywordFile, RefusesWhatIsNotAKeywordListAndKeepsTheList)
{
    QTemporaryDir dir;
    const QString jpeg = dir.filePath(QStringLiteral("photo.jpg"));
    test::WriteTestJpeg(jpeg, 32, 24);
    const QString huge = dir.filePath(QStringLiteral("huge.txt"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(kMaxKeywordFileSize + 1));
    }
    const QString nul = dir.filePath(QStringLiteral("nul.txt"));
    WriteBytes(nul, QByteArray("a\nb\0c\n", 6));
    const QString badUtf8 = dir.filePath(QStringLiteral("bad8.txt"));
    WriteBytes(badUtf8,
        QByteArray("\xEF\xBB\xBF"
                   "ok\n\xC3("));
    const QString badUtf16 = dir.filePath(QStringLiteral("bad16.txt"));
    WriteBytes(badUtf16,
        QByteArray("\xFF\xFE"
                   "a\0\x00\xD8\n\0",
            8)); // lone high surrogate
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));

    const TKwStringList before(QStringList { QStringLiteral("kept") });
    for (const QString &name : { jpeg, huge, nul, badUtf8, badUtf16, missing, dir.path() }) {
        TKwStringList list = before;
        QString error;
        EXPECT_FALSE(LoadKeywordFile(name, list, error)) << name.toStdString();
        EXPECT_FALSE(error.isEmpty()) << name.toStdString();
        EXPECT_EQ(list, before) << name.toStdString();
    }
    TKwStringList list;
    QString error;
    LoadKeywordFile(huge, list, error);
    EXPECT_TRUE(error.contains(QStringLiteral("too large"))) << error.toStdString();
    LoadKeywordFile(jpeg, list, error);
    EXPECT_TRUE(error.contains(QStringLiteral("not a keyword list"))) << error.toStdString();
}
