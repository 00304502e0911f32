// Widget-free filter rules shared by the filter dialog and the cascade filter.
#include "ui/dialogs/filterrules.h"

#include "core/model/fileset.h"
#include "core/model/keywordfilter.h"
#include "core/model/keywordtext.h"

#include <QLocale>
#include <QSet>

namespace orvane {

QStringList KeywordsContainingText(const QStringList &keywords, const QString &text)
{
    if (text.isEmpty()) {
        return keywords;
    }
    // Upper-case the search text once; each keyword is upper-cased by the same locale rules,
    // which gives the same answer as TextContains for every keyword.
    const QLocale locale;
    const QString search = locale.toUpper(text);
    QStringList result;
    for (const QString &keyword : keywords) {
        if (locale.toUpper(keyword).contains(search, Qt::CaseSensitive)) {
            result.append(keyword);
        }
    }
    return result;
}

int CountCascadeMatches(const TFileSet &fileSet, const TKwStringList &picked, TKwStringList *candidates)
{
    if (candidates) {
        candidates->Clear();
    }
    if (picked.IsEmpty()) {
        return 0;
    }
    int count = 0;
    // A popular keyword can sit on thousands of photos: gather the distinct spellings first (a hash
    // lookup each) and sort only those, in the order met, so the first spelling still wins.
    QSet<QString> seen;
    QStringList spellings;
    for (int i = 0; i < fileSet.CountAll(); ++i) {
        const TKwStringList &keywords = fileSet.FilesAll(i)->KeywordList;
        if (keywords.Count() < picked.Count() || !keywords.ContainsStrings(picked)) {
            continue;
        }
        ++count;
        if (candidates) {
            for (const QString &keyword : keywords) {
                if (!seen.contains(keyword)) {
                    seen.insert(keyword);
                    spellings.append(keyword);
                }
            }
        }
    }
    if (candidates) {
        candidates->AddStrings(spellings);
        candidates->DeleteStrings(picked);
    }
    return count;
}

QString CascadeInfoText(const QStringList &picked, int fileCount)
{
    if (picked.isEmpty()) {
        return QStringLiteral("Keywords: [  ]");
    }
    QStringList parts;
    parts.reserve(picked.size());
    for (const QString &keyword : picked) {
        parts.append(QStringLiteral("[%1]").arg(keyword));
    }
    const QString count = fileCount == 1 ? QStringLiteral(" = ( %1 file )").arg(fileCount)
                                         : QStringLiteral(" = ( %1 files )").arg(fileCount);
    return QStringLiteral("Keywords: ") + parts.join(QStringLiteral(" + ")) + count;
}

QStringList CascadeOrderOnAccept(const QStringList &containCascade, const QStringList &containAll)
{
    if (containCascade.isEmpty() || containCascade.size() != containAll.size()) {
        return containAll;
    }
    for (const QString &keyword : containCascade) {
        if (!TextInList(containAll, keyword)) {
            return containAll;
        }
    }
    return containCascade;
}

void SetFilterFromCascade(TKeywordFilter &filter, const QStringList &picked)
{
    filter.ClearFilter();
    filter.ContainAll.AddStrings(picked);
    filter.ContainCascade = picked;
}

} // namespace orvane
