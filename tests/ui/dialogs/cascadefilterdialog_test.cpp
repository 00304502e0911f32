// The cascade filter: levels and their limits, picking, per-level text filters, the information
// line, restoring a remembered chain, and what OK and Esc do to the filter.
#include "ui/dialogs/cascadefilterdialog.h"

#include "core/model/fileset.h"
#include "core/model/keywordfilter.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "ui/dialogs/cascade.h"
#include "ui/dialogs/placeformonscreen.h"
#include "support/testfolders.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

namespace orvane {
namespace {

class CascadeFilterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        // Sky on photos 0..11 (12 photos); Sea on 0..7; Boat on 0..3; Tree on 8..11 and 20;
        // Moon on photo 12 only; Hidden is carried by one photo the current filter hides.
        for (int i = 0; i < 24; ++i) {
            QStringList keywords;
            if (i < 12) {
                keywords << QStringLiteral("Sky");
            }
            if (i < 8) {
                keywords << QStringLiteral("Sea");
            }
            if (i < 4) {
                keywords << QStringLiteral("Boat");
            }
            if ((i >= 8 && i < 12) || i == 20) {
                keywords << QStringLiteral("Tree");
            }
            if (i == 12) {
                keywords << QStringLiteral("Moon");
            }
            if (i == 2 || i == 3) {
                keywords << QStringLiteral("Hidden");
            }
            TFileInfo *photo = fFiles.Add(QStringLiteral("/photos/p%1.jpg").arg(i));
            photo->KeywordList = TKwStringList(keywords);
        }
        fGlobal = fFiles.GetKeywordsList(ksAll);
        fFilter.ContainAll.Add(QStringLiteral("Hidden"));
        fFiles.ApplyFilter(fFilter);
        fFilter.ClearFilter();
    }

    static QStringList texts(const QListWidget *list)
    {
        QStringList result;
        for (int i = 0; i < list->count(); ++i) {
            result << list->item(i)->text();
        }
        return result;
    }

    static int row(const QListWidget *list, const QString &text)
    {
        return texts(list).indexOf(text);
    }

    static void pick(TfmCascadeFilter &dialog, int level, const QString &keyword)
    {
        QListWidget *list = dialog.cascade(level).LB;
        const int r = row(list, keyword);
        ASSERT_GE(r, 0) << keyword.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(r)).center());
    }

    test::TestFolders fDir;
    TFileSet fFiles;
    TKwStringList fGlobal;
    TKeywordFilter fFilter;
};

TEST_F(CascadeFilterTest, OpensWithTheRememberedNumberOfEqualColumns)
{
    Settings().setCascadeCount(4);
    TfmCascadeFilter dialog(fGlobal, fFilter, fFiles);
    dialog.show();
    ASSERT_EQ(dialog.cascadeCount(), 4);
    EXPECT_EQ(texts(dialog.cascade(0).LB), fGlobal.Strings());
    const int width = dialog.cascade(0).CascadePanel->parentWidget()->width() / 4;
    for (int i = 0; i < 4; ++i) {
        const TCascade &level = dialog.cascade(i);
        EXPECT_EQ(level.CascadeIndex, i);
        EXPECT_EQ(TCascade::IndexOf(level.LB), i);
        EXPECT_EQ(TCascade::IndexOf(level.ButtonClear), i);
        EXPECT_EQ(level.LB->objectName(), QStringLiteral("LB%1").arg(i));
        EXPECT_EQ(level.Edit->objectName(), QStringLiteral("EditFilter%1").arg(i));
        EXPECT_EQ(level.LabelFilter->text(), QStringLiteral("Filter"));
        EXPECT_EQ(level.ButtonClear->text(), QStringLiteral("x"));
        EXPECT_EQ(level.CascadePanel->geometry(), QRect(i * width, 0, width, level.CascadePanel->height()));
        if (i > 0) {
            EXPECT_EQ(level.LB->count(), 0);
        }
    }
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("Keywords: [  ]"));
    const QRect expected = FormPlacement(dialog.screen()->geometry(), 5, 15);
    EXPECT_EQ(dialog.geometry().size(), expected.size());
    EXPECT_EQ(dialog.pos(), expected.topLeft());
}

TEST_F(CascadeFilterTest, PickingNarrowsTheNextLevelAndCounts)
{
    TfmCascadeFilter dialog(fGlobal, fFilter, fFiles);
    dialog.show();
    pick(dialog, 0, QStringLiteral("Sky"));
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("Keywords: [Sky] = ( 12 files )"));
    // Every other keyword of the twelve photos, sorted; the hidden photos contribute too.
    EXPECT_EQ(texts(dialog.cascade(1).LB), (QStringList{"Boat", "Hidden", "Sea", "Tree"}));

    pick(dialog, 1, QStringLiteral("Sea"));
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("Keywords: [Sky] + [Sea] = ( 8 files )"));
    EXPECT_EQ(texts(dialog.cascade(2).LB), (QStringList{"Boat", "Hidden"}));

    pick(dialog, 2, QStringLiteral("Hidden"));
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("Keywords: [Sky] + [Sea] + [Hidden] = ( 2 files )"));
    EXPECT_EQ(texts(dialog.cascade(3).LB), (QStringList{"Boat"}));

    // A keyword that only one photo carries leaves the next level empty.
    pick(dialog, 0, QStringLiteral("Moon"));
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("Keywords: [Moon] = ( 1 file )"));
    for (int i = 1; i < dialog.cascadeCount(); ++i) {
        EXPECT_EQ(dialog.cascade(i).LB->count(), 0);
        EXPECT_TRUE(dialog.cascade(i).AvailableKeywordList.IsEmpty());
    }
}

TEST_F(CascadeFilterTest, RepickingWithoutAutoFocusKeepsTheNextLevelsText)
{
    Settings().setAutoFocusNextCascade(false);
    TfmCascadeFilter dialog(fGlobal, fFilter, fFiles);
    dialog.show();
    EXPECT_FALSE(dialog.autoFocusBox()->isChecked());
    pick(dialog, 0, QStringLiteral("Sky"));
    pick(dialog, 1, QStringLiteral("Sea"));
    pick(dialog, 2, QStringLiteral("Boat"));
    dialog.cascade(1).Edit->setText(QStringLiteral("e"));
    EXPECT_EQ(texts(dialog.cascade(1).LB), (QStringList{"Hidden", "Sea", "Tree"}));
    pick(dialog, 1, QStringLiteral("Sea"));
    dialog.cascade(2).Edit->setText(QStringLiteral("b"));
    dialog.cascade(3).Edit->setText(QStringLiteral("x"));

    pick(dialog, 0, QStringLiteral("Tree"));
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("Keywords: [Tree] = ( 5 files )"));
    EXPECT_EQ(dialog.cascade(1).Edit->text(), QStringLiteral("e"));
    EXPECT_EQ(dialog.cascade(1).AvailableKeywordList.Strings(), (QStringList{"Sky"}));
    EXPECT_EQ(dialog.cascade(1).LB->count(), 0); // "Sky" has no "e"
    EXPECT_TRUE(dialog.cascade(2).Edit->text().isEmpty());
    EXPECT_TRUE(dialog.cascade(3).Edit->text().isEmpty());
    EXPECT_EQ(dialog.cascade(2).LB->count(), 0);
}

TEST_F(CascadeFilterTest, RepickingWithAutoFocusEmptiesTheTextsAndFocusesTheNextLevel)
{
    Settings().setAutoFocusNextCascade(true);
    TfmCascadeFilter dialog(fGlobal, fFilter, fFiles);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    pick(dialog, 0, QStringLiteral("Sky"));
    EXPECT_TRUE(dialog.cascade(1).Edit->hasFocus());
    dialog.cascade(1).Edit->setText(QStringLiteral("e"));
    pick(dialog, 0, QStringLiteral("Tree"));
    EXPECT_TRUE(dialog.cascade(1).Edit->text().isEmpty());
    EXPECT_EQ(texts(dialog.cascade(1).LB), (QStringList{"Sky"}));
    EXPECT_TRUE(dialog.cascade(1).Edit->hasFocus());

    // Clicking the box stores the choice at once.
    dialog.autoFocusBox()->click();
    EXPECT_FALSE(Settings().AutoFocusNextCascade());
    dialog.autoFocusBox()->click();
    EXPECT_TRUE(Settings().AutoFocusNextCascade());
}

TEST_F(CascadeFilterTest, TypingIntoALevelDropsItsPickAndEmptiesTheLaterLevels)
{
    TfmCascadeFilter dialog(fGlobal, fFilter, fFiles);
    dialog.show();
    pick(dialog, 0, QStringLiteral("Sky"));
    pick(dialog, 1, QStringLiteral("Sea"));
    QTest::keyClicks(dialog.cascade(0).Edit, QStringLiteral("S"));
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("Keywords: [  ]"));
    EXPECT_EQ(texts(dialog.cascade(0).LB), (QStringList{"Sea", "Sky"}));
    EXPECT_EQ(dialog.cascade(1).LB->count(), 0);
    EXPECT_TRUE(dialog.pickedKeywords().isEmpty());

    // A text filter in level 1 keeps level 0's pick and recounts.
    pick(dialog, 0, QStringLiteral("Sky"));
    pick(dialog, 1, QStringLiteral("Boat"));
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("Keywords: [Sky] + [Boat] = ( 4 files )"));
    QTest::keyClicks(dialog.cascade(1).Edit, QStringLiteral("t"));
    EXPECT_EQ(texts(dialog.cascade(1).LB), (QStringList{"Boat", "Tree"}));
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("Keywords: [Sky] = ( 12 files )"));
    dialog.cascade(1).ButtonClear->click();
    EXPECT_TRUE(dialog.cascade(1).Edit->text().isEmpty());
    EXPECT_EQ(dialog.cascade(1).LB->count(), 4);
}

TEST_F(CascadeFilterTest, LevelLimitsAndTheRememberedCount)
{
    Settings().setCascadeCount(2);
    {
        TfmCascadeFilter dialog(fGlobal, fFilter, fFiles);
        dialog.show();
        EXPECT_EQ(dialog.cascadeCount(), 2);
        EXPECT_FALSE(dialog.removeCascadeButton()->isEnabled());
        EXPECT_TRUE(dialog.addCascadeButton()->isEnabled());
        while (dialog.addCascadeButton()->isEnabled()) {
            dialog.addCascadeButton()->click();
        }
        EXPECT_EQ(dialog.cascadeCount(), 10);
        EXPECT_EQ(Settings().CascadeCount(), 10);
        dialog.AddCascade();
        EXPECT_EQ(dialog.cascadeCount(), 10);
        EXPECT_EQ(dialog.cascade(9).LB->objectName(), QStringLiteral("LB9"));
        EXPECT_EQ(dialog.cascade(9).CascadePanel->x(), 9 * dialog.cascade(1).CascadePanel->x());

        // Removing the picked level recounts.
        pick(dialog, 0, QStringLiteral("Sky"));
        pick(dialog, 1, QStringLiteral("Sea"));
        for (int i = 0; i < 8; ++i) {
            dialog.removeCascadeButton()->click();
        }
        EXPECT_EQ(dialog.cascadeCount(), 2);
        EXPECT_FALSE(dialog.removeCascadeButton()->isEnabled());
        dialog.removeCascadeButton()->click();
        EXPECT_EQ(dialog.cascadeCount(), 2);
        EXPECT_EQ(Settings().CascadeCount(), 2);
        dialog.addCascadeButton()->click();
        EXPECT_EQ(dialog.cascade(2).LB->count(), 0); // a new level is empty
        dialog.removeCascadeButton()->click();
        dialog.removeCascadeButton()->click();
        EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("Keywords: [Sky] + [Sea] = ( 8 files )"));
        dialog.addCascadeButton()->click();
    }
    // The number of levels survives a restart of the program.
    FreeSettings();
    TfmCascadeFilter again(fGlobal, fFilter, fFiles);
    EXPECT_EQ(again.cascadeCount(), 3);
}

TEST_F(CascadeFilterTest, RestoresTheRememberedChainAsFarAsItStillHolds)
{
    Settings().setCascadeCount(3);
    struct Case {
        QStringList chain;
        QStringList picked;
        const char *info;
    };
    const Case cases[] = {
        {{"sky", "SEA"}, {"Sky", "Sea"}, "Keywords: [Sky] + [Sea] = ( 8 files )"},
        {{"Sky", "Moon", "Sea"}, {"Sky"}, "Keywords: [Sky] = ( 12 files )"},   // Moon is not with Sky
        {{"Sky", "Sea", "Boat", "Hidden"}, {"Sky", "Sea", "Boat"}, "Keywords: [Sky] + [Sea] + [Boat] = ( 4 files )"},
        {{"Moon", "Sky"}, {"Moon"}, "Keywords: [Moon] = ( 1 file )"},          // one photo: level 1 stays empty
        {{"Gone"}, {}, "Keywords: [  ]"},
    };
    for (const Case &c : cases) {
        fFilter.ClearFilter();
        fFilter.ContainCascade = c.chain;
        TfmCascadeFilter dialog(fGlobal, fFilter, fFiles);
        EXPECT_EQ(dialog.pickedKeywords(), c.picked) << c.chain.join(',').toStdString();
        EXPECT_EQ(dialog.infoLine()->text(), QString::fromUtf8(c.info));
    }
}

TEST_F(CascadeFilterTest, TakingAPickAwayEndsTheChainThere)
{
    TfmCascadeFilter dialog(fGlobal, fFilter, fFiles);
    dialog.show();
    pick(dialog, 0, QStringLiteral("Sky"));
    pick(dialog, 1, QStringLiteral("Sea"));
    QListWidget *level1 = dialog.cascade(1).LB;
    QTest::mouseClick(level1->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      level1->visualItemRect(level1->selectedItems().first()).center());
    EXPECT_EQ(dialog.pickedKeywords(), (QStringList{"Sky"}));
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("Keywords: [Sky] = ( 12 files )"));
    EXPECT_EQ(dialog.cascade(2).LB->count(), 0);
}

TEST_F(CascadeFilterTest, ARestoredPickFarDownTheListIsScrolledIntoView)
{
    TKwStringList many;
    for (int i = 0; i < 300; ++i) {
        many.Add(QStringLiteral("Keyword %1").arg(i, 3, 10, QLatin1Char('0')));
    }
    TFileSet files;
    for (int i = 0; i < 2; ++i) {
        files.Add(QStringLiteral("/p%1.jpg").arg(i))->KeywordList = TKwStringList(QStringList{"Keyword 290", "Sun"});
    }
    fFilter.ContainCascade = QStringList{"Keyword 290"};
    TfmCascadeFilter dialog(many, fFilter, files);
    dialog.show();
    QListWidget *list = dialog.cascade(0).LB;
    ASSERT_EQ(dialog.pickedKeywords(), (QStringList{"Keyword 290"}));
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(list->selectedItems().first())));
}

TEST_F(CascadeFilterTest, OkWritesTheChainAndDropsEverythingElse)
{
    fFilter.ContainSome.Add(QStringLiteral("Tree"));
    fFilter.ContainPart.Add(QStringLiteral("oo"));
    fFilter.UseCount = true;
    TfmCascadeFilter dialog(fGlobal, fFilter, fFiles);
    dialog.show();
    pick(dialog, 0, QStringLiteral("Sky"));
    pick(dialog, 1, QStringLiteral("Boat"));
    dialog.accept();
    EXPECT_EQ(fFilter.ContainAll.Strings(), (QStringList{"Boat", "Sky"}));
    EXPECT_EQ(fFilter.ContainCascade, (QStringList{"Sky", "Boat"}));
    EXPECT_TRUE(fFilter.ContainSome.IsEmpty());
    EXPECT_TRUE(fFilter.ContainPart.IsEmpty());
    EXPECT_FALSE(fFilter.UseCount);

    // Reopened, the chain is rebuilt.
    TfmCascadeFilter again(fGlobal, fFilter, fFiles);
    EXPECT_EQ(again.pickedKeywords(), (QStringList{"Sky", "Boat"}));
    // Nothing picked: the filter becomes empty.
    again.cascade(0).Edit->setText(QStringLiteral("x"));
    again.accept();
    EXPECT_TRUE(fFilter.IsFilterEmpty());
    EXPECT_TRUE(fFilter.ContainCascade.isEmpty());
}

TEST_F(CascadeFilterTest, EscCancelsAndLeavesTheFilterUntouched)
{
    fFilter.ContainNone.Add(QStringLiteral("Tree"));
    TfmCascadeFilter dialog(fGlobal, fFilter, fFiles);
    dialog.show();
    pick(dialog, 0, QStringLiteral("Sky"));
    QTest::keyClick(dialog.cascade(1).Edit, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(fFilter.ContainAll.IsEmpty());
    EXPECT_EQ(fFilter.ContainNone.Strings(), (QStringList{"Tree"}));
}

TEST_F(CascadeFilterTest, ArrowKeysPickToo)
{
    TfmCascadeFilter dialog(fGlobal, fFilter, fFiles);
    dialog.show();
    QListWidget *list = dialog.cascade(0).LB;
    list->setFocus();
    pick(dialog, 0, QStringLiteral("Sea"));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(dialog.pickedKeywords(), (QStringList{"Sky"}));
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("Keywords: [Sky] = ( 12 files )"));
}

} // namespace
} // namespace orvane
