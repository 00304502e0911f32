#include "core/model/fileset.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
void Fill(TFileSet &set, int count)
{
    for (int i = 0; i < count; ++i) {
        set.Add(QStringLiteral("/p/%1.jpg").arg(i));
    }
    set.ArrangeFilter();
}
} // namespace

TEST(FileSet, SelectionCountsOnlyShownPhotos)
{
    TFileSet set;
    for (int i = 0; i < 4; ++i) {
        set.Add(QStringLiteral("/p/%1.jpg").arg(i));
    }
    set.FilesAll(1)->InFilter = false;
    set.ArrangeFilter();

    set.SelectAll();
    EXPECT_FALSE(set.FilesAll(1)->Selected);
    EXPECT_EQ(set.SelectedCount(), 3);

    set.FilesAll(1)->Selected = true;
    set.SelectSingle(set.FilesAll(2));
    EXPECT_FALSE(set.FilesAll(1)->Selected);
    EXPECT_EQ(set.GetIfSingleSelected(), set.FilesAll(2));

    // A selected photo outside the filter keeps its flag but does not count.
    set.FilesAll(1)->Selected = true;
    EXPECT_EQ(set.SelectedCount(), 1);
    EXPECT_EQ(set.GetIfSingleSelected(), set.FilesAll(2));
    set.FilesAll(3)->Selected = true;
    EXPECT_EQ(set.GetIfSingleSelected(), nullptr);
    set.ClearSelection();
    EXPECT_EQ(set.GetIfSingleSelected(), nullptr);
    EXPECT_FALSE(set.FilesAll(1)->Selected);
}

TEST(FileSet, KeywordUnionKeepsTheFirstSpellingInLoadOrder)
{
    TFileSet set;
    set.Add(QStringLiteral("/p/1.jpg"))->KeywordList.Add(QStringLiteral("Tree"));
    TFileInfo *second = set.Add(QStringLiteral("/p/2.jpg"));
    second->KeywordList.AddStrings(QStringList{QStringLiteral("tree"), QStringLiteral("Sky")});
    set.ArrangeFilter();

    EXPECT_EQ(set.GetKeywordsList(ksAll).Strings(), (QStringList{QStringLiteral("Sky"), QStringLiteral("Tree")}));
    second->Selected = true;
    EXPECT_EQ(set.GetKeywordsList(ksSelectedOnly).Strings(),
              (QStringList{QStringLiteral("Sky"), QStringLiteral("tree")}));
    second->InFilter = false;
    set.ArrangeFilter();
    EXPECT_TRUE(set.GetKeywordsList(ksSelectedOnly).IsEmpty());
}

TEST(FileSet, ArrangeFilterNumbersShownPhotosAndLeavesOthers)
{
    TFileSet set;
    Fill(set, 5);
    for (int i : {0, 2, 3}) {
        set.FilesAll(i)->InFilter = false;
    }
    set.ArrangeFilter();
    ASSERT_EQ(set.CountFiltered(), 2);
    EXPECT_EQ(set.FilesFiltered(0), set.FilesAll(1));
    EXPECT_EQ(set.FilesAll(1)->Number, 1);
    EXPECT_EQ(set.FilesAll(4)->Number, 2);
    EXPECT_EQ(set.FilesAll(2)->Number, 3);
    EXPECT_EQ(set.FilesAll(3)->Number, 4);
}

TEST(FileSet, RemoveRecordDropsItFromBothLists)
{
    TFileSet set;
    Fill(set, 3);
    set.RemoveRecord(set.FilesAll(1));
    EXPECT_EQ(set.CountAll(), 2);
    EXPECT_EQ(set.CountFiltered(), 2);
    EXPECT_EQ(set.FilesAll(1)->JpgFullName, QStringLiteral("/p/2.jpg"));
    set.Clear();
    EXPECT_EQ(set.CountAll(), 0);
    EXPECT_EQ(set.CountFiltered(), 0);
}
