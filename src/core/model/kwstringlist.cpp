// Sorted, case-insensitive keyword list.
#include "core/model/kwstringlist.h"

#include "core/model/keywordtext.h"

namespace orvane {

bool TKwStringList::Find(const QString &keyword, int &index) const
{
    int low = 0;
    int high = Count() - 1;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        const int order = CompareKeywords(fItems.at(middle), keyword);
        if (order < 0) {
            low = middle + 1;
        } else if (order > 0) {
            high = middle - 1;
        } else {
            index = middle;
            return true;
        }
    }
    index = low;
    return false;
}

int TKwStringList::Add(const QString &keyword)
{
    int index = 0;
    if (!Find(keyword, index)) {
        fItems.insert(index, keyword);
    }
    return index;
}

void TKwStringList::AddStrings(const QStringList &strings)
{
    for (const QString &s : strings) {
        Add(s);
    }
}

void TKwStringList::AddStrings(const TKwStringList &other)
{
    AddStrings(other.fItems);
}

int TKwStringList::IndexOf(const QString &keyword) const
{
    int index = 0;
    return Find(keyword, index) ? index : -1;
}

QString TKwStringList::Text() const
{
    QString text;
    for (const QString &s : fItems) {
        text += s;
        text += QStringLiteral("\r\n");
    }
    return text;
}

bool TKwStringList::ContainsStrings(const QStringList &strings) const
{
    if (strings.isEmpty()) {
        return false;
    }
    for (const QString &s : strings) {
        if (!ContainsString(s)) {
            return false;
        }
    }
    return true;
}

void TKwStringList::DeleteString(const QString &keyword)
{
    const int index = IndexOf(keyword);
    if (index >= 0) {
        Delete(index);
    }
}

void TKwStringList::DeleteStrings(const QStringList &strings)
{
    for (const QString &s : strings) {
        DeleteString(s);
    }
}

int TKwStringList::MatchingStrings(const QStringList &strings) const
{
    int count = 0;
    for (const QString &s : strings) {
        if (ContainsString(s)) {
            ++count;
        }
    }
    return count;
}

} // namespace orvane
