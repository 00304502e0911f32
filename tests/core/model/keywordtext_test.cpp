#include "core/model/keywordtext.h"

#include <gtest/gtest.h>

using namespace orvane;

TEST(KeywordText, ContainmentUpperCasesBothSidesByLocale)
{
    EXPECT_TRUE(TextContains(QStringLiteral("Tree"), QStringLiteral("ee")));
    EXPECT_TRUE(TextContains(QStringLiteral("BEER"), QStringLiteral("ee")));
    EXPECT_TRUE(TextContains(QStringLiteral("Straße"), QStringLiteral("SS")));
    EXPECT_TRUE(TextContains(QStringLiteral("МОСКВА"), QStringLiteral("сКв")));
    EXPECT_FALSE(TextContains(QStringLiteral("Tree"), QString()));
    EXPECT_FALSE(TextContains(QString(), QStringLiteral("a")));
    EXPECT_FALSE(TextContains(QStringLiteral("cafe"), QStringLiteral("é")));
}

TEST(KeywordText, RemoveWhiteSpaceStripsControlCharactersAtTheEndsOnly)
{
    EXPECT_EQ(RemoveWhiteSpace(QStringLiteral(" \t\r\n blue sky \x01")), QStringLiteral("blue sky"));
    EXPECT_EQ(RemoveWhiteSpace(QStringLiteral("   ")), QString());
    EXPECT_EQ(RemoveWhiteSpace(QStringLiteral("\u00a0x\u00a0")), QStringLiteral("\u00a0x\u00a0"));
}

TEST(KeywordText, TextIndexInListFindsTheFirstHit)
{
    const QStringList list{QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("b")};
    EXPECT_EQ(TextIndexInList(list, QStringLiteral("b")), 1);
    EXPECT_EQ(TextIndexInList(list, QStringLiteral("c")), -1);
    EXPECT_TRUE(TextInList(list, QStringLiteral("A")));
    EXPECT_FALSE(TextInList(QStringList{}, QStringLiteral("A")));
}
