#include "core/model/kwstringlist.h"
#include "core/model/keywordtext.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
QStringList Entries(const TKwStringList &list)
{
    return list.Strings();
}
} // namespace

TEST(KwStringList, KeepsFirstSpellingAndIgnoresCaseDuplicates)
{
    TKwStringList list;
    EXPECT_EQ(list.Add(QStringLiteral("Sky")), 0);
    EXPECT_EQ(list.Add(QStringLiteral("sky")), 0);
    EXPECT_EQ(list.Add(QStringLiteral("SKY")), 0);
    EXPECT_EQ(Entries(list), QStringList{QStringLiteral("Sky")});
}

TEST(KwStringList, OrdersByCollationNotByCodePoint)
{
    TKwStringList list(QStringList{QStringLiteral("cherry"), QStringLiteral("Banana"), QStringLiteral("apple")});
    EXPECT_EQ(Entries(list), (QStringList{QStringLiteral("apple"), QStringLiteral("Banana"), QStringLiteral("cherry")}));
    // Accented letters sort beside their base letter, not after "z".
    list.Add(QStringLiteral("zebra"));
    list.Add(QStringLiteral("Äpfel"));
    EXPECT_EQ(list.IndexOf(QStringLiteral("äPFEL")), 0);
    EXPECT_EQ(list.IndexOf(QStringLiteral("Zebra")), 4);
}

TEST(KwStringList, OnlyCaseIsIgnored)
{
    TKwStringList list;
    list.AddStrings(QStringList{QStringLiteral("tree"), QStringLiteral(" tree"), QStringLiteral("café"),
                                QStringLiteral("cafe"), QStringLiteral("a-b"), QStringLiteral("ab"),
                                QStringLiteral("a\u0001b"), QStringLiteral("Ａb")});
    EXPECT_EQ(list.Count(), 8);
    for (const QString &s : list) {
        EXPECT_GE(list.IndexOf(s), 0) << s.toStdString();
    }
}

TEST(KwStringList, StaysSortedUnderRandomInsertions)
{
    TKwStringList list;
    const QStringList words{"Oak", "elm", "Ash", "birch", "ELM", "willow", "Maple", "ash", "Ölbaum", "öak", "1", "_x"};
    for (const QString &w : words) {
        list.Add(w);
    }
    for (int i = 1; i < list.Count(); ++i) {
        EXPECT_LT(CompareKeywords(list[i - 1], list[i]), 0) << list[i - 1].toStdString();
        EXPECT_EQ(list.IndexOf(list[i]), i);
    }
    EXPECT_EQ(list.Count(), 10);
    EXPECT_EQ(list.IndexOf(QStringLiteral("elm")), list.IndexOf(QStringLiteral("ELM")));
    EXPECT_EQ(list[list.IndexOf(QStringLiteral("ELM"))], QStringLiteral("elm"));
}

TEST(KwStringList, DeleteAndContains)
{
    TKwStringList list(QStringList{QStringLiteral("tree"), QStringLiteral("sky")});
    list.DeleteString(QStringLiteral("TREE"));
    EXPECT_EQ(Entries(list), QStringList{QStringLiteral("sky")});
    list.DeleteString(QStringLiteral("absent"));
    EXPECT_EQ(list.Count(), 1);

    list.AddStrings(QStringList{QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_FALSE(list.ContainsStrings(QStringList{}));
    EXPECT_FALSE(TKwStringList().ContainsStrings(QStringList{}));
    EXPECT_TRUE(list.ContainsStrings(QStringList{QStringLiteral("A"), QStringLiteral("SKY")}));
    EXPECT_FALSE(list.ContainsStrings(QStringList{QStringLiteral("a"), QStringLiteral("c")}));

    EXPECT_EQ(list.MatchingStrings(QStringList{}), 0);
    EXPECT_EQ(list.MatchingStrings(QStringList{QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("c")}), 2);

    list.DeleteStrings(QStringList{QStringLiteral("b"), QStringLiteral("SKY")});
    EXPECT_EQ(Entries(list), QStringList{QStringLiteral("a")});
}

TEST(KwStringList, TextEndsEveryLineWithCrLf)
{
    TKwStringList list(QStringList{QStringLiteral("b"), QStringLiteral("a")});
    EXPECT_EQ(list.Text(), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(TKwStringList().Text(), QString());
}
