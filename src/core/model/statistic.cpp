// Counting keywords and keyword groups over a photo set, and the text rows of the statistics.
#include "core/model/statistic.h"

#include "core/model/fileset.h"
#include "core/settings/fileutils.h"

#include <algorithm>
#include <numeric>

namespace orvane {

TStatistic::TStatistic(const TFileSet &fileSet)
{
    CountKeywords(fileSet);
    CountGroups(fileSet);
}

void TStatistic::CountKeywords(const TFileSet &fileSet)
{
    // The case-insensitive list finds a keyword met before; the counters run parallel to it.
    TKwStringList found;
    QList<TKeywordCounter> counters;
    fFileCount = fileSet.CountAll();
    for (int i = 0; i < fFileCount; ++i) {
        const TKwStringList &keywords = fileSet.FilesAll(i)->KeywordList;
        fKeywordCountTotal += keywords.Count();
        for (const QString &keyword : keywords) {
            const int before = found.Count();
            const int index = found.Add(keyword);
            if (found.Count() > before) {
                counters.insert(index, TKeywordCounter(1));
            } else {
                counters[index].Inc();
            }
        }
    }
    fKeywordCountUnique = found.Count();
    fAvgKeywordsPerFile = fFileCount > 0 ? double(fKeywordCountTotal) / double(fFileCount) : 0.0;

    // Usage order: the larger count first, then the exact text order, so no two entries tie.
    QList<int> order(found.Count());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        if (counters.at(a).Count() != counters.at(b).Count()) {
            return counters.at(a).Count() > counters.at(b).Count();
        }
        return found.at(a) < found.at(b);
    });
    fKeywordList.reserve(order.size());
    fKeywordCounters.reserve(order.size());
    for (int index : order) {
        fKeywordList.append(found.at(index));
        fKeywordCounters.append(counters.at(index));
    }
}

void TStatistic::CountGroups(const TFileSet &fileSet)
{
    for (int i = 0; i < fileSet.CountAll(); ++i) {
        const int count = fileSet.FilesAll(i)->KeywordList.Count();
        auto group = std::find_if(fUsageList.begin(), fUsageList.end(),
                                  [count](const TUsageCounter &usage) { return usage.KeywordsCount() == count; });
        if (group == fUsageList.end()) {
            fUsageList.append(TUsageCounter(count, 0));
            group = fUsageList.end() - 1;
        }
        group->Inc();
    }
    std::sort(fUsageList.begin(), fUsageList.end(), [](const TUsageCounter &a, const TUsageCounter &b) {
        return a.KeywordsCount() > b.KeywordsCount();
    });
}

QList<QStringList> TStatistic::TotalsRows(const QLocale &locale) const
{
    return {
        {QStringLiteral("Files"), FormatThousands(fFileCount)},
        {QStringLiteral("Keywords"), FormatThousands(fKeywordCountTotal)},
        {QStringLiteral("Unique keywords"), FormatThousands(fKeywordCountUnique)},
        {QStringLiteral("Keywords per file"), FormatAverage(fKeywordCountTotal, fFileCount, locale)},
    };
}

QList<QStringList> TStatistic::KeywordRows() const
{
    QList<QStringList> rows;
    rows.reserve(fKeywordList.size());
    for (int i = 0; i < fKeywordList.size(); ++i) {
        rows.append({FormatThousands(i + 1), fKeywordList.at(i), FormatThousands(fKeywordCounters.at(i).Count())});
    }
    return rows;
}

QList<QStringList> TStatistic::FileRows() const
{
    QList<QStringList> rows;
    rows.reserve(fUsageList.size());
    for (int i = 0; i < fUsageList.size(); ++i) {
        rows.append({QString::number(i + 1), FormatThousands(fUsageList.at(i).KeywordsCount()),
                     FormatThousands(fUsageList.at(i).FileCount())});
    }
    return rows;
}

QString FormatAverage(qint64 total, qint64 count, const QLocale &locale)
{
    // In whole tenths, so that 1.25 reads 1.3 however the binary fraction would round.
    const qint64 tenths = count > 0 ? (20 * total + count) / (2 * count) : 0;
    return QString::number(tenths / 10) + locale.decimalPoint() + QString::number(tenths % 10);
}

QString StatisticText(const QString &caption, const QList<QStringList> &totals, const QStringList &keywordHeader,
                      const QList<QStringList> &keywords, const QStringList &fileHeader,
                      const QList<QStringList> &files)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text;
    const auto line = [&](const QString &content) { text += content + crlf; };
    line(caption);
    line(QString());
    line(QStringLiteral("Totals"));
    line(QString());
    for (const QStringList &row : totals) {
        line(row.join(QLatin1Char(',')));
    }
    line(QString());
    line(QStringLiteral("Details"));
    line(QString());
    line(QStringLiteral("Keywords"));
    line(keywordHeader.join(QLatin1Char(',')));
    for (const QStringList &row : keywords) {
        line(row.join(QLatin1Char(',')));
    }
    line(QString());
    line(QStringLiteral("Files"));
    line(fileHeader.join(QLatin1Char(',')));
    for (const QStringList &row : files) {
        line(row.join(QLatin1Char(',')));
    }
    return text;
}

} // namespace orvane
