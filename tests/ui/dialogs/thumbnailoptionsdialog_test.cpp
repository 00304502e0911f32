// The options dialog on a settings file in a temporary folder: backup and restore however the
// dialog ends, the clamped spin edits, the defaults, the preview's sample and the folder entry.
#include "ui/dialogs/thumbnailoptionsdialog.h"

#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "core/thumbs/thumbsize.h"
#include "support/recorders.h"
#include "support/testfolders.h"
#include "support/testjpeg.h"
#include "ui/dialogs/folderactionentry.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace orvane {
namespace {

QByteArray readFile(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class OptionsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        Settings().setCOLOR(0x123456);
        fIni = Settings().IniFileName();
        fBackup = Settings().IniFileNameBackup();
        fBefore = readFile(fIni);
        ASSERT_FALSE(fBefore.isEmpty());
    }

    // Changes colour, font and size the way the dialog's controls store them.
    void changeSeveral(TfmThumbnailOptions &dialog)
    {
        Settings().setCOLOR(0x00FF00);
        TFont font = Settings().TEXT_FONT();
        font.font.setPointSize(font.font.pointSize() + 5);
        Settings().setTEXT_FONT(font);
        dialog.cbThumbSize->setCurrentIndex(1);
        Q_EMIT dialog.cbThumbSize->activated(1);
        dialog.seGap->setValue(40);
        EXPECT_EQ(Settings().BMP_WIDTH(), 100);
        EXPECT_EQ(Settings().GAP(), 40);
        EXPECT_NE(readFile(fIni), fBefore);
    }

    void expectRestored()
    {
        EXPECT_EQ(readFile(fIni), fBefore);
        EXPECT_FALSE(QFile::exists(fBackup));
        EXPECT_EQ(Settings().COLOR(), 0x123456u);
        EXPECT_EQ(Settings().BMP_WIDTH(), 200);
        EXPECT_EQ(Settings().GAP(), 5);
    }

    test::TestFolders fDir;
    QString fIni;
    QString fBackup;
    QByteArray fBefore;
    test::RecordingPrompter fPrompter;
    test::ScopedPrompter fScopedPrompter{&fPrompter};
};

TEST_F(OptionsDialogTest, EveryWayOutButOkRestoresTheSettingsFile)
{
    enum Way { CancelButton, EscKey, WindowManagerClose, NeverClosed };
    for (Way way : {CancelButton, EscKey, WindowManagerClose, NeverClosed}) {
        {
            TfmThumbnailOptions dialog;
            dialog.show();
            EXPECT_TRUE(QFile::exists(fBackup)) << way;
            changeSeveral(dialog);
            switch (way) {
            case CancelButton:
                dialog.btCancel->click();
                break;
            case EscKey:
                QTest::keyClick(&dialog, Qt::Key_Escape);
                break;
            case WindowManagerClose:
                dialog.close();
                break;
            case NeverClosed:
                // The program quitting while the dialog is open: it is destroyed without closing.
                break;
            }
            if (way != NeverClosed) {
                EXPECT_FALSE(dialog.isVisible()) << way;
                EXPECT_EQ(dialog.result(), QDialog::Rejected) << way;
                expectRestored();
            }
        }
        expectRestored();
    }
    EXPECT_TRUE(fPrompter.messages.isEmpty()) << fPrompter.messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(OptionsDialogTest, OkKeepsTheChangesAndReportsASizeChange)
{
    {
        TfmThumbnailOptions dialog;
        dialog.show();
        changeSeveral(dialog);
        dialog.btOK->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(dialog.IsThumsSizeChanged);
    }
    EXPECT_FALSE(QFile::exists(fBackup));
    EXPECT_EQ(Settings().BMP_WIDTH(), 100);
    EXPECT_EQ(Settings().COLOR(), 0x00FF00u);
    // The size folder of the new size exists for the reload.
    EXPECT_TRUE(QFileInfo(Settings().FolderThumbs()).isDir());

    TfmThumbnailOptions dialog;
    dialog.show();
    for (int index : {0, 1}) {
        dialog.cbThumbSize->setCurrentIndex(index);
        Q_EMIT dialog.cbThumbSize->activated(index);
    }
    dialog.btOK->click();
    EXPECT_FALSE(dialog.IsThumsSizeChanged);
}

TEST_F(OptionsDialogTest, ABackupLeftByACrashIsNeverTakenForTheSettings)
{
    writeFile(fBackup, QByteArray("\xEF\xBB\xBF[OPTIONS]\r\nGAP=77\r\n"));
    {
        TfmThumbnailOptions dialog;
        dialog.show();
        Settings().setGAP(20);
        dialog.btCancel->click();
    }
    EXPECT_EQ(Settings().GAP(), 5);
    expectRestored();

    // A backup that cannot be made leaves nothing to restore: Cancel then takes nothing from disk.
    ASSERT_TRUE(QDir().mkpath(fBackup));
    {
        TfmThumbnailOptions dialog;
        EXPECT_EQ(fPrompter.messages, QStringList{QStringLiteral("Can't write file: ") + fBackup});
        Settings().setGAP(20);
        dialog.reject();
    }
    EXPECT_EQ(Settings().GAP(), 20);
    EXPECT_TRUE(QFileInfo(fBackup).isDir());
}

TEST_F(OptionsDialogTest, SpinEditsWriteTheClampedValueBack)
{
    TfmThumbnailOptions dialog;
    dialog.show();
    dialog.activateWindow();
    const struct
    {
        QSpinBox *spin;
        const char *typed;
        int expected;
        int (TSettings::*read)() const;
    } cases[] = {
        {dialog.seGap, "2", 3, &TSettings::GAP},
        {dialog.seTEXT_COL_WIDTH, "5000", 4000, &TSettings::TEXT_COL_WIDTH},
        {dialog.seRecent, "2000", 1000, &TSettings::RecentCount},
    };
    for (const auto &c : cases) {
        c.spin->setFocus();
        c.spin->selectAll();
        QTest::keyClicks(c.spin, QLatin1String(c.typed));
        EXPECT_EQ((Settings().*c.read)(), c.expected) << c.typed;
        // Stored while typing; shown clamped after Enter, which does not close the dialog.
        QTest::keyClick(c.spin, Qt::Key_Return);
        EXPECT_EQ(c.spin->value(), c.expected) << c.typed;
        EXPECT_TRUE(dialog.isVisible());
    }
    // Leaving the field writes back too.
    dialog.seGap->setFocus();
    dialog.seGap->selectAll();
    QTest::keyClicks(dialog.seGap, QStringLiteral("1"));
    Q_EMIT dialog.seGap->editingFinished();
    EXPECT_EQ(dialog.seGap->value(), 3);
}

TEST_F(OptionsDialogTest, ControlsShowTheSettings)
{
    Settings().setBMP_WIDTH(120);
    Settings().setTEXT_COL_COUNT(3);
    Settings().setConfirmKeywordDel(1);
    Settings().setUseWinTmpFolder(true);
    TfmThumbnailOptions dialog;
    EXPECT_EQ(dialog.cbThumbSize->count(), 16);
    EXPECT_EQ(dialog.cbThumbSize->itemText(0), QStringLiteral("50 x 50"));
    EXPECT_EQ(dialog.cbThumbSize->itemText(15), QStringLiteral("800 x 800"));
    EXPECT_EQ(dialog.cbThumbSize->currentIndex(), -1); // 120 x 200 is not offered
    EXPECT_EQ(dialog.cbColumnCount->currentText(), QStringLiteral("3"));
    EXPECT_TRUE(dialog.rbAlways->isChecked());
    EXPECT_TRUE(dialog.rbWindowsTemp->isChecked());
    EXPECT_EQ(dialog.edCustomFolder->text(), Settings().FolderTemp());
    EXPECT_EQ(dialog.edCustomFolder->text(), fDir.filePath(QStringLiteral("tmp")) + QLatin1Char('/'));
    EXPECT_TRUE(dialog.lbCacheFolderSize->text().startsWith(QStringLiteral("Cache Folder Size: ")));
    EXPECT_TRUE(dialog.lbCacheFolderSize->text().endsWith(QStringLiteral(" bytes")));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Options"));
}

TEST_F(OptionsDialogTest, RestoreDefaultsSetsExactlyTheListedSettings)
{
    TSettings &settings = Settings();
    settings.setGAP(30);
    settings.setBMP_WIDTH(400);
    settings.setBMP_HEIGHT(400);
    settings.setTEXT_COL_WIDTH(300);
    settings.setTEXT_COL_COUNT(4);
    settings.setConfirmKeywordDel(1);
    settings.setPreserveFileDateTime(false);
    settings.setRecentCount(40);
    settings.setShowThumbnailNumber(false);
    settings.setRotateImage(false);
    settings.setShowToolBar(false);
    settings.setStyleName(QStringLiteral("Carbon"));
    settings.setShowSimilarKeywordsOnAdd(false);
    settings.setCascadeCount(7);
    const QString cachePlace = fDir.filePath(QStringLiteral("cache")) + QLatin1Char('/');
    settings.setFolderThumbsRootPlace(cachePlace);
    settings.setUseWinTmpFolder(false);

    QFont mainFont(QStringLiteral("DejaVu Sans"), 11);
    TfmThumbnailOptions dialog(nullptr, mainFont);
    dialog.btDefaultSettings->click();
    EXPECT_EQ(settings.GAP(), 5);
    EXPECT_EQ(settings.BMP_WIDTH(), 200);
    EXPECT_EQ(settings.BMP_HEIGHT(), 200);
    EXPECT_EQ(settings.TEXT_COL_WIDTH(), 100);
    EXPECT_EQ(settings.TEXT_COL_COUNT(), 1);
    EXPECT_EQ(settings.TEXT_FONT().font.pointSize(), 11);
    EXPECT_EQ(settings.COLOR(), 12632256u);
    EXPECT_EQ(settings.ConfirmKeywordDel(), 3);
    EXPECT_TRUE(settings.PreserveFileDateTime());
    EXPECT_EQ(settings.RecentCount(), 15);
    EXPECT_TRUE(settings.ShowThumbnailNumber());
    EXPECT_TRUE(settings.RotateImage());
    EXPECT_TRUE(settings.ShowToolBar());
    // Not touched:
    EXPECT_EQ(settings.StyleName(), QStringLiteral("Carbon"));
    EXPECT_FALSE(settings.ShowSimilarKeywordsOnAdd());
    EXPECT_EQ(settings.CascadeCount(), 7);
    EXPECT_FALSE(settings.UseWinTmpFolder());
    EXPECT_EQ(settings.FolderThumbsRootPlace(), cachePlace);
    // The controls follow.
    EXPECT_EQ(dialog.cbThumbSize->currentText(), QStringLiteral("200 x 200"));
    EXPECT_EQ(dialog.seGap->value(), 5);
    EXPECT_TRUE(dialog.rbMany->isChecked());
    EXPECT_TRUE(dialog.cbShowToolBar->isChecked());
}

TEST_F(OptionsDialogTest, PreviewUsesTheSampleAndDrawsWithoutOne)
{
    const QString sample = fDir.filePath(QStringLiteral("Sample.jpg"));
    ASSERT_TRUE(test::WriteTestJpeg(sample, 400, 300));
    TfmThumbnailOptions dialog;
    dialog.setSampleFile(sample);
    const QImage thumbnail = dialog.SampleThumbnail();
    EXPECT_EQ(thumbnail.size(), QSize(200, 150));
    // The temporary bitmap is gone again.
    EXPECT_TRUE(QDir(Settings().FolderTemp()).entryList({QStringLiteral("*.bmp")}, QDir::Files).isEmpty());

    dialog.setSampleFile(fDir.filePath(QStringLiteral("missing.jpg")));
    EXPECT_TRUE(dialog.SampleThumbnail().isNull());
    dialog.show();
    dialog.RefreshPreview();
    const QImage cell = dialog.DrawGrid->grab().toImage();
    EXPECT_EQ(cell.size(), QSize(Settings().GridColWidth(), Settings().GridRowHeight()));
    EXPECT_TRUE(fPrompter.messages.isEmpty());
}

TEST_F(OptionsDialogTest, ContextMenuBoxWritesAndRemovesTheFolderEntry)
{
    TfmThumbnailOptions dialog;
    EXPECT_FALSE(dialog.cbContextMenu->isChecked());
    dialog.cbContextMenu->click();
    const QString entry = fDir.filePath(QStringLiteral("share/applications/orvane-open-folder.desktop"));
    EXPECT_EQ(ExplorerEntryFileName(), entry);
    const QString text = QString::fromUtf8(readFile(entry));
    EXPECT_TRUE(text.contains(QStringLiteral("\nName=Open with Orvane\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\nMimeType=inode/directory;\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=\"") + QCoreApplication::applicationFilePath() +
                              QStringLiteral("\" %f\n")));
    {
        TfmThumbnailOptions again;
        EXPECT_TRUE(again.cbContextMenu->isChecked());
    }
    dialog.cbContextMenu->click();
    EXPECT_FALSE(QFile::exists(entry));
}

TEST(FolderActionEntry, ExecArgumentIsQuotedAndEscaped)
{
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/opt/orvane/orvane")), QStringLiteral("\"/opt/orvane/orvane\""));
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/my apps/100%/a\"b$c`d\\e")),
              QStringLiteral("\"/my apps/100%%/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e\""));
}

} // namespace
} // namespace orvane
