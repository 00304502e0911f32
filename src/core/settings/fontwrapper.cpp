// Font values: a component stream describing one font-holding object, byte for byte as older
// settings files have them, so such files keep their fonts.
#include "core/settings/fontwrapper.h"

#include <QtEndian>

#include <variant>

namespace orvane {

namespace {

enum ValueTag : quint8 {
    vaNull = 0,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaSet = 11,
    vaLString = 12,
    vaWString = 18,
    vaUTF8String = 20,
};

struct NamedValue
{
    const char *name;
    qint32 value;
};

const NamedValue kCharsets[] = {
    {"ANSI_CHARSET", 0},         {"DEFAULT_CHARSET", 1},     {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},         {"SHIFTJIS_CHARSET", 128},  {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},      {"GB2312_CHARSET", 134},    {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},      {"TURKISH_CHARSET", 162},   {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},     {"ARABIC_CHARSET", 178},    {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204},    {"THAI_CHARSET", 222},      {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
};

constexpr qint32 sys(int index)
{
    return qint32(0xFF000000u | quint32(index));
}

const NamedValue kColors[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", sys(10)},
    {"clActiveCaption", sys(2)},
    {"clAppWorkSpace", sys(12)},
    {"clBackground", sys(1)},
    {"clBtnFace", sys(15)},
    {"clBtnHighlight", sys(20)},
    {"clBtnShadow", sys(16)},
    {"clBtnText", sys(18)},
    {"clCaptionText", sys(9)},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", sys(27)},
    {"clGradientInactiveCaption", sys(28)},
    {"clGrayText", sys(17)},
    {"clHighlight", sys(13)},
    {"clHighlightText", sys(14)},
    {"clHotLight", sys(26)},
    {"clInactiveBorder", sys(11)},
    {"clInactiveCaption", sys(3)},
    {"clInactiveCaptionText", sys(19)},
    {"clInfoBk", sys(24)},
    {"clInfoText", sys(23)},
    {"clMenu", sys(4)},
    {"clMenuBar", sys(30)},
    {"clMenuHighlight", sys(29)},
    {"clMenuText", sys(7)},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", sys(0)},
    {"cl3DDkShadow", sys(21)},
    {"cl3DLight", sys(22)},
    {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)},
    {"clWindowText", sys(8)},
};

template <std::size_t N>
const char *nameOf(const NamedValue (&table)[N], qint32 value)
{
    for (const NamedValue &entry : table) {
        if (entry.value == value) {
            return entry.name;
        }
    }
    return nullptr;
}

template <std::size_t N>
std::optional<qint32> valueOf(const NamedValue (&table)[N], const QString &name)
{
    for (const NamedValue &entry : table) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            return entry.value;
        }
    }
    return std::nullopt;
}

// ---- writing

void putShortString(QByteArray &out, const QByteArray &utf8)
{
    out.append(char(quint8(utf8.size())));
    out.append(utf8);
}

void putLength(QByteArray &out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putInteger(QByteArray &out, qint32 value)
{
    if (value >= -128 && value <= 127) {
        out.append(char(vaInt8));
        out.append(char(qint8(value)));
    } else if (value >= -32768 && value <= 32767) {
        out.append(char(vaInt16));
        char bytes[2];
        qToLittleEndian(qint16(value), bytes);
        out.append(bytes, 2);
    } else {
        out.append(char(vaInt32));
        putLength(out, value);
    }
}

void putIdent(QByteArray &out, const char *ident)
{
    out.append(char(vaIdent));
    putShortString(out, QByteArray(ident));
}

void putIdentOrInteger(QByteArray &out, const char *ident, qint32 value)
{
    if (ident != nullptr) {
        putIdent(out, ident);
    } else {
        putInteger(out, value);
    }
}

void putString(QByteArray &out, const QString &text)
{
    bool ascii = true;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        const QByteArray bytes = text.toLatin1();
        if (bytes.size() <= 255) {
            out.append(char(vaString));
            putShortString(out, bytes);
        } else {
            out.append(char(vaLString));
            putLength(out, qint32(bytes.size()));
            out.append(bytes);
        }
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() < 2 * text.size()) {
        out.append(char(vaUTF8String));
        putLength(out, qint32(utf8.size()));
        out.append(utf8);
    } else {
        out.append(char(vaWString));
        putLength(out, qint32(text.size()));
        for (const QChar c : text) {
            char bytes[2];
            qToLittleEndian(c.unicode(), bytes);
            out.append(bytes, 2);
        }
    }
}

void putPropertyName(QByteArray &out, const char *name)
{
    putShortString(out, QByteArray(name));
}

// ---- reading

struct Identifier
{
    QString name;
};
using Value = std::variant<qint32, Identifier, QString, QStringList, bool>;

class StreamReader
{
public:
    explicit StreamReader(const QByteArray &bytes) : fBytes(bytes) {}

    bool ok() const { return fOk; }

    quint8 byte()
    {
        if (!need(1)) {
            return 0;
        }
        return quint8(fBytes.at(fPos++));
    }

    QByteArray bytes(qint64 count)
    {
        if (count < 0 || !need(count)) {
            fOk = false;
            return {};
        }
        const QByteArray result = fBytes.mid(fPos, count);
        fPos += count;
        return result;
    }

    qint32 int32()
    {
        const QByteArray raw = bytes(4);
        return fOk ? qFromLittleEndian<qint32>(raw.constData()) : 0;
    }

    QString shortString()
    {
        const quint8 length = byte();
        return QString::fromUtf8(bytes(length));
    }

    std::optional<Value> value()
    {
        const quint8 tag = byte();
        if (!fOk) {
            return std::nullopt;
        }
        switch (tag) {
        case vaInt8:
            return Value(qint32(qint8(byte())));
        case vaInt16: {
            const QByteArray raw = bytes(2);
            return fOk ? std::optional<Value>(Value(qint32(qFromLittleEndian<qint16>(raw.constData()))))
                       : std::nullopt;
        }
        case vaInt32:
            return Value(int32());
        case vaIdent:
            return Value(Identifier{shortString()});
        case vaFalse:
            return Value(false);
        case vaTrue:
            return Value(true);
        case vaString:
            return Value(shortString());
        case vaLString:
        case vaUTF8String:
            return Value(QString::fromUtf8(bytes(int32())));
        case vaWString: {
            const qint32 units = int32();
            const QByteArray raw = bytes(qint64(units) * 2);
            if (!fOk) {
                return std::nullopt;
            }
            QString text(units, Qt::Uninitialized);
            for (qint32 i = 0; i < units; ++i) {
                text[i] = QChar(qFromLittleEndian<quint16>(raw.constData() + 2 * i));
            }
            return Value(text);
        }
        case vaSet: {
            QStringList members;
            for (;;) {
                const QString member = shortString();
                if (!fOk) {
                    return std::nullopt;
                }
                if (member.isEmpty()) {
                    return Value(members);
                }
                members.append(member);
            }
        }
        default:
            fOk = false;
            return std::nullopt;
        }
    }

private:
    bool need(qint64 count)
    {
        if (!fOk || fPos + count > fBytes.size()) {
            fOk = false;
        }
        return fOk;
    }

    const QByteArray &fBytes;
    qint64 fPos = 0;
    bool fOk = true;
};

template <std::size_t N>
std::optional<qint32> integerOrIdent(const Value &value, const NamedValue (&table)[N])
{
    if (const qint32 *number = std::get_if<qint32>(&value)) {
        return *number;
    }
    if (const Identifier *ident = std::get_if<Identifier>(&value)) {
        return valueOf(table, ident->name);
    }
    return std::nullopt;
}

std::optional<qint32> integer(const Value &value)
{
    if (const qint32 *number = std::get_if<qint32>(&value)) {
        return *number;
    }
    return std::nullopt;
}

std::optional<QString> identifier(const Value &value)
{
    if (const Identifier *ident = std::get_if<Identifier>(&value)) {
        return ident->name;
    }
    return std::nullopt;
}

bool sameName(const QString &a, const char *b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

// Sets one attribute; false when the value does not fit it.
bool applyAttribute(TFont &font, const QString &name, const Value &value)
{
    if (sameName(name, "Font.Charset")) {
        const std::optional<qint32> charset = integerOrIdent(value, kCharsets);
        if (!charset || *charset < 0 || *charset > 255) {
            return false;
        }
        font.charset = *charset;
    } else if (sameName(name, "Font.Color")) {
        const std::optional<qint32> color = integerOrIdent(value, kColors);
        if (!color) {
            return false;
        }
        font.color = TColor(*color);
    } else if (sameName(name, "Font.Height")) {
        const std::optional<qint32> height = integer(value);
        if (!height || *height < -32768 || *height > 32767) {
            return false;
        }
        // Negative heights are character heights in pixels; a positive one (cell height, with
        // the internal leading) is close enough to be used the same way.
        if (*height != 0) {
            font.font.setPixelSize(qAbs(*height));
        }
    } else if (sameName(name, "Font.Name")) {
        const QString *family = std::get_if<QString>(&value);
        if (family == nullptr) {
            return false;
        }
        font.font.setFamily(*family);
    } else if (sameName(name, "Font.Orientation")) {
        const std::optional<qint32> orientation = integer(value);
        if (!orientation) {
            return false;
        }
        font.orientation = *orientation;
    } else if (sameName(name, "Font.Pitch")) {
        const std::optional<QString> pitch = identifier(value);
        if (!pitch) {
            return false;
        }
        font.font.setFixedPitch(pitch->compare(QLatin1String("fpFixed"), Qt::CaseInsensitive) == 0);
    } else if (sameName(name, "Font.Style")) {
        const QStringList *members = std::get_if<QStringList>(&value);
        if (members == nullptr) {
            return false;
        }
        font.font.setBold(members->contains(QLatin1String("fsBold"), Qt::CaseInsensitive));
        font.font.setItalic(members->contains(QLatin1String("fsItalic"), Qt::CaseInsensitive));
        font.font.setUnderline(members->contains(QLatin1String("fsUnderline"), Qt::CaseInsensitive));
        font.font.setStrikeOut(members->contains(QLatin1String("fsStrikeOut"), Qt::CaseInsensitive));
    } else if (sameName(name, "Font.Quality")) {
        const std::optional<QString> quality = identifier(value);
        if (!quality) {
            return false;
        }
        if (quality->compare(QLatin1String("fqNonAntialiased"), Qt::CaseInsensitive) == 0) {
            font.font.setStyleStrategy(QFont::NoAntialias);
        } else if (quality->compare(QLatin1String("fqAntialiased"), Qt::CaseInsensitive) == 0
                   || quality->startsWith(QLatin1String("fqClearType"), Qt::CaseInsensitive)) {
            font.font.setStyleStrategy(QFont::PreferAntialias);
        }
    }
    // Attributes this program does not know are passed over; the font keeps its value.
    return true;
}

} // namespace

void TFontWrapper::SaveToMemStream(QByteArray &stream) const
{
    QByteArray &out = stream;
    out.append("TPF0", 4);
    putShortString(out, QByteArrayLiteral("TFontWrapper"));
    putShortString(out, QByteArray());

    putPropertyName(out, "Font.Charset");
    putIdentOrInteger(out, nameOf(kCharsets, fFont.charset), fFont.charset);

    putPropertyName(out, "Font.Color");
    putIdentOrInteger(out, nameOf(kColors, qint32(fFont.color)), qint32(fFont.color));

    putPropertyName(out, "Font.Height");
    putInteger(out, -fFont.pixelHeight());

    putPropertyName(out, "Font.Name");
    putString(out, fFont.font.family());

    if (fFont.orientation != 0) {
        putPropertyName(out, "Font.Orientation");
        putInteger(out, fFont.orientation);
    }
    if (fFont.font.fixedPitch()) {
        putPropertyName(out, "Font.Pitch");
        putIdent(out, "fpFixed");
    }

    putPropertyName(out, "Font.Style");
    out.append(char(vaSet));
    if (fFont.font.bold()) {
        putShortString(out, QByteArrayLiteral("fsBold"));
    }
    if (fFont.font.italic()) {
        putShortString(out, QByteArrayLiteral("fsItalic"));
    }
    if (fFont.font.underline()) {
        putShortString(out, QByteArrayLiteral("fsUnderline"));
    }
    if (fFont.font.strikeOut()) {
        putShortString(out, QByteArrayLiteral("fsStrikeOut"));
    }
    out.append(char(0));

    const QFont::StyleStrategy strategy = fFont.font.styleStrategy();
    if (strategy & QFont::NoAntialias) {
        putPropertyName(out, "Font.Quality");
        putIdent(out, "fqNonAntialiased");
    } else if (strategy & QFont::PreferAntialias) {
        putPropertyName(out, "Font.Quality");
        putIdent(out, "fqAntialiased");
    }

    out.append(char(0)); // end of the property list
    out.append(char(0)); // end of the (empty) list of child objects
}

bool TFontWrapper::LoadFromMemStream(const QByteArray &stream)
{
    StreamReader reader(stream);
    if (reader.bytes(4) != QByteArrayLiteral("TPF0")) {
        return false;
    }
    reader.shortString(); // class name, not checked
    reader.shortString(); // object name
    TFont font;
    for (;;) {
        const QString name = reader.shortString();
        if (!reader.ok()) {
            return false;
        }
        if (name.isEmpty()) {
            break;
        }
        const std::optional<Value> value = reader.value();
        if (!value || !applyAttribute(font, name, *value)) {
            return false;
        }
    }
    fFont = font;
    return true;
}

QString TFontWrapper::toHex() const
{
    QByteArray stream;
    SaveToMemStream(stream);
    return BytesToHex(stream);
}

bool TFontWrapper::fromHex(const QString &text)
{
    const std::optional<QByteArray> bytes = HexToBytes(text);
    return bytes && LoadFromMemStream(*bytes);
}

QString TFontWrapper::BytesToHex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

std::optional<QByteArray> TFontWrapper::HexToBytes(const QString &text)
{
    if (text.isEmpty() || text.size() % 2 != 0) {
        return std::nullopt;
    }
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool hex = (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
        if (!hex) {
            return std::nullopt;
        }
    }
    return QByteArray::fromHex(text.toLatin1());
}

} // namespace orvane
