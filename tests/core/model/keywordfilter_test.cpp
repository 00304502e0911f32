#include "core/model/fileset.h"
#include "core/model/keywordfilter.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
TKwStringList Kw(const QStringList &words)
{
    return TKwStringList(words);
}

struct FilterCase {
    const char *name;
    void (*setUp)(TKeywordFilter &);
    QStringList keywords;
    bool passes;
};
} // namespace

TEST(KeywordFilter, CriteriaTable)
{
    const FilterCase cases[] = {
        {"empty passes everything", [](TKeywordFilter &) {}, {"x"}, true},
        {"all present ignoring case", [](TKeywordFilter &f) { f.ContainAll.AddStrings(QStringList{"a", "b"}); },
         {"A", "b", "c"}, true},
        {"all with one missing", [](TKeywordFilter &f) { f.ContainAll.AddStrings(QStringList{"a", "b"}); },
         {"a", "c"}, false},
        {"some and none both x",
         [](TKeywordFilter &f) {
             f.ContainSome.Add("x");
             f.ContainNone.Add("x");
         },
         {"x"}, false},
        {"some and none both x, photo without x",
         [](TKeywordFilter &f) {
             f.ContainSome.Add("x");
             f.ContainNone.Add("x");
         },
         {"y"}, false},
        {"part inside a keyword", [](TKeywordFilter &f) { f.ContainPart.Add("ee"); }, {"Tree"}, true},
        {"part upper case keyword", [](TKeywordFilter &f) { f.ContainPart.Add("ee"); }, {"BEER"}, true},
        {"part spanning two keywords", [](TKeywordFilter &f) { f.ContainPart.Add("ab"); }, {"a", "b"}, false},
        {"count 0..0 without keywords",
         [](TKeywordFilter &f) {
             f.UseCount = true;
             f.CountFrom = 0;
             f.CountTo = 0;
         },
         {}, true},
        {"count 0..0 with a keyword",
         [](TKeywordFilter &f) {
             f.UseCount = true;
             f.CountFrom = 0;
             f.CountTo = 0;
         },
         {"a"}, false},
        {"count from above to",
         [](TKeywordFilter &f) {
             f.UseCount = true;
             f.CountFrom = 3;
             f.CountTo = 1;
         },
         {"a", "b"}, false},
        {"cleared bounds", [](TKeywordFilter &f) { f.UseCount = true; }, {}, false},
    };
    for (const FilterCase &c : cases) {
        TKeywordFilter filter;
        c.setUp(filter);
        EXPECT_EQ(filter.Passes(Kw(c.keywords)), c.passes) << c.name;
    }
}

TEST(KeywordFilter, ClearFilterEmptiesEverythingAndIsFilterEmptyIgnoresCascade)
{
    TKeywordFilter filter;
    filter.ContainAll.Add(QStringLiteral("a"));
    filter.ContainCascade.append(QStringLiteral("a"));
    filter.UseCount = true;
    filter.CountFrom = 1;
    EXPECT_FALSE(filter.IsFilterEmpty());
    filter.ClearFilter();
    EXPECT_TRUE(filter.IsFilterEmpty());
    EXPECT_TRUE(filter.ContainCascade.isEmpty());
    EXPECT_EQ(filter.CountFrom, -1);
    filter.ContainCascade.append(QStringLiteral("left over"));
    EXPECT_TRUE(filter.IsFilterEmpty());
    filter.UseCount = true;
    EXPECT_FALSE(filter.IsFilterEmpty());
}

TEST(KeywordFilter, SelectionNarrowingIsForgottenByTheNextApply)
{
    TFileSet set;
    for (int i = 0; i < 10; ++i) {
        set.Add(QStringLiteral("/p/%1.jpg").arg(i))->KeywordList.Add(i % 2 ? QStringLiteral("odd") : QStringLiteral("even"));
    }
    set.ClearFilter();
    set.FilesAll(3)->Selected = true;
    set.FilesAll(8)->Selected = true;
    set.ApplyFilterBySelected();
    ASSERT_EQ(set.CountFiltered(), 2);
    EXPECT_EQ(set.FilesFiltered(1), set.FilesAll(8));
    EXPECT_EQ(set.FilesAll(8)->Number, 2);

    TKeywordFilter filter;
    filter.ContainAll.Add(QStringLiteral("ODD"));
    set.ApplyFilter(filter);
    EXPECT_EQ(set.CountFiltered(), 5);
    for (int i = 0; i < set.CountFiltered(); ++i) {
        EXPECT_EQ(set.FilesFiltered(i)->Number, i + 1);
    }
    set.ClearFilter();
    EXPECT_EQ(set.CountFiltered(), 10);
}
