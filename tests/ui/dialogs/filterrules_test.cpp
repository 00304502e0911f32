// The widget-free filter rules: text filtering, counting a cascade chain, the information line
// and the cascade order kept by the filter dialog.
#include "ui/dialogs/filterrules.h"

#include "core/model/fileset.h"
#include "core/model/keywordfilter.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(FilterRules, KeywordsContainingTextIgnoresCaseAndKeepsBlanks)
{
    const QStringList keywords{"Beach", "blue sky", "Skyline", "Straße", "sky"};
    EXPECT_EQ(KeywordsContainingText(keywords, QString()), keywords);
    EXPECT_EQ(KeywordsContainingText(keywords, QStringLiteral("SKY")), (QStringList{"blue sky", "Skyline", "sky"}));
    EXPECT_EQ(KeywordsContainingText(keywords, QStringLiteral(" sky")), (QStringList{"blue sky"}));
    // Locale upper-casing is full Unicode: "ß" becomes "SS".
    EXPECT_EQ(KeywordsContainingText(keywords, QStringLiteral("strass")), (QStringList{"Straße"}));
    EXPECT_TRUE(KeywordsContainingText(keywords, QStringLiteral("zz")).isEmpty());
}

TEST(FilterRules, CascadeInfoTextForms)
{
    struct Case {
        QStringList picked;
        int count;
        const char *expected;
    };
    const Case cases[] = {
        {{}, 0, "Keywords: [  ]"},
        {{}, 7, "Keywords: [  ]"},
        {{"Sky", "Sea"}, 12, "Keywords: [Sky] + [Sea] = ( 12 files )"},
        {{"Sky"}, 1, "Keywords: [Sky] = ( 1 file )"},
        {{"Sky"}, 0, "Keywords: [Sky] = ( 0 files )"},
        {{"a", "b", "c"}, 1000, "Keywords: [a] + [b] + [c] = ( 1000 files )"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CascadeInfoText(c.picked, c.count), QString::fromUtf8(c.expected));
    }
}

TEST(FilterRules, CascadeOrderSurvivesOnlyWhenItNamesTheSameKeywords)
{
    struct Case {
        QStringList cascade;
        QStringList containAll;
        QStringList expected;
    };
    const Case cases[] = {
        {{"b", "a"}, {"a", "b"}, {"b", "a"}},        // same keywords: the cascade order stays
        {{"B", "a"}, {"a", "b"}, {"B", "a"}},        // letter case ignored
        {{"b", "a"}, {"a", "b", "c"}, {"a", "b", "c"}}, // a keyword added: on-screen order
        {{"b", "x"}, {"a", "b"}, {"a", "b"}},        // a different keyword
        {{}, {"c", "a"}, {"c", "a"}},                // no cascade order yet
        {{"a"}, {}, {}},                              // the list was emptied
        {{"a", "a"}, {"a", "b"}, {"a", "a"}},        // kept as it stands when every entry is found
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CascadeOrderOnAccept(c.cascade, c.containAll), c.expected) << c.cascade.join(',').toStdString();
    }
}

TEST(FilterRules, CascadeMatchesCountAllPhotosAndCollectTheOtherKeywords)
{
    TFileSet files;
    const QList<QStringList> keywords{
        {"Sky", "Sea", "Boat"}, {"sky", "Sea"}, {"Sky", "Tree"}, {"Sea"}, {},
    };
    for (int i = 0; i < keywords.size(); ++i) {
        TFileInfo *photo = files.Add(QStringLiteral("/p%1.jpg").arg(i));
        photo->KeywordList = TKwStringList(keywords.at(i));
    }
    files.FilesAll(2)->InFilter = false; // hidden photos still count
    files.ArrangeFilter();

    TKwStringList candidates;
    EXPECT_EQ(CountCascadeMatches(files, TKwStringList(QStringList{"SKY"}), &candidates), 3);
    EXPECT_EQ(candidates.Strings(), (QStringList{"Boat", "Sea", "Tree"}));
    EXPECT_EQ(CountCascadeMatches(files, TKwStringList(QStringList{"Sky", "Sea"}), &candidates), 2);
    EXPECT_EQ(candidates.Strings(), (QStringList{"Boat"}));
    EXPECT_EQ(CountCascadeMatches(files, TKwStringList(QStringList{"Sea"})), 3);
    EXPECT_EQ(CountCascadeMatches(files, TKwStringList(), &candidates), 0);
    EXPECT_TRUE(candidates.IsEmpty());
    EXPECT_EQ(CountCascadeMatches(files, TKwStringList(QStringList{"Nowhere"}), &candidates), 0);
    EXPECT_TRUE(candidates.IsEmpty());
}

TEST(FilterRules, CascadeReplacesTheWholeFilter)
{
    TKeywordFilter filter;
    filter.ContainSome.Add(QStringLiteral("x"));
    filter.ContainNone.Add(QStringLiteral("y"));
    filter.ContainPart.Add(QStringLiteral("z"));
    filter.UseCount = true;
    filter.CountFrom = 1;
    filter.CountTo = 3;
    SetFilterFromCascade(filter, {"Sky", "Beach"});
    EXPECT_EQ(filter.ContainAll.Strings(), (QStringList{"Beach", "Sky"}));
    EXPECT_EQ(filter.ContainCascade, (QStringList{"Sky", "Beach"}));
    EXPECT_TRUE(filter.ContainSome.IsEmpty());
    EXPECT_TRUE(filter.ContainNone.IsEmpty());
    EXPECT_TRUE(filter.ContainPart.IsEmpty());
    EXPECT_FALSE(filter.UseCount);
    EXPECT_EQ(filter.CountFrom, -1);

    SetFilterFromCascade(filter, {});
    EXPECT_TRUE(filter.IsFilterEmpty());
    EXPECT_TRUE(filter.ContainCascade.isEmpty());
}

} // namespace
} // namespace orvane
