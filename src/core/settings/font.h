// A font setting: a QFont plus the colour and the few attributes that only the stored font
// value knows about (character set, escapement), so that a value read from the settings file
// is written back unchanged.
#pragma once

#include "core/settings/fileutils.h"

#include <QColor>
#include <QFont>

namespace orvane {

// Colour values as the font value and the settings file store them (0x00BBGGRR). Values with
// the high byte 0xFF are system colours: the low byte indexes the desktop's colour table.
constexpr TColor clSystemColor = 0xFF000000u;
constexpr TColor clWindowText = clSystemColor | 8u;
constexpr TColor clBlack = 0x000000u;
constexpr TColor clSilver = 0xC0C0C0u;

constexpr int DEFAULT_CHARSET = 1;

// Turns a stored colour into something Qt can paint with; system colours are taken from the
// application palette (window text, window, highlight, ...).
QColor ColorToQColor(TColor color);
// The same, but system colours are the desktop's classic defaults rather than the theme's. For
// text drawn on a background the user chose (the cell colour), which no theme changes: a dark
// theme's light window text would vanish on the silver cells.
QColor ColorToQColorUnthemed(TColor color);
TColor QColorToColor(const QColor &color);

struct TFont
{
    // The application's default font in window-text colour.
    TFont();
    explicit TFont(const QFont &qfont, TColor fontColor = clWindowText);

    QFont font;
    TColor color = clWindowText;
    int charset = DEFAULT_CHARSET;
    // Escapement in tenths of a degree; kept for the round trip, not used for drawing.
    int orientation = 0;

    // The character height in pixels, as a positive number (the stored value is its negative).
    int pixelHeight() const;
    QColor qcolor() const { return ColorToQColor(color); }
    // For text on the cell colour; see ColorToQColorUnthemed.
    QColor cellTextColor() const { return ColorToQColorUnthemed(color); }

    bool operator==(const TFont &other) const;
    bool operator!=(const TFont &other) const { return !(*this == other); }
};

} // namespace orvane
