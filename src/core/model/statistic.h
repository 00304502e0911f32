// Keyword statistics of a photo set: how often each keyword is used, how many photos carry how
// many keywords, and the totals, with the rows of text the statistics window shows and copies.
#pragma once

#include "core/model/kwstringlist.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvane {

class TFileSet;

// The number of photos that carry one keyword.
class TKeywordCounter
{
public:
    explicit TKeywordCounter(int aCount) : fCount(aCount) {}
    void Inc() { ++fCount; }
    int Count() const { return fCount; }

private:
    int fCount;
};

// One group: the photos that carry exactly fKeywordsCount keywords.
class TUsageCounter
{
public:
    TUsageCounter(int aKeywordsCount, int aFileCount) : fKeywordsCount(aKeywordsCount), fFileCount(aFileCount) {}
    int KeywordsCount() const { return fKeywordsCount; }
    int FileCount() const { return fFileCount; }
    void Inc() { ++fFileCount; }

private:
    int fKeywordsCount;
    int fFileCount;
};

// Computed once from every photo of the set, hidden ones included; it does not follow later
// changes of the set.
class TStatistic
{
public:
    explicit TStatistic(const TFileSet &fileSet);

    int FileCount() const { return fFileCount; }
    int KeywordCountTotal() const { return fKeywordCountTotal; }
    int KeywordCountUnique() const { return fKeywordCountUnique; }
    double AvgKeywordsPerFile() const { return fAvgKeywordsPerFile; }
    // The keywords in usage order: most used first, ties in exact code-unit order.
    const QStringList &KeywordList() const { return fKeywordList; }
    int GroupCount() const { return int(fUsageList.size()); }

    QString Keyword(int index) const { return fKeywordList.at(index); }
    int KeywordUsageCount(int index) const { return fKeywordCounters.at(index).Count(); }
    int GroupKeywordsInFile(int index) const { return fUsageList.at(index).KeywordsCount(); }
    int GroupFileCount(int index) const { return fUsageList.at(index).FileCount(); }

    // The rows as the statistics window shows them: totals (name, value), keywords (#, keyword,
    // used count) and groups (#, keywords in file, file count). The average is written with one
    // decimal in locale's notation.
    QList<QStringList> TotalsRows(const QLocale &locale = QLocale()) const;
    QList<QStringList> KeywordRows() const;
    QList<QStringList> FileRows() const;

private:
    void CountKeywords(const TFileSet &fileSet);
    void CountGroups(const TFileSet &fileSet);

    int fFileCount = 0;
    int fKeywordCountTotal = 0;
    int fKeywordCountUnique = 0;
    double fAvgKeywordsPerFile = 0;
    QStringList fKeywordList;
    QList<TKeywordCounter> fKeywordCounters;
    QList<TUsageCounter> fUsageList;
};

// total / count with at least one digit before and exactly one after locale's decimal separator,
// rounded to the nearest (halves up, computed exactly), without digit grouping; "0.0" for no count.
QString FormatAverage(qint64 total, qint64 count, const QLocale &locale = QLocale());

// The statistics as the window copies them to the clipboard: the caption, the totals, then both
// detail tables with their column captions; cells joined by commas, lines ended by CR LF.
QString StatisticText(const QString &caption, const QList<QStringList> &totals, const QStringList &keywordHeader,
                      const QList<QStringList> &keywords, const QStringList &fileHeader,
                      const QList<QStringList> &files);

} // namespace orvane
