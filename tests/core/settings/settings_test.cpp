// The settings store on a temporary folder: first run, reading and clamping, write-through,
// recent folders, cell geometry, the options backup, and damaged or foreign-encoded files.
#include "core/settings/settings.h"

#include "core/settings/fontwrapper.h"
#include "support/recorders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>

namespace orvane {
namespace {

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir().mkpath(tempFolder()));
    }

    QString iniPath() const { return dir.filePath(QStringLiteral("orvane.ini")); }
    QString tempFolder() const { return dir.filePath(QStringLiteral("tmp")) + QLatin1Char('/'); }

    void writeFile(const QString &path, const QByteArray &bytes) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writeIni(const QString &text) const { writeFile(iniPath(), QByteArray("\xEF\xBB\xBF") + text.toUtf8()); }

    QByteArray readFile(const QString &path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<TSettings> open() const { return std::make_unique<TSettings>(iniPath(), tempFolder()); }

    QTemporaryDir dir;
};

TEST_F(SettingsTest, FirstRunStartsFromDefaultsAndWritesEveryKey)
{
    const auto settings = open();
    EXPECT_EQ(settings->GAP(), 5);
    EXPECT_EQ(settings->BMP_WIDTH(), 200);
    EXPECT_EQ(settings->BMP_HEIGHT(), 200);
    EXPECT_EQ(settings->TEXT_COL_WIDTH(), 100);
    EXPECT_EQ(settings->TEXT_COL_COUNT(), 1);
    EXPECT_EQ(settings->COLOR(), 0xC0C0C0u);
    EXPECT_EQ(settings->ConfirmKeywordDel(), 3);
    EXPECT_TRUE(settings->UseWinTmpFolder());
    EXPECT_EQ(settings->StyleName(), QStringLiteral("Iceberg Classico"));
    EXPECT_EQ(settings->RecentCount(), 15);
    EXPECT_EQ(settings->CascadeCount(), 4);
    EXPECT_EQ(settings->GridColWidth(), 315);
    EXPECT_EQ(settings->GridRowHeight(), 215 + settings->TEXT_HEIGHT());
    EXPECT_GT(settings->TEXT_HEIGHT(), 0);
    EXPECT_EQ(settings->FolderThumbs(), tempFolder() + QStringLiteral("KW_CACHE/T200_200/"));

    const QByteArray bytes = readFile(iniPath());
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    ASSERT_TRUE(text.endsWith(QStringLiteral("\r\n\r\n")));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    for (QString &line : lines) {
        if (line.startsWith(QStringLiteral("FONT"))) {
            line = line.section(QLatin1Char('='), 0, 0) + QStringLiteral("=<font>");
        }
    }
    const QStringList expected = {
        "[THUMBNAIL]", "GAP=5", "BMP_WIDTH=200", "BMP_HEIGHT=200", "TEXT_COL_WIDTH=100", "TEXT_COL_COUNT=1",
        "COLOR=12632256", "FONT=<font>", "",
        "[KEYWORD_LIST]", "FONT_KEYWORDS=<font>", "",
        "[OPTIONS]", "DEL_CONFIRM=3", "USE_WIN_TEMP=1", "FOLDER_ROOT_PLACE=", "PRESERVE_FILE_DATETIME=1", "",
        "[MISC]", "SHOW_KEYWORDS=1", "TRANSPARENT=1", "SHOW_THUMBNAIL_NUMBER=1", "ROTATE_IMAGE=1",
        "SHOW_SIMILAR_KEYWORDS_ON_ADD=1", "AUTO_FOCUS_NEXT_CASCADE=1", "SHOW_TOOL_BAR=1", "STYLE=Iceberg Classico",
        "LAST_KEYWORDS_FILE_FOLDER=", "RECENT_COUNT=15", "CASCADE_COUNT=4", "",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(SettingsTest, ReadValuesAreClampedOrDefaulted)
{
    struct Case
    {
        const char *line;
        std::function<int(const TSettings &)> read;
        int expected;
    };
    const Case cases[] = {
        {"[THUMBNAIL]\nGAP=1", &TSettings::GAP, 3},
        {"[THUMBNAIL]\nGAP=500", &TSettings::GAP, 100},
        {"[THUMBNAIL]\nBMP_WIDTH=abc", &TSettings::BMP_WIDTH, 200},
        {"[THUMBNAIL]\nBMP_HEIGHT=0", &TSettings::BMP_HEIGHT, 1},
        {"[THUMBNAIL]\nTEXT_COL_WIDTH=9999", &TSettings::TEXT_COL_WIDTH, 4000},
        {"[THUMBNAIL]\nTEXT_COL_COUNT=0", &TSettings::TEXT_COL_COUNT, 1},
        {"[OPTIONS]\nDEL_CONFIRM=7", &TSettings::ConfirmKeywordDel, 3},
        {"[OPTIONS]\nDEL_CONFIRM=2", &TSettings::ConfirmKeywordDel, 2},
        {"[MISC]\nRECENT_COUNT=-5", &TSettings::RecentCount, 0},
        {"[MISC]\nCASCADE_COUNT=11", &TSettings::CascadeCount, 10},
        {"[MISC]\nSHOW_TOOL_BAR=yes", &TSettings::ShowToolBar, 0},
        {"[MISC]\nSHOW_TOOL_BAR=0", &TSettings::ShowToolBar, 0},
        {"[MISC]\nSHOW_TOOL_BAR= 1 ", &TSettings::ShowToolBar, 1},
        {"[MISC]\nSTYLE=Windows", &TSettings::ShowToolBar, 1}, // absent key
        {"[misc]\nrotate_image=0", &TSettings::RotateImage, 0},
    };
    for (const Case &c : cases) {
        writeIni(QString::fromLatin1(c.line));
        const auto settings = open();
        EXPECT_EQ(c.read(*settings), c.expected) << c.line;
    }
}

TEST_F(SettingsTest, SettersClampAndWriteThrough)
{
    {
        const auto settings = open();
        settings->setGAP(1);
        settings->setTEXT_COL_COUNT(12);
        settings->setCascadeCount(1);
        settings->setConfirmKeywordDel(9); // stored unchecked, read back as 3
        settings->setStyleName(QStringLiteral("Windows"));
        settings->setShowToolBar(false);
        EXPECT_EQ(settings->GAP(), 3);
        EXPECT_EQ(settings->TEXT_COL_COUNT(), 9);
        EXPECT_EQ(settings->CascadeCount(), 2);
        EXPECT_EQ(settings->GridColWidth(), 200 + (3 + 100) * 9 + 6);
        // Already on disk while the object lives.
        const auto second = open();
        EXPECT_EQ(second->GAP(), 3);
        EXPECT_EQ(second->TEXT_COL_COUNT(), 9);
        EXPECT_EQ(second->ConfirmKeywordDel(), 3);
        EXPECT_EQ(second->StyleName(), QStringLiteral("Windows"));
        EXPECT_FALSE(second->ShowToolBar());
    }
    // No temporary files left beside the settings file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("orvane.ini")}));
}

TEST_F(SettingsTest, FontsAreStoredAndUndecodableValuesKeepTheDefault)
{
    QFont qfont(QStringLiteral("Tahoma"));
    qfont.setPixelSize(11);
    const TFont tahoma(qfont, clWindowText);
    {
        const auto settings = open();
        settings->setTEXT_FONT(tahoma);
        QFont big(QStringLiteral("Tahoma"));
        big.setPixelSize(40);
        settings->setKeywordListFont(TFont(big, clBlack));
        EXPECT_GT(settings->TEXT_HEIGHT(), 11);
        EXPECT_LT(settings->TEXT_HEIGHT(), 40);
    }
    {
        const auto settings = open();
        EXPECT_EQ(settings->TEXT_FONT(), tahoma);
        EXPECT_EQ(settings->KeywordListFont().font.pixelSize(), 40);
        EXPECT_EQ(settings->KeywordListFont().color, clBlack);
    }
    writeIni(QStringLiteral("[THUMBNAIL]\nFONT=not a font\n[KEYWORD_LIST]\nFONT_KEYWORDS=5450463100\n"));
    const auto settings = open();
    EXPECT_EQ(settings->TEXT_FONT(), TFont());
    EXPECT_EQ(settings->KeywordListFont(), TFont());
}

TEST_F(SettingsTest, MissingCacheFolderFallsBackToTheTemporaryFolder)
{
    const QString gone = dir.filePath(QStringLiteral("gone")) + QLatin1Char('/');
    writeIni(QStringLiteral("[OPTIONS]\nUSE_WIN_TEMP=0\nFOLDER_ROOT_PLACE=%1\n").arg(gone));
    {
        const auto settings = open();
        EXPECT_TRUE(settings->UseWinTmpFolder());
        EXPECT_EQ(settings->FolderThumbsRoot(), tempFolder() + QStringLiteral("KW_CACHE/"));
        settings->setGAP(7); // saving keeps the stored folder text
    }
    TIniDocument ini;
    ASSERT_EQ(ini.loadFromFile(iniPath()), TIniDocument::LoadResult::Loaded);
    EXPECT_EQ(ini.readString(QStringLiteral("OPTIONS"), QStringLiteral("FOLDER_ROOT_PLACE"), QString()), gone);

    const auto settings = open();
    const QString place = dir.filePath(QStringLiteral("cache/place"));
    settings->setFolderThumbsRootPlace(place);
    settings->setUseWinTmpFolder(false);
    EXPECT_TRUE(QFileInfo(place).isDir());
    EXPECT_EQ(settings->FolderThumbs(), place + QStringLiteral("/KW_CACHE/T200_200/"));
    EXPECT_FALSE(open()->UseWinTmpFolder());
}

TEST_F(SettingsTest, RecentFolders)
{
    writeIni(QStringLiteral("[MRU]\nMRU1=  /photos/a  \nMRU2=   \nMRU3=/photos/b\n"));
    const auto settings = open();
    EXPECT_EQ(settings->GetMRU(1), QStringLiteral("/photos/a"));
    EXPECT_EQ(settings->GetMRU(2), QString());
    EXPECT_EQ(settings->GetMRUList(), QStringList({QStringLiteral("/photos/a"), QStringLiteral("/photos/b")}));

    settings->AddToMRU(QString());
    EXPECT_EQ(settings->GetMRUList().size(), 2);
    settings->AddToMRU(QStringLiteral("/PHOTOS/B"));
    EXPECT_EQ(settings->GetMRUList(), QStringList({QStringLiteral("/PHOTOS/B"), QStringLiteral("/photos/a")}));

    for (int i = 1; i <= 8; ++i) {
        settings->AddToMRU(QStringLiteral("/f%1").arg(i));
    }
    // Ten distinct folders recorded: the oldest one is gone.
    const QStringList list = settings->GetMRUList();
    ASSERT_EQ(list.size(), 9);
    EXPECT_EQ(list.first(), QStringLiteral("/f8"));
    EXPECT_EQ(list.last(), QStringLiteral("/PHOTOS/B"));
    EXPECT_EQ(open()->GetMRUList(), list);
}

TEST_F(SettingsTest, MruSectionIsAppendedOnFirstUse)
{
    const auto settings = open();
    settings->AddToMRU(QStringLiteral("/photos"));
    const QString text = QString::fromUtf8(readFile(iniPath()));
    EXPECT_TRUE(text.endsWith(QStringLiteral("[MISC]\r\n") + text.section(QStringLiteral("[MISC]\r\n"), 1, 1)));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n[MRU]\r\nMRU1=/photos\r\n\r\n")));
}

TEST_F(SettingsTest, CellGeometryOfTheWorkedExample)
{
    const auto settings = open();
    const int th = settings->TEXT_HEIGHT();
    settings->InitCellData(QRect(0, 0, settings->GridColWidth(), settings->GridRowHeight()));
    const auto edges = [](const QRect &r) { return std::array<int, 4>{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; };
    EXPECT_EQ(edges(settings->BmpRect), (std::array<int, 4>{5, 5, 205, 205}));
    EXPECT_EQ(edges(settings->TextRect[1]), (std::array<int, 4>{210, 5, 310, 205}));
    EXPECT_EQ(edges(settings->LabelRect), (std::array<int, 4>{5, 210, 310, 210 + th}));
    EXPECT_EQ(settings->RowCount, 200 / th);
    // The right and bottom margins equal GAP.
    EXPECT_EQ(settings->GridColWidth() - (settings->TextRect[1].x() + settings->TextRect[1].width()), 5);
    EXPECT_EQ(settings->GridRowHeight() - (settings->LabelRect.y() + settings->LabelRect.height()), 5);
    for (int i = 2; i <= 9; ++i) {
        EXPECT_EQ(settings->TextRect[i], QRect(0, 0, 0, 0)) << i;
    }

    // An offset cell moves every part with it.
    settings->InitCellData(QRect(QPoint(315, 228), QSize(315, 228)));
    EXPECT_EQ(edges(settings->BmpRect), (std::array<int, 4>{320, 233, 520, 433}));
}

TEST_F(SettingsTest, CellGeometryWithTwoColumnsAndATinyThumbnail)
{
    const auto settings = open();
    settings->setTEXT_COL_COUNT(2);
    settings->setBMP_HEIGHT(1);
    ASSERT_GT(settings->TEXT_HEIGHT(), 1);
    settings->InitCellData(QRect(10, 20, settings->GridColWidth(), settings->GridRowHeight()));
    EXPECT_EQ(settings->TextRect[2], QRect(QPoint(10 + 10 + 200 + 105, 25), QSize(100, 1)));
    for (int i = 3; i <= 9; ++i) {
        EXPECT_EQ(settings->TextRect[i], QRect(0, 0, 0, 0)) << i;
    }
    EXPECT_EQ(settings->LabelRect.width(), (5 + 100) * 2 + 200);
    EXPECT_EQ(settings->RowCount, 1);
}

TEST_F(SettingsTest, BackupChangeRestore)
{
    test::RecordingPrompter prompter;
    test::ScopedPrompter scoped(&prompter);
    const auto settings = open();
    settings->setGAP(8);
    const QByteArray before = readFile(iniPath());
    const QString fontBefore = TFontWrapper(settings->TEXT_FONT()).toHex();

    ASSERT_TRUE(settings->BackupSettings());
    EXPECT_TRUE(QFile::exists(settings->IniFileNameBackup()));
    EXPECT_EQ(settings->IniFileNameBackup(), dir.filePath(QStringLiteral("orvane_tmp.ini")));
    settings->setGAP(20);
    settings->setTEXT_FONT(TFont(QFont(QStringLiteral("Courier"), 30), clBlack));
    EXPECT_EQ(open()->GAP(), 20);

    ASSERT_TRUE(settings->RestoreBackup());
    EXPECT_EQ(settings->GAP(), 8);
    EXPECT_EQ(TFontWrapper(settings->TEXT_FONT()).toHex(), fontBefore);
    EXPECT_EQ(settings->GridColWidth(), 200 + 108 + 16);
    EXPECT_EQ(readFile(iniPath()), before);
    EXPECT_FALSE(QFile::exists(settings->IniFileNameBackup()));

    // OK in the dialog: the backup goes, the change stays.
    ASSERT_TRUE(settings->BackupSettings());
    settings->setGAP(30);
    EXPECT_TRUE(settings->AbandonBackup());
    EXPECT_FALSE(QFile::exists(settings->IniFileNameBackup()));
    EXPECT_FALSE(settings->RestoreBackup());
    EXPECT_EQ(open()->GAP(), 30);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(SettingsTest, StaleBackupIsNeverRestoredAndIsOverwritten)
{
    const QString backup = dir.filePath(QStringLiteral("orvane_tmp.ini"));
    writeFile(backup, "\xEF\xBB\xBF[THUMBNAIL]\r\nGAP=50\r\n");
    const auto settings = open();
    settings->setGAP(9);
    EXPECT_FALSE(settings->RestoreBackup());
    EXPECT_EQ(settings->GAP(), 9);
    EXPECT_EQ(open()->GAP(), 9);

    ASSERT_TRUE(settings->BackupSettings());
    EXPECT_EQ(readFile(backup), readFile(iniPath()));
}

TEST_F(SettingsTest, EightBitFileIsConvertedAndRead)
{
    // "/home/jörg/Bilder/Café €" and a style name with "ß", in Windows-1252 without a byte-order mark.
    const QByteArray cp1252 = "[OPTIONS]\r\nUSE_WIN_TEMP=0\r\nFOLDER_ROOT_PLACE=/home/j\xF6rg/Bilder/Caf\xE9 \x80/\r\n"
                              "[MISC]\r\nSTYLE=Gro\xDF\r\n";
    writeFile(iniPath(), cp1252);
    const auto settings = open();
    EXPECT_EQ(settings->StyleName(), QStringLiteral("Gro\u00DF"));
    settings->setUseWinTmpFolder(false);
    TIniDocument ini;
    ASSERT_EQ(ini.loadFromFile(iniPath()), TIniDocument::LoadResult::Loaded);
    EXPECT_EQ(ini.readString(QStringLiteral("OPTIONS"), QStringLiteral("FOLDER_ROOT_PLACE"), QString()),
              QStringLiteral("/home/j\u00F6rg/Bilder/Caf\u00E9 \u20AC/"));
    EXPECT_TRUE(readFile(iniPath()).startsWith("\xEF\xBB\xBF"));
}

TEST(ConvertFileToUtf8Test, Encodings)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    const QByteArray utf8Text = "K=\xC3\xA9\xE2\x82\xAC\r\n"; // "K=é€"
    struct Case
    {
        const char *name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"utf8 with mark", "\xEF\xBB\xBF" + utf8Text},
        {"utf8 without mark", utf8Text},
        {"utf16le", QByteArray("\xFF\xFEK\0=\0\xE9\0\xAC\x20\r\0\n\0", 14)},
        {"utf16be", QByteArray("\xFE\xFF\0K\0=\0\xE9\x20\xAC\0\r\0\n", 14)},
        {"windows-1252", "K=\xE9\x80\r\n"},
    };
    for (const Case &c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        ASSERT_TRUE(ConvertFileToUtf8(path)) << c.name;
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "\xEF\xBB\xBF" + utf8Text) << c.name;
    }
    EXPECT_FALSE(ConvertFileToUtf8(dir.filePath(QStringLiteral("missing.txt"))));
}

TEST_F(SettingsTest, CorruptFileIsSetAsideNotDeleted)
{
    QByteArray zeros(300, '\0');
    writeFile(iniPath(), zeros);
    writeFile(iniPath() + QStringLiteral(".bad"), "older");
    const auto settings = open();
    EXPECT_EQ(settings->GAP(), 5);
    EXPECT_EQ(readFile(iniPath() + QStringLiteral(".bad")), "older");
    EXPECT_EQ(readFile(iniPath() + QStringLiteral(".2.bad")), zeros);
    TIniDocument ini;
    ASSERT_EQ(ini.loadFromFile(iniPath()), TIniDocument::LoadResult::Loaded);
    EXPECT_EQ(ini.readInteger(QStringLiteral("THUMBNAIL"), QStringLiteral("GAP"), 0), 5);
}

TEST_F(SettingsTest, ProcessWideObjectLivesInTheDataFolder)
{
    SetDataFolder(dir.path() + QLatin1Char('/'));
    FreeSettings();
    const QString expected = dir.filePath(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                                          + QStringLiteral(".ini"));
    Settings().setGAP(44);
    EXPECT_EQ(Settings().IniFileName(), expected);
    EXPECT_TRUE(QFile::exists(expected));
    FreeSettings();
    writeFile(expected, "\xEF\xBB\xBF[THUMBNAIL]\r\nGAP=12\r\n");
    EXPECT_EQ(Settings().GAP(), 12);
    FreeSettings();
}

} // namespace
} // namespace orvane
