// The keyword panel: the filter edit over the keyword list, the recent list and the columns.
#include "ui/main/keywordlistbox.h"
#include "ui/main/keywordpanel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace orvane {
namespace {

QStringList texts(const TKeywordListBox *list)
{
    return list->itemTexts();
}

TEST(KeywordPanel, FilterTextKeepsKeywordsContainingItIgnoringCase)
{
    TKeywordPanel panel;
    const TKwStringList global(QStringList{"Cat", "cable", "Vacation", "Dog", "CAB"});
    panel.edFilter->setText(QStringLiteral("ca"));
    panel.fillKeywordList(global);
    EXPECT_EQ(texts(panel.ListBoxKeywords), (QStringList{"CAB", "cable", "Cat", "Vacation"}));

    panel.edFilter->setText(QString());
    panel.fillKeywordList(global);
    EXPECT_EQ(panel.ListBoxKeywords->count(), 5);

    // Full Unicode upper-casing: "ß" matches "SS"; no trimming of the filter text.
    const TKwStringList german(QStringList{"Straße", "Strasse", "Rose"});
    panel.edFilter->setText(QStringLiteral("STRASS"));
    panel.fillKeywordList(german);
    EXPECT_EQ(texts(panel.ListBoxKeywords), (QStringList{"Strasse", "Straße"}));
    panel.edFilter->setText(QStringLiteral(" rose"));
    panel.fillKeywordList(german);
    EXPECT_TRUE(texts(panel.ListBoxKeywords).isEmpty());
}

TEST(KeywordPanel, EscapeAndTheXButtonClearTheFilterAndRefill)
{
    TKeywordPanel panel;
    int refills = 0;
    QObject::connect(&panel, &TKeywordPanel::filterTextChanged, [&] { ++refills; });
    panel.edFilter->setText(QStringLiteral("ab"));
    EXPECT_EQ(refills, 1);
    QTest::keyClick(panel.edFilter, Qt::Key_Escape);
    EXPECT_TRUE(panel.edFilter->text().isEmpty());
    EXPECT_EQ(refills, 2);
    panel.edFilter->setText(QStringLiteral("cd"));
    panel.btContainsClear->click();
    EXPECT_TRUE(panel.edFilter->text().isEmpty());
    EXPECT_EQ(refills, 4);
}

TEST(KeywordPanel, TypedLetterReplacesTheFilterText)
{
    TKeywordPanel panel;
    panel.edFilter->setText(QStringLiteral("old"));
    panel.takeTypedFilterText(QStringLiteral("b"));
    EXPECT_EQ(panel.edFilter->text(), QStringLiteral("b"));
    EXPECT_EQ(panel.edFilter->cursorPosition(), 1);
}

TEST(KeywordPanel, NewRecentKeywordRanksAboveEveryOldOneAtTheCut)
{
    TKeywordPanel panel;
    panel.UpdateRecentList({"a", "b"}, 2); // both new: count 1
    EXPECT_EQ(panel.recentCount("a"), 1);
    EXPECT_EQ(panel.recentCount("b"), 1);
    panel.UpdateRecentList({"c"}, 2);
    EXPECT_EQ(panel.recentCount("c"), 2);
    const QStringList shown = texts(panel.ListBoxRecent);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.last(), QStringLiteral("c"));
    EXPECT_TRUE(shown.first() == QStringLiteral("a") || shown.first() == QStringLiteral("b"));
}

TEST(KeywordPanel, UsedRecentKeywordsClimbAndTheListStaysAlphabeticalWithItsSelection)
{
    TKeywordPanel panel;
    panel.UpdateRecentList({"zebra", "Apple", "mango"}, 10);
    panel.ListBoxRecent->item(2)->setSelected(true); // zebra
    // Matched without regard to case; the dropped spelling is kept.
    panel.UpdateRecentList({"APPLE", "kiwi"}, 10);
    EXPECT_EQ(panel.recentCount("apple"), 2);
    EXPECT_EQ(panel.recentCount("kiwi"), 2);
    EXPECT_EQ(panel.recentCount("mango"), 1);
    EXPECT_EQ(texts(panel.ListBoxRecent), (QStringList{"APPLE", "kiwi", "mango", "zebra"}));
    EXPECT_EQ(panel.ListBoxRecent->selectedTexts(), QStringList{"zebra"});

    panel.UpdateRecentList({"apple"}, 2);
    EXPECT_EQ(panel.recentCount("apple"), 3);
    EXPECT_EQ(texts(panel.ListBoxRecent), (QStringList{"apple", "kiwi"}));

    panel.clearRecentList();
    panel.UpdateRecentList({"x"}, 5);
    EXPECT_EQ(panel.recentCount("x"), 1);
}

TEST(KeywordPanel, ColumnChoiceGivesBothListsThatManyColumns)
{
    TKeywordPanel panel;
    panel.resize(240, 400);
    panel.cbColumnCount->setCurrentIndex(0);
    EXPECT_EQ(panel.ListBoxKeywords->columnCount(), 0);
    EXPECT_FALSE(panel.ListBoxKeywords->isWrapping());
    panel.cbColumnCount->setCurrentIndex(1);
    EXPECT_EQ(panel.ListBoxKeywords->columnCount(), 2);
    EXPECT_EQ(panel.ListBoxRecent->columnCount(), 2);
    EXPECT_TRUE(panel.ListBoxKeywords->isWrapping());
    EXPECT_EQ(panel.ListBoxKeywords->flow(), QListView::TopToBottom);
}

} // namespace
} // namespace orvane
