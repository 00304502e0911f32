// The keyword list used everywhere: always sorted, case-insensitive, free of duplicates.
#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// Invariants, true at every moment: entries are in ascending keyword order (CompareKeywords),
// no two entries compare equal, and an entry keeps the spelling it was first added with.
// There is no in-place overwrite on purpose: replacing means Delete plus Add.
class TKwStringList
{
public:
    TKwStringList() = default;
    explicit TKwStringList(const QStringList &strings) { AddStrings(strings); }

    // Index of the new entry, or of the existing equal entry (which stays unchanged).
    int Add(const QString &keyword);
    void AddStrings(const QStringList &strings);
    void AddStrings(const TKwStringList &other);
    int IndexOf(const QString &keyword) const;

    void Delete(int index) { fItems.removeAt(index); }
    void Clear() { fItems.clear(); }
    int Count() const { return int(fItems.size()); }
    bool IsEmpty() const { return fItems.isEmpty(); }
    const QString &operator[](int index) const { return fItems.at(index); }
    const QString &at(int index) const { return fItems.at(index); }

    // All entries as lines, each ended by CR LF.
    QString Text() const;
    const QStringList &Strings() const { return fItems; }

    bool ContainsString(const QString &keyword) const { return IndexOf(keyword) >= 0; }
    // False for an empty argument; otherwise true when every string is present.
    bool ContainsStrings(const QStringList &strings) const;
    bool ContainsStrings(const TKwStringList &strings) const { return ContainsStrings(strings.fItems); }
    void DeleteString(const QString &keyword);
    void DeleteStrings(const QStringList &strings);
    void DeleteStrings(const TKwStringList &strings) { DeleteStrings(strings.fItems); }
    // How many strings of the argument are in the list; duplicates in the argument count each time.
    int MatchingStrings(const QStringList &strings) const;
    int MatchingStrings(const TKwStringList &strings) const { return MatchingStrings(strings.fItems); }

    QStringList::const_iterator begin() const { return fItems.cbegin(); }
    QStringList::const_iterator end() const { return fItems.cend(); }

    bool operator==(const TKwStringList &other) const = default;

private:
    // Binary search: true and the index of the equal entry, or false and the insert position.
    bool Find(const QString &keyword, int &index) const;

    QStringList fItems;
};

// Lets an integer ride along with a string in a plain list (usage counts of recent keywords).
struct TInt
{
    explicit TInt(int value) : i(value) {}
    int i;
};

} // namespace orvane
