// Keyword comparison and the text rules shared by every keyword list, filter and dialog.
#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// Locale-aware comparison of two keywords: the user's collation with letter case as the
// only ignored difference. Negative, zero or positive like strcmp. Safe from any thread.
int CompareKeywords(const QString &a, const QString &b);

inline bool SameKeyword(const QString &a, const QString &b)
{
    return CompareKeywords(a, b) == 0;
}

// True when search occurs in text after both were upper-cased by the user's locale.
// An empty search text is contained in nothing.
bool TextContains(const QString &text, const QString &search);

// Upper-cases by the user's locale rules (full Unicode: "straße" becomes "STRASSE").
QString LocaleUpper(const QString &text);

// Removes every leading and trailing character whose code is 32 or less.
QString RemoveWhiteSpace(const QString &text);

// First index of an entry equal to text under the keyword comparison, scanning from 0; -1 if none.
int TextIndexInList(const QStringList &list, const QString &text);
bool TextInList(const QStringList &list, const QString &text);

} // namespace orvane
