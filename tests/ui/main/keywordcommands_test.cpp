// The keyword commands of the main window on real photos, written and read back through the real
// ExifTool: paste, repeat, replace, delete, copy, the keyword list commands and files, the picker.
#include "ui/main/keywordcommands.h"

#include "core/exiftool/exiftoolcommand.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "support/recorders.h"
#include "support/testfolders.h"
#include "support/testjpeg.h"
#include "ui/dialogs/deletekeyworddialog.h"
#include "ui/dialogs/replacekeyworddialog.h"
#include "ui/dialogs/selectfromfiledialog.h"
#include "ui/main/commands.h"
#include "ui/main/keywordlistbox.h"
#include "ui/main/keywordpanel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/thumbgrid.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace orvane
{
namespace
{

using test::ReadKeywordsWithExifTool;
using test::RunExifTool;
using test::WriteTestJpeg;

class KeywordCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
    }

    void TearDown() override { fWindow.reset(); }

    // A folder of small photos p1.jpg ... with the given keywords each, opened in a new window.
    QString openFolder(const QString &name, const QList<QStringList> &keywords)
    {
        const QString folder = fDir.filePath(name);
        EXPECT_TRUE(QDir().mkpath(folder));
        for (int i = 0; i < keywords.size(); ++i) {
            const QString path = folder + QStringLiteral("/p%1.jpg").arg(i + 1);
            EXPECT_TRUE(WriteTestJpeg(path, 64, 48));
            if (!keywords.at(i).isEmpty()) {
                QStringList arguments { QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                    QStringLiteral("-codedcharacterset=utf8") };
                for (const QString &keyword : keywords.at(i)) {
                    arguments.append(QStringLiteral("-IPTC:Keywords+=") + keyword);
                }
                arguments.append(path);
                RunExifTool(arguments);
            }
        }
        fWindow = std::make_unique<TfmMain>();
        fWindow->OpenFolder(folder, false);
        return folder;
    }

    void select(std::initializer_list<int> indexes)
    {
        fWindow->fileSet().ClearSelection();
        for (int index : indexes) {
            fWindow->fileSet().FilesFiltered(index)->Selected = true;
        }
    }

    QStringList photoKeywords(int index) const
    {
        return fWindow->fileSet().FilesFiltered(index)->KeywordList.Strings();
    }

    TMainCommands &commands() { return fWindow->commands(); }
    TKeywordCommands &keywordCommands() { return fWindow->keywordCommands(); }
    TKeywordListBox *keywordList() { return fWindow->keywordPanel()->ListBoxKeywords; }

    // Gives the keyboard focus to a widget of the shown, active window.
    void focus(QWidget *widget)
    {
        if (!fWindow->isVisible()) {
            fWindow->show();
            fWindow->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(fWindow.get()));
        }
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus());
    }

    test::TestFolders fDir;
    test::RecordingPrompter fPrompter;
    test::ScopedPrompter fScopedPrompter { &fPrompter };
    test::RecordingProgressSink fProgress;
    test::ScopedProgressSink fScopedProgress { &fProgress };
    std::unique_ptr<TfmMain> fWindow;
};

TEST_F(KeywordCommandsTest, EveryKeywordCommandIsEnabled)
{
    openFolder(QStringLiteral("Enabled"), { {} });
    TMainCommands &c = commands();
    for (QAction *action : { c.aDeleteKeyWord, c.aDeleteAllKeyWords, c.aReplaceKeyword, c.aCopyKeywords,
             c.aPasteKeywords, c.aRepeatLastAdd, c.aSelectKeywordsFromFile, c.aAddNewKeyword, c.aRemoveKeywordFromList,
             c.aRefreshKeywordsFromImages, c.aSaveKeywordsToFile, c.aLoadKeywordsFromFile, c.aAppendKeywordsFromFile,
             c.aAppendKeywordsFromJpgFolder }) {
        EXPECT_TRUE(c.isBuilt(action)) << action->objectName().toStdString();
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    }
}

TEST_F(KeywordCommandsTest, PasteAndRepeatWriteThroughExifTool)
{
    const QString folder = openFolder(QStringLiteral("Paste"), { { "Old" }, {}, {} });
    select({ 0, 1 });
    QGuiApplication::clipboard()->setText(QStringLiteral("Zürich\r\nbeach\rBEACH\nlast"));
    commands().aPasteKeywords->trigger();
    WaitForExifToolIdle();
    EXPECT_EQ(ReadKeywordsWithExifTool(folder + QStringLiteral("/p1.jpg")),
        (QStringList { "beach", "last", "Old", "Zürich" }));
    EXPECT_EQ(
        ReadKeywordsWithExifTool(folder + QStringLiteral("/p2.jpg")), (QStringList { "beach", "last", "Zürich" }));
    EXPECT_EQ(fWindow->LastDragDropKeywordList.Strings(), (QStringList { "beach", "last", "Zürich" }));
    EXPECT_EQ(fWindow->CopyPasteKeywordList, fWindow->LastDragDropKeywordList);
    // Pasting onto photos leaves the folder keyword list alone.
    EXPECT_EQ(fWindow->GlobalKeywordList.Strings(), QStringList { "Old" });

    select({ 2 });
    commands().aRepeatLastAdd->trigger();
    WaitForExifToolIdle();
    EXPECT_EQ(
        ReadKeywordsWithExifTool(folder + QStringLiteral("/p3.jpg")), (QStringList { "beach", "last", "Zürich" }));

    // An empty clipboard changes no photo but empties what F4 repeats.
    QGuiApplication::clipboard()->clear();
    commands().aPasteKeywords->trigger();
    EXPECT_TRUE(fWindow->LastDragDropKeywordList.IsEmpty());
    EXPECT_TRUE(fPrompter.messages.isEmpty()) << fPrompter.messages.join('|').toStdString();
}

TEST_F(KeywordCommandsTest, TooLongKeywordsAreRefusedBeforeAnyPhotoChanges)
{
    const QString folder = openFolder(QStringLiteral("Long"), { { "Old" } });
    select({ 0 });
    const QString tooLong(65, QLatin1Char('x'));
    QGuiApplication::clipboard()->setText(QStringLiteral("fine\r\n") + tooLong + QStringLiteral("\r\n"));
    commands().aPasteKeywords->trigger();
    WaitForExifToolIdle();
    ASSERT_EQ(fPrompter.messages.size(), 1);
    EXPECT_EQ(fPrompter.messages.at(0), QStringLiteral("Keywords longer than 64 bytes cannot be stored:\n") + tooLong);
    EXPECT_EQ(ReadKeywordsWithExifTool(folder + QStringLiteral("/p1.jpg")), QStringList { "Old" });
    EXPECT_EQ(photoKeywords(0), QStringList { "Old" });

    // Into the keyword list: the storable ones arrive, the others are refused with the same message.
    focus(keywordList());
    commands().aPasteKeywords->trigger();
    ASSERT_EQ(fPrompter.messages.size(), 2);
    EXPECT_EQ(fPrompter.messages.at(1), fPrompter.messages.at(0));
    EXPECT_EQ(fWindow->GlobalKeywordList.Strings(), (QStringList { "fine", "Old" }));
}

TEST_F(KeywordCommandsTest, CopyPutsKeywordsOnTheClipboardByFocus)
{
    openFolder(QStringLiteral("Copy"), { { "b", "A" }, { "c" } });
    select({ 0 });
    focus(fWindow->keywordPanel()->edFilter);
    commands().aCopyKeywords->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("A\r\nb\r\n"));

    focus(keywordList());
    commands().aCopyKeywords->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
    keywordList()->item(2)->setSelected(true);
    keywordList()->item(0)->setSelected(true);
    commands().aCopyKeywords->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("A\r\nc\r\n"));

    // Ctrl+V with the keyword list focused merges into the folder list; no photo changes.
    QGuiApplication::clipboard()->setText(QStringLiteral("new\nC\n"));
    QTest::keyClick(keywordList(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(fWindow->GlobalKeywordList.Strings(), (QStringList { "A", "b", "c", "new" }));
    EXPECT_EQ(fWindow->statusPanel(0)->text(), QStringLiteral("Keywords: 4"));
    EXPECT_EQ(photoKeywords(0), (QStringList { "A", "b" }));
}

TEST_F(KeywordCommandsTest, ReplaceChangingOnlyTheCaseTakesTheNewSpellingEverywhere)
{
    const QString folder = openFolder(QStringLiteral("Replace"), { { "beach", "dog" }, { "beach" } });
    select({ 0, 1 });
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TfmReplaceKeyword *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Replace keyword in 2 files"));
        dialog->cbExistingKeywordList->setCurrentIndex(0);
        QTest::keyClicks(dialog->edNewKeyword, QStringLiteral("Beach"));
        QTest::keyClick(dialog->edNewKeyword, Qt::Key_Return);
    });
    commands().aReplaceKeyword->trigger();
    WaitForExifToolIdle();
    EXPECT_EQ(ReadKeywordsWithExifTool(folder + QStringLiteral("/p1.jpg")), (QStringList { "Beach", "dog" }));
    EXPECT_EQ(ReadKeywordsWithExifTool(folder + QStringLiteral("/p2.jpg")), QStringList { "Beach" });
    EXPECT_EQ(fWindow->GlobalKeywordList.Strings(), (QStringList { "Beach", "dog" }));
    EXPECT_EQ(keywordList()->itemTexts(), (QStringList { "Beach", "dog" }));
}

TEST_F(KeywordCommandsTest, DeleteOneKeywordByDoubleClickAndAllKeywords)
{
    const QString folder = openFolder(QStringLiteral("Delete"), { { "a", "b", "c" }, { "b", "d" } });
    select({ 0 });
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TfmDeleteKeyword *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Delete keywords from p1.jpg"));
        QListWidget *list = dialog->CheckListBox;
        const QPoint point = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
    });
    commands().aDeleteKeyWord->trigger();
    WaitForExifToolIdle();
    EXPECT_EQ(ReadKeywordsWithExifTool(folder + QStringLiteral("/p1.jpg")), (QStringList { "a", "c" }));
    EXPECT_EQ(ReadKeywordsWithExifTool(folder + QStringLiteral("/p2.jpg")), (QStringList { "b", "d" }));

    select({ 0, 1 });
    fPrompter.answers = { true };
    commands().aDeleteAllKeyWords->trigger();
    WaitForExifToolIdle();
    EXPECT_EQ(fPrompter.questions, QStringList { "Delete keywords from 2 files?" });
    EXPECT_TRUE(ReadKeywordsWithExifTool(folder + QStringLiteral("/p1.jpg")).isEmpty());
    EXPECT_TRUE(ReadKeywordsWithExifTool(folder + QStringLiteral("/p2.jpg")).isEmpty());
    // The folder keyword list keeps them until it is refreshed from the photos.
    EXPECT_EQ(fWindow->GlobalKeywordList.Count(), 4);
    commands().aRefreshKeywordsFromImages->trigger();
    EXPECT_TRUE(fWindow->GlobalKeywordList.IsEmpty());

    // Without keywords on the selected photos the dialogs do not open at all.
    commands().aDeleteKeyWord->trigger();
    commands().aReplaceKeyword->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(KeywordCommandsTest, KeywordListCommandsFilesAndFolders)
{
    const QString folder = openFolder(QStringLiteral("Lists"), { { "Cat", "dog" } });
    fWindow->keywordPanel()->edFilter->setText(QStringLiteral("o"));
    ASSERT_EQ(keywordList()->itemTexts(), QStringList { "dog" });

    // Saved byte for byte, whatever the filter shows; the folder is remembered.
    const QString saved = fDir.filePath(QStringLiteral("saved.txt"));
    ASSERT_TRUE(keywordCommands().saveKeywordsTo(saved));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
        QByteArray("\xEF\xBB\xBF"
                   "Cat\r\ndog\r\n"));
    EXPECT_EQ(Settings().LastKeywordsFileFolder(), fDir.path() + QLatin1Char('/'));

    // Remove from the list: gone from the folder list too, so a new filter does not bring it back.
    keywordList()->item(0)->setSelected(true);
    commands().aRemoveKeywordFromList->trigger();
    fWindow->keywordPanel()->edFilter->clear();
    EXPECT_EQ(keywordList()->itemTexts(), QStringList { "Cat" });
    EXPECT_EQ(fWindow->statusPanel(0)->text(), QStringLiteral("Keywords: 1"));

    // Load replaces, append merges (cat and Cat are one keyword).
    const QString other = fDir.filePath(QStringLiteral("other.txt"));
    QFile otherFile(other);
    ASSERT_TRUE(otherFile.open(QIODevice::WriteOnly));
    otherFile.write(QByteArray("\xFF\xFE"
                               "c\0a\0t\0\n\0o\0w\0l\0",
        16));
    otherFile.close();
    ASSERT_TRUE(keywordCommands().loadKeywordsFrom(saved, false));
    EXPECT_EQ(fWindow->GlobalKeywordList.Strings(), (QStringList { "Cat", "dog" }));
    ASSERT_TRUE(keywordCommands().loadKeywordsFrom(other, true));
    EXPECT_EQ(fWindow->GlobalKeywordList.Strings(), (QStringList { "Cat", "dog", "owl" }));
    EXPECT_EQ(keywordList()->itemTexts(), (QStringList { "Cat", "dog", "owl" }));

    // A photo chosen by mistake: a message, and the list stays as it was.
    EXPECT_FALSE(keywordCommands().loadKeywordsFrom(folder + QStringLiteral("/p1.jpg"), false));
    ASSERT_EQ(fPrompter.messages.size(), 1);
    EXPECT_TRUE(fPrompter.messages.at(0).contains(QStringLiteral("p1.jpg")));
    EXPECT_EQ(fWindow->GlobalKeywordList.Strings(), (QStringList { "Cat", "dog", "owl" }));

    // Keywords of another folder's photos, read through ExifTool.
    const QString elsewhere = fDir.filePath(QStringLiteral("Elsewhere/sub"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    ASSERT_TRUE(WriteTestJpeg(elsewhere + QStringLiteral("/x.JPG"), 32, 32));
    RunExifTool({ QStringLiteral("-q"), QStringLiteral("-overwrite_original"), QStringLiteral("-IPTC:Keywords+=Elk"),
        elsewhere + QStringLiteral("/x.JPG") });
    keywordCommands().appendKeywordsFromFolder(fDir.filePath(QStringLiteral("Elsewhere")));
    EXPECT_EQ(fWindow->GlobalKeywordList.Strings(), (QStringList { "Cat", "dog", "Elk", "owl" }));
    EXPECT_EQ(fWindow->currentFolderName(), folder);
}

TEST_F(KeywordCommandsTest, AddNewKeywordIsShownAndSelectedDespiteTheFilter)
{
    openFolder(QStringLiteral("Add"), { { "apple", "pear" } });
    fWindow->keywordPanel()->edFilter->setText(QStringLiteral("p"));
    QTimer::singleShot(0, [] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto *edit = dialog->findChild<QLineEdit *>();
        QTest::keyClicks(edit, QStringLiteral("  Kiwi "));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    commands().aAddNewKeyword->trigger();
    EXPECT_EQ(fWindow->GlobalKeywordList.Strings(), (QStringList { "apple", "Kiwi", "pear" }));
    EXPECT_EQ(keywordList()->itemTexts(), (QStringList { "apple", "Kiwi", "pear" }));
    EXPECT_EQ(keywordList()->selectedTexts(), QStringList { "Kiwi" });
    EXPECT_EQ(fWindow->statusPanel(0)->text(), QStringLiteral("Keywords: 3"));
}

TEST_F(KeywordCommandsTest, F2OpensThePickerOverThePhotoAndClosesIt)
{
    openFolder(QStringLiteral("Picker"), { { "b", "a" }, {}, { "c" } });
    fWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fWindow.get()));
    fWindow->UpdateGridSize();
    auto pickerVisible = [this] { return keywordCommands().isPickerVisible(); };

    select({});
    commands().aSelectKeywordsFromFile->trigger();
    EXPECT_FALSE(pickerVisible());
    select({ 0, 2 });
    commands().aSelectKeywordsFromFile->trigger();
    EXPECT_FALSE(pickerVisible());
    select({ 1 }); // no keywords
    commands().aSelectKeywordsFromFile->trigger();
    EXPECT_FALSE(pickerVisible());

    select({ 2 });
    commands().aSelectKeywordsFromFile->trigger();
    ASSERT_TRUE(pickerVisible());
    TfmSelectFromFile *picker = keywordCommands().keywordPicker();
    EXPECT_EQ(picker->ListBoxKeywords->itemTexts(), QStringList { "c" });
    TThumbGrid *grid = fWindow->grid();
    const int columns = grid->colCount();
    const QRect cell = grid->cellRect(2 % columns, 2 / columns);
    EXPECT_EQ(picker->geometry(), QRect(grid->viewport()->mapToGlobal(cell.topLeft()), cell.size()));
    EXPECT_EQ(picker->ListBoxKeywords->font(), keywordList()->font());

    // Copy and Select All work on the picker's list while it is up.
    commands().aCopyKeywords->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("c\r\n"));
    commands().aSelectAll->trigger();
    EXPECT_EQ(picker->ListBoxKeywords->selectedTexts(), QStringList { "c" });

    commands().aSelectKeywordsFromFile->trigger();
    EXPECT_FALSE(pickerVisible());
    select({ 0 });
    commands().aSelectKeywordsFromFile->trigger();
    EXPECT_EQ(keywordCommands().keywordPicker(), picker); // created once, kept
    EXPECT_EQ(picker->ListBoxKeywords->itemTexts(), (QStringList { "a", "b" }));
}

} // namespace
} // namespace orvane
