// Font values: exact bytes of the stored stream, hexadecimal text, and tolerance of bad values.
#include "core/settings/fontwrapper.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

namespace orvane {
namespace {

QByteArray shortString(const char *text)
{
    const QByteArray bytes(text);
    return char(bytes.size()) + bytes;
}

TFont tahoma11()
{
    QFont qfont(QStringLiteral("Tahoma"));
    qfont.setPixelSize(11);
    TFont font(qfont, clWindowText);
    font.charset = DEFAULT_CHARSET;
    return font;
}

QByteArray encode(const TFont &font)
{
    QByteArray stream;
    TFontWrapper(font).SaveToMemStream(stream);
    return stream;
}

TEST(FontWrapperTest, ExampleFontEncodesToTheListedBytesAndBack)
{
    QByteArray expected("TPF0");
    expected += shortString("TFontWrapper");
    expected += char(0);
    expected += shortString("Font.Charset") + char(7) + shortString("DEFAULT_CHARSET");
    expected += shortString("Font.Color") + char(7) + shortString("clWindowText");
    expected += shortString("Font.Height") + char(2) + char(0xF5);
    expected += shortString("Font.Name") + char(6) + shortString("Tahoma");
    expected += shortString("Font.Style") + char(11) + char(0);
    expected += char(0);
    expected += char(0);

    const QByteArray stream = encode(tahoma11());
    EXPECT_EQ(stream.toHex(' '), expected.toHex(' '));

    TFontWrapper wrapper;
    ASSERT_TRUE(wrapper.LoadFromMemStream(stream));
    const TFont &read = wrapper.Font();
    EXPECT_EQ(read.font.family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(read.font.pixelSize(), 11);
    EXPECT_EQ(read.color, clWindowText);
    EXPECT_EQ(read.charset, DEFAULT_CHARSET);
    EXPECT_FALSE(read.font.bold() || read.font.italic() || read.font.underline() || read.font.strikeOut());
}

TEST(FontWrapperTest, HexIsUpperCaseAndLowerCaseReadsTheSame)
{
    const TFontWrapper original(tahoma11());
    const QString hex = original.toHex();
    EXPECT_EQ(hex, QString::fromLatin1(encode(tahoma11()).toHex().toUpper()));
    EXPECT_TRUE(hex.startsWith(QStringLiteral("54504630")));

    TFontWrapper upper;
    TFontWrapper lower;
    ASSERT_TRUE(upper.fromHex(hex));
    ASSERT_TRUE(lower.fromHex(hex.toLower()));
    EXPECT_EQ(lower.Font(), upper.Font());
    EXPECT_EQ(lower.Font(), tahoma11());
}

TEST(FontWrapperTest, BoldItalicStoresTheSetMembers)
{
    TFont font = tahoma11();
    font.font.setBold(true);
    font.font.setItalic(true);
    const QByteArray stream = encode(font);
    const QByteArray style = shortString("Font.Style") + char(11) + shortString("fsBold") + shortString("fsItalic") + char(0);
    EXPECT_TRUE(stream.contains(style)) << stream.toHex(' ').constData();

    TFontWrapper wrapper;
    ASSERT_TRUE(wrapper.LoadFromMemStream(stream));
    EXPECT_TRUE(wrapper.Font().font.bold());
    EXPECT_TRUE(wrapper.Font().font.italic());
    EXPECT_FALSE(wrapper.Font().font.underline());
}

TEST(FontWrapperTest, NonAsciiFaceNamesUseTheSmallerEncoding)
{
    struct Case
    {
        QString family;
        char tag;
        QByteArray payload;
    };
    const QString mostlyLatin = QStringLiteral("Schrift \u00C4hnlich");
    const QString cjk = QStringLiteral("\u65E5\u672C\u8A9E");
    QByteArray utf16;
    for (const QChar c : cjk) {
        utf16 += char(c.unicode() & 0xFF);
        utf16 += char(c.unicode() >> 8);
    }
    const Case cases[] = {
        {mostlyLatin, 20, QByteArray::fromRawData("\x10\0\0\0", 4) + mostlyLatin.toUtf8()},
        {cjk, 18, QByteArray::fromRawData("\x03\0\0\0", 4) + utf16},
    };
    for (const Case &c : cases) {
        TFont font = tahoma11();
        font.font.setFamily(c.family);
        const QByteArray stream = encode(font);
        EXPECT_TRUE(stream.contains(shortString("Font.Name") + c.tag + c.payload)) << stream.toHex(' ').constData();
        TFontWrapper wrapper;
        ASSERT_TRUE(wrapper.LoadFromMemStream(stream));
        EXPECT_EQ(wrapper.Font().font.family(), c.family);
    }
}

TEST(FontWrapperTest, ColoursAndCharsetsWithoutNamesAreIntegers)
{
    TFont font = tahoma11();
    font.color = 0x00123456;
    font.charset = 3;
    font.orientation = 900;
    const QByteArray stream = encode(font);
    EXPECT_TRUE(stream.contains(shortString("Font.Charset") + char(2) + char(3)));
    EXPECT_TRUE(stream.contains(shortString("Font.Color") + char(4) + QByteArray::fromRawData("\x56\x34\x12\x00", 4)));
    EXPECT_TRUE(stream.contains(shortString("Font.Orientation") + char(3) + QByteArray::fromRawData("\x84\x03", 2)));

    TFontWrapper wrapper;
    ASSERT_TRUE(wrapper.LoadFromMemStream(stream));
    EXPECT_EQ(wrapper.Font(), font);

    font.color = clBlack;
    font.charset = 204;
    const QByteArray named = encode(font);
    EXPECT_TRUE(named.contains(shortString("Font.Color") + char(7) + shortString("clBlack")));
    EXPECT_TRUE(named.contains(shortString("Font.Charset") + char(7) + shortString("RUSSIAN_CHARSET")));
    ASSERT_TRUE(wrapper.LoadFromMemStream(named));
    EXPECT_EQ(wrapper.Font(), font);
}

TEST(FontWrapperTest, UndecodableValuesLeaveTheFontUnchanged)
{
    const QString good = TFontWrapper(tahoma11()).toHex();
    QByteArray unknownColour = encode(tahoma11());
    unknownColour.replace(shortString("clWindowText"), shortString("clNoSuchColr"));
    const QString cases[] = {
        QString(),
        QStringLiteral("ZZ"),
        good.left(good.size() - 1),                 // odd number of digits
        good.left(40),                              // stream cut short
        QStringLiteral("54504631") + good.mid(8),   // wrong signature
        good.left(good.size() - 2) + QStringLiteral("G0"),
        TFontWrapper::BytesToHex(unknownColour),
    };
    for (const QString &value : cases) {
        QFont marker(QStringLiteral("Marker Face"));
        marker.setPixelSize(23);
        TFontWrapper wrapper(TFont(marker, clBlack));
        EXPECT_FALSE(wrapper.fromHex(value)) << value.toStdString();
        EXPECT_EQ(wrapper.Font().font.family(), QStringLiteral("Marker Face"));
        EXPECT_EQ(wrapper.Font().font.pixelSize(), 23);
        EXPECT_EQ(wrapper.Font().color, clBlack);
    }
}

TEST(FontWrapperTest, AttributesMissingFromTheStreamKeepNewFontValues)
{
    QByteArray stream("TPF0");
    stream += shortString("TAnyClass") + shortString("named");
    stream += shortString("Font.Name") + char(6) + shortString("Courier");
    stream += shortString("Font.Pitch") + char(7) + shortString("fpFixed");
    stream += char(0);
    stream += char(0);
    TFontWrapper wrapper;
    ASSERT_TRUE(wrapper.LoadFromMemStream(stream));
    const TFont fresh;
    EXPECT_EQ(wrapper.Font().font.family(), QStringLiteral("Courier"));
    EXPECT_TRUE(wrapper.Font().font.fixedPitch());
    EXPECT_EQ(wrapper.Font().color, fresh.color);
    EXPECT_EQ(wrapper.Font().charset, fresh.charset);
    EXPECT_EQ(wrapper.Font().font.pixelSize(), fresh.font.pixelSize());
    EXPECT_EQ(wrapper.Font().font.pointSizeF(), fresh.font.pointSizeF());
}

} // namespace

TEST(FontColor, CellTextIgnoresTheThemeButOtherUsesFollowIt)
{
    const QPalette saved = QGuiApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    QGuiApplication::setPalette(dark);
    const TFont font(QFont(QStringLiteral("DejaVu Sans")), clWindowText);
    EXPECT_EQ(font.qcolor(), QColor(230, 230, 230));
    EXPECT_EQ(font.cellTextColor(), QColor(Qt::black));
    // Plain colours are the same either way.
    const TFont red(QFont(QStringLiteral("DejaVu Sans")), 0x0000FFu);
    EXPECT_EQ(red.cellTextColor(), QColor(255, 0, 0));
    EXPECT_EQ(red.qcolor(), QColor(255, 0, 0));
    QGuiApplication::setPalette(saved);
}

} // namespace orvane
