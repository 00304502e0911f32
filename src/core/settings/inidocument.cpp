// In-memory INI document.
#include "core/settings/inidocument.h"

#include "core/model/keywordtext.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace orvane {

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

TIniDocument::LoadResult TIniDocument::loadFromFile(const QString &fileName)
{
    clear();
    QFile file(fileName);
    if (!file.exists()) {
        return LoadResult::Missing;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return LoadResult::ReadError;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return LoadResult::ReadError;
    }
    // A leading byte-order mark is skipped by the decoder.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    // A NUL never belongs in a settings text; a file of zeros is what a crash mid-write leaves.
    if (decoder.hasError() || text.contains(QChar(u'\0'))) {
        return LoadResult::NotUtf8;
    }
    parse(text);
    fModified = false;
    return LoadResult::Loaded;
}

void TIniDocument::parse(const QString &text)
{
    clear();
    Section *current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &rawLine : lines) {
        const QString line = RemoveWhiteSpace(rawLine);
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) {
            continue;
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = RemoveWhiteSpace(line.mid(1, line.size() - 2));
            current = findSection(name);
            if (current == nullptr) {
                fSections.append(Section{name, {}});
                current = &fSections.last();
            }
            continue;
        }
        if (current == nullptr) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            continue;
        }
        const QString key = RemoveWhiteSpace(line.left(equals));
        if (key.isEmpty() || findEntry(*current, key) != nullptr) {
            // The first of duplicate keys wins, as a reader of the file would see it.
            continue;
        }
        current->entries.append(Entry{key, RemoveWhiteSpace(line.mid(equals + 1))});
    }
    fModified = true;
}

QByteArray TIniDocument::toBytes() const
{
    QString text;
    for (const Section &section : fSections) {
        text += QLatin1Char('[') + section.name + QLatin1String("]\r\n");
        for (const Entry &entry : section.entries) {
            text += entry.key + QLatin1Char('=') + entry.value + QLatin1String("\r\n");
        }
        text += QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool TIniDocument::saveToFile(const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray bytes = toBytes();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return false;
    }
    fModified = false;
    return true;
}

void TIniDocument::clear()
{
    fModified = fModified || !fSections.isEmpty();
    fSections.clear();
}

const TIniDocument::Section *TIniDocument::findSection(const QString &name) const
{
    for (const Section &section : fSections) {
        if (sameName(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

TIniDocument::Section *TIniDocument::findSection(const QString &name)
{
    for (Section &section : fSections) {
        if (sameName(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

const TIniDocument::Entry *TIniDocument::findEntry(const Section &section, const QString &key)
{
    for (const Entry &entry : section.entries) {
        if (sameName(entry.key, key)) {
            return &entry;
        }
    }
    return nullptr;
}

bool TIniDocument::sectionExists(const QString &section) const
{
    return findSection(section) != nullptr;
}

bool TIniDocument::valueExists(const QString &section, const QString &key) const
{
    const Section *found = findSection(section);
    return found != nullptr && findEntry(*found, key) != nullptr;
}

QString TIniDocument::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Section *found = findSection(section);
    const Entry *entry = found != nullptr ? findEntry(*found, key) : nullptr;
    return entry != nullptr ? entry->value : defaultValue;
}

int TIniDocument::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key, QString()).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool TIniDocument::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    if (!valueExists(section, key)) {
        return defaultValue;
    }
    return readString(section, key, QString()) == QLatin1String("1");
}

void TIniDocument::writeString(const QString &section, const QString &key, const QString &value)
{
    Section *found = findSection(section);
    if (found == nullptr) {
        fSections.append(Section{section, {}});
        found = &fSections.last();
    }
    for (Entry &entry : found->entries) {
        if (sameName(entry.key, key)) {
            if (entry.value != value) {
                entry.value = value;
                fModified = true;
            }
            return;
        }
    }
    found->entries.append(Entry{key, value});
    fModified = true;
}

void TIniDocument::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void TIniDocument::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniDocument::eraseSection(const QString &section)
{
    for (qsizetype i = 0; i < fSections.size(); ++i) {
        if (sameName(fSections.at(i).name, section)) {
            fSections.removeAt(i);
            fModified = true;
            return;
        }
    }
}

QStringList TIniDocument::sections() const
{
    QStringList names;
    for (const Section &section : fSections) {
        names.append(section.name);
    }
    return names;
}

QStringList TIniDocument::keys(const QString &section) const
{
    QStringList names;
    if (const Section *found = findSection(section)) {
        for (const Entry &entry : found->entries) {
            names.append(entry.key);
        }
    }
    return names;
}

} // namespace orvane
