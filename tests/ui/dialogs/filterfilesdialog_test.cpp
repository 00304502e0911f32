// The "Filter Files" dialog: opening from a filter, the count fields, moving keywords between the
// lists, the part edit and Enter, the cascade order on accepting, and cancelling.
#include "ui/dialogs/filterfilesdialog.h"

#include "core/model/keywordfilter.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "ui/dialogs/placeformonscreen.h"
#include "support/testfolders.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>

namespace orvane {
namespace {

class FilterFilesDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        fKeywords = TKwStringList(QStringList{"Beach", "Boat", "Sea", "Sky", "Skyline", "Tree"});
    }

    // Selects the available keywords with these texts (and no others).
    static void selectAvailable(TfmFilterFiles &dialog, const QStringList &texts)
    {
        QListWidget *list = dialog.ListBoxAvailableKeywords;
        list->clearSelection();
        for (int i = 0; i < list->count(); ++i) {
            list->item(i)->setSelected(texts.contains(list->item(i)->text()));
        }
    }

    static void doubleClickItem(QListWidget *list, int row)
    {
        QListWidgetItem *item = list->item(row);
        list->setCurrentItem(item);
        const QPoint pos = list->visualItemRect(item).center();
        // A double click is a press and release followed by the double-click press.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    }

    test::TestFolders fDir;
    TKwStringList fKeywords;
    TKeywordFilter fFilter;
};

TEST_F(FilterFilesDialogTest, ClearedFilterOpensWithZeroCountsAndStoresThem)
{
    TfmFilterFiles dialog(fKeywords, fFilter);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Filter Files"));
    EXPECT_EQ(TfmFilterFiles::itemTexts(dialog.ListBoxAvailableKeywords), fKeywords.Strings());
    EXPECT_FALSE(dialog.cbUseCount->isChecked());
    EXPECT_EQ(dialog.seFrom->value(), 0);
    EXPECT_EQ(dialog.seTo->value(), 0);
    EXPECT_EQ(dialog.seFrom->maximum(), 10000000);
    EXPECT_EQ(dialog.seTo->minimum(), 0);
    EXPECT_EQ(dialog.StatusLine->text(),
              QStringLiteral("Drag and drop keywords to lists. Double click to remove from list."));
    dialog.show();
    EXPECT_FALSE(dialog.seFrom->isVisible());
    EXPECT_FALSE(dialog.lbTo->isVisible());
    dialog.cbUseCount->click();
    EXPECT_TRUE(dialog.seFrom->isVisible());
    EXPECT_TRUE(dialog.lbTo->isVisible());
    dialog.cbUseCount->click();

    dialog.accept();
    EXPECT_FALSE(fFilter.UseCount);
    EXPECT_EQ(fFilter.CountFrom, 0);
    EXPECT_EQ(fFilter.CountTo, 0);
    EXPECT_TRUE(fFilter.ContainAll.IsEmpty());
}

TEST_F(FilterFilesDialogTest, FromNeverExceedsTo)
{
    fFilter.UseCount = true;
    fFilter.CountFrom = 0;
    fFilter.CountTo = 2;
    TfmFilterFiles dialog(fKeywords, fFilter);
    dialog.show();
    EXPECT_TRUE(dialog.seFrom->isVisible());
    EXPECT_EQ(dialog.seTo->value(), 2);

    // Typing 5 into "From" while "To" shows 2 makes "To" 5.
    dialog.seFrom->selectAll();
    QTest::keyClicks(dialog.seFrom, QStringLiteral("5"));
    EXPECT_EQ(dialog.seFrom->value(), 5);
    EXPECT_EQ(dialog.seTo->value(), 5);
    // Typing 3 into "To" then makes "From" 3.
    dialog.seTo->selectAll();
    QTest::keyClicks(dialog.seTo, QStringLiteral("3"));
    EXPECT_EQ(dialog.seTo->value(), 3);
    EXPECT_EQ(dialog.seFrom->value(), 3);
    // Raising "To" leaves "From" alone.
    dialog.seTo->setValue(9);
    EXPECT_EQ(dialog.seFrom->value(), 3);

    dialog.accept();
    EXPECT_TRUE(fFilter.UseCount);
    EXPECT_EQ(fFilter.CountFrom, 3);
    EXPECT_EQ(fFilter.CountTo, 9);
}

TEST_F(FilterFilesDialogTest, StoredCountsAreShownFromThenTo)
{
    fFilter.CountFrom = 4;
    fFilter.CountTo = 7;
    TfmFilterFiles dialog(fKeywords, fFilter);
    EXPECT_EQ(dialog.seFrom->value(), 4);
    EXPECT_EQ(dialog.seTo->value(), 7);
    // An inconsistent stored pair is made consistent the same way typing would.
    fFilter.CountFrom = 8;
    fFilter.CountTo = 3;
    TfmFilterFiles second(fKeywords, fFilter);
    EXPECT_EQ(second.seFrom->value(), 3);
    EXPECT_EQ(second.seTo->value(), 3);
}

TEST_F(FilterFilesDialogTest, KeywordsAreAddedOnceIgnoringCaseAndRemovedByDoubleClick)
{
    fFilter.ContainAll.Add(QStringLiteral("sky"));
    TfmFilterFiles dialog(fKeywords, fFilter);
    dialog.show();

    // Double-click on the available list adds its selected keywords, in list order, to
    // "Contains all of the keywords"; Sky is there already as sky.
    selectAvailable(dialog, {"Tree", "Sky", "Beach"});
    dialog.addSelectedAvailableTo(dialog.ListBoxContainAll);
    EXPECT_EQ(TfmFilterFiles::itemTexts(dialog.ListBoxContainAll), (QStringList{"sky", "Beach", "Tree"}));

    doubleClickItem(dialog.ListBoxAvailableKeywords, 1); // Boat, selected alone by the click
    EXPECT_EQ(TfmFilterFiles::itemTexts(dialog.ListBoxContainAll), (QStringList{"sky", "Beach", "Tree", "Boat"}));
    doubleClickItem(dialog.ListBoxAvailableKeywords, 1);
    EXPECT_EQ(dialog.ListBoxContainAll->count(), 4);

    // The same keyword may be required and excluded at once.
    selectAvailable(dialog, {"Sky"});
    dialog.addSelectedAvailableTo(dialog.ListBoxContainNone);
    dialog.addSelectedAvailableTo(dialog.ListBoxContainSome);
    EXPECT_EQ(TfmFilterFiles::itemTexts(dialog.ListBoxContainNone), (QStringList{"Sky"}));
    EXPECT_EQ(TfmFilterFiles::itemTexts(dialog.ListBoxContainSome), (QStringList{"Sky"}));

    // Double-click on a criteria list removes the entry.
    doubleClickItem(dialog.ListBoxContainAll, 1);
    EXPECT_EQ(TfmFilterFiles::itemTexts(dialog.ListBoxContainAll), (QStringList{"sky", "Tree", "Boat"}));
    doubleClickItem(dialog.ListBoxContainNone, 0);
    EXPECT_EQ(dialog.ListBoxContainNone->count(), 0);
}

TEST_F(FilterFilesDialogTest, DropsAreRefusedUnlessTheyComeFromTheAvailableList)
{
    TfmFilterFiles dialog(fKeywords, fFilter);
    dialog.show();
    selectAvailable(dialog, {"Sea"});
    QMimeData data;
    data.setText(QStringLiteral("Sea"));
    // A drag from outside the dialog (no source in this program) is not accepted.
    for (QListWidget *target : {dialog.ListBoxContainAll, dialog.ListBoxContainSome, dialog.ListBoxContainNone}) {
        const QPoint pos = target->viewport()->rect().center();
        QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target->viewport(), &enter);
        EXPECT_FALSE(enter.isAccepted());
        QDropEvent drop(QPointF(pos), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target->viewport(), &drop);
        EXPECT_EQ(target->count(), 0);
    }
    // The part list and the available list take no drops at all.
    EXPECT_FALSE(dialog.ListBoxContainPart->viewport()->acceptDrops());
    EXPECT_EQ(dialog.ListBoxAvailableKeywords->dragDropMode(), QAbstractItemView::DragOnly);
}

TEST_F(FilterFilesDialogTest, AvailableTextFilter)
{
    TfmFilterFiles dialog(fKeywords, fFilter);
    dialog.show();
    QTest::keyClicks(dialog.EditAvailableFilter, QStringLiteral("SKY"));
    EXPECT_EQ(TfmFilterFiles::itemTexts(dialog.ListBoxAvailableKeywords), (QStringList{"Sky", "Skyline"}));
    QTest::keyClicks(dialog.EditAvailableFilter, QStringLiteral(" "));
    EXPECT_EQ(dialog.ListBoxAvailableKeywords->count(), 0); // blanks count
    dialog.ButtonAvailableClear->click();
    EXPECT_TRUE(dialog.EditAvailableFilter->text().isEmpty());
    EXPECT_EQ(TfmFilterFiles::itemTexts(dialog.ListBoxAvailableKeywords), fKeywords.Strings());
}

TEST_F(FilterFilesDialogTest, EnterInThePartEditAddsTheTrimmedPartThenAccepts)
{
    TfmFilterFiles dialog(fKeywords, fFilter);
    dialog.show();
    dialog.EditPartKeyword->setFocus();
    QTest::keyClicks(dialog.EditPartKeyword, QStringLiteral("  ind \t"));
    QTest::keyClick(dialog.EditPartKeyword, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(TfmFilterFiles::itemTexts(dialog.ListBoxContainPart), (QStringList{"ind"}));
    EXPECT_TRUE(dialog.EditPartKeyword->text().isEmpty());

    // Once only, letter case ignored; a part of blanks only is not added.
    QTest::keyClicks(dialog.EditPartKeyword, QStringLiteral("IND"));
    dialog.ButtonAddPart->click();
    QTest::keyClicks(dialog.EditPartKeyword, QStringLiteral("   "));
    QTest::keyClick(dialog.EditPartKeyword, Qt::Key_Enter);
    dialog.ButtonAddPart->click();
    EXPECT_EQ(TfmFilterFiles::itemTexts(dialog.ListBoxContainPart), (QStringList{"ind"}));
    EXPECT_TRUE(dialog.isVisible());

    // Enter in the empty part edit accepts the dialog.
    QTest::keyClick(dialog.EditPartKeyword, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(fFilter.ContainPart.Strings(), (QStringList{"ind"}));
}

TEST_F(FilterFilesDialogTest, EscCancelsAndLeavesTheFilterUntouched)
{
    fFilter.ContainNone.Add(QStringLiteral("Tree"));
    TfmFilterFiles dialog(fKeywords, fFilter);
    dialog.show();
    selectAvailable(dialog, {"Sea"});
    dialog.addSelectedAvailableTo(dialog.ListBoxContainAll);
    dialog.ClearFilters();
    QTest::keyClick(dialog.ListBoxAvailableKeywords, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(fFilter.ContainAll.IsEmpty());
    EXPECT_EQ(fFilter.ContainNone.Strings(), (QStringList{"Tree"}));
}

TEST_F(FilterFilesDialogTest, EnterAnywhereElseAccepts)
{
    TfmFilterFiles dialog(fKeywords, fFilter);
    dialog.show();
    selectAvailable(dialog, {"Sea"});
    dialog.addSelectedAvailableTo(dialog.ListBoxContainSome);
    QTest::keyClick(dialog.EditAvailableFilter, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(fFilter.ContainSome.Strings(), (QStringList{"Sea"}));
}

TEST_F(FilterFilesDialogTest, ClearFiltersEmptiesTheCriteriaButNotTheAvailableList)
{
    fFilter.ContainAll.Add(QStringLiteral("Sea"));
    fFilter.ContainSome.Add(QStringLiteral("Sky"));
    fFilter.ContainNone.Add(QStringLiteral("Tree"));
    fFilter.ContainPart.Add(QStringLiteral("oa"));
    fFilter.UseCount = true;
    fFilter.CountFrom = 2;
    fFilter.CountTo = 5;
    TfmFilterFiles dialog(fKeywords, fFilter);
    dialog.show();
    dialog.EditAvailableFilter->setText(QStringLiteral("b"));
    dialog.ButtonClearFilters->click();
    for (QListWidget *list :
         {dialog.ListBoxContainAll, dialog.ListBoxContainSome, dialog.ListBoxContainNone, dialog.ListBoxContainPart}) {
        EXPECT_EQ(list->count(), 0);
    }
    EXPECT_FALSE(dialog.cbUseCount->isChecked());
    EXPECT_FALSE(dialog.seFrom->isVisible());
    EXPECT_EQ(dialog.seFrom->value(), 0);
    EXPECT_EQ(dialog.seTo->value(), 0);
    EXPECT_EQ(dialog.EditAvailableFilter->text(), QStringLiteral("b"));
    EXPECT_EQ(TfmFilterFiles::itemTexts(dialog.ListBoxAvailableKeywords), (QStringList{"Beach", "Boat"}));
}

TEST_F(FilterFilesDialogTest, AcceptingKeepsTheCascadeOrderOnlyForTheSameKeywords)
{
    fFilter.ContainAll.AddStrings(QStringList{"a", "b"});
    fFilter.ContainCascade = QStringList{"b", "a"};
    fFilter.ContainSome.Add(QStringLiteral("s"));
    const TKwStringList keywords(QStringList{"a", "b", "c"});
    {
        TfmFilterFiles dialog(keywords, fFilter);
        EXPECT_EQ(TfmFilterFiles::itemTexts(dialog.ListBoxContainAll), (QStringList{"a", "b"}));
        dialog.accept();
        EXPECT_EQ(fFilter.ContainCascade, (QStringList{"b", "a"}));
        EXPECT_EQ(fFilter.ContainSome.Strings(), (QStringList{"s"}));
    }
    {
        TfmFilterFiles dialog(keywords, fFilter);
        selectAvailable(dialog, {"c"});
        dialog.addSelectedAvailableTo(dialog.ListBoxContainAll);
        dialog.accept();
        EXPECT_EQ(fFilter.ContainCascade, (QStringList{"a", "b", "c"}));
        EXPECT_EQ(fFilter.ContainAll.Strings(), (QStringList{"a", "b", "c"}));
    }
}

TEST_F(FilterFilesDialogTest, AcceptedListsAreSortedWithoutCaseDuplicates)
{
    TfmFilterFiles dialog(fKeywords, fFilter);
    dialog.ListBoxContainAll->addItems({"Tree", "Beach"});
    dialog.ListBoxContainPart->addItems({"sea", "SEA", "ky"});
    dialog.accept();
    EXPECT_EQ(fFilter.ContainAll.Strings(), (QStringList{"Beach", "Tree"}));
    EXPECT_EQ(fFilter.ContainCascade, (QStringList{"Tree", "Beach"}));
    EXPECT_EQ(fFilter.ContainPart.Strings(), (QStringList{"ky", "sea"}));
}

TEST_F(FilterFilesDialogTest, OpensPlacedWithFiveAndFifteenPerCentMargins)
{
    TfmFilterFiles dialog(fKeywords, fFilter);
    dialog.show();
    const QRect expected = FormPlacement(dialog.screen()->geometry(), 5, 15);
    EXPECT_EQ(dialog.pos(), expected.topLeft());
    EXPECT_EQ(dialog.size(), expected.size());
    // Five columns of equal width.
    const int width = dialog.ListBoxContainAll->parentWidget()->width();
    EXPECT_NEAR(dialog.ListBoxContainSome->parentWidget()->width(), width, 1);
    EXPECT_NEAR(dialog.ListBoxAvailableKeywords->parentWidget()->width(), width, 1);
    EXPECT_NEAR(dialog.ListBoxContainPart->parentWidget()->width(), width, 1);
}

} // namespace
} // namespace orvane
