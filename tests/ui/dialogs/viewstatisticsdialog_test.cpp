// The statistics window: its tables, the copied text, and the filter a double-click leaves.
#include "ui/dialogs/viewstatisticsdialog.h"

#include "core/model/fileset.h"
#include "core/model/keywordfilter.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace orvane {
namespace {

class StatisticsWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        add({"sky", "sea"});
        add({"Sky"});
        add({});
        add({"sea", "sky"});
        fFileSet.ArrangeFilter();
        fFilter.ContainNone.Add(QStringLiteral("old"));
        fFilter.ContainPart.Add(QStringLiteral("x"));
    }

    void add(const QStringList &keywords)
    {
        fFileSet.Add(QStringLiteral("/p/%1.jpg").arg(fFileSet.CountAll()))->KeywordList.AddStrings(keywords);
    }

    void doubleClickRow(QTreeWidget *table, int row)
    {
        QTreeWidgetItem *item = table->topLevelItem(row);
        table->setCurrentItem(item);
        const QRect rect = table->visualItemRect(item);
        ASSERT_TRUE(rect.isValid());
        // A double click arrives after the press of its first click.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, rect.center());
    }

    TFileSet fFileSet;
    TKeywordFilter fFilter;
};

TEST_F(StatisticsWindowTest, ShowsTheTablesAndCopiesThemExactly)
{
    TfmViewStatistics window(fFileSet, QStringLiteral("/photos/Trip/"), fFilter);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Statistics /photos/Trip/"));
    EXPECT_EQ(window.PageControl->currentWidget(), window.LV);
    EXPECT_TRUE(window.LVHead->isHeaderHidden());
    EXPECT_EQ(window.LV->topLevelItem(0)->textAlignment(2) & Qt::AlignRight, Qt::AlignRight);
    EXPECT_EQ(window.btClose->isDefault(), true);

    window.btCopyToClipboard->click();
    const QString expected = QStringLiteral("Statistics /photos/Trip/\r\n"
                                            "\r\n"
                                            "Totals\r\n"
                                            "\r\n"
                                            "Files,4\r\n"
                                            "Keywords,5\r\n"
                                            "Unique keywords,2\r\n"
                                            "Keywords per file,1.3\r\n"
                                            "\r\n"
                                            "Details\r\n"
                                            "\r\n"
                                            "Keywords\r\n"
                                            "#,Keyword,Used Count\r\n"
                                            "1,sky,3\r\n"
                                            "2,sea,2\r\n"
                                            "\r\n"
                                            "Files\r\n"
                                            "#,Keywords in file,File Count\r\n"
                                            "1,2,2\r\n"
                                            "2,1,1\r\n"
                                            "3,0,1\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    EXPECT_EQ(window.ClipboardText(), expected);
}

TEST_F(StatisticsWindowTest, ColumnWidthsFollowTheWindowWidth)
{
    TfmViewStatistics window(fFileSet, QStringLiteral("/p/"), fFilter);
    window.show();
    window.resize(700, 500);
    QCoreApplication::processEvents();
    const QFontMetrics metrics(window.LV->font());
    for (QTreeWidget *table : {window.LV, window.LV2}) {
        EXPECT_EQ(table->columnWidth(0), metrics.horizontalAdvance(QStringLiteral("9,999,999")));
        EXPECT_EQ(table->columnWidth(1), 350);
        EXPECT_EQ(table->columnWidth(2), metrics.horizontalAdvance(QStringLiteral("9,999,999,999")));
    }
    EXPECT_EQ(window.LVHead->columnWidth(0), 350);
}

TEST_F(StatisticsWindowTest, DoubleClickOnAKeywordReplacesTheFilter)
{
    TfmViewStatistics window(fFileSet, QStringLiteral("/p/"), fFilter);
    window.show();
    doubleClickRow(window.LV, 1);
    EXPECT_TRUE(window.FilterChanged);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(fFilter.ContainAll.Strings(), QStringList{QStringLiteral("sea")});
    EXPECT_TRUE(fFilter.ContainNone.IsEmpty());
    EXPECT_TRUE(fFilter.ContainPart.IsEmpty());
    EXPECT_FALSE(fFilter.UseCount);

    fFileSet.ApplyFilter(fFilter);
    EXPECT_EQ(fFileSet.CountFiltered(), 2);
}

TEST_F(StatisticsWindowTest, DoubleClickOnAGroupFiltersByThatCount)
{
    TfmViewStatistics window(fFileSet, QStringLiteral("/p/"), fFilter);
    window.show();
    window.PageControl->setCurrentWidget(window.LV2);
    doubleClickRow(window.LV2, 2);
    EXPECT_TRUE(window.FilterChanged);
    EXPECT_TRUE(fFilter.UseCount);
    EXPECT_EQ(fFilter.CountFrom, 0);
    EXPECT_EQ(fFilter.CountTo, 0);
    EXPECT_TRUE(fFilter.ContainAll.IsEmpty());
    EXPECT_TRUE(fFilter.ContainNone.IsEmpty());
    fFileSet.ApplyFilter(fFilter);
    ASSERT_EQ(fFileSet.CountFiltered(), 1);
    EXPECT_EQ(fFileSet.FilesFiltered(0), fFileSet.FilesAll(2));
}

TEST_F(StatisticsWindowTest, CloseEnterAndEscChangeNothing)
{
    const TKeywordFilter before = fFilter;
    for (int way = 0; way < 3; ++way) {
        TfmViewStatistics window(fFileSet, QStringLiteral("/p/"), fFilter);
        window.show();
        window.LV->setFocus();
        window.LV->setCurrentItem(window.LV->topLevelItem(0));
        if (way == 0) {
            window.btClose->click();
        } else {
            QTest::keyClick(window.LV, way == 1 ? Qt::Key_Return : Qt::Key_Escape);
        }
        EXPECT_FALSE(window.isVisible()) << way;
        EXPECT_FALSE(window.FilterChanged) << way;
        EXPECT_EQ(fFilter.ContainNone.Strings(), before.ContainNone.Strings()) << way;
        EXPECT_EQ(fFilter.ContainPart.Strings(), before.ContainPart.Strings()) << way;
    }
}

} // namespace
} // namespace orvane
