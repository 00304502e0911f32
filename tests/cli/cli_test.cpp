// orvane-cli end to end: the real binary, the real ExifTool, real JPEGs in a temporary folder.
#include "support/testjpeg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace orvane::test;

namespace {

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};

class CliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fRoot.isValid());
        // A private copy of the binary: its folder becomes the data folder, so the settings file
        // and (through TMPDIR) the thumbnail cache are this test's own.
        QDir(fRoot.path()).mkpath(QStringLiteral("bin"));
        QDir(fRoot.path()).mkpath(QStringLiteral("tmp"));
        QDir(fRoot.path()).mkpath(QStringLiteral("xdg"));
        fCli = fRoot.filePath(QStringLiteral("bin/orvane-cli"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANE_CLI_PATH), fCli));
        fPhotos = fRoot.filePath(QStringLiteral("photos"));
        QDir(fRoot.path()).mkpath(QStringLiteral("photos/sub"));
        QDir(fRoot.path()).mkpath(QStringLiteral("photos/other"));
        ASSERT_TRUE(WriteTestJpeg(fPhotos + QStringLiteral("/a.jpg"), 64, 48));
        ASSERT_TRUE(WriteTestJpeg(fPhotos + QStringLiteral("/B.JPG"), 48, 64));
        ASSERT_TRUE(WriteTestJpeg(fPhotos + QStringLiteral("/sub/same.jpg"), 40, 30));
        ASSERT_TRUE(WriteTestJpeg(fPhotos + QStringLiteral("/other/same.jpg"), 30, 40));
        QFile broken(fPhotos + QStringLiteral("/broken.jpg"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("this is not a JPEG");
        broken.close();
        RunExifTool({QStringLiteral("-overwrite_original"), QStringLiteral("-charset"), QStringLiteral("iptc=UTF8"),
                     QStringLiteral("-IPTC:CodedCharacterSet=UTF8"), QStringLiteral("-IPTC:Keywords=Sky"),
                     QStringLiteral("-IPTC:Keywords=Straße, alt"), QStringLiteral("-Orientation#=6"),
                     fPhotos + QStringLiteral("/a.jpg")});
    }

    CliResult Run(const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), fRoot.filePath(QStringLiteral("tmp")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), fRoot.filePath(QStringLiteral("xdg")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(fCli, arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        CliResult result;
        result.exitCode = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QString Photo(const QString &name) const { return fPhotos + QLatin1Char('/') + name; }

    QTemporaryDir fRoot;
    QString fCli;
    QString fPhotos;
};

QList<QJsonObject> JsonLines(const QString &text)
{
    QList<QJsonObject> objects;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        objects.append(doc.object());
    }
    return objects;
}

} // namespace

TEST_F(CliTest, ListPrintsOnePhotoPerLineInSetOrder)
{
    const CliResult result = Run({QStringLiteral("list"), fPhotos});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QList<QJsonObject> photos = JsonLines(result.out);
    ASSERT_EQ(photos.size(), 5);
    const QStringList expectedOrder{Photo("a.jpg"), Photo("B.JPG"), Photo("broken.jpg"), Photo("other/same.jpg"),
                                    Photo("sub/same.jpg")};
    for (int i = 0; i < photos.size(); ++i) {
        EXPECT_EQ(photos[i].value("n").toInt(), i + 1);
        EXPECT_EQ(photos[i].value("path").toString(), expectedOrder[i]);
    }
    EXPECT_EQ(photos[0].value("keywords").toVariant().toStringList(),
              (QStringList{QStringLiteral("Sky"), QStringLiteral("Straße, alt")}));
    EXPECT_EQ(photos[0].value("rotate").toInt(), 90);
    EXPECT_FALSE(photos[0].value("charset_missing").toBool());
    EXPECT_TRUE(QFile::exists(photos[0].value("thumb").toString()));
    EXPECT_TRUE(photos[2].value("thumb").toString().isEmpty()) << "the broken file has no thumbnail";
    EXPECT_NE(photos[3].value("thumb").toString(), photos[4].value("thumb").toString());
    // The keys stand in the documented order, so scripts may also read the lines as text.
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("{\"n\": 1, \"path\": ")));
}

TEST_F(CliTest, ThumbsBuildsOnceAndRefreshesOnForce)
{
    const QRegularExpression summary(
        QStringLiteral("^photos: (\\d+), made: (\\d+), found in the cache: (\\d+), failed: (\\d+), seconds: [0-9.]+\\n$"));
    auto counts = [&](const CliResult &r) {
        const auto m = summary.match(r.out);
        EXPECT_TRUE(m.hasMatch()) << r.out.toStdString();
        return QStringList{m.captured(1), m.captured(2), m.captured(3), m.captured(4)};
    };
    CliResult first = Run({QStringLiteral("thumbs"), fPhotos});
    EXPECT_EQ(counts(first), (QStringList{"5", "4", "0", "1"}));
    EXPECT_NE(first.exitCode, 0) << "a photo that failed is reported by the status";
    CliResult second = Run({QStringLiteral("thumbs"), fPhotos});
    EXPECT_EQ(counts(second), (QStringList{"5", "0", "4", "1"}));
    CliResult forced = Run({QStringLiteral("thumbs"), fPhotos, QStringLiteral("--force")});
    EXPECT_EQ(counts(forced), (QStringList{"5", "4", "0", "1"}));
}

TEST_F(CliTest, KeywordCommandsWriteTheFilesBeforeReturning)
{
    CliResult r = Run({QStringLiteral("add"), fPhotos, QStringLiteral("--only"), Photo("B.JPG"),
                       QStringLiteral("--only"), Photo("sub/same.jpg"), QStringLiteral("Tree"),
                       QStringLiteral("Ünïcode, \"quoted\"")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(ReadKeywordsWithExifTool(Photo("B.JPG")),
              (QStringList{QStringLiteral("Tree"), QStringLiteral("Ünïcode, \"quoted\"")}));
    EXPECT_TRUE(ReadKeywordsWithExifTool(Photo("other/same.jpg")).isEmpty());

    // Every photo of the folder is written, the broken one too: ExifTool refuses it, the user is told
    // which file kept its old keywords, and the status says so; the others are written all the same.
    r = Run({QStringLiteral("replace"), fPhotos, QStringLiteral("tree"), QStringLiteral("Oak")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(Photo("broken.jpg"))) << r.err.toStdString();
    EXPECT_EQ(ReadKeywordsWithExifTool(Photo("sub/same.jpg")),
              (QStringList{QStringLiteral("Oak"), QStringLiteral("Ünïcode, \"quoted\"")}));

    r = Run({QStringLiteral("delete"), fPhotos, QStringLiteral("--only"), Photo("sub/same.jpg"), QStringLiteral("OAK")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(ReadKeywordsWithExifTool(Photo("sub/same.jpg")), QStringList{QStringLiteral("Ünïcode, \"quoted\"")});

    r = Run({QStringLiteral("delete-all"), fPhotos, QStringLiteral("--only"), Photo("a.jpg")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(ReadKeywordsWithExifTool(Photo("a.jpg")).isEmpty());
    EXPECT_EQ(ReadKeywordsWithExifTool(Photo("B.JPG")).size(), 2);
}

TEST_F(CliTest, FilterPrintsThePassingPaths)
{
    Run({QStringLiteral("add"), fPhotos, QStringLiteral("--only"), Photo("B.JPG"), QStringLiteral("sky"),
         QStringLiteral("Sea")});
    CliResult r = Run({QStringLiteral("filter"), fPhotos, QStringLiteral("--all"), QStringLiteral("SKY")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, Photo("a.jpg") + "\n" + Photo("B.JPG") + "\n");
    r = Run({QStringLiteral("filter"), fPhotos, QStringLiteral("--all"), QStringLiteral("sky"), QStringLiteral("--none"),
             QStringLiteral("sea")});
    EXPECT_EQ(r.out, Photo("a.jpg") + "\n");
    r = Run({QStringLiteral("filter"), fPhotos, QStringLiteral("--count"), QStringLiteral("0:0")});
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 3);
    r = Run({QStringLiteral("filter"), fPhotos, QStringLiteral("--part"), QStringLiteral("STRASSE")});
    EXPECT_EQ(r.out, Photo("a.jpg") + "\n");
}

TEST_F(CliTest, TrashMovesOnlyTheNamedPhoto)
{
    const CliResult r = Run({QStringLiteral("trash"), fPhotos, QStringLiteral("--only"), Photo("other/same.jpg")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(Photo("other/same.jpg")));
    EXPECT_TRUE(QFile::exists(Photo("sub/same.jpg")));
    EXPECT_TRUE(QFile::exists(fRoot.filePath(QStringLiteral("xdg/Trash/files/same.jpg"))));
}

TEST_F(CliTest, UsageErrorsExitNonZero)
{
    EXPECT_EQ(Run({QStringLiteral("list"), fRoot.filePath(QStringLiteral("missing"))}).exitCode, 2);
    EXPECT_EQ(Run({QStringLiteral("frobnicate"), fPhotos}).exitCode, 2);
    EXPECT_EQ(Run({QStringLiteral("replace"), fPhotos, QStringLiteral("only-one")}).exitCode, 2);
    EXPECT_EQ(Run({QStringLiteral("add"), fPhotos, QStringLiteral("--only"), Photo("nope.jpg"), QStringLiteral("x")})
                  .exitCode,
              2);
    const CliResult help = Run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("filter FOLDER")));
    // A keyword IPTC cannot hold is refused with a message and a failure status; nothing is written.
    const CliResult tooLong = Run({QStringLiteral("add"), fPhotos, QString(33, QChar(0x0416))});
    EXPECT_NE(tooLong.exitCode, 0);
    EXPECT_TRUE(ReadKeywordsWithExifTool(Photo("B.JPG")).isEmpty());
}
