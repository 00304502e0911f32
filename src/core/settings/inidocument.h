// An in-memory INI document that keeps sections and keys in the order they were first written
// and saves as UTF-8 with byte-order mark and CR LF line ends.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace orvane {

class TIniDocument
{
public:
    enum class LoadResult { Loaded, Missing, NotUtf8, ReadError };

    // Replaces the contents with those of the file. A missing file gives an empty document;
    // bytes that are not valid UTF-8 text (or hold NUL characters) leave it empty.
    LoadResult loadFromFile(const QString &fileName);
    // Reading rules: lines trimmed; empty and ';' lines ignored; "[name]" starts a section;
    // "key = value" split at the first '='; lines before the first section ignored.
    void parse(const QString &text);
    // Byte-order mark, then each section, its keys, and an empty line; CR LF line ends.
    QByteArray toBytes() const;
    // Writes beside the file and renames over it, so a failure leaves the old file whole.
    bool saveToFile(const QString &fileName);

    bool modified() const { return fModified; }
    void clear();

    // Section and key names match without regard to case.
    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // Text that is not a valid decimal integer gives the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // Exactly "1" is true, anything else false; an absent key gives the default.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    void eraseSection(const QString &section);
    QStringList sections() const;
    QStringList keys(const QString &section) const;

private:
    struct Entry
    {
        QString key;
        QString value;
    };
    struct Section
    {
        QString name;
        QList<Entry> entries;
    };
    const Section *findSection(const QString &name) const;
    Section *findSection(const QString &name);
    static const Entry *findEntry(const Section &section, const QString &key);

    QList<Section> fSections;
    bool fModified = false;
};

} // namespace orvane
