// The INI document: reading rules, exact bytes written, and how files that are not UTF-8 load.
#include "core/settings/inidocument.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(IniDocumentTest, ReadingRules)
{
    TIniDocument ini;
    ini.parse(QStringLiteral("ORPHAN=before any section\r\n"
                             "  [ Thumbnail ]  \r\n"
                             "; GAP=99\r\n"
                             "\tGap = 7 \r\n"
                             "no equals sign here\r\n"
                             "Path = a=b \r\n"
                             "gap=8\n"
                             "[misc]\n"
                             "Empty=\n"
                             "[THUMBNAIL]\n"
                             "Extra=1\n"));
    EXPECT_EQ(ini.sections(), QStringList({QStringLiteral("Thumbnail"), QStringLiteral("misc")}));
    EXPECT_FALSE(ini.valueExists(QStringLiteral("THUMBNAIL"), QStringLiteral("ORPHAN")));
    EXPECT_EQ(ini.readInteger(QStringLiteral("THUMBNAIL"), QStringLiteral("GAP"), 0), 7);
    EXPECT_EQ(ini.readString(QStringLiteral("thumbnail"), QStringLiteral("path"), QString()), QStringLiteral("a=b"));
    EXPECT_TRUE(ini.valueExists(QStringLiteral("MISC"), QStringLiteral("EMPTY")));
    EXPECT_EQ(ini.readString(QStringLiteral("MISC"), QStringLiteral("EMPTY"), QStringLiteral("d")), QString());
    EXPECT_EQ(ini.readString(QStringLiteral("THUMBNAIL"), QStringLiteral("Extra"), QString()), QStringLiteral("1"));
    EXPECT_EQ(ini.keys(QStringLiteral("THUMBNAIL")),
              QStringList({QStringLiteral("Gap"), QStringLiteral("Path"), QStringLiteral("Extra")}));
}

TEST(IniDocumentTest, TypedReads)
{
    TIniDocument ini;
    ini.parse(QStringLiteral("[S]\nI=-42\nBad=12x\nT=1\nF=true\n"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("I"), 5), -42);
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("Bad"), 5), 5);
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("Absent"), 5), 5);
    EXPECT_TRUE(ini.readBool(QStringLiteral("S"), QStringLiteral("T"), false));
    EXPECT_FALSE(ini.readBool(QStringLiteral("S"), QStringLiteral("F"), true));
    EXPECT_TRUE(ini.readBool(QStringLiteral("S"), QStringLiteral("Absent"), true));
}

TEST(IniDocumentTest, WritesBomCrLfAndFirstWriteOrder)
{
    TIniDocument ini;
    ini.writeInteger(QStringLiteral("B"), QStringLiteral("Two"), 2);
    ini.writeString(QStringLiteral("A"), QStringLiteral("Text"), QStringLiteral("\u00FCber"));
    ini.writeBool(QStringLiteral("B"), QStringLiteral("One"), true);
    ini.writeInteger(QStringLiteral("b"), QStringLiteral("TWO"), -3); // same key, keeps its place and spelling
    const QByteArray expected = QByteArray("\xEF\xBB\xBF")
                                + "[B]\r\nTwo=-3\r\nOne=1\r\n\r\n"
                                + "[A]\r\nText=\xC3\xBC" "ber\r\n\r\n";
    EXPECT_EQ(ini.toBytes(), expected);

    ini.eraseSection(QStringLiteral("b"));
    ini.writeBool(QStringLiteral("B"), QStringLiteral("One"), false);
    EXPECT_EQ(ini.toBytes(), QByteArray("\xEF\xBB\xBF[A]\r\nText=\xC3\xBC" "ber\r\n\r\n[B]\r\nOne=0\r\n\r\n"));
}

TEST(IniDocumentTest, LoadsUtf8AndRefusesOtherBytes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("a.ini"));
    TIniDocument ini;
    EXPECT_EQ(ini.loadFromFile(path), TIniDocument::LoadResult::Missing);

    struct Case
    {
        QByteArray bytes;
        TIniDocument::LoadResult result;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF[S]\r\nK=\xC3\xA9\r\n", TIniDocument::LoadResult::Loaded},
        {"[S]\r\nK=\xC3\xA9\r\n", TIniDocument::LoadResult::Loaded},
        {"[S]\r\nK=\xE9\r\n", TIniDocument::LoadResult::NotUtf8},
        {QByteArray(64, '\0'), TIniDocument::LoadResult::NotUtf8},
    };
    for (const Case &c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        EXPECT_EQ(ini.loadFromFile(path), c.result) << c.bytes.toHex().constData();
        if (c.result == TIniDocument::LoadResult::Loaded) {
            EXPECT_EQ(ini.readString(QStringLiteral("S"), QStringLiteral("K"), QString()), QStringLiteral("\u00E9"));
        } else {
            EXPECT_TRUE(ini.sections().isEmpty());
        }
    }
}

} // namespace
} // namespace orvane
