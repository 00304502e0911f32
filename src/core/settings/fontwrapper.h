// Turns a font into the byte stream of a stored font value (and its hexadecimal text) and back.
#pragma once

#include "core/settings/font.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace orvane {

class TFontWrapper
{
public:
    TFontWrapper() = default;
    explicit TFontWrapper(const TFont &font) : fFont(font) {}

    const TFont &Font() const { return fFont; }
    void SetFont(const TFont &font) { fFont = font; }

    // Appends the component stream describing the font to stream.
    void SaveToMemStream(QByteArray &stream) const;
    // Sets the font from a component stream. Attributes absent from the stream keep the values
    // of a new TFont. A stream that cannot be decoded leaves the font unchanged and gives false.
    bool LoadFromMemStream(const QByteArray &stream);

    // The stream as upper-case hexadecimal text, two digits per byte.
    QString toHex() const;
    // Reads hexadecimal text in either letter case; false (font unchanged) on any fault.
    bool fromHex(const QString &text);

    static QString BytesToHex(const QByteArray &bytes);
    static std::optional<QByteArray> HexToBytes(const QString &text);

private:
    TFont fFont;
};

} // namespace orvane
