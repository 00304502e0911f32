// Clipboard text and keyword list files.
#include "core/model/keywordfile.h"

#include "core/settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace orvane
{

namespace
{

const QByteArray kUtf8Mark("\xEF\xBB\xBF");

// Text files carry tabs, line and page breaks and the old end-of-file mark; any other C0 control
// character (NUL above all) means binary data.
bool IsTextCharacter(char32_t c)
{
    return c >= 0x20 || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == 0x1A;
}

bool IsPlainText(const QString &text)
{
    // A lone surrogate cannot become UTF-8 again and would be garbled on the way to a photo.
    if (!text.isValidUtf16()) {
        return false;
    }
    for (const QChar c : text) {
        if (!IsTextCharacter(c.unicode())) {
            return false;
        }
    }
    return true;
}

bool DecodeStrict(QStringConverter::Encoding encoding, const QByteArray &bytes, QString &text)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString NativePath(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

} // namespace

QString KeywordListText(const TKwStringList &keywords)
{
    return keywords.Text();
}

TKwStringList ParseKeywordText(const QString &text)
{
    TKwStringList keywords;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') {
            continue;
        }
        keywords.Add(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < size) {
        keywords.Add(text.mid(start));
    }
    return keywords;
}

QByteArray KeywordFileBytes(const TKwStringList &keywords)
{
    return kUtf8Mark + KeywordListText(keywords).toUtf8();
}

bool DecodeKeywordFileBytes(const QByteArray &bytes, QString &text)
{
    bool decoded = false;
    if (bytes.startsWith(kUtf8Mark)) {
        decoded = DecodeStrict(QStringConverter::Utf8, bytes.mid(3), text);
    } else if (bytes.startsWith("\xFF\xFE")) {
        decoded = DecodeStrict(QStringConverter::Utf16LE, bytes.mid(2), text);
    } else if (bytes.startsWith("\xFE\xFF")) {
        decoded = DecodeStrict(QStringConverter::Utf16BE, bytes.mid(2), text);
    } else if (bytes.contains('\0')) {
        decoded = false;
    } else {
        decoded = DecodeStrict(QStringConverter::Utf8, bytes, text);
        if (!decoded) {
            text = DecodeWindows1252(bytes);
            decoded = true;
        }
    }
    if (!decoded || !IsPlainText(text)) {
        text.clear();
        return false;
    }
    return true;
}

bool SaveKeywordFile(const QString &fileName, const TKwStringList &keywords, QString &errorMessage)
{
    QSaveFile file(fileName);
    const QByteArray bytes = KeywordFileBytes(keywords);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return true;
    }
    errorMessage
        = QStringLiteral("Cannot save the keyword list to \"%1\".\n%2").arg(NativePath(fileName), file.errorString());
    return false;
}

bool LoadKeywordFile(const QString &fileName, TKwStringList &keywords, QString &errorMessage)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        errorMessage = QStringLiteral("Cannot open \"%1\".\n%2").arg(NativePath(fileName), file.errorString());
        return false;
    }
    if (file.size() > kMaxKeywordFileSize) {
        errorMessage
            = QStringLiteral("\"%1\" is too large for a keyword list (%2 MB); keyword lists are at most %3 MB.")
                  .arg(NativePath(fileName))
                  .arg((file.size() + 1024 * 1024 - 1) / (1024 * 1024))
                  .arg(kMaxKeywordFileSize / (1024 * 1024));
        return false;
    }
    // Devices and pipes report no size; never read more than a keyword list can hold.
    const QByteArray bytes = file.read(kMaxKeywordFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        errorMessage = QStringLiteral("Cannot read \"%1\".\n%2").arg(NativePath(fileName), file.errorString());
        return false;
    }
    if (bytes.size() > kMaxKeywordFileSize) {
        errorMessage = QStringLiteral("\"%1\" is too large for a keyword list; keyword lists are at most %2 MB.")
                           .arg(NativePath(fileName))
                           .arg(kMaxKeywordFileSize / (1024 * 1024));
        return false;
    }
    QString text;
    if (!DecodeKeywordFileBytes(bytes, text)) {
        errorMessage
            = QStringLiteral("\"%1\" is not a keyword list: it does not hold plain text.").arg(NativePath(fileName));
        return false;
    }
    keywords = ParseKeywordText(text);
    return true;
}

} // namespace orvane
