// The two text forms of a keyword list: the clipboard text and keyword list files (UTF-8 with
// byte-order mark written; UTF-8, UTF-16 LE/BE marks and Windows-1252 read).
#pragma once

#include "core/model/kwstringlist.h"

#include <QByteArray>
#include <QString>

namespace orvane
{

// Larger files are not keyword lists (a photo or archive chosen by mistake); they are refused
// before anything is read.
constexpr qint64 kMaxKeywordFileSize = 16 * 1024 * 1024;

// Every keyword exactly as stored, each followed by CR LF (the last one too); empty for an empty list.
QString KeywordListText(const TKwStringList &keywords);

// One entry per line, unchanged (no trimming; a blank line is an empty entry). Lines end at CR LF,
// a lone CR or a lone LF; a final line break adds no entry. Entries differing only in case merge,
// the first spelling kept.
TKwStringList ParseKeywordText(const QString &text);

// The bytes of a keyword list file: EF BB BF, then KeywordListText in UTF-8.
QByteArray KeywordFileBytes(const TKwStringList &keywords);

// Decodes the bytes of a keyword list file by its byte-order mark; without one, valid UTF-8 is read
// as UTF-8 and anything else as Windows-1252. False when the bytes are not text (NUL or other
// control characters, malformed UTF-8 after a UTF-8 mark, malformed UTF-16).
bool DecodeKeywordFileBytes(const QByteArray &bytes, QString &text);

// Writes the list beside the file and then replaces it, so that a failed save leaves the old file
// whole. False with a message for the user when the file could not be written.
bool SaveKeywordFile(const QString &fileName, const TKwStringList &keywords, QString &errorMessage);

// Reads the keywords of a keyword list file into keywords (cleared first). False with a message for
// the user, and keywords untouched, when the file cannot be read, is too large or is not text.
bool LoadKeywordFile(const QString &fileName, TKwStringList &keywords, QString &errorMessage);

} // namespace orvane
