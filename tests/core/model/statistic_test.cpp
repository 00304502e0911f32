#include "core/model/statistic.h"

#include "core/model/fileset.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {

// One photo per entry, carrying the keywords of its entry.
void Fill(TFileSet &set, const QList<QStringList> &photos)
{
    for (int i = 0; i < photos.size(); ++i) {
        set.Add(QStringLiteral("/p/%1.jpg").arg(i))->KeywordList.AddStrings(photos.at(i));
    }
    set.ArrangeFilter();
}

QStringList Numbered(const QString &prefix, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i) {
        list.append(prefix + QString::number(i));
    }
    return list;
}

} // namespace

TEST(Statistic, EmptySetGivesZerosAndNoRows)
{
    TFileSet set;
    TStatistic statistic(set);
    EXPECT_EQ(statistic.FileCount(), 0);
    EXPECT_EQ(statistic.AvgKeywordsPerFile(), 0.0);
    EXPECT_EQ(statistic.TotalsRows(QLocale(QLocale::German, QLocale::Germany)),
              (QList<QStringList>{{"Files", "0"}, {"Keywords", "0"}, {"Unique keywords", "0"},
                                  {"Keywords per file", "0,0"}}));
    EXPECT_TRUE(statistic.KeywordRows().isEmpty());
    EXPECT_TRUE(statistic.FileRows().isEmpty());
}

TEST(Statistic, CountsEveryPhotoIgnoringCaseAndKeepsTheFirstSpelling)
{
    TFileSet set;
    QList<QStringList> photos;
    for (int i = 0; i < 5; ++i) {
        photos.append({QStringLiteral("sky")});
    }
    photos.append({QStringLiteral("Sky"), QStringLiteral("apple")});
    photos.append({QStringLiteral("Sky"), QStringLiteral("Beach")});
    Fill(set, photos);
    // Photos the filter hides still count.
    set.FilesAll(6)->InFilter = false;
    set.ArrangeFilter();

    TStatistic statistic(set);
    EXPECT_EQ(statistic.FileCount(), 7);
    EXPECT_EQ(statistic.KeywordCountTotal(), 9);
    EXPECT_EQ(statistic.KeywordCountUnique(), 3);
    EXPECT_DOUBLE_EQ(statistic.AvgKeywordsPerFile(), 9.0 / 7.0);
    EXPECT_EQ(statistic.KeywordList(), (QStringList{"sky", "Beach", "apple"}));
    EXPECT_EQ(statistic.KeywordUsageCount(0), 7);
    EXPECT_EQ(statistic.KeywordUsageCount(1), 1);
    EXPECT_EQ(statistic.TotalsRows().at(3), (QStringList{"Keywords per file", "1.3"}));
}

TEST(Statistic, EqualCountsAreOrderedByExactCodeUnits)
{
    TFileSet set;
    Fill(set, {{"apple", "Zoo", "zebra", "Beach", QString::fromUtf8("Äpfel")}});
    TStatistic statistic(set);
    EXPECT_EQ(statistic.KeywordList(), (QStringList{"Beach", "Zoo", "apple", "zebra", QString::fromUtf8("Äpfel")}));
}

TEST(Statistic, GroupsRunFromMostKeywordsToNone)
{
    TFileSet set;
    Fill(set, {Numbered("a", 3), {}, Numbered("b", 3), Numbered("c", 12)});
    TStatistic statistic(set);
    ASSERT_EQ(statistic.GroupCount(), 3);
    EXPECT_EQ(statistic.FileRows(), (QList<QStringList>{{"1", "12", "1"}, {"2", "3", "2"}, {"3", "0", "1"}}));
    EXPECT_EQ(statistic.GroupKeywordsInFile(2), 0);
    EXPECT_EQ(statistic.GroupFileCount(1), 2);
}

TEST(Statistic, AverageRoundsHalvesUpWithTheLocaleSeparator)
{
    const struct
    {
        qint64 total, count;
        const char *english, *german;
    } cases[] = {
        {0, 0, "0.0", "0,0"},     {5, 4, "1.3", "1,3"},   {1, 20, "0.1", "0,1"},
        {2, 3, "0.7", "0,7"},     {1, 3, "0.3", "0,3"},   {12345, 1, "12345.0", "12345,0"},
        {19999, 2000, "10.0", "10,0"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FormatAverage(c.total, c.count, QLocale(QLocale::English, QLocale::UnitedStates)),
                  QString::fromLatin1(c.english));
        EXPECT_EQ(FormatAverage(c.total, c.count, QLocale(QLocale::German, QLocale::Germany)),
                  QString::fromLatin1(c.german));
    }
}

TEST(Statistic, TextLayoutIsExactWithThousandsBlanksUnquoted)
{
    TFileSet set;
    QList<QStringList> photos;
    for (int i = 0; i < 1500; ++i) {
        photos.append(i < 2 ? QStringList{"sky", "sea, blue"} : QStringList{"sky"});
    }
    Fill(set, photos);
    TStatistic statistic(set);
    const QString text = StatisticText(QStringLiteral("Statistics /photos/"), statistic.TotalsRows(),
                                       {"#", "Keyword", "Used Count"}, statistic.KeywordRows(),
                                       {"#", "Keywords in file", "File Count"}, statistic.FileRows());
    const QString expected = QStringLiteral("Statistics /photos/\r\n"
                                            "\r\n"
                                            "Totals\r\n"
                                            "\r\n"
                                            "Files,1 500\r\n"
                                            "Keywords,1 502\r\n"
                                            "Unique keywords,2\r\n"
                                            "Keywords per file,1.0\r\n"
                                            "\r\n"
                                            "Details\r\n"
                                            "\r\n"
                                            "Keywords\r\n"
                                            "#,Keyword,Used Count\r\n"
                                            "1,sky,1 500\r\n"
                                            "2,sea, blue,2\r\n"
                                            "\r\n"
                                            "Files\r\n"
                                            "#,Keywords in file,File Count\r\n"
                                            "1,2,2\r\n"
                                            "2,1,1 498\r\n");
    EXPECT_EQ(text, expected);
}

TEST(Statistic, RowNumbersOfTheKeywordTableAreGroupedToo)
{
    TFileSet set;
    Fill(set, {Numbered("k", 1000)});
    TStatistic statistic(set);
    const QList<QStringList> rows = statistic.KeywordRows();
    ASSERT_EQ(rows.size(), 1000);
    EXPECT_EQ(rows.last().first(), QStringLiteral("1 000"));
    EXPECT_EQ(rows.at(998).first(), QStringLiteral("999"));
}
