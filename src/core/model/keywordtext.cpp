// The one keyword comparison of the program and its text helpers.
#include "core/model/keywordtext.h"

#include <QCollator>
#include <QLocale>

namespace orvane {

namespace {

QLocale CollationLocale()
{
    QLocale locale;
    // Qt's collator falls back to code-point order for the C locale; the neutral root
    // collation (which English uses untailored) keeps "apple" < "Banana" < "cherry".
    if (locale.language() == QLocale::C) {
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
    return locale;
}

const QCollator &ThreadCollator()
{
    // QCollator is not safe to share between threads, so each thread keeps its own.
    thread_local const QCollator collator = [] {
        QCollator c(CollationLocale());
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return collator;
}

} // namespace

int CompareKeywords(const QString &a, const QString &b)
{
    const int order = ThreadCollator().compare(a, b);
    if (order != 0) {
        return order < 0 ? -1 : 1;
    }
    // The collator also treats some non-case differences as equal (ignorable control
    // characters, width variants). Only case may make two keywords one, so break the tie
    // on the case-folded text; this keeps one total order for sorting and equality.
    const int folded = a.toCaseFolded().compare(b.toCaseFolded());
    return folded < 0 ? -1 : (folded > 0 ? 1 : 0);
}

QString LocaleUpper(const QString &text)
{
    return QLocale().toUpper(text);
}

bool TextContains(const QString &text, const QString &search)
{
    if (search.isEmpty()) {
        return false;
    }
    return LocaleUpper(text).contains(LocaleUpper(search), Qt::CaseSensitive);
}

QString RemoveWhiteSpace(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size() - 1;
    while (first <= last && text.at(first).unicode() <= 32) {
        ++first;
    }
    while (last >= first && text.at(last).unicode() <= 32) {
        --last;
    }
    return text.mid(first, last - first + 1);
}

int TextIndexInList(const QStringList &list, const QString &text)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (SameKeyword(list.at(i), text)) {
            return int(i);
        }
    }
    return -1;
}

bool TextInList(const QStringList &list, const QString &text)
{
    return TextIndexInList(list, text) >= 0;
}

} // namespace orvane
