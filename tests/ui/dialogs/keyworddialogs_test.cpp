// The keyword dialogs: results, captions and keys of the add, delete and replace dialogs, and the
// keyword picker's placement, columns and closing.
#include "ui/dialogs/addkeyworddialog.h"
#include "ui/dialogs/deletekeyworddialog.h"
#include "ui/dialogs/replacekeyworddialog.h"
#include "ui/dialogs/selectfromfiledialog.h"

#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "support/testfolders.h"
#include "ui/main/keywordlistbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace orvane
{
namespace
{

// Runs steps on the modal dialog once it is up; the dialog must be closed by the steps.
void OnModalDialog(std::function<void(QDialog *)> steps)
{
    QTimer::singleShot(0, [steps] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        // Steps that fail to close the dialog fail the test instead of hanging it.
        QTimer::singleShot(5000, dialog, [dialog] {
            ADD_FAILURE() << "the dialog was not closed";
            dialog->reject();
        });
        steps(dialog);
    });
}

class KeywordDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
    }

    test::TestFolders fDir;
};

const TKwStringList kKnown(QStringList { QStringLiteral("Seaside"), QStringLiteral("sea"), QStringLiteral("Sky") });

// Add keyword dialog.

TEST_F(KeywordDialogTest, AddReturnsTheKeywordWithoutSurroundingWhiteSpace)
{
    struct Case {
        QString typed;
        bool accepted;
        bool expected;
        QString keyword;
    };
    const QList<Case> cases = {
        { QStringLiteral(" Sky\t"), true, true, QStringLiteral("Sky") },
        { QStringLiteral("   "), true, false, QString() },
        { QStringLiteral("in side"), true, true, QStringLiteral("in side") },
        { QStringLiteral("Sky"), false, false, QString() },
    };
    for (const Case &c : cases) {
        OnModalDialog([c](QDialog *dialog) {
            auto *add = static_cast<TfmAddKeyword *>(dialog);
            EXPECT_EQ(add->windowTitle(), QStringLiteral("Add new keyword to the list"));
            QTest::keyClicks(add->edKeyword, c.typed);
            QTest::keyClick(add->edKeyword, c.accepted ? Qt::Key_Return : Qt::Key_Escape);
        });
        QString keyword = QStringLiteral("stale");
        EXPECT_EQ(ShowAddKeywordDialog(keyword, kKnown), c.expected) << c.typed.toStdString();
        EXPECT_EQ(keyword, c.keyword) << c.typed.toStdString();
    }
}

TEST_F(KeywordDialogTest, AddListsSimilarKeywordsIgnoringCaseInListOrder)
{
    TfmAddKeyword dialog(kKnown);
    dialog.show();
    ASSERT_TRUE(dialog.cbShowSimilar->isChecked()); // the setting's default
    auto items = [&dialog] {
        QStringList texts;
        for (int i = 0; i < dialog.lbSimilarKeywords->count(); ++i) {
            texts.append(dialog.lbSimilarKeywords->item(i)->text());
        }
        return texts;
    };
    dialog.edKeyword->setText(QStringLiteral("sea"));
    EXPECT_EQ(items(), (QStringList { "sea", "Seaside" }));
    dialog.edKeyword->setText(QStringLiteral("SEA"));
    EXPECT_EQ(items(), (QStringList { "sea", "Seaside" }));
    dialog.edKeyword->setText(QStringLiteral("sea "));
    EXPECT_TRUE(items().isEmpty());
    dialog.edKeyword->clear();
    EXPECT_TRUE(items().isEmpty());

    // Clicking an entry takes it into the edit, which lists what contains it.
    dialog.edKeyword->setText(QStringLiteral("s"));
    ASSERT_EQ(items(), (QStringList { "sea", "Seaside", "Sky" }));
    const QRect rect = dialog.lbSimilarKeywords->visualItemRect(dialog.lbSimilarKeywords->item(0));
    QTest::mouseClick(dialog.lbSimilarKeywords->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(dialog.edKeyword->text(), QStringLiteral("sea"));
    EXPECT_EQ(dialog.edKeyword->cursorPosition(), 3);
    EXPECT_EQ(items(), (QStringList { "sea", "Seaside" }));
}

TEST_F(KeywordDialogTest, AddCheckBoxComesFromTheSettingAndIsNeverWrittenBack)
{
    Settings().setShowSimilarKeywordsOnAdd(false);
    TfmAddKeyword dialog(kKnown);
    dialog.show();
    EXPECT_FALSE(dialog.cbShowSimilar->isChecked());
    EXPECT_FALSE(dialog.PanelBottom->isVisible());
    EXPECT_EQ(dialog.height(), 88);
    // Typing while unticked leaves the list alone; ticking shows it empty until the text changes.
    dialog.edKeyword->setText(QStringLiteral("sea"));
    QTest::mouseClick(dialog.cbShowSimilar, Qt::LeftButton);
    EXPECT_TRUE(dialog.PanelBottom->isVisible());
    EXPECT_EQ(dialog.height(), 88 + 204);
    EXPECT_EQ(dialog.lbSimilarKeywords->count(), 0);
    EXPECT_EQ(dialog.focusWidget(), dialog.edKeyword);
    dialog.edKeyword->setText(QStringLiteral("sky"));
    EXPECT_EQ(dialog.lbSimilarKeywords->count(), 1);
    EXPECT_FALSE(Settings().ShowSimilarKeywordsOnAdd());
}

TEST_F(KeywordDialogTest, AddEnterAndEscapeBelongToTheEditOnly)
{
    TfmAddKeyword dialog(kKnown);
    dialog.show();
    dialog.edKeyword->setText(QStringLiteral("new"));
    for (QWidget *other : { static_cast<QWidget *>(dialog.cbShowSimilar), static_cast<QWidget *>(dialog.btOK) }) {
        QTest::keyClick(other, Qt::Key_Return);
        QTest::keyClick(other, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
    }
    QTest::keyClick(dialog.edKeyword, Qt::Key_Enter);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.NewKeyword, QStringLiteral("new"));
}

// Delete keyword dialog.

const TKwStringList kPhotoKeywords(
    QStringList { QStringLiteral("beach"), QStringLiteral("dog"), QStringLiteral("sunset") });

TEST_F(KeywordDialogTest, DeleteCaptionNamesThePhotoOrCountsThem)
{
    EXPECT_EQ(TfmDeleteKeyword(kPhotoKeywords, 1, QStringLiteral("sunset.jpg")).windowTitle(),
        QStringLiteral("Delete keywords from sunset.jpg"));
    EXPECT_EQ(
        TfmDeleteKeyword(kPhotoKeywords, 3, QString()).windowTitle(), QStringLiteral("Delete keywords from 3 files"));
    TfmDeleteKeyword dialog(kPhotoKeywords, 2, QString());
    EXPECT_EQ(dialog.btDeleteAll->text(), QStringLiteral("Delete &All"));
    EXPECT_EQ(dialog.btDeleteSelected->text(), QStringLiteral("&Delete Selected"));
    EXPECT_TRUE(dialog.btDeleteSelected->isDefault());
    EXPECT_EQ(dialog.lbColumns->text(), QStringLiteral("Columns:"));
    EXPECT_EQ(dialog.cbColumnCount->count(), 20);
    EXPECT_EQ(dialog.cbColumnCount->currentText(), QStringLiteral("1"));
    EXPECT_EQ(dialog.StatusBar->text(), QStringLiteral("Double click to instantly delete one keyword"));
}

TEST_F(KeywordDialogTest, DeleteReturnsWhatWasChosen)
{
    enum Action { tickTwoAndEnter, tickTwoAndDoubleClickThird, deleteAll, nothingTicked, tickAndCancel };
    struct Case {
        Action action;
        QStringList expected;
    };
    const QList<Case> cases = {
        { tickTwoAndEnter, { "beach", "sunset" } },
        { tickTwoAndDoubleClickThird, { "dog" } },
        { deleteAll, { "beach", "dog", "sunset" } },
        { nothingTicked, {} },
        { tickAndCancel, {} },
    };
    for (const Case &c : cases) {
        OnModalDialog([c](QDialog *dialog) {
            auto *del = static_cast<TfmDeleteKeyword *>(dialog);
            QListWidget *list = del->CheckListBox;
            EXPECT_EQ(del->focusWidget(), list);
            if (c.action != nothingTicked && c.action != deleteAll) {
                list->item(0)->setCheckState(Qt::Checked);
                list->item(2)->setCheckState(Qt::Checked);
            }
            switch (c.action) {
            case tickTwoAndEnter:
            case nothingTicked:
                QTest::keyClick(list, Qt::Key_Return);
                break;
            case tickTwoAndDoubleClickThird: {
                const QPoint point = list->visualItemRect(list->item(1)).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
                break;
            }
            case deleteAll:
                del->btDeleteAll->click();
                break;
            case tickAndCancel:
                QTest::keyClick(list, Qt::Key_Escape);
                break;
            }
        });
        EXPECT_EQ(ShowDeleteKeywordDialog(kPhotoKeywords, 2, QString()).Strings(), c.expected) << int(c.action);
    }
}

TEST_F(KeywordDialogTest, DeleteDrawsTickedEntriesInRedAndFlowsIntoColumns)
{
    TfmDeleteKeyword dialog(kPhotoKeywords, 2, QString());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QListWidget *list = dialog.CheckListBox;
    auto redPixels = [list](int row) {
        const QImage image = list->viewport()->grab(list->visualItemRect(list->item(row))).toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                // Anti-aliased glyph edges blend the red into the background.
                const QRgb pixel = image.pixel(x, y);
                count += qRed(pixel) > 150 && qGreen(pixel) < 110 && qBlue(pixel) < 110 ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_EQ(redPixels(1), 0);
    list->item(1)->setCheckState(Qt::Checked);
    EXPECT_GT(redPixels(1), 5);
    list->setCurrentRow(1); // still red when current
    EXPECT_GT(redPixels(1), 5);
    EXPECT_EQ(redPixels(2), 0);

    dialog.cbColumnCount->setCurrentIndex(2);
    EXPECT_TRUE(list->isWrapping());
    EXPECT_LT(list->visualItemRect(list->item(0)).width(), list->viewport()->width() / 2);
    dialog.cbColumnCount->setCurrentIndex(0);
    EXPECT_FALSE(list->isWrapping());
}

// Replace keyword dialog.

TEST_F(KeywordDialogTest, ReplaceCaptionsAndControls)
{
    EXPECT_EQ(TfmReplaceKeyword(kPhotoKeywords, 1, QStringLiteral("sunset.jpg")).windowTitle(),
        QStringLiteral("Replace keyword in sunset.jpg"));
    TfmReplaceKeyword dialog(kPhotoKeywords, 2, QString());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Replace keyword in 2 files"));
    EXPECT_FALSE(dialog.cbExistingKeywordList->isEditable());
    EXPECT_EQ(dialog.cbExistingKeywordList->currentIndex(), -1);
    EXPECT_EQ(dialog.cbExistingKeywordList->maxVisibleItems(), 24);
    EXPECT_EQ(dialog.cbExistingKeywordList->count(), 3);
    EXPECT_EQ(dialog.lbReplace->text(), QStringLiteral("Replace:"));
    EXPECT_EQ(dialog.lbWith->text(), QStringLiteral("with"));
    EXPECT_EQ(dialog.size(), QSize(766, 105));
}

TEST_F(KeywordDialogTest, ReplaceReturnsAPairOnlyWhenItChangesSomething)
{
    struct Case {
        int chosen;
        QString typed;
        Qt::Key key;
        bool expected;
        QString oldKeyword;
        QString newKeyword;
    };
    const QList<Case> cases = {
        { 0, QStringLiteral("Beach"), Qt::Key_Return, true, QStringLiteral("beach"), QStringLiteral("Beach") },
        { 0, QStringLiteral(" sand "), Qt::Key_Enter, true, QStringLiteral("beach"), QStringLiteral("sand") },
        { 0, QStringLiteral("beach "), Qt::Key_Return, false, QString(), QString() },
        { -1, QStringLiteral("sand"), Qt::Key_Return, false, QString(), QString() },
        { 2, QStringLiteral("   "), Qt::Key_Return, false, QString(), QString() },
        { 2, QStringLiteral("sand"), Qt::Key_Escape, false, QString(), QString() },
    };
    for (const Case &c : cases) {
        OnModalDialog([c](QDialog *dialog) {
            auto *replace = static_cast<TfmReplaceKeyword *>(dialog);
            EXPECT_EQ(replace->focusWidget(), replace->cbExistingKeywordList);
            replace->cbExistingKeywordList->setCurrentIndex(c.chosen);
            replace->edNewKeyword->setFocus();
            QTest::keyClicks(replace->edNewKeyword, c.typed);
            QTest::keyClick(replace->edNewKeyword, c.key);
        });
        QString oldKeyword = QStringLiteral("untouched");
        QString newKeyword = QStringLiteral("untouched");
        EXPECT_EQ(ShowReplaceKeywordDialog(kPhotoKeywords, oldKeyword, newKeyword, 2, QString()), c.expected)
            << c.typed.toStdString();
        EXPECT_EQ(oldKeyword, c.expected ? c.oldKeyword : QStringLiteral("untouched"));
        EXPECT_EQ(newKeyword, c.expected ? c.newKeyword : QStringLiteral("untouched"));
    }
}

TEST_F(KeywordDialogTest, ReplaceEnterAcceptsOnlyInTheEdit)
{
    TfmReplaceKeyword dialog(kPhotoKeywords, 2, QString());
    dialog.show();
    dialog.cbExistingKeywordList->setCurrentIndex(1);
    dialog.edNewKeyword->setText(QStringLiteral("cat"));
    for (QWidget *other : { static_cast<QWidget *>(dialog.btOK), static_cast<QWidget *>(dialog.btCancel) }) {
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
    }
    QTest::keyClick(dialog.cbExistingKeywordList, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// Keyword picker.

TEST_F(KeywordDialogTest, PickerCoversTheCellInColumnsAndHidesOnEscape)
{
    Settings().setTEXT_COL_COUNT(3);
    TfmSelectFromFile picker;
    EXPECT_TRUE(picker.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(picker.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Select and drag keywords"));
    QFont font(QStringLiteral("DejaVu Sans"), 13);
    picker.showKeywords(TKwStringList(QStringList { "b", "C", "a" }), QPoint(40, 50), font, 300, 200);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(picker.geometry(), QRect(40, 50, 300, 200));
    EXPECT_EQ(picker.ListBoxKeywords->itemTexts(), (QStringList { "a", "b", "C" }));
    EXPECT_EQ(picker.ListBoxKeywords->columnCount(), 3);
    EXPECT_EQ(picker.ListBoxKeywords->font().pointSize(), 13);
    EXPECT_EQ(picker.ListBoxKeywords->selectionMode(), QAbstractItemView::ExtendedSelection);

    QTest::keyClick(picker.ListBoxKeywords, Qt::Key_Escape);
    EXPECT_FALSE(picker.isVisible());

    // Shown again with new content.
    picker.showKeywords(TKwStringList(QStringList { "x" }), QPoint(0, 0), font, 100, 80);
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(picker.ListBoxKeywords->itemTexts(), QStringList { "x" });
}

} // namespace
} // namespace orvane
